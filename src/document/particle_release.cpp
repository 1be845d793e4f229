#include "document/particle_release.h"

#include "document/document.h"
#include "document/particle_flow.h"
#include "document/streamline_lines.h"
#include "document/time_marks_drawing.h"

namespace {

using flow::maps::PicturePoint;

// The end of the line fluid comes in at: the first point when the flow
// there runs along the line, the last otherwise.
PicturePoint upstreamEnd(const flow::time_marks::Polyline& line, const flow::PictureFlow& flow) {
    const PicturePoint first = line.front(), second = line[1];
    const auto v = flow.velocityAt(first.x, first.y);
    const bool along = v && v->dx * (second.x - first.x) + v->dy * (second.y - first.y) >= 0;
    return along ? first : line.back();
}

std::vector<PicturePoint> streamlineStarts(const Document& document,
                                           const flow::Settings& settings) {
    const ParticleFlow flow = particleFlowOf(document, settings);
    std::vector<PicturePoint> starts;
    if (!flow.flow) return starts;
    const std::vector<flow::superposition::Element> elements = document.superpositionElements();
    for (const ConstructionStep& step : document.steps()) {
        if (!isStreamlineStep(step)) continue;
        for (const flow::time_marks::Polyline& line : streamlineStepLines(step, elements))
            if (line.size() >= 2) starts.push_back(upstreamEnd(line, *flow.flow));
    }
    return starts;
}

}  // namespace

flow::particles::Release particleReleaseOf(const Document& document, ParticleRelease kind,
                                           const std::optional<QLineF>& line,
                                           const flow::Settings& settings) {
    using flow::particles::ReleaseKind;
    if (kind == ParticleRelease::DrawnLine && line)
        return {ReleaseKind::DrawnLine, {{line->x1(), line->y1()}, {line->x2(), line->y2()}}};
    if (kind == ParticleRelease::Streamlines) {
        std::vector<PicturePoint> starts = streamlineStarts(document, settings);
        if (!starts.empty()) return {ReleaseKind::Streamlines, std::move(starts)};
    }
    return {ReleaseKind::UpstreamEdge, {}};
}
