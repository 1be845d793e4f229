#include "document/time_marks_drawing.h"

#include <algorithm>

#include "document/airfoil_document.h"
#include "document/colour_map.h"
#include "document/streamline_lines.h"
#include "flow/airfoil/airfoil_picture_flow.h"
#include "flow/velocity/element_picture_flow.h"

namespace tmarks = flow::time_marks;

std::optional<MarkReading> readMarks(const MarkedFlow& flow, const flow::Settings& settings) {
    const flow::StreamlineSettings& s = settings.streamlines;
    const flow::time_marks::MarkStyle style{static_cast<double>(s.markInterval()), s.markSize(),
                                            s.markColor()};
    if (const auto* configuration = std::get_if<Configuration>(&flow)) {
        const std::optional<MapFlow> map = mapFlowOf(*configuration, settings);
        if (!map) return std::nullopt;
        return MarkReading{map->elements, style};
    }
    if (const auto* airfoil = std::get_if<flow::airfoil::AirfoilFlow>(&flow))
        return MarkReading{*airfoil, style};
    const auto& elements = std::get<std::vector<flow::superposition::Element>>(flow);
    if (elements.empty()) return std::nullopt;
    return MarkReading{elements, style};
}

bool isStreamlineStep(const ConstructionStep& step) {
    if (const auto* command = std::get_if<CommandStep>(&step.action))
        return command->call.routine && command->call.routine->name.starts_with("Stream");
    if (const auto* lines = std::get_if<SuperpositionLinesStep>(&step.action))
        return lines->lines == SuperpositionLines::Streamlines;
    const auto* lines = std::get_if<AirfoilLinesStep>(&step.action);
    return lines && lines->lines == SuperpositionLines::Streamlines;
}

bool isTimeMarksStep(const ConstructionStep& step) {
    return std::holds_alternative<TimeMarksStep>(step.action);
}

bool marksOnAt(const std::vector<ConstructionStep>& steps, std::size_t index) {
    const auto end = steps.begin() + static_cast<std::ptrdiff_t>(std::min(index, steps.size()));
    return std::any_of(steps.begin(), end, isTimeMarksStep);
}

MarkedFlow markedFlowAt(const std::vector<ConstructionStep>& steps, std::size_t index,
                        bool superposition, QSize picture) {
    if (const AirfoilStep* airfoil = airfoilOf(steps)) return airfoilFlow(*airfoil, picture);
    if (superposition) return superpositionElements(steps);
    return lastConfiguration({steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(index)});
}

tmarks::MarkCount drawTimeMarks(flow::Surface& surface, const ConstructionStep& lines,
                                const MarkReading& reading, QSize picture) {
    const flow::Box box{0, 0, picture.width() - 1, picture.height() - 1};
    const std::vector<tmarks::Polyline> drawn = streamlineStepLines(lines, reading.flow);
    if (const auto* airfoil = std::get_if<flow::airfoil::AirfoilFlow>(&reading.flow))
        return tmarks::drawMarks(surface, flow::airfoil::AirfoilPictureFlow(*airfoil), drawn, box,
                                 reading.style);
    const flow::ElementPictureFlow elements(
        std::get<std::vector<flow::superposition::Element>>(reading.flow));
    return tmarks::drawMarks(surface, elements, drawn, box, reading.style);
}

tmarks::MarkCount markLinesBefore(flow::Surface& surface,
                                  const std::vector<ConstructionStep>& steps, std::size_t index,
                                  bool superposition, QSize picture,
                                  const flow::Settings& settings) {
    tmarks::MarkCount count;
    for (std::size_t i = 0; i < index && i < steps.size(); ++i) {
        if (!isStreamlineStep(steps[i])) continue;
        const auto reading = readMarks(markedFlowAt(steps, i, superposition, picture), settings);
        if (!reading) continue;
        const tmarks::MarkCount marked = drawTimeMarks(surface, steps[i], *reading, picture);
        count.marks += marked.marks;
        count.stopped += marked.stopped;
    }
    return count;
}
