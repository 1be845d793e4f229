// A colour map's legend: the colour bar, low end down, with its labelled
// ticks on the left and the quantity's name above, on a white box in the
// picture's lower right corner.
#pragma once

#include <QSize>

#include "flow/maps/scale_mapping.h"

class QPainter;

// `inStream`: a speed is |V|/U; without a stream it is |V| itself.
void paintLegend(QPainter& painter, QSize picture, const flow::maps::ScaleMapping& mapping,
                 bool inStream);
