// The construction routines by name: a call names one routine and gives its
// integer arguments in the routine's order, so a construction can be kept
// and run again.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "flow/setting_values.h"
#include "flow/settings.h"

namespace flow {

struct RoutineInfo {
    std::string_view name;                     // "StreamDipole", ...
    std::vector<std::string_view> parameters;  // "X", "Y", "M", ...
    void (*run)(const Canvas& canvas, const int* arguments);
};

std::span<const RoutineInfo> routineCatalogue();
const RoutineInfo* findRoutine(std::string_view name);

struct RoutineCall {
    const RoutineInfo* routine = nullptr;
    std::vector<int> arguments;
    friend bool operator==(const RoutineCall&, const RoutineCall&) = default;
};

// Finds the routine by name; the arguments must match its parameters.
RoutineCall routineCall(std::string_view name, std::vector<int> arguments);

void runRoutine(const Canvas& canvas, const RoutineCall& call);

// Why a parameter cannot have the value (a radius, strength or moment out of
// the dialogs' ranges, a point too far off), or nothing.
std::optional<std::string> parameterProblem(std::string_view parameter, int value);

}  // namespace flow
