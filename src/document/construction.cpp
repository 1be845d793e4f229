#include "document/construction.h"

#include "document/picture_surface.h"
#include "flow/bounded_settings.h"
#include "flow/geometry.h"

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
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (const auto* element = std::get_if<ElementStep>(&step->action))
            return element->configuration;
    return {};
}

QString Construction::title() const {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (const auto* command = std::get_if<CommandStep>(&step->action);
            command && !command->title.isEmpty())
            return command->title;
    return {};
}

void recordStep(std::vector<ConstructionStep>& steps, ConstructionStep step,
                const flow::Settings& live,
                const std::function<void(const flow::Settings&)>& draw) {
    const flow::RecordingSettings recording(live, step.settings);
    try {
        draw(recording.settings());
    } catch (...) {
        steps.push_back(std::move(step));
        throw;
    }
    steps.push_back(std::move(step));
}

void replay(const Construction& construction, PictureSurface& surface) {
    NoGauge gauge;
    for (const ConstructionStep& step : construction.steps) {
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
                           },
                           [&](const VelocityStep& v) { flow::DrawVelocity(canvas, v.input); },
                           [&](const LabelStep& l) {
                               surface.setQFont(l.font);
                               surface.textOut(l.x, l.y, l.text.toStdString());
                           },
                       },
                       step.action);
        } catch (const flow::ConversionError&) {
            // The step stopped here when it was made too.
        }
    }
    surface.setQFont(construction.font);
}
