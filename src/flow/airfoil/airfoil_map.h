// The speed or pressure map of the airfoil flow: |V| / U or Cp at every
// pixel centre, the inside of the airfoil marked as a body, and about a
// sharp edge where the speed is unbounded the neighbourhood the automatic
// range leaves out.
#pragma once

#include "flow/airfoil/airfoil_flow.h"
#include "flow/maps/value_map.h"

namespace flow::airfoil {

// The rows of the flow's squared speeds on its picture; they read the flow
// where it is, so it must outlive them.
maps::SpeedRows airfoilSpeedRows(const AirfoilFlow& flow);

// The edges where the speed is unbounded, on the picture, with the
// neighbourhood about each where the edge's own singular term is three
// times as fast as the stream (at least the five pixels about it).
std::vector<maps::Circle> unboundedEdgeNeighbourhoods(const AirfoilFlow& flow);

}  // namespace flow::airfoil
