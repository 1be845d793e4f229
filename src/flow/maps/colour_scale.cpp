#include "flow/maps/colour_scale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace flow::maps {

namespace {

struct Rgb {
    double r, g, b;  // linear light
};

// OKLab to linear sRGB.
Rgb fromOklab(double L, double a, double b) {
    const double l = std::pow(L + 0.3963377774 * a + 0.2158037573 * b, 3);
    const double m = std::pow(L - 0.1055613458 * a - 0.0638541728 * b, 3);
    const double s = std::pow(L - 0.0894841775 * a - 1.2914855480 * b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

bool inGamut(const Rgb& c) {
    constexpr double kSlack = 1e-9;
    return std::min({c.r, c.g, c.b}) >= -kSlack && std::max({c.r, c.g, c.b}) <= 1 + kSlack;
}

int encoded(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    const double gamma = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(255 * gamma));
}

// Lightness, chroma and hue (degrees); the chroma is lowered as far as the
// colour needs to be shown in sRGB, the lightness and hue kept.
std::uint32_t fromLch(double L, double chroma, double hue) {
    const double h = hue * std::numbers::pi / 180;
    const auto at = [&](double c) { return fromOklab(L, c * std::cos(h), c * std::sin(h)); };
    double low = 0, high = chroma;
    if (!inGamut(at(high))) {
        for (int i = 0; i < 40; ++i) {
            const double mid = 0.5 * (low + high);
            (inGamut(at(mid)) ? low : high) = mid;
        }
        high = low;
    }
    const Rgb c = at(high);
    return 0xFF000000u | static_cast<std::uint32_t>(encoded(c.r)) << 16 |
           static_cast<std::uint32_t>(encoded(c.g)) << 8 | static_cast<std::uint32_t>(encoded(c.b));
}

std::uint32_t sequential(double t) {
    return fromLch(0.27 + 0.68 * t, 0.10 + 0.06 * t, 300 - 190 * t);
}

std::uint32_t diverging(double t) {
    const double side = 2 * t - 1;  // -1 low end, 0 middle, 1 high end
    const double hue = side < 0 ? 255 : 45 + 45 * side;
    return fromLch(0.62 + 0.32 * side, 0.16 * std::abs(side), hue);
}

std::array<std::uint32_t, kScaleSteps> tableOf(ColourScale scale) {
    std::array<std::uint32_t, kScaleSteps> table{};
    for (int i = 0; i < kScaleSteps; ++i)
        table[static_cast<std::size_t>(i)] = scaleColour(scale, i / (kScaleSteps - 1.0));
    return table;
}

}  // namespace

std::uint32_t scaleColour(ColourScale scale, double position) {
    const double t = std::clamp(position, 0.0, 1.0);
    return scale == ColourScale::Sequential ? sequential(t) : diverging(t);
}

const std::array<std::uint32_t, kScaleSteps>& scaleTable(ColourScale scale) {
    static const std::array<std::uint32_t, kScaleSteps> tables[] = {
        tableOf(ColourScale::Sequential), tableOf(ColourScale::Diverging)};
    return tables[scale == ColourScale::Sequential ? 0 : 1];
}

}  // namespace flow::maps
