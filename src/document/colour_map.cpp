#include "document/colour_map.h"

#include <QPainter>

#include "document/map_legend.h"
#include "document/picture_surface.h"
#include "document/velocity_input.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/maps/map_colouring.h"

namespace maps = flow::maps;

namespace {

// A cylinder's inside: a light grey, as a solid body.
constexpr std::uint32_t kBodyColour = 0xFFD8D8D8;

}  // namespace

std::optional<MapFlow> mapFlowOf(const Configuration& c, const flow::Settings& settings) {
    const std::optional<flow::VelocityInput> input = velocityInputAt(c, settings, {});
    if (!input) return std::nullopt;
    MapFlow flow{maps::closedFormElements(*input, leftOutOf(c)), {}};
    if (const std::optional<maps::Cylinder> cylinder = maps::cylinderOf(*input))
        flow.bodies.push_back({{cylinder->x, cylinder->y}, cylinder->radius});
    return flow;
}

std::optional<QImage> mapPicture(const MapFlow& flow, QSize size, maps::MapQuantity quantity,
                                 const MapOptions& options) {
    const std::optional<maps::ValueMap> values =
        maps::valueMap(flow.elements, size.width(), size.height(), quantity);
    if (!values) return std::nullopt;
    const maps::MapStyle style{options.fixedRange, options.bands, kBodyColour};
    const maps::ColouredMap coloured = maps::colourMap(*values, style, flow.bodies);
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(coloured.pixels.begin() + static_cast<std::ptrdiff_t>(y) * size.width(),
                    size.width(), reinterpret_cast<std::uint32_t*>(picture.scanLine(y)));
    if (options.legend) {
        QPainter painter(&picture);
        paintLegend(painter, size, coloured.mapping, values->streamSpeed > 0);
    }
    return picture;
}

void drawMap(PictureSurface& surface, const MapFlow& flow, QSize size, maps::MapQuantity quantity,
             const MapOptions& options) {
    if (const std::optional<QImage> picture = mapPicture(flow, size, quantity, options))
        surface.drawPicture(*picture);
}
