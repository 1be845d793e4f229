#include "document/time_marks_drawing.h"

#include <algorithm>

#include "document/colour_map.h"
#include "document/streamline_lines.h"

namespace {

namespace tmarks = flow::time_marks;

}  // namespace

std::optional<MarkReading> readMarks(const MarkedFlow& flow, const flow::Settings& settings) {
    MarkReading reading;
    if (const auto* configuration = std::get_if<Configuration>(&flow)) {
        const std::optional<MapFlow> map = mapFlowOf(*configuration, settings);
        if (!map) return std::nullopt;
        reading.elements = map->elements;
    } else {
        reading.elements = std::get<std::vector<flow::superposition::Element>>(flow);
        if (reading.elements.empty()) return std::nullopt;
    }
    const flow::StreamlineSettings& s = settings.streamlines;
    reading.style = {static_cast<double>(s.markInterval()), s.markSize(), s.markColor()};
    return reading;
}

bool isStreamlineStep(const ConstructionStep& step) {
    if (const auto* command = std::get_if<CommandStep>(&step.action))
        return command->call.routine && command->call.routine->name.starts_with("Stream");
    const auto* lines = std::get_if<SuperpositionLinesStep>(&step.action);
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
                        bool superposition) {
    if (superposition) return superpositionElements(steps);
    return lastConfiguration({steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(index)});
}

tmarks::MarkCount drawTimeMarks(flow::Surface& surface, const ConstructionStep& lines,
                                const MarkReading& reading, QSize picture) {
    const flow::Box box{0, 0, picture.width() - 1, picture.height() - 1};
    return tmarks::drawMarks(surface, flow::superposition::Field(reading.elements),
                             streamlineStepLines(lines, reading.elements), box, reading.style);
}

tmarks::MarkCount markLinesBefore(flow::Surface& surface,
                                  const std::vector<ConstructionStep>& steps, std::size_t index,
                                  bool superposition, QSize picture,
                                  const flow::Settings& settings) {
    tmarks::MarkCount count;
    for (std::size_t i = 0; i < index && i < steps.size(); ++i) {
        if (!isStreamlineStep(steps[i])) continue;
        const auto reading = readMarks(markedFlowAt(steps, i, superposition), settings);
        if (!reading) continue;
        const tmarks::MarkCount marked = drawTimeMarks(surface, steps[i], *reading, picture);
        count.marks += marked.marks;
        count.stopped += marked.stopped;
    }
    return count;
}
