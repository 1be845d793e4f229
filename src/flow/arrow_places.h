// Where a drawn curve's direction arrows go: at 100, 300, 500, ... pixels of
// arc (at the middle of a curve shorter than 100; none on a curve shorter
// than 40). The streamlines of a superposition and of an airfoil both place
// their arrows so.
#pragma once

#include <cstddef>
#include <functional>

namespace flow {

// Half-angle of a streamline's arrowhead, degrees.
inline constexpr double kStreamArrowHalfAngle = 20;

// `chord(k)` is the length of the chord from point k - 1 to point k of a
// curve of `count` points; `place(k, t)` is called for each arrow, at the
// fraction t of that chord.
void forEachArrowPlace(std::size_t count, const std::function<double(std::size_t)>& chord,
                       const std::function<void(std::size_t, double)>& place);

}  // namespace flow
