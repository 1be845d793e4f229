// The landmarks of a free superposition: the stagnation points of the sum of
// its elements inside the field, and the velocity of the sum at a point, the
// numbers the velocity click shows. Places are given about the field's centre
// (x to the right, y upwards), since the elements have no one centre.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "flow/landmarks/landmark.h"
#include "flow/superposition/elements.h"

namespace flow {

// The middle pixel of a field `width` by `height`.
Point fieldCentre(int width, int height);

// Every stagnation point in the field, found numerically to well within a
// tenth of a pixel, from left to right on the picture, then top to bottom.
// When the search's work budget ran out first, those found and `*complete`
// (if given) false.
std::vector<Landmark> superpositionStagnationLandmarks(
    const std::vector<superposition::Element>& elements, int width, int height,
    bool* complete = nullptr);

// What zef-render says when the search ran out of work.
inline constexpr std::string_view kStagnationCutText =
    "Найдены не все критические точки: для стольких элементов не хватило отведённой работы";

// Nothing at an element, at a stagnation point or where the elements make
// no flow.
std::optional<Landmark> superpositionVelocityLandmark(
    const std::vector<superposition::Element>& elements, int width, int height, Point p);

}  // namespace flow
