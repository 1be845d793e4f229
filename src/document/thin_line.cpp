#include "document/thin_line.h"

#include <algorithm>
#include <cstddef>

namespace {

using Int128 = __int128;
using UInt128 = unsigned __int128;

Int128 magnitude(Int128 v) { return v < 0 ? -v : v; }

struct Division {
    Int128 quotient;
    Int128 remainder;  // 0 <= remainder < 2d
};

// floor((2ab + c) / 2d) and its remainder, exactly, for a, b < 2^64,
// 0 < d < 2^64, |c| < 2^66 and ab / d < 2^64. The product ab alone may need
// all 128 bits, so it is divided first and only its remainder is doubled.
Division halfStepDivide(Int128 a, Int128 b, Int128 c, Int128 d) {
    const UInt128 product = static_cast<UInt128>(a) * static_cast<UInt128>(b);
    const Int128 whole = static_cast<Int128>(product / static_cast<UInt128>(d));
    const Int128 rest = 2 * static_cast<Int128>(product % static_cast<UInt128>(d)) + c;
    const Int128 twoD = 2 * d;
    Int128 quotient = rest / twoD;
    Int128 remainder = rest % twoD;
    if (remainder < 0) {
        remainder += twoD;
        --quotient;
    }
    return {whole + quotient, remainder};
}

}  // namespace

QRect drawThinLine(QImage& picture, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                   std::int64_t y2, QRgb color) {
    const int width = picture.width(), height = picture.height();
    if (width <= 0 || height <= 0) return QRect();
    const Int128 dx = static_cast<Int128>(x2) - x1, dy = static_cast<Int128>(y2) - y1;
    const bool xMajor = magnitude(dx) >= magnitude(dy);

    // The line as a major and a minor coordinate, stepped from the end with
    // the smaller major coordinate; m = m1 + t, n = n1 + sign * h(t) with
    // h(t) = floor((2kt + c) / 2dm) for t = 0 .. dm.
    Int128 m1 = xMajor ? x1 : y1, n1 = xMajor ? y1 : x1;
    Int128 dm = xMajor ? dx : dy, dn = xMajor ? dy : dx;
    if (dm < 0) {
        m1 += dm;
        n1 += dn;
        dm = -dm;
        dn = -dn;
    }
    const int majorSize = xMajor ? width : height, minorSize = xMajor ? height : width;
    const auto toRect = [xMajor](Int128 m, Int128 n, Int128 lastM, Int128 lastN) {
        const QPoint a = xMajor ? QPoint(int(m), int(n)) : QPoint(int(n), int(m));
        const QPoint b = xMajor ? QPoint(int(lastM), int(lastN)) : QPoint(int(lastN), int(lastM));
        return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    };
    const std::ptrdiff_t stride = picture.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
    const auto indexOf = [&](Int128 m, Int128 n) {
        const auto major = static_cast<std::ptrdiff_t>(m), minor = static_cast<std::ptrdiff_t>(n);
        return xMajor ? minor * stride + major : major * stride + minor;
    };

    if (dm == 0) {  // a single point
        if (m1 < 0 || m1 >= majorSize || n1 < 0 || n1 >= minorSize) return QRect();
        reinterpret_cast<QRgb*>(picture.bits())[indexOf(m1, n1)] = color;
        return toRect(m1, n1, m1, n1);
    }

    const int sign = dn < 0 ? -1 : 1;
    const Int128 k = magnitude(dn);
    // Halfway cases go to the larger minor coordinate: up the offsets when
    // the minor coordinate grows, down them when it shrinks.
    const Int128 c = sign > 0 ? dm : dm - 1;

    // Steps whose major coordinate lies in the picture.
    Int128 first = std::max<Int128>(0, -m1);
    Int128 last = std::min<Int128>(dm, majorSize - 1 - m1);
    // Offsets h whose minor coordinate lies in the picture, then the steps
    // that have them (h never decreases as t grows).
    const Int128 low = sign > 0 ? -n1 : n1 - (minorSize - 1);
    const Int128 high = sign > 0 ? minorSize - 1 - n1 : n1;
    if (first > last || high < 0 || low > k) return QRect();
    // h(t) >= low  <=>  t >= ceil((2 low dm - c) / 2k)
    if (low > 0) first = std::max(first, halfStepDivide(low, dm, 2 * k - 1 - c, k).quotient);
    // h(t) <= high  <=>  t <= floor((2 high dm + 2dm - c - 1) / 2k)
    if (high < k) last = std::min(last, halfStepDivide(high, dm, 2 * dm - c - 1, k).quotient);
    if (first > last) return QRect();

    const Division start = halfStepDivide(k, first, c, dm);
    const Int128 m = m1 + first, n = n1 + sign * start.quotient;
    const std::ptrdiff_t majorStep = xMajor ? 1 : stride;
    const std::ptrdiff_t minorStep = (xMajor ? stride : 1) * sign;
    const Int128 twoK = 2 * k, twoDm = 2 * dm;
    Int128 error = start.remainder;
    std::ptrdiff_t at = indexOf(m, n);
    std::ptrdiff_t minorMoves = 0;
    QRgb* const bits = reinterpret_cast<QRgb*>(picture.bits());
    for (Int128 left = last - first;; --left) {
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
