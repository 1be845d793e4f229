#include "flow/maps/legend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace flow::maps {

namespace {

constexpr int kMostBandTicks = 11;

// The round step not smaller than `rough`: 1, 2, 2.5 or 5 times a power of ten.
double roundStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= rough * (1 - 1e-9)) return m * power;
    return 10 * power;
}

// Multiples of `step` in [from, to], and each end unless a multiple lies
// within half a step of it.
std::vector<double> roundValues(double from, double to, double step) {
    std::vector<double> values;
    for (double k = std::ceil(from / step - 1e-9); k * step <= to * (1 + 1e-12) + 1e-12 * step; ++k)
        values.push_back(k * step == 0 ? 0 : k * step);
    for (const double end : {from, to}) {
        const bool near = std::any_of(values.begin(), values.end(),
                                      [&](double v) { return std::abs(v - end) < 0.5 * step; });
        if (!near) values.push_back(end);
    }
    std::sort(values.begin(), values.end());
    return values;
}

std::vector<double> bandTickValues(const ScaleMapping& mapping) {
    const std::vector<double> edges = mapping.bandEdges();
    const int bands = mapping.bands();
    const int stride = (bands + kMostBandTicks - 2) / (kMostBandTicks - 1);
    std::vector<double> values;
    for (int k = 0; k < bands; k += stride) values.push_back(edges[static_cast<std::size_t>(k)]);
    // The top edge replaces a last label too close to it.
    if (bands % stride != 0 && values.size() > 1) values.pop_back();
    values.push_back(edges.back());
    return values;
}

std::vector<double> continuousTickValues(const ScaleMapping& mapping) {
    const MapRange r = mapping.range();
    if (mapping.quantity() == MapQuantity::Pressure && r.low < 0 && r.high > 0) {
        std::vector<double> values = roundValues(r.low, 0, roundStep(-r.low / 3));
        values.pop_back();  // 0 comes again with the upper side
        const std::vector<double> upper = roundValues(0, r.high, roundStep(r.high / 3));
        values.insert(values.end(), upper.begin(), upper.end());
        return values;
    }
    return roundValues(r.low, r.high, roundStep((r.high - r.low) / 5));
}

}  // namespace

std::string tickText(double value) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::to_string(value);
    // Rounded to three significant digits first: its magnitude may grow.
    char text[64];
    std::snprintf(text, sizeof text, "%.2e", value);
    value = std::strtod(text, nullptr);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    if (magnitude < -3 || magnitude > 5)
        std::snprintf(text, sizeof text, "%.2e", value);
    else
        std::snprintf(text, sizeof text, "%.*f", std::max(0, 2 - magnitude), value);
    std::string s = text;
    // Trailing zeros of the fraction, then a bare point, go.
    const std::size_t exponent = std::min(s.find('e'), s.size());
    std::string mantissa = s.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + s.substr(exponent);
}

Legend legendOf(const ScaleMapping& mapping) {
    Legend legend{mapping.colours(), {}};
    const std::vector<double> values =
        mapping.bands() > 0 ? bandTickValues(mapping) : continuousTickValues(mapping);
    for (const double v : values) legend.ticks.push_back({v, mapping.position(v), tickText(v)});
    return legend;
}

}  // namespace flow::maps
