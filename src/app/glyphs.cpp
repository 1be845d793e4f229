#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <vector>

namespace {

void dot(QPainter& p, QPointF at, QColor colour) {
    p.setBrush(colour);
    p.drawEllipse(at, 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
}

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QLineF back(to, from);
    QLineF barb = back;
    barb.setLength(4);
    barb.setAngle(back.angle() + 30);
    p.drawLine(barb);
    barb.setAngle(back.angle() - 30);
    p.drawLine(barb);
}

// The particles' tool bar: dots with their trails, play, pause, one step,
// the release line and the snapshot.
void drawParticlesGlyph(QPainter& p, const QString& name) {
    const QColor blue(16, 64, 192);
    if (name == "ParticlesButton") {
        for (const QPointF at : {QPointF(12, 4), QPointF(13, 9), QPointF(11, 14)}) {
            p.setPen(QPen(QColor(16, 64, 192, 90), 1.5));
            p.drawLine(at - QPointF(9, 0), at);
            p.setPen(Qt::NoPen);
            dot(p, at, blue);
        }
    } else if (name == "ParticlesPlayButton") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygonF({{4, 2}, {14, 8}, {4, 14}}));
    } else if (name == "ParticlesPauseGlyph") {
        p.fillRect(QRectF(4, 3, 3, 10), QColor(160, 0, 0));
        p.fillRect(QRectF(9, 3, 3, 10), QColor(160, 0, 0));
    } else if (name == "ParticlesStepButton") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygonF({{3, 3}, {11, 8}, {3, 13}}));
        p.fillRect(QRectF(11, 3, 2, 10), QColor(0, 128, 0));
    } else if (name == "ParticlesLineButton") {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(3, 14), QPointF(13, 2));
    } else if (name == "ParticlesSnapshotButton") {
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawEllipse(QPointF(8, 9), 2.5, 2.5);
        p.fillRect(QRectF(4, 2.5, 4, 2), Qt::black);
    }
}

void streams(QPainter& p) {
    p.setPen(QPen(QColor(0, 0, 160), 1));
    p.drawLine(1, 3, 15, 3);
    p.drawLine(1, 13, 15, 13);
}

// Vertical bands of colour across the glyph, left to right.
void colourBands(QPainter& p, const std::vector<QColor>& colours) {
    const double width = 14.0 / static_cast<double>(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i)
        p.fillRect(QRectF(1 + width * static_cast<double>(i), 2, width, 12), colours[i]);
}

void drawGlyph(QPainter& p, const QString& name) {
    const QColor ink(0, 0, 0);
    p.setPen(QPen(ink, 1.2));
    if (name == "SpeedButton3") {  // new document: a page with a folded corner
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}));
        p.drawPolyline(QPolygonF({{10, 1}, {10, 4}, {13, 4}}));
    } else if (name == "SpeedButton11") {  // point source: rays from a dot
        for (int i = 0; i < 8; ++i) {
            QLineF ray(8, 8, 15, 8);
            ray.setAngle(i * 45);
            p.drawLine(ray);
        }
        dot(p, {8, 8}, ink);
    } else if (name == "SpeedButton12") {  // plane vortex: circles
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        dot(p, {8, 8}, ink);
    } else if (name == "SpeedButton6") {  // dipole: two touching circles
        p.drawEllipse(QPointF(8, 4.5), 3.5, 3.5);
        p.drawEllipse(QPointF(8, 11.5), 3.5, 3.5);
    } else if (name == "SpeedButton9") {  // vortex-source: a spiral
        QPainterPath spiral(QPointF(8, 8));
        for (int i = 1; i <= 40; ++i) {
            const double r = 0.18 * i, a = i * 0.35;
            spiral.lineTo(8 + r * std::cos(a), 8 - r * std::sin(a));
        }
        p.drawPath(spiral);
    } else if (name == "SpeedButton2" || name == "SpeedButton16") {  // cylinder in a stream
        streams(p);
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(220, 220, 220));
        p.drawEllipse(QPointF(8, 8), 4, 4);
        if (name == "SpeedButton16") {
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(1.5, 1.5, 13, 13), 30 * 16, 120 * 16);
        }
    } else if (name == "SpeedButton4") {  // source in a stream
        streams(p);
        p.setPen(QPen(ink, 1.2));
        dot(p, {5, 8}, QColor(200, 0, 0));
        arrow(p, {8, 8}, {15, 8});
    } else if (name == "SpeedButton5") {  // stream with a sink
        streams(p);
        p.setPen(QPen(ink, 1.2));
        arrow(p, {1, 8}, {8, 8});
        dot(p, {11, 8}, QColor(0, 0, 200));
    } else if (name == "SpeedButton14" || name == "SpeedButton15") {  // source-sink pair
        dot(p, {3.5, 8}, QColor(200, 0, 0));
        dot(p, {12.5, 8}, QColor(0, 0, 200));
        p.drawArc(QRectF(3.5, 3, 9, 10), 0, 180 * 16);
        p.drawArc(QRectF(3.5, 3, 9, 10), 180 * 16, 180 * 16);
    } else if (name == "SpeedButton1") {  // streamlines
        p.setPen(QPen(QColor(200, 0, 0), 1.2));
        for (int y : {4, 8, 12}) {
            QPainterPath wave(QPointF(1, y));
            wave.cubicTo(5, y - 3, 10, y + 3, 15, y);
            p.drawPath(wave);
        }
    } else if (name == "SpeedButton17") {  // equipotentials
        for (int x : {3, 8, 13}) p.drawLine(x, 1, x, 15);
    } else if (name == "SpeedMapButton") {  // speed map: dark to light bands, a streamline
        colourBands(p, {QColor(68, 1, 84), QColor(49, 104, 142), QColor(53, 183, 121),
                        QColor(253, 231, 37)});
        p.setPen(QPen(ink, 1.2));
        QPainterPath wave(QPointF(1, 8));
        wave.cubicTo(5, 5, 10, 11, 15, 8);
        p.drawPath(wave);
    } else if (name == "PressureMapButton") {  // pressure map: blue, grey, yellow about a body
        colourBands(p, {QColor(40, 60, 150), QColor(150, 150, 150), QColor(240, 200, 80),
                        QColor(150, 150, 150)});
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(220, 220, 220));
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
    } else if (name == "TimeMarksButton") {  // time marks: dots crowding along a streamline
        p.setPen(QPen(QColor(255, 0, 0), 1.2));
        p.drawLine(QPointF(1, 11), QPointF(15, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (const double x : {2.0, 7.0, 10.5, 13.0, 14.5}) p.drawEllipse(QPointF(x, 11), 1.4, 1.4);
    } else if (name == "SpeedButton10") {  // stream speed
        arrow(p, {1, 5}, {14, 5});
        arrow(p, {1, 11}, {14, 11});
    } else if (name == "SpeedButton19") {  // vector scale
        arrow(p, {2, 14}, {14, 2});
        p.drawLine(2, 14, 14, 14);
    } else if (name == "SpeedButton8") {  // velocity vector
        p.setPen(QPen(QColor(0, 128, 0), 1.2));
        p.drawLine(3, 13, 13, 13);
        p.drawLine(3, 13, 3, 3);
        p.setPen(QPen(QColor(200, 0, 0), 1.2));
        arrow(p, {3, 13}, {13, 3});
    } else if (name == "SpeedButton7") {  // label
        QFont f("DejaVu Serif");
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "A");
    } else if (name == "SpeedButton18") {  // memo panel
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        for (int y : {5, 8, 11}) p.drawLine(5, y, 11, y);
    } else if (name == "ContourButton") {  // contour: a loop run counter-clockwise
        p.drawEllipse(QPointF(8, 8.5), 6, 6);
        p.drawPolyline(QPolygonF({{10.5, 0.5}, {7.5, 2.5}, {10.5, 4.5}}));
    } else if (name == "AirfoilButton") {  // an airfoil in a stream
        QPainterPath outline(QPointF(1, 9));
        outline.cubicTo(QPointF(2, 4), QPointF(8, 4), QPointF(15, 9.5));
        outline.cubicTo(QPointF(8, 8), QPointF(3, 12), QPointF(1, 9));
        p.setBrush(QColor(220, 220, 220));
        p.drawPath(outline);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::red, 1));
        p.drawLine(QPointF(0, 2.5), QPointF(15, 2.5));
        p.drawLine(QPointF(0, 14.5), QPointF(15, 14.5));
    } else if (name.startsWith("Particles")) {
        drawParticlesGlyph(p, name);
    }
}

}  // namespace

QIcon glyphFor(const QString& buttonName) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, buttonName);
    p.end();
    return QIcon(pixmap);
}
