// Landmarks marked on a picture: a small diagonal cross, 9 by 9 pixels, in
// magenta with a pen one pixel wide, centred on the pixel nearest each
// landmark's place. Magenta is none of the dialogs' default colours, and a
// diagonal cross stays clear of the horizontal axis drawn through an element.
#pragma once

#include <vector>

#include "flow/landmarks/landmark.h"
#include "flow/surface.h"

namespace flow {

inline constexpr Color kLandmarkColor = Color::fromRgb(255, 0, 255);
inline constexpr int kLandmarkArm = 4;  // pixels from the centre to each end

// Draws the crosses and leaves the pen's colour, width and style as it
// found them.
void markLandmarks(Surface& surface, const std::vector<Landmark>& landmarks);

}  // namespace flow
