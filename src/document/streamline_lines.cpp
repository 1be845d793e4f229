#include "document/streamline_lines.h"

#include "document/airfoil_document.h"
#include "flow/bounded_settings.h"
#include "flow/geometry.h"

namespace {

class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

}  // namespace

std::vector<flow::time_marks::Polyline> streamlineStepLines(const ConstructionStep& step,
                                                            const LinesFlow& flow) {
    flow::SettingValues values = step.settings;
    values.set("streamlines.arrows", false);
    const flow::BoundedSettings bounded(values.settings());
    flow::time_marks::LineCapture capture;
    NoGauge gauge;
    const flow::Canvas canvas{capture, bounded.settings(), gauge};
    try {
        if (const auto* command = std::get_if<CommandStep>(&step.action))
            flow::runRoutine(canvas, command->call);
        else if (const auto* airfoil = std::get_if<flow::airfoil::AirfoilFlow>(&flow))
            drawAirfoilLines(canvas, SuperpositionLines::Streamlines, *airfoil);
        else
            drawSuperpositionLines(canvas, SuperpositionLines::Streamlines,
                                   std::get<std::vector<flow::superposition::Element>>(flow));
    } catch (const flow::ConversionError&) {
    }
    return capture.lines();
}
