// Drawing of the velocity vectors: radial and tangential vectors, the dotted
// lines completing their parallelogram, the resultant and its arrowhead.
#include <optional>

#include "flow/velocity/resultant_arrowhead.h"
#include "flow/velocity/velocity.h"

namespace flow {

namespace {

Point shifted(Point p, Point by) {
    return {p.x + by.x, p.y + by.y};
}

void useComponentPen(Surface& surface, const VectorStyleSettings& style) {
    surface.setPenWidth(style.componentWidth());
    surface.setPenColor(style.componentColor());
}

// Dotted, in the component width that is already set.
void useConnectingPen(Surface& surface, const VectorStyleSettings& style) {
    surface.setPenStyle(PenStyle::Dot);
    surface.setPenColor(style.connectingColor());
}

void useResultantPen(Surface& surface, const VectorStyleSettings& style) {
    surface.setPenWidth(style.resultantWidth());
    surface.setPenColor(style.resultantColor());
}

// Radial and tangential vectors, each followed by its dotted parallel from the
// other one's tip to the corner; ends with the pen solid.
void drawComponents(Surface& surface, const VectorStyleSettings& style, Point p,
                    const VelocityResult& res) {
    useComponentPen(surface, style);
    surface.line(p, res.radialTip);
    useConnectingPen(surface, style);
    surface.line(shifted(p, res.tangentialOffset), shifted(res.radialTip, res.tangentialOffset));
    useComponentPen(surface, style);
    surface.setPenStyle(PenStyle::Solid);
    surface.line(p, res.tangentialTip);
    useConnectingPen(surface, style);
    surface.line(shifted(p, res.radialOffset), shifted(res.tangentialTip, res.radialOffset));
    surface.setPenStyle(PenStyle::Solid);
}

}  // namespace

void DrawVelocity(const Canvas& canvas, const VelocityInput& input) {
    const std::optional<VelocityResult> res = ComputeVelocity(input);
    if (!res) return;
    Surface& surface = canvas.surface;
    const VectorStyleSettings& style = canvas.settings.vectorStyle;

    // The plane vortex and the point source have a single vector, which is
    // their resultant.
    Point tip = res->resultantTip;
    if (input.config == VelocityConfig::Vortex) {
        tip = res->tangentialTip;
    } else if (input.config == VelocityConfig::PointSource) {
        tip = res->radialTip;
    } else {
        drawComponents(surface, style, input.p, *res);
    }
    useResultantPen(surface, style);
    surface.line(input.p, tip);
    drawResultantArrowhead(surface, input, *res, tip);
}

}  // namespace flow
