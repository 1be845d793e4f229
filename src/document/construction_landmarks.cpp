#include "document/construction_landmarks.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "document/airfoil_document.h"
#include "document/velocity_input.h"
#include "flow/airfoil/airfoil_summary.h"
#include "flow/bounded_settings.h"
#include "flow/geometry.h"
#include "flow/landmarks/flow_landmarks.h"
#include "flow/landmarks/superposition_landmarks.h"

namespace {

using flow::VelocityConfig;

constexpr std::string_view kSpeed = "streamSpeed.speed";
constexpr std::string_view kCirculation = "cylinder.circulation";
constexpr std::string_view kWithCirculation = "cylinder.withCirculation";

// What velocity vectors read of a flow parameter into their input.
std::optional<int> velocityReading(const flow::VelocityInput& in, std::string_view setting) {
    if (setting == kSpeed &&
        (in.config == VelocityConfig::Cylinder || in.config == VelocityConfig::SourceInStream))
        return in.U;
    if (setting == kCirculation && in.config == VelocityConfig::CylinderCirculation)
        return in.gamma;
    return std::nullopt;
}

// Steps from the last to the first.
template <class Visit>
auto latestFirst(const Construction& construction, Visit visit)
    -> decltype(visit(construction.steps.front())) {
    for (auto step = construction.steps.rbegin(); step != construction.steps.rend(); ++step)
        if (auto found = visit(*step)) return found;
    return std::nullopt;
}

// An integer setting as the lines were drawn with it: as the latest step
// that recorded it read it; for a flow whose lines do not read it, as the
// latest velocity vectors read it; otherwise as the construction was built
// with it (its default when that is not known). Held within its dialog's
// range, as a replay holds it; nothing when the reading was no integer.
std::optional<int> latestInteger(const Construction& construction, const flow::SettingValues& built,
                                 std::string_view setting) {
    std::optional<flow::SettingValue> recorded =
        latestFirst(construction, [&](const ConstructionStep& step) {
            const auto& values = step.settings.values();
            const auto found = values.find(setting);
            return found == values.end() ? std::nullopt : std::optional(found->second);
        });
    if (!recorded) {
        if (std::optional<int> read = latestFirst(construction, [&](const ConstructionStep& step) {
                const auto* velocity = std::get_if<VelocityStep>(&step.action);
                return velocity ? velocityReading(velocity->input, setting) : std::nullopt;
            }))
            return read;
        recorded = built.value(setting);
    }
    const int* number = std::get_if<int>(&*recorded);
    if (!number) return std::nullopt;
    return flow::settingRange(setting)(*number);
}

// Whether the cylinder has circulation: as the latest cylinder routine that
// ran, or the latest step that recorded the flag, tells; otherwise as the
// latest velocity vectors took it; otherwise as the construction was built.
bool latestWithCirculation(const Construction& construction, const flow::SettingValues& built) {
    if (std::optional<bool> drawn = latestFirst(construction, [](const ConstructionStep& step) {
            if (const auto* command = std::get_if<CommandStep>(&step.action);
                command && command->call.routine) {
                const std::string_view name = command->call.routine->name;
                if (name == "StreamCylinderCirculation" ||
                    name == "EquipotentialCylinderCirculation")
                    return std::optional(true);
                if (name == "StreamCylinder" || name == "EquipotentialCylinder")
                    return std::optional(false);
            }
            const auto& values = step.settings.values();
            const auto found = values.find(kWithCirculation);
            if (found == values.end()) return std::optional<bool>();
            const bool* flag = std::get_if<bool>(&found->second);
            return flag ? std::optional(*flag) : std::nullopt;
        }))
        return *drawn;
    if (std::optional<bool> clicked = latestFirst(construction, [](const ConstructionStep& step) {
            const auto* velocity = std::get_if<VelocityStep>(&step.action);
            if (!velocity) return std::optional<bool>();
            if (velocity->input.config == VelocityConfig::CylinderCirculation)
                return std::optional(true);
            if (velocity->input.config == VelocityConfig::Cylinder) return std::optional(false);
            return std::optional<bool>();
        }))
        return *clicked;
    const flow::SettingValue flag = built.value(kWithCirculation);
    return std::holds_alternative<bool>(flag) && std::get<bool>(flag);
}

std::vector<flow::Landmark> landmarksOfConfiguration(const Construction& construction,
                                                     const flow::SettingValues& built,
                                                     const Configuration& c) {
    if (c.isEmpty()) return {};
    const flow::Point centre{c.centreX.number(), c.centreY.number()};
    switch (c.kind()) {
        case FlowKind::SourceInStream:
        case FlowKind::SinkInStream: {
            // With a partner added nothing draws the flow of the three.
            if (c.secondX.filled) return {};
            const bool sink = c.kind() == FlowKind::SinkInStream;
            const std::optional<int> U = latestInteger(construction, built, kSpeed);
            if (!U) return {};
            return flow::elementInStreamLandmarks(
                centre, sink ? c.sink.number() : c.source.number(), *U, sink);
        }
        case FlowKind::Cylinder: {
            const int R = c.radius.number();
            if (latestWithCirculation(construction, built)) {
                const std::optional<int> gamma = latestInteger(construction, built, kCirculation);
                return gamma ? flow::circulatingCylinderLandmarks(centre, R, *gamma)
                             : std::vector<flow::Landmark>{};
            }
            const std::optional<int> U = latestInteger(construction, built, kSpeed);
            return U ? flow::cylinderLandmarks(centre, R, *U) : std::vector<flow::Landmark>{};
        }
        case FlowKind::SourceSinkPair:
            if (!c.secondX.filled || !c.source.filled || !c.sink.filled) return {};
            // The pair's streamlines put the source at the first point and
            // the sink to its right.
            return flow::sourceSinkPairLandmarks(centre, std::abs(centre.x - c.secondX.number()),
                                                 c.source.number(), c.sink.number());
        default:
            return {};
    }
}

// A superposition's stagnation points, then the velocity at its velocity
// steps' points, each for all its elements, as its picture is drawn.
std::vector<flow::Landmark> superpositionLandmarks(const Construction& construction,
                                                   bool* complete) {
    const std::vector<flow::superposition::Element> elements =
        superpositionElements(construction.steps);
    const int width = construction.field.width(), height = construction.field.height();
    std::vector<flow::Landmark> landmarks =
        flow::superpositionStagnationLandmarks(elements, width, height, complete);
    for (const ConstructionStep& step : construction.steps)
        if (const auto* velocity = std::get_if<SuperpositionVelocityStep>(&step.action))
            if (std::optional<flow::Landmark> landmark =
                    flow::superpositionVelocityLandmark(elements, width, height, velocity->p))
                landmarks.push_back(*landmark);
    return landmarks;
}

// An airfoil's stagnation points, then the velocity at its velocity steps'
// points, about the field's centre.
std::vector<flow::Landmark> airfoilLandmarks(const Construction& construction,
                                             const AirfoilStep& airfoil) {
    const flow::airfoil::AirfoilFlow flow = airfoilFlow(airfoil, construction.field);
    const flow::Point centre =
        flow::fieldCentre(construction.field.width(), construction.field.height());
    std::vector<flow::Landmark> landmarks;
    for (const flow::airfoil::PicturePoint p : flow::airfoil::summarize(flow).stagnation)
        landmarks.push_back({flow::LandmarkKind::StagnationPoint,
                             flow::placeAbout(centre, {p.x - centre.x, centre.y - p.y},
                                              flow::LandmarkOrigin::FieldCentre),
                             0, std::nullopt});
    for (const ConstructionStep& step : construction.steps)
        if (const auto* velocity = std::get_if<AirfoilVelocityStep>(&step.action))
            if (const auto numbers = airfoilVelocityAt(flow, velocity->p))
                landmarks.push_back(flow::velocityAt(centre, velocity->p, *numbers,
                                                     flow::LandmarkOrigin::FieldCentre));
    return landmarks;
}

// The velocity at a velocity step's point of the whole flow of the
// configuration the elements placed before it left.
std::optional<flow::Landmark> velocityLandmark(const VelocityStep& step, const Configuration& c) {
    try {
        return flow::velocityLandmark(step.input, leftOutOf(c));
    } catch (const flow::ConversionError&) {
        return std::nullopt;  // the click could not have read the flow
    }
}

}  // namespace

std::vector<flow::Landmark> landmarksOf(const Construction& construction,
                                        const flow::SettingValues& built, bool* complete) {
    if (construction.superposition) return superpositionLandmarks(construction, complete);
    if (const AirfoilStep* airfoil = airfoilOf(construction.steps))
        return airfoilLandmarks(construction, *airfoil);
    std::vector<flow::Landmark> landmarks;
    try {
        landmarks = landmarksOfConfiguration(construction, built, construction.configuration());
    } catch (const flow::ConversionError&) {
        // A slot that holds no integer stopped every routine of this flow.
    }
    Configuration placed;
    for (const ConstructionStep& step : construction.steps) {
        if (const auto* element = std::get_if<ElementStep>(&step.action))
            placed = element->configuration;
        if (const auto* velocity = std::get_if<VelocityStep>(&step.action))
            if (std::optional<flow::Landmark> landmark = velocityLandmark(*velocity, placed))
                landmarks.push_back(*landmark);
    }
    return landmarks;
}
