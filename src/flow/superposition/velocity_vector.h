// The velocity of a superposition at a picture point: its numbers, and its
// resultant vector drawn as the velocity click draws it.
#pragma once

#include <optional>
#include <vector>

#include "flow/settings.h"
#include "flow/superposition/elements.h"
#include "flow/velocity/velocity.h"

namespace flow::superposition {

// Nothing at an element itself, at a stagnation point or where the
// elements make no flow.
std::optional<VelocityNumbers> velocityNumbersAt(const std::vector<Element>& elements, Point p);

// The resultant from p, k |V| pixels long (k the vector scale), in the
// vector-style dialog's resultant pen, with an arrowhead at its tip when it
// is long enough to carry one. False, and nothing drawn, where
// velocityNumbersAt gives nothing.
bool drawVelocity(const Canvas& canvas, const std::vector<Element>& elements, Point p);
// The resultant of velocity v from p, drawn as drawVelocity draws it.
void drawResultant(const Canvas& canvas, const VelocityNumbers& v, Point p);

}  // namespace flow::superposition
