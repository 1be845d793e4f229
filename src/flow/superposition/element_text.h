// Superposition elements as text: the kinds' names, the ranges an element's
// values must keep, and the one-line form "KIND,..." of the command line:
//   source,X,Y,Q   sink,X,Y,Q   vortex,X,Y,G   dipole,X,Y,M,ANGLE
//   vortex-source,X,Y,Q,G   stream,U,ANGLE
// (pixels, degrees counterclockwise from the rightward direction; a positive
// circulation G turns counterclockwise on the screen).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "flow/superposition/elements.h"

namespace flow::superposition {

std::string_view kindName(ElementKind kind);
std::optional<ElementKind> kindNamed(std::string_view name);

// What an element's kind uses of its values.
bool hasPosition(ElementKind kind);  // all but the stream, whose x, y only place its mark
bool hasStrength(ElementKind kind);  // all but the plane vortex
bool hasCirculation(ElementKind kind);
bool hasAngle(ElementKind kind);

// The ranges of the values, so that an element is never out of a
// picture's reach or out of the tracer's arithmetic.
inline constexpr double kMaxPosition = 1'000'000;
inline constexpr double kMaxStrength = 1'000'000;  // Q, |G|
inline constexpr double kMaxMoment = 100'000'000;  // M
inline constexpr double kMaxSpeed = 1000;          // U
inline constexpr double kMaxAngle = 360;           // |ANGLE|

// Why the element cannot be placed (a value not finite or out of its range:
// "Q: 5e6 вне пределов 0..1000000"), or nothing.
std::optional<std::string> elementProblem(const Element& element);

// The element, or a one-line text saying what is wrong with `text`.
std::variant<Element, std::string> parseElement(std::string_view text);

}  // namespace flow::superposition
