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
constexpr int kForceSamples = 4096;

// The value to the decimals; one that prints as zero prints without a sign.
std::string number(double value, int decimals) {
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
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

std::vector<SurfacePressure> pressureAlongSurface(const AirfoilFlow& flow, int count) {
    const double start = flow.geometry().circle().trailingAngle();
    std::vector<SurfacePressure> points;
    for (int k = 0; k < count; ++k)
        points.push_back(surfacePressure(flow, start + kTurn * k / count));
    return points;
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

std::optional<PressureForce> pressureForce(const AirfoilFlow& flow) {
    const JoukowskiCircle& circle = flow.geometry().circle();
    // A thin airfoil's leading edge -c is sharp too.
    for (const double edge : {circle.c, -circle.c})
        if (circle.outside(edge) && !std::isfinite(flow.pressureCoefficient(edge)))
            return std::nullopt;
    // Counterclockwise round the outline the outward normal times the arc
    // is -i dzeta; the integrand is smooth and periodic in the circle's
    // angle, so the trapezoidal rule converges fast.
    Complex sum;
    for (int k = 0; k < kForceSamples; ++k) {
        const double theta = kTurn * k / kForceSamples;
        const Complex z = circle.at(theta);
        const Complex dzeta =
            circle.mapDerivative(z) * Complex(0, circle.radius) * std::polar(1.0, theta);
        sum += flow.pressureCoefficient(z) * Complex(0, 1) * dzeta;
    }
    const Complex force =
        sum * (kTurn / kForceSamples) / flow.geometry().chord() / std::polar(1.0, flow.alpha());
    return PressureForce{force.imag(), force.real()};
}

AirfoilSummary summarize(const AirfoilFlow& flow, double density) {
    AirfoilSummary summary;
    for (const Complex z : flow.stagnationPoints())
        summary.stagnation.push_back(flow.geometry().circleToPicture(z));
    summary.circulation = flow.circulation();
    summary.liftCoefficient = flow.liftCoefficient();
    summary.lift = flow.lift(density);
    summary.lowest = lowestPressure(flow);
    summary.force = pressureForce(flow);
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
    const std::string where =
        std::isfinite(low.cp) ? number(low.cp, 3) + " на " + (low.upper ? "верхней" : "нижней") +
                                    " поверхности, x/c = " + number(low.chordFraction, 3)
                              : std::string("-∞ на задней кромке, которую огибает поток");
    std::string text = landmarksText(places) + "Циркуляция Г = " + number(summary.circulation, 3) +
                       "\nКоэффициент подъёмной силы C_L = " + number(summary.liftCoefficient, 4) +
                       "\nПодъёмная сила на единицу размаха ρUГ = " + number(summary.lift, 3) +
                       "\nНаименьший Cp = " + where + ": (" + number(lowPlace.picture.x, 1) + ", " +
                       number(lowPlace.picture.y, 1) + ") пикс.; (" + number(lowPlace.flow.x, 1) +
                       ", " + number(lowPlace.flow.y, 1) + ") от центра поля\n";
    if (summary.force)
        text += "Сопротивление давления C_D = " + number(summary.force->drag, 4) + "\n";
    return text;
}

}  // namespace flow::airfoil
