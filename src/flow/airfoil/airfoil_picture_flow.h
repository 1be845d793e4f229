// The airfoil's flow as the picture sees it, for what follows the fluid:
// the mapped velocity on the screen's axes, no flow inside the outline, the
// sharp edges where the speed is unbounded as its singular points.
#pragma once

#include "flow/airfoil/airfoil_flow.h"
#include "flow/velocity/picture_flow.h"

namespace flow::airfoil {

class AirfoilPictureFlow : public PictureFlow {
  public:
    explicit AirfoilPictureFlow(const AirfoilFlow& flow);

    bool still() const override;
    std::optional<superposition::ScreenVelocity> velocityAt(double x, double y) const override;
    double singularDistance(double x, double y) const override;
    // An estimate good near the outline: the distance to the circle in the
    // circle plane times the map's stretch there.
    double bodyDistance(double x, double y) const override;
    std::vector<Outlet> outlets() const override { return {}; }

  private:
    AirfoilFlow flow_;
    std::vector<maps::PicturePoint> edges_;  // where the speed is unbounded
};

}  // namespace flow::airfoil
