#include "render/placing_settings.h"

#include <algorithm>
#include <array>

#include "flow/routines.h"

namespace {

constexpr flow::SettingKind kInt = flow::SettingKind::Integer;

const std::array<PlacingSetting, 6> kPlacing{{
    {{"sourceSink.sinkStrength", kInt, 1000, 3000, 1500, nullptr}, "Q"},
    {{"cylinder.radius", kInt, 50, 150, 100, nullptr}, "R"},
    {{"cylinder.outlineWidth", kInt, 1, 50, 5, nullptr}, {}},
    {{"cylinder.outlineColor", flow::SettingKind::Colour, 0, 0, flow::kBlack, nullptr}, {}},
    {{"dipole.moment", kInt, 10, 200, 50, nullptr}, "M"},
    {{"vortexSource.boundary", kInt, 10, 50, 10, nullptr}, "boundary"},
}};

}  // namespace

std::span<const PlacingSetting> placingSettingCatalogue() {
    return kPlacing;
}

const PlacingSetting* findPlacingSetting(std::string_view name) {
    const auto found =
        std::find_if(kPlacing.begin(), kPlacing.end(),
                     [name](const PlacingSetting& s) { return s.info.name == name; });
    return found == kPlacing.end() ? nullptr : &*found;
}

std::optional<std::string> placingSettingProblem(const PlacingSetting& setting,
                                                 const flow::SettingValue& value) {
    if (setting.info.kind == flow::SettingKind::Colour)
        return std::holds_alternative<flow::Color>(value) ? std::nullopt
                                                          : std::optional<std::string>("не цвет");
    if (!std::holds_alternative<int>(value)) return "не целое число";
    const int number = std::get<int>(value);
    if (!setting.parameter.empty()) return flow::parameterProblem(setting.parameter, number);
    return flow::rangeProblem(number, setting.info.minimum, setting.info.maximum);
}

PlacingValues placingValues(const flow::SettingValues& settings,
                            const PlacingSettingValues& placing) {
    const auto value = [&](std::string_view name) {
        const auto given = placing.find(name);
        return given != placing.end() ? given->second : findPlacingSetting(name)->info.defaultValue;
    };
    const auto integer = [&](std::string_view name) { return std::get<int>(value(name)); };
    PlacingValues values;
    values.pairSource = settings.settings().sourceSink.sourceStrength();
    values.pairSink = integer("sourceSink.sinkStrength");
    values.sourceText = QString::number(values.pairSource);
    values.sinkText = QString::number(values.pairSink);
    values.momentText = QString::number(integer("dipole.moment"));
    values.boundaryText = QString::number(integer("vortexSource.boundary"));
    values.radius = integer("cylinder.radius");
    values.outlineWidth = integer("cylinder.outlineWidth");
    values.outlineColor = std::get<flow::Color>(value("cylinder.outlineColor"));
    return values;
}
