#include "document/pressure_chart.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "document/save_aside.h"

namespace maps = flow::maps;

namespace {

const QColor kSampledColour(220, 90, 0);
const QColor kExactColour(0, 70, 170);
const QColor kLowerColour = kExactColour;  // an airfoil's lower surface
const QColor kStagnationColour(0, 140, 60);
const QColor kLowestColour(200, 0, 0);
constexpr double kLowestAirfoilCp = -10;

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks.
double tickStep(double span, int count) {
    const double rough = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) return factor * power;
    return 10 * power;
}

struct Axes {
    QRectF plot;
    double x0, x1, y0, y1;
    QPointF at(double x, double y) const {
        return {plot.left() + (x - x0) / (x1 - x0) * plot.width(),
                plot.bottom() - (y - y0) / (y1 - y0) * plot.height()};
    }
};

QString number(double value, int decimals) {
    if (std::isinf(value)) return value < 0 ? "−∞" : "∞";
    return QString::number(std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value, 'f',
                           decimals);
}

QString title(BodyKind kind) {
    switch (kind) {
        case BodyKind::Cylinder:
            return "Cp на поверхности цилиндра";
        case BodyKind::HalfBody:
            return "Cp вдоль разделяющей линии тока полутела";
        case BodyKind::RankineOval:
            return "Cp вдоль разделяющей линии тока овала Ренкина";
        case BodyKind::Airfoil:
            return "Cp на поверхности профиля Жуковского";
    }
    return {};
}

// "θ = 90°" or "x = 123", the place of a point along the body.
QString place(const BodyPressure& body, const maps::PressurePoint& p) {
    if (body.kind == BodyKind::Airfoil) return QString("x/c = %1").arg(number(p.at, 3));
    return body.kind == BodyKind::Cylinder ? QString("θ = %1°").arg(number(p.at, 1))
                                           : QString("x = %1").arg(number(p.at, 1));
}

Axes axesOf(const QRectF& area, const BodyPressure& body, const QFontMetricsF& metrics) {
    const double line = metrics.height();
    Axes axes{
        area.adjusted(metrics.horizontalAdvance("-00.0") + 2 * line, 3 * line, -line, -4.2 * line),
        0, 360, 0, 1};
    if (body.kind != BodyKind::Cylinder) {
        axes.x0 = body.sampled.front().at;
        axes.x1 = std::max(body.sampled.back().at, axes.x0 + 1);
    }
    double low = 0, high = 1;
    for (const auto* points : {&body.sampled, &body.exact, &body.lower})
        for (const maps::PressurePoint& p : *points) {
            low = std::min(low, p.cp);
            high = std::max(high, p.cp);
        }
    // Near a sharp edge an airfoil's Cp falls without bound: the scale stops.
    if (body.kind == BodyKind::Airfoil) low = std::max(low, kLowestAirfoilCp);
    axes.y0 = std::floor(low);
    axes.y1 = std::ceil(high);
    return axes;
}

void paintGrid(QPainter& painter, const Axes& axes, const BodyPressure& body) {
    const QFontMetricsF metrics(painter.font());
    const double xStep = body.kind == BodyKind::Cylinder ? 45 : tickStep(axes.x1 - axes.x0, 8);
    const double yStep = tickStep(axes.y1 - axes.y0, 8);
    const int xDecimals = xStep < 1 ? 1 : 0, yDecimals = yStep < 1 ? 1 : 0;
    for (double x = std::ceil(axes.x0 / xStep) * xStep; x <= axes.x1 + 1e-9; x += xStep) {
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(axes.at(x, axes.y0), axes.at(x, axes.y1));
        painter.setPen(Qt::black);
        const QString text = number(x, xDecimals);
        const QPointF foot = axes.at(x, axes.y0);
        painter.drawText(
            QPointF(foot.x() - metrics.horizontalAdvance(text) / 2, foot.y() + metrics.height()),
            text);
    }
    for (double y = std::ceil(axes.y0 / yStep) * yStep; y <= axes.y1 + 1e-9; y += yStep) {
        painter.setPen(std::abs(y) < 1e-9 ? QColor(150, 150, 150) : QColor(225, 225, 225));
        painter.drawLine(axes.at(axes.x0, y), axes.at(axes.x1, y));
        painter.setPen(Qt::black);
        const QString text = number(y, yDecimals);
        const QPointF foot = axes.at(axes.x0, y);
        painter.drawText(QPointF(foot.x() - metrics.horizontalAdvance(text) - 4,
                                 foot.y() + metrics.ascent() / 2 - 1),
                         text);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(axes.plot);
    const QString xName = body.kind == BodyKind::Cylinder  ? "θ, °"
                          : body.kind == BodyKind::Airfoil ? "x/c"
                                                           : "x, пикс.";
    painter.drawText(QPointF(axes.plot.center().x() - metrics.horizontalAdvance(xName) / 2,
                             axes.plot.bottom() + 2.2 * metrics.height()),
                     xName);
    painter.drawText(QPointF(axes.plot.left() - metrics.horizontalAdvance("Cp") - 4,
                             axes.plot.top() - 0.8 * metrics.height()),
                     "Cp");
}

void paintCurve(QPainter& painter, const Axes& axes, const std::vector<maps::PressurePoint>& points,
                const QColor& colour) {
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF at = axes.at(points[i].at, points[i].cp);
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// Every tenth sample as a ring over the exact curve.
void paintSamples(QPainter& painter, const Axes& axes, const BodyPressure& body) {
    painter.setPen(QPen(kSampledColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < body.sampled.size(); i += 10)
        painter.drawEllipse(axes.at(body.sampled[i].at, body.sampled[i].cp), 3.5, 3.5);
}

// `row` moves the text a line further from the mark, clear of an earlier
// mark's text.
void paintMark(QPainter& painter, const Axes& axes, const maps::PressurePoint& p,
               const QColor& colour, const QString& text, int row = 0) {
    const QPointF at = axes.at(p.at, p.cp);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    painter.drawEllipse(at, 5, 5);
    const QFontMetricsF metrics(painter.font());
    // The text beside the mark, kept inside the plot.
    double x = at.x() + 8;
    if (x + metrics.horizontalAdvance(text) > axes.plot.right())
        x = at.x() - 8 - metrics.horizontalAdvance(text);
    const double away = (p.cp > 0 ? 1 : -1) * row * metrics.height();
    const double y = std::clamp(at.y() + away + (p.cp > 0 ? metrics.height() + 4 : -8),
                                axes.plot.top() + metrics.height(), axes.plot.bottom() - 4);
    painter.drawText(QPointF(std::max(x, axes.plot.left() + 2), y), text);
}

void paintKey(QPainter& painter, const Axes& axes, const BodyPressure& body) {
    const QFontMetricsF metrics(painter.font());
    double x = axes.plot.left();
    const double y = axes.plot.bottom() + 3.4 * metrics.height();
    // A ring for the samples shown as rings, a line for a curve.
    const auto entry = [&](const QColor& colour, const QString& text, bool ring) {
        const double middle = y - metrics.ascent() / 3;
        painter.setPen(QPen(colour, ring ? 1.5 : 2));
        if (ring)
            painter.drawEllipse(QPointF(x + 10, middle), 3.5, 3.5);
        else
            painter.drawLine(QPointF(x, middle), QPointF(x + 20, middle));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 26, y), text);
        x += 40 + metrics.horizontalAdvance(text);
    };
    if (body.kind == BodyKind::Airfoil) {
        entry(kSampledColour, "верхняя поверхность", false);
        entry(kLowerColour, "нижняя поверхность", false);
        if (body.force)
            painter.drawText(QPointF(x, y),
                             QString("по давлению: C_L = %1, C_D = %2 (Даламбер)")
                                 .arg(number(body.force->lift, 3), number(body.force->drag, 4)));
        return;
    }
    entry(kSampledColour, "по полю скоростей", !body.exact.empty());
    if (!body.exact.empty()) entry(kExactColour, "точно: 1 − (2 sin θ − Г/(2πRU))²", false);
}

}  // namespace

void paintPressureChart(QPainter& painter, const QRectF& area, const BodyPressure& body) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const Axes axes = axesOf(area, body, metrics);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top() + 4, area.width(), metrics.height() * 1.5),
                     Qt::AlignHCenter, title(body.kind));
    paintGrid(painter, axes, body);
    painter.setClipRect(axes.plot.adjusted(-6, -6, 6, 6));
    if (!body.exact.empty()) {
        paintCurve(painter, axes, body.exact, kExactColour);
        paintSamples(painter, axes, body);
    } else {
        paintCurve(painter, axes, body.sampled, kSampledColour);
        if (!body.lower.empty()) paintCurve(painter, axes, body.lower, kLowerColour);
    }
    for (std::size_t i = 0; i < body.stagnation.size(); ++i) {
        const maps::PressurePoint& p = body.stagnation[i];
        paintMark(painter, axes, p, kStagnationColour,
                  QString("Cp = %1, %2").arg(number(p.cp, 2), place(body, p)), static_cast<int>(i));
    }
    // A cylinder without circulation is as fast on top as below: both marked.
    std::vector<maps::PressurePoint> lowest{body.lowest};
    for (const maps::PressurePoint& p : body.exact)
        if (std::abs(p.cp - body.lowest.cp) < 1e-9 && std::abs(p.at - body.lowest.at) > 1)
            lowest.push_back(p);
    for (std::size_t i = 0; i < lowest.size(); ++i)
        paintMark(
            painter, axes, lowest[i], kLowestColour,
            QString("наименьший Cp = %1, %2").arg(number(lowest[i].cp, 2), place(body, lowest[i])),
            static_cast<int>(i));
    painter.setClipping(false);
    paintKey(painter, axes, body);
    painter.restore();
}

bool writePressureChart(const BodyPressure& body, const QString& fileName, QSize size) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const QRectF area(QPointF(0, 0), QSizeF(size));
    FileWriter write;
    if (suffix == "csv") {
        write = [&](QIODevice& file) {
            file.write(pressureCsv(body).toUtf8());
            return QString();
        };
    } else if (suffix == "png") {
        write = [&](QIODevice& file) {
            QImage picture(size, QImage::Format_RGB32);
            QPainter painter(&picture);
            paintPressureChart(painter, area, body);
            painter.end();
            QImageWriter writer(&file, "png");
            return writer.write(picture) ? QString() : writer.errorString();
        };
    } else if (suffix == "svg") {
        write = [&](QIODevice& file) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(size);
            svg.setViewBox(area);
            svg.setTitle(title(body.kind));
            QPainter painter;
            if (!painter.begin(&svg)) return QString("SVG");
            paintPressureChart(painter, area, body);
            painter.end();
            return QString();
        };
    } else {
        return false;
    }
    if (const auto problem = saveAside(fileName, write))
        throw std::runtime_error(QString("Не удалось сохранить график в файл «%1»: %2")
                                     .arg(QDir::toNativeSeparators(fileName), *problem)
                                     .toStdString());
    return true;
}
