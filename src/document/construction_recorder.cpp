#include "document/construction_recorder.h"

#include "document/time_marks_drawing.h"
#include "flow/superposition/velocity_vector.h"

void ConstructionRecorder::placeElement(const ElementDrawing& element,
                                        const Configuration& configuration,
                                        const flow::Settings& live) {
    recordStep(steps_, {ElementStep{element, surface_.qfont(), configuration}, {}}, live,
               [&](const flow::Settings& s) { drawElement(surface_, element, s.field); });
}

bool ConstructionRecorder::runRoutine(const flow::RoutineCall& call, const flow::Settings& live,
                                      flow::Gauge& gauge) {
    ConstructionStep step{CommandStep{call, {}}, {}};
    const bool marks = isStreamlineStep(step) && marksOnAt(steps_, steps_.size());
    const MarkedFlow flow = lastConfiguration(steps_);
    std::optional<MarkReading> reading;
    const bool limited = recordStep(
        steps_, std::move(step), live,
        [&](const flow::Settings& s) {
            flow::runRoutine(flow::Canvas{surface_, s, gauge}, call);
            if (marks) reading = readMarks(flow, s);
        },
        flow::ReadBounds::DialogRanges);
    if (reading) drawTimeMarks(surface_, steps_.back(), *reading, picture_);
    return limited;
}

bool ConstructionRecorder::drawVelocity(const flow::VelocityInput& input,
                                        const flow::Settings& live, flow::Gauge& gauge) {
    if (!flow::ComputeVelocity(input)) return false;
    recordStep(steps_, {VelocityStep{input}, {}}, live, [&](const flow::Settings& s) {
        flow::DrawVelocity(flow::Canvas{surface_, s, gauge}, input);
    });
    return true;
}

void ConstructionRecorder::stampLabel(int x, int y, const QString& text) {
    steps_.push_back({LabelStep{x, y, text, surface_.qfont()}, {}});
    surface_.textOut(x, y, text.toStdString());
}

flow::superposition::Outcome ConstructionRecorder::drawSuperpositionLines(
    SuperpositionLines lines, const std::vector<flow::superposition::Element>& elements,
    const flow::Settings& live, flow::Gauge& gauge) {
    auto outcome = flow::superposition::Outcome::NothingToDraw;
    const bool marks = lines == SuperpositionLines::Streamlines && marksOnAt(steps_, steps_.size());
    std::optional<MarkReading> reading;
    recordStep(steps_, {SuperpositionLinesStep{lines}, {}}, live, [&](const flow::Settings& s) {
        outcome = ::drawSuperpositionLines({surface_, s, gauge}, lines, elements);
        if (marks) reading = readMarks(elements, s);
    });
    if (reading) drawTimeMarks(surface_, steps_.back(), *reading, picture_);
    return outcome;
}

bool ConstructionRecorder::drawSuperpositionVelocity(
    flow::Point p, const std::vector<flow::superposition::Element>& elements,
    const flow::Settings& live, flow::Gauge& gauge) {
    if (!flow::superposition::velocityNumbersAt(elements, p)) return false;
    recordStep(steps_, {SuperpositionVelocityStep{p}, {}}, live, [&](const flow::Settings& s) {
        flow::superposition::drawVelocity({surface_, s, gauge}, elements, p);
    });
    return true;
}

void ConstructionRecorder::keepCommandTitle(const QString& title) {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
        if (auto* command = std::get_if<CommandStep>(&step->action)) {
            command->title = title;
            return;
        }
}
