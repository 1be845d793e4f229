#include "document/streamline_lines.h"

#include "flow/bounded_settings.h"
#include "flow/geometry.h"

namespace {

class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

}  // namespace

std::vector<flow::time_marks::Polyline> streamlineStepLines(
    const ConstructionStep& step, const std::vector<flow::superposition::Element>& elements) {
    flow::SettingValues values = step.settings;
    values.set("streamlines.arrows", false);
    const flow::BoundedSettings bounded(values.settings());
    flow::time_marks::LineCapture capture;
    NoGauge gauge;
    const flow::Canvas canvas{capture, bounded.settings(), gauge};
    try {
        if (const auto* command = std::get_if<CommandStep>(&step.action))
            flow::runRoutine(canvas, command->call);
        else
            drawSuperpositionLines(canvas, SuperpositionLines::Streamlines, elements);
    } catch (const flow::ConversionError&) {
    }
    return capture.lines();
}
