// The landmarks of a free superposition: the stagnation points of the sum of
// its elements inside the field, and the velocity of the sum at a point, the
// numbers the velocity click shows. Places are given about the field's centre
// (x to the right, y upwards), since the elements have no one centre.
#pragma once

#include <optional>
#include <vector>

#include "flow/landmarks/landmark.h"
#include "flow/superposition/elements.h"

namespace flow {

// The middle pixel of a field `width` by `height`.
Point fieldCentre(int width, int height);

// Every stagnation point in the field, found numerically to well within a
// tenth of a pixel, from left to right on the picture, then top to bottom.
std::vector<Landmark> superpositionStagnationLandmarks(
    const std::vector<superposition::Element>& elements, int width, int height);

// Nothing at an element, at a stagnation point or where the elements make
// no flow.
std::optional<Landmark> superpositionVelocityLandmark(
    const std::vector<superposition::Element>& elements, int width, int height, Point p);

}  // namespace flow
