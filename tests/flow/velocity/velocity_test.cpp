#include "flow/velocity/velocity.h"

#include <gtest/gtest.h>

#include "recording_surface.h"

namespace flow {
namespace {

TEST(Velocity, Smoke) {
    VelocityInput in{VelocityConfig::CylinderCirculation, {520, 210}, {400, 300}, 10, 100, 1000};
    auto r = ComputeVelocity(in);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->resultantTip, (Point{544, 169}));
}

}  // namespace
}  // namespace flow
