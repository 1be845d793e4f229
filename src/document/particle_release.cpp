#include "document/particle_release.h"

#include <cmath>

#include "document/document.h"
#include "document/particle_flow.h"
#include "document/streamline_lines.h"
#include "document/time_marks_drawing.h"
#include "flow/time_marks/time_marks.h"

namespace {

using flow::maps::PicturePoint;

// A speed this small (pixels per unit of time) is a stagnation point's.
constexpr double kStill = 1e-9;

// The end of the line fluid comes in at: the first point when the flow
// there runs along the line, the last otherwise; nothing when the line
// starts where the flow stops (a body's outline from its stagnation point).
std::optional<PicturePoint> upstreamEnd(const flow::time_marks::Polyline& line,
                                        const flow::PictureFlow& flow) {
    const PicturePoint first = line.front(), second = line[1];
    const auto v = flow.velocityAt(first.x, first.y);
    if (!v || std::hypot(v->dx, v->dy) < kStill) return std::nullopt;
    const bool along = v->dx * (second.x - first.x) + v->dy * (second.y - first.y) >= 0;
    return along ? first : line.back();
}

std::vector<PicturePoint> streamlineStarts(const Document& document, QSize picture,
                                           const flow::Settings& settings) {
    const ParticleFlow flow = particleFlowOf(document, settings);
    std::vector<PicturePoint> starts;
    const std::optional<flow::airfoil::AirfoilFlow> airfoil = document.airfoilFlow();
    const LinesFlow lines = airfoil ? LinesFlow{*airfoil} : document.superpositionElements();
    const flow::Box box{0, 0, picture.width() - 1, picture.height() - 1};
    for (const ConstructionStep& step : document.steps()) {
        if (!isStreamlineStep(step)) continue;
        for (const flow::time_marks::Polyline& line :
             flow::time_marks::partsWithin(streamlineStepLines(step, lines), box))
            if (const auto start = line.size() >= 2 ? upstreamEnd(line, *flow.flow) : std::nullopt)
                starts.push_back(*start);
    }
    return starts;
}

}  // namespace

flow::particles::Release particleReleaseOf(const Document& document, QSize picture,
                                           ParticleRelease kind, const std::optional<QLineF>& line,
                                           const flow::Settings& settings) {
    using flow::particles::ReleaseKind;
    if (kind == ParticleRelease::DrawnLine && line)
        return {ReleaseKind::DrawnLine, {{line->x1(), line->y1()}, {line->x2(), line->y2()}}};
    if (kind == ParticleRelease::Streamlines) {
        std::vector<PicturePoint> starts = streamlineStarts(document, picture, settings);
        if (!starts.empty()) return {ReleaseKind::Streamlines, std::move(starts)};
    }
    return {ReleaseKind::UpstreamEdge, {}};
}
