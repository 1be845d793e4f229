#include "end_to_end_cases.h"

#include <map>

#include "cases.h"

namespace bench {

namespace {

struct Drawn {
    int configuration;
    bool streamlines;
};

// Which placed configuration and command each routine draws (indices into
// placedConfigurations()). A source-sink pair gets no equipotentials.
const std::map<std::string, Drawn>& routines() {
    static const std::map<std::string, Drawn> all = {
        {"StreamPointSource", {0, true}},
        {"StreamVortex", {1, true}},
        {"StreamVortexSource", {2, true}},
        {"StreamDipole", {3, true}},
        {"StreamCylinder", {4, true}},
        {"StreamCylinderCirculation", {5, true}},
        {"StreamSourceInStream source", {6, true}},
        {"StreamSourceInStream sink", {7, true}},
        {"StreamSourceSink", {8, true}},
        {"EquipotentialPointSource", {0, false}},
        {"EquipotentialVortex", {1, false}},
        {"EquipotentialVortexSource", {2, false}},
        {"EquipotentialDipole", {3, false}},
        {"EquipotentialCylinder", {4, false}},
        {"EquipotentialCylinderCirculation", {5, false}},
        {"EquipotentialSourceInStream", {6, false}},
        {"EquipotentialSinkInStream", {7, false}},
    };
    return all;
}

}  // namespace

std::vector<EndToEndCase> endToEndCases() {
    std::vector<EndToEndCase> cases;
    for (const Case& c : allCases()) {
        // Only the routines a command of the window runs have a click to time.
        const auto found = routines().find(c.routine);
        if (found == routines().end()) continue;
        const Drawn drawn = found->second;
        cases.push_back({c.routine, c.name, drawn.configuration, drawn.streamlines, c.settings,
                         c.elementX, c.elementY, c.draw});
    }
    return cases;
}

}  // namespace bench
