// The end-to-end cases: a construction command clicked on a document whose
// element was placed with its tool, each set beside the routine benchmark's
// drawing of the same picture.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialog_settings.h"
#include "flow/settings.h"

namespace bench {

struct EndToEndCase {
    std::string routine;   // the routine benchmark's name
    std::string caseName;  // "default" or "stress"
    int configuration;     // index into placedConfigurations()
    bool streamlines;      // the streamline command, else the equipotential one
    SettingValues settings;
    int elementX, elementY;
    std::function<void(const flow::Canvas&)> routineAlone;  // the routine benchmark's drawing
};

// One case per configuration and command at default settings, then the
// stress cases of the routine benchmarks.
std::vector<EndToEndCase> endToEndCases();

}  // namespace bench
