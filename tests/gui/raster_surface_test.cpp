// The document's raster surface: the pixels of thin lines, clipping of
// far-off geometry, drawing order, the state it keeps between operations,
// and the rectangle it reports for repainting.
#include "document/raster_surface.h"

#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

QList<QPoint> inkedPixels(const QImage& picture) {
    QList<QPoint> inked;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255)) inked.append({x, y});
    return inked;
}

QList<QPoint> rowMajor(QList<QPoint> points) {
    std::sort(points.begin(), points.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return points;
}

QList<QPoint> pixelsOfThinLine(QSize size, QPoint from, QPoint to) {
    RasterSurface surface;
    surface.createPicture(size.width(), size.height());
    surface.line({from.x(), from.y()}, {to.x(), to.y()});
    return inkedPixels(surface.image());
}

// The pixels of a thin line found the slow way: in every column (every row
// for a steep line) the pixel nearest the true line, halfway cases to the
// larger coordinate, kept when inside the picture.
QList<QPoint> nearestPixels(QSize size, QPoint from, QPoint to) {
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const auto major = [&](QPoint p) { return xMajor ? p.x() : p.y(); };
    const auto minor = [&](QPoint p) { return xMajor ? p.y() : p.x(); };
    const int dm = major(to) - major(from), dn = minor(to) - minor(from);
    QList<QPoint> pixels;
    for (int m = std::min(major(from), major(to)); m <= std::max(major(from), major(to)); ++m) {
        // Distances scaled by |dm|: |(n - n1) dm - dn (m - m1)|.
        int best = minor(from);
        if (dm != 0) {
            long bestDistance = -1;
            for (int n = -100; n <= 100; ++n) {
                const long distance =
                    std::labs(long(n - minor(from)) * dm - long(dn) * (m - major(from)));
                if (bestDistance < 0 || distance <= bestDistance) {
                    best = n;
                    bestDistance = distance;
                }
            }
        }
        const QPoint p = xMajor ? QPoint(m, best) : QPoint(best, m);
        if (QRect(QPoint(0, 0), size).contains(p)) pixels.append(p);
    }
    return rowMajor(pixels);
}

}  // namespace

class RasterSurfaceTest : public QObject {
    Q_OBJECT
  private slots:
    void thinLinePixels_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::newRow("horizontal") << QPoint(2, 3) << QPoint(6, 3)
                                    << QList<QPoint>{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}};
        QTest::newRow("vertical") << QPoint(4, 1) << QPoint(4, 4)
                                  << QList<QPoint>{{4, 1}, {4, 2}, {4, 3}, {4, 4}};
        QTest::newRow("45 degrees")
            << QPoint(1, 1) << QPoint(4, 4) << QList<QPoint>{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
        QTest::newRow("45 degrees rising")
            << QPoint(1, 4) << QPoint(4, 1) << QList<QPoint>{{4, 1}, {3, 2}, {2, 3}, {1, 4}};
        QTest::newRow("shallow") << QPoint(0, 0) << QPoint(5, 2)
                                 << QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}};
        // y = x / 4 is halfway between rows at x = 2: the larger y is taken.
        QTest::newRow("shallow, halfway falling")
            << QPoint(0, 0) << QPoint(4, 1)
            << QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}};
        QTest::newRow("shallow, halfway rising")
            << QPoint(0, 1) << QPoint(4, 0)
            << QList<QPoint>{{3, 0}, {4, 0}, {0, 1}, {1, 1}, {2, 1}};
        QTest::newRow("steep") << QPoint(0, 0) << QPoint(2, 5)
                               << QList<QPoint>{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}};
        QTest::newRow("steep, halfway: the larger x")
            << QPoint(1, 0) << QPoint(0, 4)
            << QList<QPoint>{{1, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}};
        QTest::newRow("single point") << QPoint(3, 3) << QPoint(3, 3) << QList<QPoint>{{3, 3}};
    }

    void thinLinePixels() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QList<QPoint>, pixels);
        QCOMPARE(pixelsOfThinLine({8, 8}, from, to), rowMajor(pixels));
        QCOMPARE(pixelsOfThinLine({8, 8}, to, from), rowMajor(pixels));  // either direction
    }

    void clippedThinLinesKeepTheirPixels() {
        // Random short lines, most of them crossing an edge of the picture.
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> coordinate(-25, 55);
        const QSize size(40, 30);
        for (int i = 0; i < 3000; ++i) {
            const QPoint from(coordinate(random), coordinate(random));
            const QPoint to(coordinate(random), coordinate(random));
            const QList<QPoint> expected = nearestPixels(size, from, to);
            if (pixelsOfThinLine(size, from, to) != expected)
                QFAIL(qPrintable(QString("line (%1, %2) - (%3, %4)")
                                     .arg(from.x())
                                     .arg(from.y())
                                     .arg(to.x())
                                     .arg(to.y())));
        }
    }

    void farOffThinLinesEqualTheSameLinesNearby_data() {
        QTest::addColumn<QPoint>("through");
        QTest::addColumn<QPoint>("direction");
        QTest::addColumn<qint64>("farBefore");
        QTest::addColumn<qint64>("farAfter");
        // Lines through a point of the picture with halfway cases on them;
        // the far ends are whole steps of the direction away, so the integer
        // line is the same. The last ones span more than 2^63.
        QTest::newRow("shallow") << QPoint(100, 70) << QPoint(6, 1) << 100'000'000'000LL
                                 << 300'000'000'000LL;
        QTest::newRow("shallow falling")
            << QPoint(90, 60) << QPoint(6, -1) << 7'000'000'000LL << 200'000'000'000LL;
        QTest::newRow("steep") << QPoint(80, 75) << QPoint(1, -4) << 500'000'000'000LL
                               << 20'000'000'000LL;
        QTest::newRow("steep rising left")
            << QPoint(120, 40) << QPoint(-3, 8) << 90'000'000'000LL << 60'000'000'000LL;
        QTest::newRow("shallow, ends just within 2^30")
            << QPoint(100, 70) << QPoint(6, 1) << 178'956'000LL << 178'956'950LL;
        QTest::newRow("shallow, whole 64-bit range")
            << QPoint(100, 70) << QPoint(6, 1) << 1'500'000'000'000'000'000LL
            << 1'500'000'000'000'000'000LL;
        QTest::newRow("steep, whole 64-bit range")
            << QPoint(80, 75) << QPoint(1, -4) << 2'000'000'000'000'000'000LL
            << 2'000'000'000'000'000'000LL;
    }

    void farOffThinLinesEqualTheSameLinesNearby() {
        QFETCH(QPoint, through);
        QFETCH(QPoint, direction);
        QFETCH(qint64, farBefore);
        QFETCH(qint64, farAfter);
        const auto along = [&](qint64 steps) {
            return flow::Point{through.x() + steps * direction.x(),
                               through.y() + steps * direction.y()};
        };
        RasterSurface far, near;
        far.createPicture(200, 150);
        near.createPicture(200, 150);
        far.line(along(-farBefore), along(farAfter));
        near.line(along(-60), along(60));  // beyond the picture at both ends
        QCOMPARE(far.image(), near.image());
        QVERIFY(inkedPixels(near.image()).size() > 30);
    }

    void thinLinesMissingThePictureDrawNothing() {
        RasterSurface surface;
        surface.createPicture(60, 40);
        int calls = 0;
        surface.setChangeListener([&] { ++calls; });
        surface.line({-1'000'000'000'000LL, -10}, {1'000'000'000'000LL, -11});  // above
        surface.line({60, -1'000'000'000'000LL}, {60, 1'000'000'000'000LL});    // right of it
        surface.line({-10, 5}, {5, -10});  // past the top left corner
        surface.line({-1'000'000'000'000LL, 1'000'000'000'000LL - 5},
                     {1'000'000'000'000LL, -1'000'000'000'000LL - 5});  // the same line, far
        surface.line({70, 45}, {70, 45});                               // a point outside
        surface.line({-3'000'000'000'000'000'000LL, 50}, {-2'000'000'000'000'000'000LL, 10});
        QVERIFY(inkedPixels(surface.image()).isEmpty());
        QCOMPARE(calls, 0);
        QVERIFY(surface.takeChangedRect().isEmpty());
    }

    void thinLinesKeepTheDrawingOrder() {
        const flow::Color red = flow::Color::fromRgb(255, 0, 0);
        const flow::Color green = flow::Color::fromRgb(0, 255, 0);
        const flow::Color blue = flow::Color::fromRgb(0, 0, 255);
        RasterSurface surface;
        surface.createPicture(60, 40);
        // A thin line, then a filled ellipse over it, then a thin line over that.
        surface.setPenColor(red);
        surface.line({0, 10}, {59, 10});
        surface.setPenColor(blue);
        surface.setBrushColor(blue);
        surface.ellipse(10, 0, 40, 21);
        surface.setPenColor(green);
        surface.line({25, 0}, {25, 39});
        QCOMPARE(surface.pixel(5, 10), red);
        QCOMPARE(surface.pixel(20, 10), blue);
        QCOMPARE(surface.pixel(25, 10), green);
        QCOMPARE(surface.pixel(25, 30), green);
        // Text with its background over a thin line, and a thin line over text.
        surface.setPenColor(red);
        surface.line({0, 33}, {59, 33});
        surface.setBrushColor(green);
        surface.textOut(30, 28, "И");
        surface.line({50, 25}, {50, 39});
        bool background = false;
        for (int x = 30; x < 35; ++x) {
            QVERIFY(surface.pixel(x, 33) != red);  // glyph or background, not the line
            background = background || surface.pixel(x, 33) == green;
        }
        QVERIFY(background);
        QCOMPARE(surface.pixel(50, 30), red);
        // A dotted line still waiting in the painter goes in before a solid one.
        surface.setPenStyle(flow::PenStyle::Dot);
        surface.line({0, 37}, {59, 37});
        surface.setPenStyle(flow::PenStyle::Solid);
        surface.setPenColor(blue);
        surface.line({0, 37}, {59, 37});
        for (int x = 0; x < 60; ++x) QCOMPARE(surface.pixel(x, 37), blue);
    }

    void aCopyOfThePictureKeepsItsPixels() {
        RasterSurface surface;
        surface.createPicture(20, 20);
        surface.line({0, 5}, {19, 5});
        const QImage copy = surface.image();
        surface.line({0, 10}, {19, 10});
        QCOMPARE(copy.pixel(3, 10), qRgb(255, 255, 255));
        QCOMPARE(surface.image().pixel(3, 10), qRgb(0, 0, 0));
        QCOMPARE(copy.pixel(3, 5), qRgb(0, 0, 0));
    }

    void thinLineChangesExactlyItsPixelBox() {
        RasterSurface surface;
        surface.createPicture(100, 100);
        surface.line({-50, 120}, {70, 20});
        const QList<QPoint> inked = inkedPixels(surface.image());
        QRect box;
        for (const QPoint& p : inked) box |= QRect(p, QSize(1, 1));
        QCOMPARE(surface.takeChangedRect(), box);
    }

    void farOffChordDrawsExactlyItsVisiblePart() {
        RasterSurface surface;
        surface.createPicture(800, 600);
        surface.moveTo(-1'000'000'000, 300);
        surface.lineTo(1'000'000'000, 301);
        // Across the picture the true line rises less than a millionth of a
        // pixel: one whole row, every column, nothing else.
        const QList<QPoint> inked = inkedPixels(surface.image());
        QCOMPARE(inked.size(), 800);
        for (const QPoint& p : inked) QCOMPARE(p.y(), inked.first().y());
        QVERIFY(inked.first().y() == 300 || inked.first().y() == 301);
    }

    void farOffDiagonalMatchesTheSameLineDrawnNearby() {
        RasterSurface far, near;
        far.createPicture(300, 200);
        near.createPicture(300, 200);
        far.line({-3'000'000'000'000LL, -3'000'000'000'000LL},
                 {3'000'000'000'000LL, 3'000'000'000'000LL});
        near.line({-20, -20}, {320, 320});
        QCOMPARE(far.image(), near.image());
        QCOMPARE(inkedPixels(far.image()).size(), 200);
    }

    void geometryWhollyOutsideDrawsNothing() {
        RasterSurface surface;
        surface.createPicture(100, 100);
        surface.line({-5'000'000'000LL, -10}, {5'000'000'000LL, -10});
        surface.line({200, 0}, {200, 100});
        surface.ellipse(-4'000'000'000LL, -4'000'000'000LL, -3'000'000'000LL, -3'000'000'000LL);
        surface.textOut(-2'000'000'000LL, 5, "X");
        QVERIFY(inkedPixels(surface.image()).isEmpty());
        QCOMPARE(surface.pixel(100, 0), std::nullopt);
        QCOMPARE(surface.pixel(-1, 5), std::nullopt);
    }

    void hugeEllipseCrossingThePictureIsItsArc() {
        RasterSurface surface;
        surface.createPicture(200, 200);
        surface.setBrushClear();
        // A circle of radius 1e7 whose left edge passes through x = 100.
        surface.ellipse(100, 100 - 10'000'000, 100 + 20'000'000, 100 + 10'000'000);
        const QList<QPoint> inked = inkedPixels(surface.image());
        QVERIFY(!inked.isEmpty());
        for (const QPoint& p : inked) QVERIFY(qAbs(p.x() - 100) <= 1);
    }

    void penBrushAndPositionPersistBetweenRuns() {
        RasterSurface surface;
        surface.createPicture(50, 50);
        surface.setPenColor(flow::Color::fromRgb(255, 0, 0));
        surface.setPenWidth(3);
        surface.setBrushClear();
        surface.moveTo(10, 10);
        surface.image();  // a run ends
        surface.lineTo(40, 10);
        QCOMPARE(surface.pixel(25, 10), flow::Color::fromRgb(255, 0, 0));
        QCOMPARE(surface.pixel(25, 11), flow::Color::fromRgb(255, 0, 0));  // width 3
        surface.setPenWidth(1);
        surface.ellipse(5, 20, 45, 45);
        QCOMPARE(surface.pixel(25, 32), flow::kWhite);  // clear brush: not filled
        surface.setBrushColor(flow::Color::fromRgb(0, 0, 255));
        surface.ellipse(5, 20, 45, 45);
        QCOMPARE(surface.pixel(25, 32), flow::Color::fromRgb(0, 0, 255));
    }

    void dottedPenLeavesGaps() {
        RasterSurface surface;
        surface.createPicture(100, 10);
        surface.setPenStyle(flow::PenStyle::Dot);
        surface.line({0, 5}, {99, 5});
        const int inked = static_cast<int>(inkedPixels(surface.image()).size());
        QVERIFY(inked > 20);
        QVERIFY(inked < 80);
    }

    void textUsesTheBrushAsBackground() {
        RasterSurface surface;
        surface.createPicture(60, 30);
        surface.setBrushColor(flow::Color::fromRgb(0, 255, 0));
        surface.textOut(2, 2, "И");
        QCOMPARE(surface.pixel(3, 3), flow::Color::fromRgb(0, 255, 0));
        surface.setBrushClear();
        surface.textOut(30, 2, "И");
        QCOMPARE(surface.pixel(31, 3), flow::kWhite);
    }

    void reportsTheChangedRectangleOnce() {
        RasterSurface surface;
        surface.createPicture(100, 100);
        int calls = 0;
        surface.setChangeListener([&] { ++calls; });
        surface.line({10, 10}, {20, 10});
        surface.line({30, 40}, {30, 50});
        QCOMPARE(calls, 1);
        const QRect changed = surface.takeChangedRect();
        QVERIFY(changed.contains(QPoint(10, 10)));
        QVERIFY(changed.contains(QPoint(30, 50)));
        QVERIFY(!changed.contains(QPoint(80, 80)));
        QVERIFY(surface.takeChangedRect().isEmpty());
        surface.line({0, 0}, {1, 1});
        QCOMPARE(calls, 2);
    }

    void missingPictureBecomesWhiteOfTheFallbackSize() {
        RasterSurface surface;
        surface.setFallbackSize([] { return QSize(70, 40); });
        QCOMPARE(surface.pixel(69, 39), flow::kWhite);
        QCOMPARE(surface.image().size(), QSize(70, 40));
    }
};

QTEST_MAIN(RasterSurfaceTest)
#include "raster_surface_test.moc"
