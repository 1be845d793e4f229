// The document's raster surface: clipping of far-off geometry, the state it
// keeps between operations, and the rectangle it reports for repainting.
#include <QTest>

#include "document/raster_surface.h"

namespace {

QList<QPoint> inkedPixels(const QImage& picture) {
    QList<QPoint> inked;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255)) inked.append({x, y});
    return inked;
}

}  // namespace

class RasterSurfaceTest : public QObject {
    Q_OBJECT
private slots:
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
        far.line({-3'000'000'000'000LL, -3'000'000'000'000LL}, {3'000'000'000'000LL, 3'000'000'000'000LL});
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
