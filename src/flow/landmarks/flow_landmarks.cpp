#include "flow/landmarks/flow_landmarks.h"

#include <cmath>
#include <numbers>

namespace flow {

namespace {

constexpr double kExactPi = std::numbers::pi;

Landmark stagnationPoint(Point centre, PlanePoint at) {
    return {LandmarkKind::StagnationPoint, placeAbout(centre, at), 0, std::nullopt};
}

Landmark greatestSurfaceSpeed(Point centre, PlanePoint at, double speed) {
    return {LandmarkKind::GreatestSurfaceSpeed, placeAbout(centre, at), speed, std::nullopt};
}

}  // namespace

LandmarkPlace placeAbout(Point centre, PlanePoint flow, LandmarkOrigin origin) {
    return {{static_cast<double>(centre.x) + flow.x, static_cast<double>(centre.y) - flow.y},
            flow,
            origin};
}

std::vector<Landmark> elementInStreamLandmarks(Point centre, int Q, int U, bool sink) {
    if (U == 0) return {};
    // The dividing line's radius Q theta / (2 pi U sin theta) at theta -> 0,
    // and its height Q theta / (2 pi U) at theta = pi.
    const double distance = Q / (2 * kExactPi * U);
    const double halfWidth = Q / (2.0 * U);
    return {stagnationPoint(centre, {sink ? distance : -distance, 0}),
            {sink ? LandmarkKind::HalfWidthUpstream : LandmarkKind::HalfWidthDownstream,
             std::nullopt, halfWidth, std::nullopt}};
}

std::vector<Landmark> cylinderLandmarks(Point centre, int R, int U) {
    const double radius = R;
    const double speed = 2.0 * U;
    return {stagnationPoint(centre, {-radius, 0}), stagnationPoint(centre, {radius, 0}),
            greatestSurfaceSpeed(centre, {0, radius}, speed),
            greatestSurfaceSpeed(centre, {0, -radius}, speed)};
}

std::vector<Landmark> circulatingCylinderLandmarks(Point centre, int R, int gamma) {
    if (R <= 0) return {};
    const double radius = R;
    std::vector<Landmark> landmarks;
    const double sine = gamma / (4 * kExactPi * radius);
    if (std::abs(sine) <= 1) {
        const double angle = std::asin(sine);
        const double x = radius * std::cos(angle);
        const double y = radius * sine;
        landmarks.push_back(stagnationPoint(centre, {-x, y}));
        landmarks.push_back(stagnationPoint(centre, {x, y}));
    } else {
        // r^2 - gamma r / (2 pi) + R^2 = 0, the root outside the circle,
        // on the side the circulation slows the stream.
        const double half = std::abs(gamma) / (4 * kExactPi);
        const double r = half + std::sqrt(half * half - radius * radius);
        landmarks.push_back(stagnationPoint(centre, {0, gamma > 0 ? r : -r}));
    }
    // Stream and circulation run the same way below the cylinder when the
    // circulation turns counter-clockwise.
    const double speed = 2 + std::abs(gamma) / (2 * kExactPi * radius);
    landmarks.push_back(greatestSurfaceSpeed(centre, {0, gamma >= 0 ? -radius : radius}, speed));
    return landmarks;
}

std::vector<Landmark> sourceSinkPairLandmarks(Point centre, int D, int Qs, int Qk) {
    // Equal strengths, or both at one point, leave no point at rest.
    if (Qs == Qk || D == 0) return {};
    const double x = static_cast<double>(Qs) * D / (Qs - Qk);
    return {stagnationPoint(centre, {x, 0})};
}

Landmark velocityAt(Point centre, Point p, const VelocityNumbers& numbers, LandmarkOrigin origin) {
    const PlanePoint flow{static_cast<double>(p.x - centre.x), static_cast<double>(centre.y - p.y)};
    return {LandmarkKind::Velocity, placeAbout(centre, flow, origin), numbers.speed, numbers};
}

std::optional<Landmark> velocityLandmark(const VelocityInput& input, const LeftOut& leftOut) {
    const std::optional<VelocityNumbers> numbers = VelocityNumbersAt(input, leftOut);
    if (!numbers) return std::nullopt;
    return velocityAt(input.centre, input.p, *numbers, LandmarkOrigin::ElementCentre);
}

}  // namespace flow
