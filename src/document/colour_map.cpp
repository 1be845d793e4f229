#include "document/colour_map.h"

#include <QPainter>
#include <new>
#include <stdexcept>

#include "document/map_legend.h"
#include "document/picture_surface.h"
#include "document/velocity_input.h"
#include "flow/airfoil/airfoil_map.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/maps/map_colouring.h"

namespace maps = flow::maps;

namespace {

// A cylinder's inside: a light grey, as a solid body.
constexpr std::uint32_t kBodyColour = 0xFFD8D8D8;

// The last map's values and colours on this thread, their memory reused:
// fresh memory for a picture's values costs as much as computing them.
struct MapBuffers {
    maps::ValueMap values;
    maps::ColouredMap colours;
};
thread_local MapBuffers mapBuffers;

}  // namespace

std::optional<MapFlow> mapFlowOf(const Configuration& c, const flow::Settings& settings) {
    const std::optional<flow::VelocityInput> input = velocityInputAt(c, settings, {});
    if (!input) return std::nullopt;
    MapFlow flow{maps::closedFormElements(*input, leftOutOf(c)), {}, {}};
    if (const std::optional<maps::Cylinder> cylinder = maps::cylinderOf(*input))
        flow.bodies.push_back({{cylinder->x, cylinder->y}, cylinder->radius});
    return flow;
}

bool hasStream(const MapFlow& flow) {
    if (flow.airfoil) return flow.airfoil->speed() > 0;
    return maps::valueMap(flow.elements, 1, 1, maps::MapQuantity::Pressure).has_value();
}

void drawMap(PictureSurface& surface, const MapFlow& flow, QSize size, maps::MapQuantity quantity,
             const MapOptions& options) {
    MapBuffers& buffers = mapBuffers;
    try {
        const bool filled =
            flow.airfoil
                ? maps::fillValueMap(buffers.values, flow::airfoil::airfoilSpeedRows(*flow.airfoil),
                                     size.width(), size.height(), quantity)
                : maps::fillValueMap(buffers.values, flow.elements, size.width(), size.height(),
                                     quantity);
        if (!filled) return;
        const maps::MapStyle style{options.fixedRange, options.bands, kBodyColour};
        maps::colourMapInto(buffers.colours, buffers.values, style, flow.bodies);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error("Не хватает памяти, чтобы нарисовать цветовую карту.");
    }
    QImage picture(reinterpret_cast<uchar*>(buffers.colours.pixels.data()), size.width(),
                   size.height(), size.width() * 4, QImage::Format_RGB32);
    if (options.legend) {
        QPainter painter(&picture);
        paintLegend(painter, size, buffers.colours.mapping, buffers.values.streamSpeed > 0);
    }
    surface.drawPicture(picture);
}
