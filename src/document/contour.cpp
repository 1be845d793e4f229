#include "document/contour.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/element_caption.h"
#include "document/picture_surface.h"
#include "document/velocity_input.h"
#include "flow/geometry.h"

namespace maps = flow::maps;
namespace sp = flow::superposition;

namespace {

// Four significant digits with a decimal point, as the landmarks print;
// what is left of a zero by the integration prints as 0.
constexpr double kZero = 1e-6;

QString number(double value) {
    if (!(std::abs(value) >= kZero)) return "0";
    const int decimals =
        std::clamp(3 - static_cast<int>(std::floor(std::log10(std::abs(value)))), 0, 12);
    return QString::number(value, 'f', decimals);
}

QString liftText(double lift) {
    return QString("L′ = %1, D = 0").arg(number(lift));
}

QString shapeText(const ContourShape& shape) {
    if (const auto* circle = std::get_if<maps::Circle>(&shape))
        return QString("круг (%1, %2) R = %3 пикс.")
            .arg(circle->centre.x)
            .arg(circle->centre.y)
            .arg(circle->radius);
    return QString("многоугольник из %1 вершин")
        .arg(std::get<std::vector<maps::PicturePoint>>(shape).size());
}

QString insideText(const ContourReading& reading) {
    return reading.inside.isEmpty() ? "внутри нет элементов"
                                    : "внутри: " + reading.inside.join(", ");
}

constexpr const char* kUndefined = "Г и Q не определены";

flow::Point rounded(maps::PicturePoint p) {
    return {std::llround(p.x), std::llround(p.y)};
}

}  // namespace

ContourFlow superpositionContourFlow(const std::vector<sp::Element>& elements) {
    ContourFlow flow{elements, {}, std::nullopt};
    for (const sp::Element& e : elements) flow.names.push_back(elementCaption(e.kind).toLower());
    return flow;
}

std::optional<ContourFlow> contourFlowOf(const Configuration& c, const flow::Settings& settings) {
    const std::optional<flow::VelocityInput> input = velocityInputAt(c, settings, {});
    if (!input) return std::nullopt;
    ContourFlow flow = superpositionContourFlow(maps::closedFormElements(*input, leftOutOf(c)));
    flow.cylinder = maps::cylinderOf(*input);
    if (flow.cylinder)
        for (std::size_t i = 0; i < flow.elements.size(); ++i)
            if (flow.elements[i].kind != sp::ElementKind::Stream) flow.names[i] = "цилиндр";
    return flow;
}

std::optional<ContourFlow> contourFlowAt(const Construction& construction, std::size_t index) {
    const std::vector<ConstructionStep>& steps = construction.steps;
    if (construction.superposition) {
        std::vector<sp::Element> elements = superpositionElements(steps);
        if (elements.empty()) return std::nullopt;
        return superpositionContourFlow(elements);
    }
    try {
        const auto end = steps.begin() + static_cast<std::ptrdiff_t>(index);
        return contourFlowOf(lastConfiguration({steps.begin(), end}),
                             steps[index].settings.settings());
    } catch (const flow::ConversionError&) {
        return std::nullopt;  // a strength that was no integer left no numbers
    }
}

ContourReading readContour(const ContourFlow& flow, const ContourShape& shape, double density) {
    ContourReading reading;
    bool wholeCylinder = false;
    std::visit(
        [&](const auto& contour) {
            reading.integrals = maps::contourIntegrals(flow.elements, contour);
            if (flow.cylinder)
                wholeCylinder = maps::encloses(
                    contour,
                    maps::Circle{{flow.cylinder->x, flow.cylinder->y}, flow.cylinder->radius});
        },
        shape);
    for (const std::size_t i : reading.integrals.inside)
        if (!reading.inside.contains(flow.names[i])) reading.inside.append(flow.names[i]);
    if (reading.integrals.problem == maps::ContourProblem::None && wholeCylinder)
        reading.lift = density * flow.cylinder->speed * reading.integrals.circulation;
    return reading;
}

QString contourLabel(const ContourReading& reading) {
    if (reading.integrals.problem != maps::ContourProblem::None) return {};
    QString text = QString("Г = %1, Q = %2")
                       .arg(number(reading.integrals.circulation), number(reading.integrals.flux));
    if (reading.lift) text += ", " + liftText(*reading.lift);
    return text;
}

QString contourReport(const ContourReading& reading) {
    switch (reading.integrals.problem) {
        case maps::ContourProblem::ThroughSingularPoint:
            return QString("Контур проходит через особую точку: %1").arg(kUndefined);
        case maps::ContourProblem::NoArea:
            return "Контур не построен: у многоугольника нет площади (нужны три вершины не на "
                   "одной прямой)";
        case maps::ContourProblem::None:
            break;
    }
    QString text = reading.inside.isEmpty() ? "Внутри контура нет элементов"
                                            : "Внутри контура: " + reading.inside.join(", ");
    if (reading.lift)
        text += QString("; подъёмная сила на единицу размаха L′ = ρUГ = %1, сопротивление D = 0")
                    .arg(number(*reading.lift));
    return text;
}

QString contoursText(const Construction& construction) {
    QString text;
    for (std::size_t i = 0; i < construction.steps.size(); ++i) {
        const auto* contour = std::get_if<ContourStep>(&construction.steps[i].action);
        if (!contour) continue;
        text += "Контур: " + shapeText(contour->shape) + ": ";
        const std::optional<ContourFlow> flow = contourFlowAt(construction, i);
        if (!flow) {
            text += QString("нет течения, %1\n").arg(kUndefined);
            continue;
        }
        const ContourReading reading = readContour(*flow, contour->shape, contour->density);
        if (const auto& at = reading.integrals.singularPoint;
            reading.integrals.problem == maps::ContourProblem::ThroughSingularPoint && at)
            text += QString("проходит через особую точку (%1, %2), %3\n")
                        .arg(at->x)
                        .arg(at->y)
                        .arg(kUndefined);
        else if (reading.integrals.problem != maps::ContourProblem::None)
            text += QString("нет площади, %1\n").arg(kUndefined);
        else
            text += QString("Г = %1, Q = %2; %3%4\n")
                        .arg(number(reading.integrals.circulation), number(reading.integrals.flux),
                             insideText(reading),
                             reading.lift ? "; " + liftText(*reading.lift) : QString());
    }
    return text;
}

void drawContour(PictureSurface& surface, const ContourStep& step,
                 const std::optional<ContourReading>& reading, QSize field) {
    surface.setPenColor(flow::kBlack);
    surface.setPenWidth(1);
    surface.setPenStyle(flow::PenStyle::Solid);
    surface.setBrushClear();
    QRectF box;
    if (const auto* circle = std::get_if<maps::Circle>(&step.shape)) {
        // Chords of about three pixels: drawn as lines are, the same on every
        // surface and however the painter was left.
        const double r = circle->radius;
        const int chords = std::clamp(static_cast<int>(2 * std::numbers::pi * r / 3), 32, 4096);
        surface.moveTo(rounded({circle->centre.x + r, circle->centre.y}));
        for (int i = 1; i <= chords; ++i) {
            const double angle = 2 * std::numbers::pi * i / chords;
            surface.lineTo(rounded(
                {circle->centre.x + r * std::cos(angle), circle->centre.y + r * std::sin(angle)}));
        }
        // The label goes by the circle's points at 45°.
        const double half = r * std::numbers::sqrt2 / 2;
        box = QRectF(circle->centre.x - half, circle->centre.y - half, 2 * half, 2 * half);
    } else {
        const auto& corners = std::get<std::vector<maps::PicturePoint>>(step.shape);
        if (corners.empty()) return;
        surface.moveTo(rounded(corners.back()));
        for (const maps::PicturePoint p : corners) {
            surface.lineTo(rounded(p));
            box |= QRectF(p.x, p.y, 1, 1);
        }
    }
    const QString label = reading ? contourLabel(*reading) : QString();
    if (label.isEmpty()) return;
    surface.setQFont(step.font);
    const int width = QFontMetrics(step.font).horizontalAdvance(label);
    // Above the contour's top right corner, or its top left one when the
    // picture ends there.
    double x = box.right() + 4;
    if (x + width > field.width()) x = std::max(0.0, box.left() - 4 - width);
    const double y = std::max(0.0, box.top() - QFontMetrics(step.font).height());
    surface.textOut(std::llround(x), std::llround(y), label.toStdString());
}
