#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "flow/arrowhead.h"
#include "flow/geometry.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/streamline_conventions.h"

namespace flow {

namespace {

// Vertical jumps this large mean the intersection ran off towards an
// asymptote: such chords are not drawn.
constexpr std::int64_t kJumpLimit = 400;

struct Offset {
    std::int64_t dx;
    std::int64_t dy;
};

// The point of line psi on the ray from the source at `angle`: where the ray
// meets the line through the sink at the direction phi.
struct PairLine {
    double distance;      // D
    double source;        // Qs
    double negativeSink;  // -Qk
    double value;         // psi

    Offset at(double angle) const {
        const double phi = angle * source / negativeSink + value * kTwoPi / negativeSink;
        const double t = std::sin(phi) / std::cos(phi);
        const double rho = distance / (std::cos(angle) - t * std::sin(angle));
        return {Round(rho * std::cos(angle)), Round(rho * std::sin(angle))};
    }
};

void drawPairLine(const Canvas& canvas, std::int64_t X, std::int64_t Y, std::int64_t D,
                  const PairLine& line) {
    Surface& surface = canvas.surface;
    bool first = true;
    bool arrowsPending = true;
    for (int step = 0; step <= 180; ++step) {
        const Offset o0 = line.at(theta(step));
        if (o0.dy <= 0) continue;
        surface.moveTo(X + o0.dx, Y - o0.dy);
        if (first) {
            // Close the line at the sink, above and below.
            surface.lineTo(X + D, Y);
            surface.moveTo(X + o0.dx, Y + o0.dy);
            surface.lineTo(X + D, Y);
            first = false;
            surface.moveTo(X + o0.dx, Y - o0.dy);
        }
        const Offset o1 = line.at(theta(step + 1));
        if (o1.dy <= 0 || std::abs(o0.dy - o1.dy) >= kJumpLimit) continue;
        surface.lineTo(X + o1.dx, Y - o1.dy);
        surface.moveTo(X + o0.dx, Y + o0.dy);
        surface.lineTo(X + o1.dx, Y + o1.dy);
        // One pair of arrowheads at the first level chord, drawn whatever
        // the direction check box says.
        if (o1.dy == o0.dy && arrowsPending) {
            headingArrowhead(surface, {X + o1.dx, Y - o1.dy}, 0, 20);
            headingArrowhead(surface, {X + o1.dx, Y + o1.dy}, 0, 20);
            arrowsPending = false;
        }
    }
}

}  // namespace

void StreamSourceSink(const Canvas& canvas, int X, int Y, int D, int Qsource, int Qsink) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    PairLine line{static_cast<double>(D), static_cast<double>(Qsource), -static_cast<double>(Qsink),
                  0};
    for (int i = 0; i < lines; ++i) {
        drawPairLine(canvas, X, Y, D, line);
        line.value += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

}  // namespace flow
