// The dialogs' values placing reads that are not settings of the flow
// routines — the sink's strength, the cylinder's radius and outline, the
// dipole's moment, the vortex-source's boundary radius — by name, with the
// dialogs' defaults and ranges, beside the routines' settings catalogue.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/element_placement.h"
#include "flow/setting_values.h"

struct PlacingSetting {
    flow::SettingInfo info;  // reads nothing of the routines' settings
    // The routine parameter whose range holds the value, if any.
    std::string_view parameter;
};

std::span<const PlacingSetting> placingSettingCatalogue();
const PlacingSetting* findPlacingSetting(std::string_view name);

// Why the value cannot be the named placing value's, or nothing.
std::optional<std::string> placingSettingProblem(const PlacingSetting& setting,
                                                 const flow::SettingValue& value);

// Placing values given by name; the others keep their defaults.
using PlacingSettingValues = std::map<std::string, flow::SettingValue, std::less<>>;

// What a click places with: the source's strength from the routines'
// settings, the rest from the named placing values (defaults where unset);
// the strength panel holds the dialog's strengths.
PlacingValues placingValues(const flow::SettingValues& settings,
                            const PlacingSettingValues& placing);
