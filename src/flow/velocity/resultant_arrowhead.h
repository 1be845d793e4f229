// The arrowhead on the resultant velocity vector. Its angle, when it is left
// out and which way it opens depend on the configuration and on the quadrant
// of the point.
#pragma once

#include "flow/surface.h"
#include "flow/velocity/velocity.h"

namespace flow {

// Draws the arrowhead at the resultant's tip with the current pen, unless the
// configuration's guard holds for this resultant.
void drawResultantArrowhead(Surface& surface, const VelocityInput& input,
                            const VelocityResult& result, Point tip);

}  // namespace flow
