#include "flow/landmarks/landmark_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace flow {

namespace {

std::string fixed(double value, int decimals) {
    // A value that prints as zero prints without a sign.
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Decimals that give a speed three significant digits, and never fewer
// than three.
int speedDecimals(double speed) {
    const double size = std::abs(speed);
    if (!(size > 0) || !std::isfinite(size)) return 3;
    return std::clamp(2 - static_cast<int>(std::floor(std::log10(size))), 3, 20);
}

std::string pair(PlanePoint p) {
    return "(" + fixed(p.x, 1) + ", " + fixed(p.y, 1) + ")";
}

std::string place(const Landmark& landmark) {
    if (!landmark.place) return {};
    const bool field = landmark.place->origin == LandmarkOrigin::FieldCentre;
    return pair(landmark.place->picture) + " пикс.; " + pair(landmark.place->flow) +
           (field ? " от центра поля" : " от центра");
}

std::string line(const Landmark& l) {
    switch (l.kind) {
        case LandmarkKind::StagnationPoint:
            return "Критическая точка: " + place(l);
        case LandmarkKind::HalfWidthDownstream:
            return "Полуширина полутела вниз по потоку: " + fixed(l.value, 1) + " пикс.";
        case LandmarkKind::HalfWidthUpstream:
            return "Полуширина полутела вверх по потоку: " + fixed(l.value, 1) + " пикс.";
        case LandmarkKind::GreatestSurfaceSpeed:
            return "Наибольшая скорость на поверхности цилиндра " +
                   fixed(l.value, speedDecimals(l.value)) + ": " + place(l);
        case LandmarkKind::Velocity: {
            // The numbers as the status line shows them after a velocity click.
            std::string text = "Скорость в точке " + place(l);
            if (l.velocity) text += ": " + velocityNumbersText(*l.velocity);
            return text;
        }
        case LandmarkKind::LowestPressureOnCylinder: {
            // The angle counter-clockwise from downstream, about the centre.
            const PlanePoint at = l.place ? l.place->flow : PlanePoint{};
            const double angle = std::atan2(at.y, at.x) * 180 / std::numbers::pi;
            return "Наименьший коэффициент давления на поверхности цилиндра Cp = " +
                   fixed(l.value, 3) + " при угле " + fixed(angle < 0 ? angle + 360 : angle, 1) +
                   "°: " + place(l);
        }
        case LandmarkKind::LowestPressureOnLine:
            return "Наименьший коэффициент давления на разделяющей линии тока Cp = " +
                   fixed(l.value, 3) + ": " + place(l);
    }
    return {};
}

}  // namespace

std::string velocityNumbersText(const VelocityNumbers& v) {
    const int decimals = speedDecimals(v.speed);
    return "|V| = " + fixed(v.speed, decimals) + "; Vx = " + fixed(v.vx, decimals) +
           "; Vy = " + fixed(v.vy, decimals) + "; угол " + fixed(v.angle, 1) + "°";
}

std::string landmarksText(const std::vector<Landmark>& landmarks) {
    std::string text;
    for (const Landmark& landmark : landmarks) text += line(landmark) + "\n";
    return text;
}

}  // namespace flow
