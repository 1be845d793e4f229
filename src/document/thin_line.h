// Lines of width 1 drawn with a solid pen, written straight into the pixels
// of a Format_RGB32 picture: for the many short chords of a flow picture this
// costs a fraction of what the painter takes per line.
//
// Pixels: the Bresenham line between the two integer end points, both end
// pixels included. When |dx| >= |dy| the line is x-major: one pixel in every
// column from x1 to x2, in the row nearest the true line; otherwise it is
// y-major: one pixel in every row from y1 to y2, in the column nearest the
// true line. Where the true line passes exactly halfway between two pixels,
// the one with the larger y (x-major) or the larger x (y-major) is taken.
// So the pixels depend on the true line and the end points only: drawing
// from either end gives the same set, and a 45-degree line (where both rules
// would apply) is the exact diagonal.
//
// Clipping is exact for any 64-bit end points: the first visible pixel and
// its error term are computed directly (in 64-bit arithmetic while the ends
// lie within +-2^30, in 128-bit beyond), and only the pixels inside the
// picture are stepped through.
#pragma once

#include <QImage>
#include <QRect>
#include <cstddef>
#include <cstdint>

// The pixels of a Format_RGB32 picture, open for writing.
struct PixelPlane {
    QRgb* bits = nullptr;
    std::ptrdiff_t stride = 0;  // pixels from one row to the next
    int width = 0;
    int height = 0;
};

// Detaches the picture's pixels from any copy sharing them; the plane stays
// valid until the picture is copied, replaced or destroyed.
PixelPlane writablePixels(QImage& picture);

// Draws the line in the colour and returns the box of the pixels it set;
// empty when the line misses the picture.
QRect drawThinLine(const PixelPlane& picture, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                   std::int64_t y2, QRgb color);
