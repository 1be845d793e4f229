#include "flow/equipotentials/cylinder_circulation.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "flow/equipotentials/cylinder_common.h"
#include "flow/geometry.h"

namespace flow {
namespace {

using cylinder::Offsets;

// One line value in one half of the picture, solved on the rays 0..90 degrees.
class HalfLine {
  public:
    // side: -1 for the upper half, +1 for the lower one.
    HalfLine(int R, int X, int Y, int gamma, std::int64_t c, int side)
        : R_(R), X_(X), Y_(Y), side_(side) {
        const double rSquared = static_cast<double>(R) * R;
        for (int d = 0; d <= 90; ++d) {
            const double circulation = gamma * theta(d) * kInvPi * 0.5;
            const double k = static_cast<double>(c) + side * circulation;
            const double h = k * 0.5 / std::cos(theta(d));
            Ray& ray = rays_[d];
            ray.hSquared = h * h;
            ray.solved = ray.hSquared >= rSquared;
            if (ray.solved) {
                ray.rho = cylinder::radialSolution(h, R);
                ray.offsets = cylinder::rayOffsets(ray.rho, theta(d));
            }
        }
    }

    bool solved(int d) const { return rays_[d].solved; }
    // The ray misses the line or only touches it.
    bool misses(int d) const { return rays_[d].hSquared <= static_cast<double>(R_) * R_; }
    double rho(int d) const { return rays_[d].rho; }
    std::int64_t b(int d) const { return rays_[d].offsets.b; }

    // Left point L(d) and its mirror M(d) right of the centre.
    Point left(int d) const { return place(-1, rays_[d].offsets); }
    Point right(int d) const { return place(+1, rays_[d].offsets); }

    // From L(d), where the pen is, to the circle, then from M(d) to the circle.
    void drawFeet(Surface& surface, int d) const {
        const Offsets foot = cylinder::circleFoot(rays_[d].offsets, R_);
        surface.lineTo(place(-1, foot));
        surface.moveTo(right(d));
        surface.lineTo(place(+1, foot));
    }

  private:
    struct Ray {
        double hSquared = 0;
        bool solved = false;
        double rho = 0;
        Offsets offsets;
    };

    Point place(int xSign, Offsets o) const { return {X_ + xSign * o.a, Y_ + side_ * o.b}; }

    int R_, X_, Y_, side_;
    std::array<Ray, 91> rays_;
};

// Draws one line. In the upper half only solutions outside the cylinder are
// drawn, a line that stops meeting the rays is tied to the circle at its last
// point (end join), and a start join is drawn only above the axis.
void traceLine(Surface& surface, const HalfLine& line, int R, std::int64_t width, bool upper) {
    bool endJoined = false;
    bool startPending = true;
    for (int d = 0; d < 90; ++d) {
        int probe = d;
        if (line.solved(d) && (!upper || line.rho(d) > R)) {
            surface.moveTo(line.left(d));
            probe = d + 1;
            // Far-apart solutions lie on different branches: no chord between them.
            if (d + 1 < 90 && line.solved(d + 1) && std::abs(line.b(d + 1) - line.b(d)) < width) {
                surface.lineTo(line.left(d + 1));
                surface.moveTo(line.right(d));
                surface.lineTo(line.right(d + 1));
            }
        }
        if (upper && line.misses(probe) && d > 1 && !endJoined) {
            probe = d;
            if (line.solved(d)) {
                surface.moveTo(line.left(d));
                line.drawFeet(surface, d);
                endJoined = true;
            }
        }
        if (line.misses(probe) && startPending) {
            for (int e = d; e < 90; ++e) {
                if (!line.solved(e)) continue;
                surface.moveTo(line.left(e));
                if (!upper || line.b(e) > 0) line.drawFeet(surface, e);
                break;
            }
            startPending = false;
            endJoined = false;
        }
    }
}

// Lines c = 0, A, 2A, ... while c <= W, with A and W read after every line.
void traceHalf(const Canvas& canvas, int R, int X, int Y, int gamma, int side, int& width) {
    std::int64_t c = 0;
    while (true) {
        traceLine(canvas.surface, HalfLine(R, X, Y, gamma, c, side), R, width, side < 0);
        const int step = canvas.settings.equipotentials.increment();
        c += step;
        canvas.gauge.advance(2);
        width = canvas.settings.field.width();
        // A step that does not raise c would repeat lines forever.
        if (step <= 0 || width < c) return;
    }
}

}  // namespace

void EquipotentialCylinderCirculation(const Canvas& canvas, int R, int X, int Y) {
    const EquipotentialSettings& equi = canvas.settings.equipotentials;
    canvas.surface.setPenWidth(equi.lineWidth());
    canvas.surface.setPenColor(equi.lineColor());
    const int gamma = canvas.settings.cylinder.circulation();
    // The first line's chord test needs W before any line is drawn.
    int width = canvas.settings.field.width();
    traceHalf(canvas, R, X, Y, gamma, -1, width);
    traceHalf(canvas, R, X, Y, gamma, +1, width);
}

}  // namespace flow
