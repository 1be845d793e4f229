// A flow given on the command line made into the construction the program's
// history records when a user does the same with the same dialog values: the
// elements placed with their tools, then the commands, velocity clicks and
// labels in the order given.
#pragma once

#include <memory>

#include "document/construction.h"
#include "document/document.h"
#include "document/raster_surface.h"
#include "render/render_request.h"

// The settings the flow is built with, as the dialogs would hold them: those
// given, and for a cylinder whether its tool has circulation.
flow::SettingValues flowSettings(const FlowRequest& request);

// A new white picture of the size on the surface; throws std::runtime_error
// when its memory cannot be had.
void createPicture(RasterSurface& surface, QSize size);

// A flow built from the arguments: its construction and, for a
// superposition or the airfoil, the document that drew it (its picture is the one a replay
// draws, so that its lines are traced once); a named flow has none, its
// construction is drawn again.
struct DrawnFlow {
    Construction construction;
    std::shared_ptr<Document> document = nullptr;
    bool linesComplete = true;  // false when the work budget left some lines undrawn
};

// Throws ArgumentError when the flow cannot be drawn as asked (a field too
// large, a command the flow has no lines for, a velocity where none is
// drawn), std::runtime_error when the picture's memory cannot be had.
DrawnFlow drawFlow(const FlowRequest& request);
Construction flowConstruction(const FlowRequest& request);
