// A flow given on the command line made into the construction the program's
// history records when a user does the same with the same dialog values: the
// elements placed with their tools, then the commands, velocity clicks and
// labels in the order given.
#pragma once

#include "document/construction.h"
#include "document/raster_surface.h"
#include "render/render_request.h"

// The settings the flow is built with, as the dialogs would hold them: those
// given, and for a cylinder whether its tool has circulation.
flow::SettingValues flowSettings(const FlowRequest& request);

// A new white picture of the size on the surface; throws std::runtime_error
// when its memory cannot be had.
void createPicture(RasterSurface& surface, QSize size);

// Throws ArgumentError when the flow cannot be drawn as asked (a field too
// large, a command the flow has no lines for, a velocity where none is
// drawn), std::runtime_error when the picture's memory cannot be had.
Construction flowConstruction(const FlowRequest& request);
