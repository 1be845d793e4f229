// A colour map step drawn on a picture: the flow it colours (a
// superposition's elements, or an ordinary document's configuration as
// elements, a cylinder's inside as a body; or an airfoil's flow), its pixels
// and, when asked for, its legend in the picture's lower right corner.
#pragma once

#include <QSize>
#include <optional>
#include <vector>

#include "document/configuration.h"
#include "document/map_options.h"
#include "flow/airfoil/airfoil_flow.h"
#include "flow/maps/picture_geometry.h"
#include "flow/settings.h"

class PictureSurface;

struct MapFlow {
    std::vector<flow::superposition::Element> elements;
    std::vector<flow::maps::Circle> bodies;             // where no fluid flows
    std::optional<flow::airfoil::AirfoilFlow> airfoil;  // instead of the elements
};

// Whether the flow has the stream a pressure map needs.
bool hasStream(const MapFlow& flow);

// The whole flow of the configuration on the screen, read with the
// settings; nothing when the configuration holds no element. Throws
// flow::ConversionError when a strength is no integer.
std::optional<MapFlow> mapFlowOf(const Configuration& c, const flow::Settings& settings);

// Draws the map of the given size (the picture's) over the surface from its
// top left corner, with its legend when asked for; nothing for a pressure
// map of a flow without a stream.
void drawMap(PictureSurface& surface, const MapFlow& flow, QSize size,
             flow::maps::MapQuantity quantity, const MapOptions& options);
