#include "document/construction.h"

#include <algorithm>

#include "document/airfoil_document.h"
#include "document/colour_map.h"
#include "document/contour.h"
#include "document/particle_snapshot.h"
#include "document/picture_surface.h"
#include "document/superposition_marks.h"
#include "document/time_marks_drawing.h"
#include "flow/bounded_settings.h"
#include "flow/geometry.h"
#include "flow/superposition/velocity_vector.h"

namespace {

// Runs again draw nothing on the main window's gauge.
class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

}  // namespace

Configuration Construction::configuration() const {
    return lastConfiguration(steps);
}

QString Construction::title() const {
    return lastTitle(steps);
}

Configuration lastConfiguration(const std::vector<ConstructionStep>& steps) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (const auto* element = std::get_if<ElementStep>(&step->action))
            return element->configuration;
    return {};
}

QString lastTitle(const std::vector<ConstructionStep>& steps) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (const auto* command = std::get_if<CommandStep>(&step->action);
            command && !command->title.isEmpty())
            return command->title;
    return {};
}

bool isMapStep(const ConstructionStep& step) {
    return std::holds_alternative<MapStep>(step.action);
}

bool isContourStep(const ConstructionStep& step) {
    return std::holds_alternative<ContourStep>(step.action);
}

bool recordStep(std::vector<ConstructionStep>& steps, ConstructionStep step,
                const flow::Settings& live, const std::function<void(const flow::Settings&)>& draw,
                flow::ReadBounds bounds) {
    const flow::RecordingSettings recording(live, step.settings, bounds);
    try {
        draw(recording.settings());
    } catch (...) {
        steps.push_back(std::move(step));
        throw;
    }
    steps.push_back(std::move(step));
    return recording.fieldLimited();
}

std::vector<flow::superposition::Element> superpositionElements(
    const std::vector<ConstructionStep>& steps) {
    std::vector<flow::superposition::Element> elements;
    for (const ConstructionStep& step : steps)
        if (const auto* e = std::get_if<SuperpositionElementStep>(&step.action))
            elements.push_back(e->element);
    return elements;
}

flow::superposition::Outcome drawSuperpositionLines(
    const flow::Canvas& canvas, SuperpositionLines lines,
    const std::vector<flow::superposition::Element>& elements) {
    namespace sp = flow::superposition;
    if (lines == SuperpositionLines::Equipotentials)
        return sp::drawEquipotentials(canvas, elements);
    return sp::drawStreamlines(canvas, elements,
                               {.evenlySpaced = canvas.settings.streamlines.evenlySpaced()});
}

namespace {

// The construction's step at `index` on the surface; `elements` are a
// superposition's. False when the work budget cut a superposition's lines
// short.
bool drawStep(const Construction& construction, std::size_t index, PictureSurface& surface,
              const std::vector<flow::superposition::Element>& elements) {
    const ConstructionStep& step = construction.steps[index];
    const std::vector<ConstructionStep>& steps = construction.steps;
    // Streamlines drawn while the marks are on carry them.
    auto marksOnLines = [&] {
        if (!isStreamlineStep(step) || !marksOnAt(steps, index)) return;
        const auto flow =
            markedFlowAt(steps, index, construction.superposition, construction.field);
        if (const auto reading = readMarks(flow, step.settings.settings()))
            drawTimeMarks(surface, step, *reading, construction.field);
    };
    bool complete = true;
    NoGauge gauge;
    const flow::Canvas canvas{surface, step.settings.settings(), gauge};
    try {
        std::visit(Overloaded{
                       [&](const ElementStep& e) {
                           surface.setQFont(e.font);
                           drawElement(surface, e.drawing, canvas.settings.field);
                       },
                       [&](const CommandStep& c) {
                           // Held within the dialogs' ranges, as the commands hold them.
                           const flow::BoundedSettings bounded(step.settings.settings());
                           flow::runRoutine({surface, bounded.settings(), gauge}, c.call);
                           marksOnLines();
                       },
                       [&](const VelocityStep& v) { flow::DrawVelocity(canvas, v.input); },
                       [&](const LabelStep& l) {
                           surface.setQFont(l.font);
                           surface.textOut(l.x, l.y, l.text.toStdString());
                       },
                       [&](const SuperpositionElementStep& e) {
                           surface.setQFont(e.font);
                           drawSuperpositionMark(surface, e.element);
                       },
                       [&](const SuperpositionLinesStep& l) {
                           complete = drawSuperpositionLines(canvas, l.lines, elements) !=
                                      flow::superposition::Outcome::Truncated;
                           marksOnLines();
                       },
                       [&](const SuperpositionVelocityStep& v) {
                           flow::superposition::drawVelocity(canvas, elements, v.p);
                       },
                       // Drawn first, under everything (drawLastMap).
                       [](const MapStep&) {},
                       [&](const AirfoilStep& a) {
                           drawAirfoilOutline(surface, airfoilFlow(a, construction.field));
                       },
                       [&](const AirfoilLinesStep& l) {
                           if (const AirfoilStep* a = airfoilOf(construction.steps))
                               complete = drawAirfoilLines(canvas, l.lines,
                                                           airfoilFlow(*a, construction.field)) !=
                                          flow::superposition::Outcome::Truncated;
                           marksOnLines();
                       },
                       [&](const AirfoilVelocityStep& v) {
                           if (const AirfoilStep* a = airfoilOf(construction.steps))
                               drawAirfoilVelocity(canvas, airfoilFlow(*a, construction.field),
                                                   v.p);
                       },
                       [&](const ContourStep& c) {
                           std::optional<ContourReading> reading;
                           if (const auto flow = contourFlowAt(construction, index))
                               reading = readContour(*flow, c.shape, c.density);
                           drawContour(surface, c, reading, construction.field);
                       },
                       [&](const TimeMarksStep&) {
                           markLinesBefore(surface, steps, index, construction.superposition,
                                           construction.field, canvas.settings);
                       },
                       [&](const ParticleSnapshotStep& p) { drawParticleSnapshot(surface, p); },
                   },
                   step.action);
    } catch (const flow::ConversionError&) {
        // The step stopped here when it was made too.
    }
    return complete;
}

// The last map step, if any, over the whole picture.
void drawLastMap(const Construction& construction, PictureSurface& surface) {
    const std::vector<ConstructionStep>& steps = construction.steps;
    const auto last = std::find_if(steps.rbegin(), steps.rend(), isMapStep);
    if (last == steps.rend()) return;
    const auto& map = std::get<MapStep>(last->action);
    std::optional<MapFlow> flow;
    if (const AirfoilStep* airfoil = airfoilOf(steps)) {
        flow = MapFlow{{}, {}, airfoilFlow(*airfoil, construction.field)};
    } else if (construction.superposition) {
        flow = MapFlow{superpositionElements(steps), {}, {}};
    } else {
        try {
            flow = mapFlowOf(lastConfiguration({steps.begin(), last.base() - 1}),
                             last->settings.settings());
        } catch (const flow::ConversionError&) {
            // A strength that was no integer left no map when it was made.
        }
    }
    if (flow) drawMap(surface, *flow, construction.field, map.quantity, map.options);
}

}  // namespace

bool replay(const Construction& construction, PictureSurface& surface) {
    const std::vector<flow::superposition::Element> elements =
        superpositionElements(construction.steps);
    drawLastMap(construction, surface);
    auto isElement = [](const ConstructionStep& step) {
        return std::holds_alternative<SuperpositionElementStep>(step.action);
    };
    const std::vector<ConstructionStep>& steps = construction.steps;
    if (construction.superposition)
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (isElement(steps[i])) drawStep(construction, i, surface, elements);
    bool complete = true;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (!construction.superposition || !isElement(steps[i]))
            complete = drawStep(construction, i, surface, elements) && complete;
    surface.setQFont(construction.font);
    return complete;
}

bool replayFrom(const Construction& construction, PictureSurface& surface, std::size_t from) {
    const std::vector<flow::superposition::Element> elements =
        superpositionElements(construction.steps);
    bool complete = true;
    for (std::size_t i = from; i < construction.steps.size(); ++i)
        complete = drawStep(construction, i, surface, elements) && complete;
    surface.setQFont(construction.font);
    return complete;
}
