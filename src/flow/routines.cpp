#include "flow/routines.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdlib>

#include "flow/equipotentials/cylinder.h"
#include "flow/equipotentials/cylinder_circulation.h"
#include "flow/equipotentials/single_elements.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "flow/streamlines/single_elements.h"
#include "flow/vector_state.h"

namespace flow {

namespace {

using Canvas_ = const Canvas&;

const std::array<RoutineInfo, 17> kRoutines{{
    {"StreamSourceSink",
     {"X", "Y", "D", "source", "sink"},
     [](Canvas_ c, const int* a) { StreamSourceSink(c, a[0], a[1], a[2], a[3], a[4]); }},
    {"StreamVortex", {"X", "Y"}, [](Canvas_ c, const int* a) { StreamVortex(c, a[0], a[1]); }},
    {"StreamPointSource",
     {"X", "Y"},
     [](Canvas_ c, const int* a) { StreamPointSource(c, a[0], a[1]); }},
    {"StreamVortexSource",
     {"X", "Y", "boundary"},
     [](Canvas_ c, const int* a) { StreamVortexSource(c, a[0], a[1], a[2]); }},
    {"StreamDipole",
     {"X", "Y", "M"},
     [](Canvas_ c, const int* a) { StreamDipole(c, a[0], a[1], a[2]); }},
    {"StreamCylinderCirculation",
     {"R", "X", "Y"},
     [](Canvas_ c, const int* a) { StreamCylinderCirculation(c, a[0], a[1], a[2]); }},
    {"StreamCylinder",
     {"R", "X", "Y"},
     [](Canvas_ c, const int* a) { StreamCylinder(c, a[0], a[1], a[2]); }},
    {"StreamSourceInStream",
     {"X", "Y", "Q"},
     [](Canvas_ c, const int* a) { StreamSourceInStream(c, a[0], a[1], a[2], kSourceInStream); }},
    {"StreamSinkInStream",
     {"X", "Y", "Q"},
     [](Canvas_ c, const int* a) { StreamSourceInStream(c, a[0], a[1], a[2], kSinkInStream); }},
    {"EquipotentialSourceInStream",
     {"X", "Y", "Q"},
     [](Canvas_ c, const int* a) { EquipotentialSourceInStream(c, a[0], a[1], a[2]); }},
    {"EquipotentialSinkInStream",
     {"X", "Y", "Q"},
     [](Canvas_ c, const int* a) { EquipotentialSinkInStream(c, a[0], a[1], a[2]); }},
    {"EquipotentialVortex",
     {"X", "Y"},
     [](Canvas_ c, const int* a) { EquipotentialVortex(c, a[0], a[1]); }},
    {"EquipotentialPointSource",
     {"X", "Y"},
     [](Canvas_ c, const int* a) { EquipotentialPointSource(c, a[0], a[1]); }},
    {"EquipotentialCylinderCirculation",
     {"R", "X", "Y"},
     [](Canvas_ c, const int* a) { EquipotentialCylinderCirculation(c, a[0], a[1], a[2]); }},
    {"EquipotentialCylinder",
     {"X", "Y", "R"},
     [](Canvas_ c, const int* a) { EquipotentialCylinder(c, a[0], a[1], a[2]); }},
    {"EquipotentialVortexSource",
     {"X", "Y", "boundary"},
     [](Canvas_ c, const int* a) { EquipotentialVortexSource(c, a[0], a[1], a[2]); }},
    {"EquipotentialDipole",
     {"X", "Y", "M"},
     [](Canvas_ c, const int* a) { EquipotentialDipole(c, a[0], a[1], a[2]); }},
}};

struct Range {
    std::string_view parameter;
    int minimum;
    int maximum;
};

// The dialogs' ranges of what the slots hold.
constexpr std::array<Range, 9> kRanges{{
    {"X", -kMaxCoordinate, kMaxCoordinate},
    {"Y", -kMaxCoordinate, kMaxCoordinate},
    {"D", 0, 2 * kMaxCoordinate},
    {"R", 50, 150},
    {"M", 10, 200},
    {"Q", 1000, 3000},
    {"source", 1000, 3000},
    {"sink", 1000, 3000},
    {"boundary", 10, 50},
}};

}  // namespace

std::span<const RoutineInfo> routineCatalogue() {
    return kRoutines;
}

const RoutineInfo* findRoutine(std::string_view name) {
    const auto found = std::find_if(kRoutines.begin(), kRoutines.end(),
                                    [name](const RoutineInfo& info) { return info.name == name; });
    return found == kRoutines.end() ? nullptr : &*found;
}

RoutineCall routineCall(std::string_view name, std::vector<int> arguments) {
    const RoutineInfo* routine = findRoutine(name);
    assert(routine && routine->parameters.size() == arguments.size());
    return RoutineCall{routine, std::move(arguments)};
}

void runRoutine(const Canvas& canvas, const RoutineCall& call) {
    clearUpperVectorState();
    call.routine->run(canvas, call.arguments.data());
}

std::optional<std::string> parameterProblem(std::string_view parameter, int value) {
    const auto range = std::find_if(kRanges.begin(), kRanges.end(), [parameter](const Range& r) {
        return r.parameter == parameter;
    });
    if (range == kRanges.end()) return "неизвестный параметр";
    return rangeProblem(value, range->minimum, range->maximum);
}

}  // namespace flow
