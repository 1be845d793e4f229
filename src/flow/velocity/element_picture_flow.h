// The flow of superposition elements on the picture, with the circular
// bodies a configuration has (a cylinder's inside is no flow: its dipole's
// field there is left out).
#pragma once

#include "flow/velocity/picture_flow.h"

namespace flow {

class ElementPictureFlow : public PictureFlow {
  public:
    ElementPictureFlow(const std::vector<superposition::Element>& elements,
                       std::vector<maps::Circle> bodies = {});

    bool still() const override { return field_.empty(); }
    std::optional<superposition::ScreenVelocity> velocityAt(double x, double y) const override;
    double singularDistance(double x, double y) const override;
    double bodyDistance(double x, double y) const override;
    std::vector<Outlet> outlets() const override;

    const superposition::Field& field() const { return field_; }

  private:
    superposition::Field field_;
    std::vector<maps::Circle> bodies_;
};

}  // namespace flow
