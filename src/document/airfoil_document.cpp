#include "document/airfoil_document.h"

#include <cmath>
#include <numbers>

#include "flow/airfoil/airfoil_drawing.h"
#include "flow/superposition/velocity_vector.h"

namespace af = flow::airfoil;

namespace {

constexpr int kOutlineWidth = 2;
constexpr double kStill = 1e-9;  // slower counts as no flow

}  // namespace

AirfoilStep defaultAirfoil(QSize field) {
    AirfoilStep airfoil;
    airfoil.shape.chord = std::max(20, field.width() / 2);
    return airfoil;
}

const AirfoilStep* airfoilOf(const std::vector<ConstructionStep>& steps) {
    return steps.empty() ? nullptr : std::get_if<AirfoilStep>(&steps.front().action);
}

af::AirfoilFlow airfoilFlow(const AirfoilStep& airfoil, QSize field) {
    return af::AirfoilFlow(af::AirfoilGeometry(airfoil.shape, field.width(), field.height()),
                           airfoil.stream);
}

QString airfoilNumbersText(const af::AirfoilFlow& flow, double density) {
    return QString("Г = %1; C_L = %2; подъёмная сила ρUГ = %3")
        .arg(flow.circulation(), 0, 'f', 1)
        .arg(flow.liftCoefficient(), 0, 'f', 3)
        .arg(flow.lift(density), 0, 'f', 1);
}

void drawAirfoilOutline(flow::Surface& surface, const af::AirfoilFlow& flow) {
    af::drawAirfoilOutline(surface, flow.geometry(), flow::kBlack, kOutlineWidth);
}

flow::superposition::Outcome drawAirfoilLines(const flow::Canvas& canvas, SuperpositionLines lines,
                                              const af::AirfoilFlow& flow) {
    return lines == SuperpositionLines::Streamlines ? af::drawAirfoilStreamlines(canvas, flow)
                                                    : af::drawAirfoilEquipotentials(canvas, flow);
}

std::optional<flow::VelocityNumbers> airfoilVelocityAt(const af::AirfoilFlow& flow, flow::Point p) {
    const auto v = flow.velocityAtPicture(p.x, p.y);
    if (!v) return std::nullopt;
    const double speed = std::abs(*v);
    if (!std::isfinite(speed) || speed < kStill) return std::nullopt;
    return flow::VelocityNumbers{speed, v->real(), v->imag(),
                                 std::atan2(v->imag(), v->real()) * 180 / std::numbers::pi};
}

bool drawAirfoilVelocity(const flow::Canvas& canvas, const af::AirfoilFlow& flow, flow::Point p) {
    const auto v = airfoilVelocityAt(flow, p);
    if (!v) return false;
    flow::superposition::drawResultant(canvas, *v, p);
    return true;
}
