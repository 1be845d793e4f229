#include "flow/airfoil/airfoil_parameters.h"

#include <cmath>
#include <sstream>

namespace flow::airfoil {

double parameterValue(const Airfoil& airfoil, Parameter parameter) {
    switch (parameter) {
        case Parameter::Chord:
            return airfoil.shape.chord;
        case Parameter::Thickness:
            return airfoil.shape.thickness * 100;
        case Parameter::Camber:
            return airfoil.shape.camber * 100;
        case Parameter::Alpha:
            return airfoil.stream.alphaDegrees;
        case Parameter::Speed:
            return airfoil.stream.speed;
        case Parameter::Circulation:
            return airfoil.stream.circulation;
    }
    return 0;
}

void setParameterValue(Airfoil& airfoil, Parameter parameter, double value) {
    switch (parameter) {
        case Parameter::Chord:
            airfoil.shape.chord = value;
            break;
        case Parameter::Thickness:
            airfoil.shape.thickness = value / 100;
            break;
        case Parameter::Camber:
            airfoil.shape.camber = value / 100;
            break;
        case Parameter::Alpha:
            airfoil.stream.alphaDegrees = value;
            break;
        case Parameter::Speed:
            airfoil.stream.speed = value;
            break;
        case Parameter::Circulation:
            airfoil.stream.circulation = value;
            break;
    }
}

std::optional<std::string> parameterProblem(const ParameterInfo& info, double value) {
    const auto number = [](double v) {
        std::ostringstream text;
        text << v;
        return text.str();
    };
    if (!(value >= info.minimum && value <= info.maximum))
        return number(value) + " вне пределов " + number(info.minimum) + ".." +
               number(info.maximum);
    if (info.step > 0 && std::remainder(value, info.step) != 0)
        return number(value) + " не кратно " + number(info.step);
    return std::nullopt;
}

const ParameterInfo& parameterInfo(Parameter parameter) {
    return kParameters[static_cast<std::size_t>(parameter)];
}

}  // namespace flow::airfoil
