#include "flow/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    // Accumulate the magnitude; one past INT32_MAX is allowed for the minimum.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        value = value * base + d;
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t strToInt(std::string_view text) {
    if (auto value = parseInteger(text)) return *value;
    throw ConversionError(text);
}

bool isInteger(std::string_view text) {
    return parseInteger(text).has_value();
}

std::int64_t Round(double value) {
    if (std::isnan(value)) return 0;
    const double limit = static_cast<double>(kRoundLimit);
    if (value >= limit) return kRoundLimit;
    if (value <= -limit) return -kRoundLimit;
    // Default floating-point rounding mode: to nearest, ties to even.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

double theta(double d) {
    return d * kPi * kInv180;
}

double toDegrees(double radians) {
    return radians * 180 * kInvPi;
}

Point upperPoint(std::int64_t cx, std::int64_t cy, double rho, double angle) {
    return {cx - Round(rho * std::cos(angle)), cy - Round(rho * std::sin(angle))};
}

Point lowerPoint(std::int64_t cx, std::int64_t cy, double rho, double angle) {
    return {cx - Round(rho * std::cos(angle)), cy + Round(rho * std::sin(angle))};
}

double chordLength(Point a, Point b) {
    // Differences of clipped-range coordinates stay far below 2^62, but their
    // squares may not fit in 64 bits: square them as doubles.
    const double dx = static_cast<double>(b.x - a.x);
    const double dy = static_cast<double>(b.y - a.y);
    return std::sqrt(dx * dx + dy * dy);
}

double reachRadius(const Surface& surface, Point centre) {
    const std::optional<Box> box = surface.reach();
    if (!box) return std::numeric_limits<double>::infinity();
    const auto farther = [](std::int64_t a, std::int64_t b, std::int64_t c) {
        return std::max(std::abs(static_cast<double>(a) - static_cast<double>(c)),
                        std::abs(static_cast<double>(b) - static_cast<double>(c)));
    };
    return std::hypot(farther(box->left, box->right, centre.x),
                      farther(box->top, box->bottom, centre.y));
}

}  // namespace flow
