// Shared helpers of the flow geometry: integer text, rounding, degree steps
// and polar points. Everything here is free of any GUI toolkit.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "flow/surface.h"

namespace flow {

// The flow formulas use these truncated values of pi and its relatives on
// purpose: the pictures depend on them, so they must not be "improved".
inline constexpr double kPi = 3.14;
inline constexpr double kTwoPi = 6.28;
inline constexpr double kHalfPi = 1.57;
inline constexpr double kInvPi = 0.3184713375796178;     // 1 / 3.14
inline constexpr double kInv180 = 0.005555555555555556;  // 1 / 180

// Raised when a text is not an integer; the message is the one users see.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string_view text);
};

// Strict text-to-integer conversion: optional leading blanks, optional sign,
// then decimal digits or '$' and hexadecimal digits, nothing after, within
// the signed 32-bit range. Throws ConversionError otherwise.
std::int32_t strToInt(std::string_view text);

// True when strToInt would accept the text.
bool isInteger(std::string_view text);

// Round to nearest, halves to the even neighbour. Defined for every double:
// values beyond +-kRoundLimit (and infinities) saturate there, NaN gives 0.
// The limit lies far outside any picture yet leaves room for sums of a few
// coordinates in 64 bits.
inline constexpr std::int64_t kRoundLimit = std::int64_t{1} << 60;
std::int64_t Round(double value);

// Angle of whole-degree step d in radians: d * 3.14 / 180.
double theta(double d);

// Radians back to degrees on the 3.14 scale.
double toDegrees(double radians);

// Polar pair (rho, angle) about the centre (cx, cy); the flow's x axis points
// left on the screen and its y axis up. The lower point mirrors the upper one
// in the horizontal line through the centre.
Point upperPoint(std::int64_t cx, std::int64_t cy, double rho, double angle);
Point lowerPoint(std::int64_t cx, std::int64_t cy, double rho, double angle);

// Distance between two pixels, the squares summed in integers.
double chordLength(Point a, Point b);

// The distance from `centre` beyond which no line of the current pen reaches
// the surface's picture; infinity when every line counts.
double reachRadius(const Surface& surface, Point centre);

}  // namespace flow
