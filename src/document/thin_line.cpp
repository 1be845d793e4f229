#include "document/thin_line.h"

#include <algorithm>
#include <cstddef>

namespace {

using Int128 = __int128;
using UInt128 = unsigned __int128;

template <class Int>
Int magnitude(Int v) {
    return v < 0 ? -v : v;
}

template <class Int>
struct Division {
    Int quotient;
    Int remainder;  // 0 <= remainder < 2d
};

// floor((2ab + c) / 2d) and its remainder, exactly, for 0 <= a, b, 0 < d,
// ab / d and |c| well inside the range of Int, and ab inside that of UInt.
// The product ab alone may need every bit of UInt, so it is divided first and
// only its remainder is doubled.
template <class Int, class UInt>
Division<Int> halfStepDivide(Int a, Int b, Int c, Int d) {
    const UInt product = static_cast<UInt>(a) * static_cast<UInt>(b);
    const Int whole = static_cast<Int>(product / static_cast<UInt>(d));
    const Int rest = 2 * static_cast<Int>(product % static_cast<UInt>(d)) + c;
    const Int twoD = 2 * d;
    Int quotient = rest / twoD;
    Int remainder = rest % twoD;
    if (remainder < 0) {
        remainder += twoD;
        --quotient;
    }
    return {whole + quotient, remainder};
}

// The line in Int arithmetic. Int128 holds every value for any 64-bit end
// points (differences below 2^64, products below 2^128 in UInt128); int64
// does so while every coordinate lies within +-2^30.
template <class Int, class UInt>
QRect drawLine(const PixelPlane& picture, std::int64_t x1, std::int64_t y1, std::int64_t x2,
               std::int64_t y2, QRgb color) {
    const Int dx = static_cast<Int>(x2) - x1, dy = static_cast<Int>(y2) - y1;
    const bool xMajor = magnitude(dx) >= magnitude(dy);

    // The line as a major and a minor coordinate, stepped from the end with
    // the smaller major coordinate: m = m1 + t, n = n1 + sign * h(t) with
    // h(t) = floor((2kt + c) / 2dm) for t = 0 .. dm.
    Int m1 = xMajor ? x1 : y1, n1 = xMajor ? y1 : x1;
    Int dm = xMajor ? dx : dy, dn = xMajor ? dy : dx;
    if (dm < 0) {
        m1 += dm;
        n1 += dn;
        dm = -dm;
        dn = -dn;
    }
    const int majorSize = xMajor ? picture.width : picture.height;
    const int minorSize = xMajor ? picture.height : picture.width;
    const auto toRect = [xMajor](Int m, Int n, Int lastM, Int lastN) {
        const QPoint a = xMajor ? QPoint(int(m), int(n)) : QPoint(int(n), int(m));
        const QPoint b = xMajor ? QPoint(int(lastM), int(lastN)) : QPoint(int(lastN), int(lastM));
        return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    };
    const std::ptrdiff_t stride = picture.stride;
    const auto indexOf = [&](Int m, Int n) {
        const auto major = static_cast<std::ptrdiff_t>(m), minor = static_cast<std::ptrdiff_t>(n);
        return xMajor ? minor * stride + major : major * stride + minor;
    };

    if (dm == 0) {  // a single point
        if (m1 < 0 || m1 >= majorSize || n1 < 0 || n1 >= minorSize) return QRect();
        picture.bits[indexOf(m1, n1)] = color;
        return toRect(m1, n1, m1, n1);
    }

    const int sign = dn < 0 ? -1 : 1;
    const Int k = magnitude(dn);
    // Halfway cases go to the larger minor coordinate: up the offsets when
    // the minor coordinate grows, down them when it shrinks.
    const Int c = sign > 0 ? dm : dm - 1;

    // Steps whose major coordinate lies in the picture.
    Int first = std::max<Int>(0, -m1);
    Int last = std::min<Int>(dm, majorSize - 1 - m1);
    // Offsets h whose minor coordinate lies in the picture, then the steps
    // that have them (h never decreases as t grows).
    const Int low = sign > 0 ? -n1 : n1 - (minorSize - 1);
    const Int high = sign > 0 ? minorSize - 1 - n1 : n1;
    if (first > last || high < 0 || low > k) return QRect();
    // h(t) >= low  <=>  t >= ceil((2 low dm - c) / 2k)
    if (low > 0)
        first = std::max(first, halfStepDivide<Int, UInt>(low, dm, 2 * k - 1 - c, k).quotient);
    // h(t) <= high  <=>  t <= floor((2 high dm + 2dm - c - 1) / 2k)
    if (high < k)
        last = std::min(last, halfStepDivide<Int, UInt>(high, dm, 2 * dm - c - 1, k).quotient);
    if (first > last) return QRect();

    const Division<Int> start =
        first == 0 ? Division<Int>{0, c} : halfStepDivide<Int, UInt>(k, first, c, dm);
    const Int m = m1 + first, n = n1 + sign * start.quotient;
    const std::ptrdiff_t majorStep = xMajor ? 1 : stride;
    const std::ptrdiff_t minorStep = (xMajor ? stride : 1) * sign;
    const Int twoK = 2 * k, twoDm = 2 * dm;
    Int error = start.remainder;
    std::ptrdiff_t at = indexOf(m, n);
    std::ptrdiff_t minorMoves = 0;
    QRgb* const bits = picture.bits;
    for (auto left = static_cast<std::ptrdiff_t>(last - first);; --left) {
        bits[at] = color;
        if (left == 0) break;
        at += majorStep;
        error += twoK;
        if (error >= twoDm) {
            error -= twoDm;
            at += minorStep;
            ++minorMoves;
        }
    }
    return toRect(m, n, m1 + last, n + sign * minorMoves);
}

}  // namespace

PixelPlane writablePixels(QImage& picture) {
    return {reinterpret_cast<QRgb*>(picture.bits()),
            picture.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb)), picture.width(),
            picture.height()};
}

QRect drawThinLine(const PixelPlane& picture, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                   std::int64_t y2, QRgb color) {
    if (picture.width <= 0 || picture.height <= 0) return QRect();
    constexpr std::int64_t kNear = std::int64_t{1} << 30;
    const auto near = [](std::int64_t v) { return -kNear <= v && v <= kNear; };
    if (near(x1) && near(y1) && near(x2) && near(y2))
        return drawLine<std::int64_t, std::uint64_t>(picture, x1, y1, x2, y2, color);
    return drawLine<Int128, UInt128>(picture, x1, y1, x2, y2, color);
}
