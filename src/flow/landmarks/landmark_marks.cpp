#include "flow/landmarks/landmark_marks.h"

#include "flow/geometry.h"

namespace flow {

void markLandmarks(Surface& surface, const std::vector<Landmark>& landmarks) {
    const Color colour = surface.penColor();
    const int width = surface.penWidth();
    const PenStyle style = surface.penStyle();
    surface.setPenColor(kLandmarkColor);
    surface.setPenWidth(1);
    surface.setPenStyle(PenStyle::Solid);
    for (const Landmark& landmark : landmarks) {
        if (!landmark.place) continue;
        const std::int64_t x = Round(landmark.place->picture.x);
        const std::int64_t y = Round(landmark.place->picture.y);
        surface.line({x - kLandmarkArm, y - kLandmarkArm}, {x + kLandmarkArm, y + kLandmarkArm});
        surface.line({x + kLandmarkArm, y - kLandmarkArm}, {x - kLandmarkArm, y + kLandmarkArm});
    }
    surface.setPenColor(colour);
    surface.setPenWidth(width);
    surface.setPenStyle(style);
}

}  // namespace flow
