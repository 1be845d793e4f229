#include "flow/landmarks/superposition_landmarks.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "flow/landmarks/flow_landmarks.h"
#include "flow/superposition/drawing.h"
#include "flow/superposition/stagnation.h"
#include "flow/superposition/velocity_vector.h"

namespace flow {

namespace sp = superposition;

Point fieldCentre(int width, int height) {
    return {width / 2, height / 2};
}

std::vector<Landmark> superpositionStagnationLandmarks(const std::vector<sp::Element>& elements,
                                                       int width, int height, bool* complete) {
    const Point centre = fieldCentre(width, height);
    std::vector<sp::PicturePoint> points;
    sp::StepBudget budget = sp::stagnationBudget();
    for (const sp::Complex z : sp::stagnationPoints(
             sp::Field(elements), sp::Region::aroundField(width, height, 0), budget))
        points.push_back(sp::toPicture(z));
    if (complete) *complete = !budget.ranOut();
    // Ordered by the places as printed, to a tenth of a pixel, so that points
    // on one vertical keep their order whatever the last digits say.
    const auto printed = [](const sp::PicturePoint& p) {
        return std::pair(std::round(p.x * 10), std::round(p.y * 10));
    };
    std::sort(points.begin(), points.end(),
              [&](const sp::PicturePoint& a, const sp::PicturePoint& b) {
                  return printed(a) < printed(b);
              });
    std::vector<Landmark> landmarks;
    for (const sp::PicturePoint& p : points) {
        const PlanePoint flow{p.x - static_cast<double>(centre.x),
                              static_cast<double>(centre.y) - p.y};
        landmarks.push_back({LandmarkKind::StagnationPoint,
                             placeAbout(centre, flow, LandmarkOrigin::FieldCentre), 0,
                             std::nullopt});
    }
    return landmarks;
}

std::optional<Landmark> superpositionVelocityLandmark(const std::vector<sp::Element>& elements,
                                                      int width, int height, Point p) {
    const std::optional<VelocityNumbers> numbers = sp::velocityNumbersAt(elements, p);
    if (!numbers) return std::nullopt;
    return velocityAt(fieldCentre(width, height), p, *numbers, LandmarkOrigin::FieldCentre);
}

}  // namespace flow
