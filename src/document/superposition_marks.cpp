#include "document/superposition_marks.h"

#include <cmath>
#include <numbers>

#include "document/element_marks.h"
#include "flow/arrowhead.h"
#include "flow/geometry.h"

namespace {

using flow::superposition::Element;
using flow::superposition::ElementKind;

constexpr double kStreamArrowLength = 40;
constexpr double kArrowHalfAngle = 20;

const char* letterOf(const Element& e) {
    switch (e.kind) {
        case ElementKind::Source:
            return kSourceLetter;
        case ElementKind::Sink:
            return kPairSinkLetter;
        case ElementKind::Vortex:
            return "В";
        case ElementKind::Dipole:
            return "Д";
        case ElementKind::VortexSource:
            return "ВИ";
        case ElementKind::Stream:
            return "U";
    }
    return "";
}

}  // namespace

void drawSuperpositionMark(flow::Surface& surface, const Element& e) {
    const std::int64_t x = flow::Round(e.x), y = flow::Round(e.y);
    useElementPen(surface);
    if (e.kind != ElementKind::Stream) {
        drawElementMark(surface, x, y);
    } else {
        const double a = e.angle * std::numbers::pi / 180;
        const flow::Point tip{x + flow::Round(kStreamArrowLength * std::cos(a)),
                              y - flow::Round(kStreamArrowLength * std::sin(a))};
        surface.line({x, y}, tip);
        flow::headingArrowhead(surface, tip, flow::toDegrees(a), kArrowHalfAngle);
    }
    drawElementLetter(surface, x, y, letterOf(e));
}
