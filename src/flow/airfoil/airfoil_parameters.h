// An airfoil's parameters together, each by name with its range and the
// step its values keep to, as its dialog, construction files and the
// command line hold them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "flow/airfoil/airfoil_flow.h"

namespace flow::airfoil {

struct Airfoil {
    AirfoilShape shape;
    AirfoilStream stream;
    bool operator==(const Airfoil&) const = default;
};

enum class Parameter { Chord, Thickness, Camber, Alpha, Speed, Circulation };

// A parameter's name, its range and the step its values keep to (0: any).
struct ParameterInfo {
    Parameter parameter;
    std::string_view name;
    double minimum;
    double maximum;
    double step;
};

inline constexpr std::array<ParameterInfo, 6> kParameters{{
    {Parameter::Chord, "chord", 20, 4000, 1},                     // pixels
    {Parameter::Thickness, "thickness", 0, 25, 0},                // per cent of the radius
    {Parameter::Camber, "camber", 0, 20, 0},                      // per cent of the radius
    {Parameter::Alpha, "alpha", -15, 20, 0.5},                    // degrees
    {Parameter::Speed, "speed", 1, 100, 0},                       // U
    {Parameter::Circulation, "circulation", -100000, 100000, 0},  // G without the Kutta condition
}};

const ParameterInfo& parameterInfo(Parameter parameter);
double parameterValue(const Airfoil& airfoil, Parameter parameter);
void setParameterValue(Airfoil& airfoil, Parameter parameter, double value);
// Why the value cannot be the parameter's, or nothing.
std::optional<std::string> parameterProblem(const ParameterInfo& info, double value);

}  // namespace flow::airfoil
