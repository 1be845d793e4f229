// The mark of a superposition element on the picture: the element pen's
// small circle with the element's letter beside it; the stream, which has no
// place, gets an arrow along its direction from where it was put.
#pragma once

#include "flow/superposition/elements.h"
#include "flow/surface.h"

void drawSuperpositionMark(flow::Surface& surface, const flow::superposition::Element& element);
