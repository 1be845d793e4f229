#include "document/segment_clip.h"

#include <algorithm>

bool clipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom) {
    const double dx = x2 - x1, dy = y2 - y1;
    const auto inside = [&](double x, double y) {
        return left <= x && x <= right && top <= y && y <= bottom;
    };
    if (inside(x1, y1) && inside(x2, y2)) {
        // What the general case gives for t0 = 0 and t1 = 1.
        x2 = x1 + dx;
        y2 = y1 + dy;
        return true;
    }
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}
