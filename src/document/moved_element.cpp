#include "document/moved_element.h"

#include <cstdlib>

#include "document/flow_commands.h"

namespace {

bool isPartner(ElementKind kind) {
    return kind == ElementKind::SinkAdded || kind == ElementKind::SourceAdded ||
           kind == ElementKind::PairSecondSource || kind == ElementKind::PairSecondSink;
}

// An unchanged value keeps its text as it was written.
void shift(SlotValue& value, int by) {
    if (value.filled && by != 0) value.set(static_cast<long long>(value.number()) + by);
}

void change(Configuration& c, const ElementChange& change) {
    if (!change.partner) {
        shift(c.centreX, change.dx);
        shift(c.centreY, change.dy);
        shift(c.secondY, change.dy);
    }
    shift(c.secondX, change.dx);
    if (change.radius && c.radius.filled) c.radius.set(*change.radius);
}

void change(ElementDrawing& element, const ElementChange& change) {
    if (!change.partner || isPartner(element.kind)) element.x += change.dx;
    if (!change.partner) element.y += change.dy;
    if (change.radius && element.kind == ElementKind::Cylinder) element.radius = *change.radius;
}

// The arguments by their parameters' names; `c` is the configuration the
// command read, as changed.
void change(CommandStep& command, const Configuration& c, const ElementChange& change) {
    const auto& parameters = command.call.routine->parameters;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        int& argument = command.call.arguments[i];
        if (parameters[i] == "X" && !change.partner) argument += change.dx;
        if (parameters[i] == "Y" && !change.partner) argument += change.dy;
        if (parameters[i] == "D" && c.secondX.filled)
            argument = static_cast<int>(
                std::llabs(static_cast<long long>(c.centreX.number()) - c.secondX.number()));
        if (parameters[i] == "R" && change.radius) argument = *change.radius;
    }
    if (change.radius) command.title = withCylinderRadius(command.title, *change.radius);
}

void change(flow::VelocityInput& input, const ElementChange& change) {
    if (!change.partner) input.centre = {input.centre.x + change.dx, input.centre.y + change.dy};
    const bool cylinder = input.config == flow::VelocityConfig::Cylinder ||
                          input.config == flow::VelocityConfig::CylinderCirculation;
    if (change.radius && cylinder) input.R = *change.radius;
}

}  // namespace

std::vector<ConstructionStep> changedElement(std::vector<ConstructionStep> steps,
                                             const ElementChange& how) {
    Configuration read;
    for (ConstructionStep& step : steps) {
        if (auto* element = std::get_if<ElementStep>(&step.action)) {
            change(element->drawing, how);
            change(element->configuration, how);
            read = element->configuration;
        } else if (auto* command = std::get_if<CommandStep>(&step.action)) {
            change(*command, read, how);
        } else if (auto* velocity = std::get_if<VelocityStep>(&step.action)) {
            change(velocity->input, how);
        }
    }
    return steps;
}
