// The airfoil on a document's picture: its streamlines and lines of equal
// potential with the streamline and equipotential dialogs' settings (count
// N and increment A give the levels, the pen comes from the dialog, and
// streamlines get direction arrows when the dialog asks for them), and its
// outline.
#pragma once

#include "flow/airfoil/airfoil_flow.h"
#include "flow/settings.h"
#include "flow/superposition/drawing.h"

namespace flow::airfoil {

using superposition::Outcome;

Outcome drawAirfoilStreamlines(const Canvas& canvas, const AirfoilFlow& flow);
Outcome drawAirfoilEquipotentials(const Canvas& canvas, const AirfoilFlow& flow);

// The outline as a closed chain of chords with the given pen.
void drawAirfoilOutline(Surface& surface, const AirfoilGeometry& geometry, Color color, int width);

}  // namespace flow::airfoil
