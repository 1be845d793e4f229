// The symbols drawn when an element is placed: the element pen, the small
// circle on the element, its letter and the coordinate axes through it.
#pragma once

#include <cstdint>

#include "flow/settings.h"
#include "flow/surface.h"

inline constexpr const char* kSourceLetter = "И";
inline constexpr const char* kPairSinkLetter = "С";    // Cyrillic
inline constexpr const char* kStreamSinkLetter = "C";  // Latin
inline constexpr const char* kCylinderLetter = "0";

// Width 2, black.
void useElementPen(flow::Surface& surface);

// A circle 6 pixels across centred on (x, y): outlined with the pen, filled
// with the current brush.
void drawElementMark(flow::Surface& surface, std::int64_t x, std::int64_t y);

// The letter of an element at x, its top at `top`: 15 pixels to the left.
void drawElementLetter(flow::Surface& surface, std::int64_t x, std::int64_t top,
                       const char* letter);

// The axes through (x, y) with their names and arrowheads, reaching the
// field's W and H, which are read again at each step (the texts may not be
// integers: the conversion error then stops the drawing there).
void drawAxes(flow::Surface& surface, const flow::FieldSettings& field, std::int64_t x,
              std::int64_t y);
