#include "document/body_pressure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/airfoil_document.h"
#include "document/velocity_input.h"
#include "flow/airfoil/airfoil_summary.h"
#include "flow/bounded_settings.h"
#include "flow/maps/closed_form_elements.h"

namespace maps = flow::maps;
namespace sp = flow::superposition;

namespace {

// The signed strength of a source (> 0) or a sink (< 0); 0 for the others.
double pointStrength(const sp::Element& e) {
    if (e.kind == sp::ElementKind::Source) return e.strength;
    if (e.kind == sp::ElementKind::Sink) return -e.strength;
    return 0;
}

// The speed of a stream to the right among the elements, and the sources
// and sinks beside it; nothing when another element is there, the stream
// is missing or runs another way.
struct StreamAndPoints {
    double speed = 0;
    std::vector<sp::Element> points;
};

std::optional<StreamAndPoints> streamAndPoints(const std::vector<sp::Element>& elements) {
    StreamAndPoints found;
    for (const sp::Element& e : elements) {
        if (e.kind == sp::ElementKind::Stream && found.speed == 0 && e.strength > 0 &&
            std::remainder(e.angle, 360.0) == 0)
            found.speed = e.strength;
        else if (pointStrength(e) != 0)
            found.points.push_back(e);
        else
            return std::nullopt;
    }
    if (found.speed == 0) return std::nullopt;
    return found;
}

maps::PressurePoint lowestOf(const std::vector<maps::PressurePoint>& points) {
    return *std::min_element(points.begin(), points.end(),
                             [](const auto& a, const auto& b) { return a.cp < b.cp; });
}

std::optional<BodyPressure> lineBody(const std::vector<sp::Element>& elements, int width) {
    const std::optional<StreamAndPoints> flow = streamAndPoints(elements);
    if (!flow) return std::nullopt;
    BodyPressure body;
    const sp::Element& first = flow->points.front();
    body.centre = {first.x, first.y};
    if (flow->points.size() == 1) {
        const double Q = pointStrength(first);
        body.kind = BodyKind::HalfBody;
        body.sampled =
            maps::halfBodyPressure(elements, body.centre, Q, flow->speed, Q > 0 ? width : 0);
        body.stagnation = {Q > 0 ? body.sampled.front() : body.sampled.back()};
    } else if (flow->points.size() == 2) {
        auto source = flow->points[0], sink = flow->points[1];
        if (pointStrength(source) < 0) std::swap(source, sink);
        if (source.y != sink.y || source.x >= sink.x ||
            pointStrength(source) != -pointStrength(sink))
            return std::nullopt;
        body.kind = BodyKind::RankineOval;
        body.centre = {source.x, source.y};
        // An odd count puts a sample on the middle, where the oval is fastest.
        body.sampled =
            maps::rankineOvalPressure(elements, body.centre, {sink.x, sink.y}, flow->speed, 201);
        body.stagnation = {body.sampled.front(), body.sampled.back()};
    } else {
        return std::nullopt;
    }
    body.lowest = lowestOf(body.sampled);
    body.lowestAt = {body.lowest.at, body.lowest.y};
    return body;
}

// Points where the pressure is finite (a sharp edge the flow turns round
// has none), against x/c.
maps::PressurePoint chartPoint(const flow::airfoil::SurfacePressure& p) {
    return {p.chordFraction, p.cp, p.place.y};
}

BodyPressure airfoilBody(const flow::airfoil::AirfoilFlow& flow) {
    namespace af = flow::airfoil;
    constexpr int kSamples = 720;
    BodyPressure body;
    body.kind = BodyKind::Airfoil;
    for (const af::SurfacePressure& p : af::pressureAlongSurface(flow, kSamples))
        if (std::isfinite(p.cp)) (p.upper ? body.sampled : body.lower).push_back(chartPoint(p));
    const auto byX = [](const maps::PressurePoint& a, const maps::PressurePoint& b) {
        return a.at < b.at;
    };
    std::sort(body.sampled.begin(), body.sampled.end(), byX);
    std::sort(body.lower.begin(), body.lower.end(), byX);
    // A sharp trailing edge the flow leaves smoothly is no stagnation point
    // on the airfoil: only those where Cp = 1 are marked.
    const af::Complex centre = flow.geometry().circle().centre;
    for (const af::Complex z : flow.stagnationPoints())
        if (const af::SurfacePressure p = af::surfacePressure(flow, std::arg(z - centre));
            std::abs(p.cp - 1) < 1e-3)
            body.stagnation.push_back(chartPoint(p));
    const af::SurfacePressure lowest = af::lowestPressure(flow);
    body.lowest = chartPoint(lowest);
    body.lowestAt = {lowest.place.x, lowest.place.y};
    const af::PicturePoint leading = flow.geometry().toPicture(flow.geometry().leadingEdge());
    body.centre = {leading.x, leading.y};
    body.force = af::pressureForce(flow);
    return body;
}

}  // namespace

std::optional<BodyPressure> bodyPressureOf(const std::vector<sp::Element>& elements,
                                           const std::optional<maps::Cylinder>& cylinder,
                                           int width) {
    if (!cylinder) return lineBody(elements, width);
    const maps::CylinderPressure surface = maps::cylinderPressure(elements, *cylinder);
    const auto onSurface = [&](double degrees) {
        const double angle = degrees * std::numbers::pi / 180;
        return maps::PicturePoint{cylinder->x + cylinder->radius * std::cos(angle),
                                  cylinder->y - cylinder->radius * std::sin(angle)};
    };
    BodyPressure body{BodyKind::Cylinder,
                      surface.sampled,
                      surface.exact,
                      {},
                      surface.lowest,
                      onSurface(surface.lowest.at),
                      {cylinder->x, cylinder->y},
                      {},
                      {}};
    for (const double angle : surface.stagnationAngles)
        body.stagnation.push_back(
            {angle, maps::exactCylinderCp(*cylinder, angle), onSurface(angle).y});
    return body;
}

std::optional<BodyPressure> bodyPressureOf(const Construction& construction,
                                           const flow::SettingValues& base) {
    const int width = construction.field.width();
    if (const AirfoilStep* airfoil = airfoilOf(construction.steps))
        return airfoilBody(airfoilFlow(*airfoil, construction.field));
    if (construction.superposition)
        return bodyPressureOf(superpositionElements(construction.steps), std::nullopt, width);
    flow::SettingValues values = base;
    for (const ConstructionStep& step : construction.steps)
        for (const auto& [name, value] : step.settings.values()) values.set(name, value);
    const Configuration c = construction.configuration();
    // Held within the dialogs' ranges, as a replay holds them.
    const flow::BoundedSettings bounded(values.settings());
    const std::optional<flow::VelocityInput> input = velocityInputAt(c, bounded.settings(), {});
    if (!input) return std::nullopt;
    return bodyPressureOf(maps::closedFormElements(*input, leftOutOf(c)), maps::cylinderOf(*input),
                          width);
}

flow::Landmark lowestPressureLandmark(const BodyPressure& body, const Construction& construction) {
    flow::Landmark landmark;
    landmark.kind = body.kind == BodyKind::Cylinder ? flow::LandmarkKind::LowestPressureOnCylinder
                                                    : flow::LandmarkKind::LowestPressureOnLine;
    const maps::PicturePoint at = body.lowestAt;
    const bool field = construction.superposition || body.kind == BodyKind::Airfoil;
    // A superposition's field centre in whole pixels, as its other landmarks take it.
    const maps::PicturePoint centre =
        field ? maps::PicturePoint{double(construction.field.width() / 2),
                                   double(construction.field.height() / 2)}
              : body.centre;
    landmark.place = flow::LandmarkPlace{
        {at.x, at.y},
        {at.x - centre.x, centre.y - at.y},
        field ? flow::LandmarkOrigin::FieldCentre : flow::LandmarkOrigin::ElementCentre};
    landmark.value = body.lowest.cp;
    return landmark;
}

flow::SettingValues currentValues(const flow::Settings& live) {
    flow::SettingValues values;
    for (const flow::SettingInfo& info : flow::settingCatalogue())
        values.set(info.name, info.read(live));
    return values;
}

QString pressureCsv(const BodyPressure& body) {
    if (body.kind == BodyKind::Airfoil) {
        QString text = "x/c,cp,surface\n";
        for (const auto& [points, surface] :
             {std::pair{&body.sampled, "upper"}, std::pair{&body.lower, "lower"}})
            for (const maps::PressurePoint& p : *points)
                text += QString::number(p.at, 'f', 4) + ',' + QString::number(p.cp, 'f', 6) + ',' +
                        surface + '\n';
        return text;
    }
    QString text = body.kind == BodyKind::Cylinder ? "theta,cp\n" : "x,cp\n";
    for (const maps::PressurePoint& p : body.sampled)
        text += QString::number(p.at, 'f', 4) + ',' + QString::number(p.cp, 'f', 6) + '\n';
    return text;
}
