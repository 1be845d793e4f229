#include "flow/airfoil/airfoil_summary.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "flow/airfoil/turn_minimum.h"
#include "flow/landmarks/landmark_text.h"
#include "flow/landmarks/superposition_landmarks.h"

namespace flow::airfoil {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr int kSamples = 3600;

std::string number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

SurfacePressure surfacePressure(const AirfoilFlow& flow, double theta) {
    const AirfoilGeometry& geometry = flow.geometry();
    const JoukowskiCircle& circle = geometry.circle();
    const Complex z = circle.at(theta);
    const Complex zeta = circle.map(z);
    const double trailing = circle.trailingAngle();
    const double turned = std::fmod(std::fmod(theta - trailing, kTurn) + kTurn, kTurn);
    return {flow.pressureCoefficient(z), geometry.toPicture(zeta),
            (zeta.real() - geometry.leadingEdge().real()) / geometry.chord(),
            turned > 0 && turned < geometry.leadingAngle() - trailing};
}

SurfacePressure lowestPressure(const AirfoilFlow& flow) {
    const JoukowskiCircle& circle = flow.geometry().circle();
    // Round the sharp edge without the Kutta circulation the speed is infinite.
    const SurfacePressure edge = surfacePressure(flow, circle.trailingAngle());
    if (!std::isfinite(edge.cp)) return edge;
    return surfacePressure(
        flow,
        minimumOverTurn([&](double theta) { return flow.pressureCoefficient(circle.at(theta)); },
                        kSamples));
}

AirfoilSummary summarize(const AirfoilFlow& flow, double density) {
    AirfoilSummary summary;
    for (const Complex z : flow.stagnationPoints())
        summary.stagnation.push_back(flow.geometry().circleToPicture(z));
    summary.circulation = flow.circulation();
    summary.liftCoefficient = flow.liftCoefficient();
    summary.lift = flow.lift(density);
    summary.lowest = lowestPressure(flow);
    return summary;
}

std::string summaryText(const AirfoilSummary& summary, const AirfoilGeometry& geometry) {
    const Point centre =
        fieldCentre(static_cast<int>(geometry.width()), static_cast<int>(geometry.height()));
    const auto about = [&](const PicturePoint& p) {
        return placeAbout(
            centre, {p.x - static_cast<double>(centre.x), static_cast<double>(centre.y) - p.y},
            LandmarkOrigin::FieldCentre);
    };
    std::vector<Landmark> places;
    for (const PicturePoint& p : summary.stagnation)
        places.push_back({LandmarkKind::StagnationPoint, about(p), 0, std::nullopt});
    const SurfacePressure& low = summary.lowest;
    const LandmarkPlace lowPlace = about(low.place);
    return landmarksText(places) + "Циркуляция Г = " + number("%.3f", summary.circulation) +
           "\nКоэффициент подъёмной силы C_L = " + number("%.4f", summary.liftCoefficient) +
           "\nПодъёмная сила на единицу размаха ρUГ = " + number("%.3f", summary.lift) +
           "\nНаименьший Cp = " + number("%.3f", low.cp) + " на " +
           (low.upper ? "верхней" : "нижней") +
           " поверхности, x/c = " + number("%.3f", low.chordFraction) + ": (" +
           number("%.1f", lowPlace.picture.x) + ", " + number("%.1f", lowPlace.picture.y) +
           ") пикс.; (" + number("%.1f", lowPlace.flow.x) + ", " + number("%.1f", lowPlace.flow.y) +
           ") от центра поля\n";
}

}  // namespace flow::airfoil
