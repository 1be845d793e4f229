// Airfoil documents driven as a user drives them: the menu item, the dialog
// (C_L in the title, the Kutta condition, one undo step per change), the
// lines never inside the outline, the velocity click, and the construction
// file drawn again pixel for pixel.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/pressure_window.h"
#include "app/program.h"
#include "dialogs/airfoil_dialog.h"
#include "dialogs/dialogs.h"
#include "dialogs/streamline_dialog.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"
#include "document/raster_surface.h"
#include "gui_test_support.h"

namespace af = flow::airfoil;

class AirfoilTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    TAirfoilDialog& dialog() { return *form->dialogs().airfoilDialog; }
    void click(const char* button) { named<QToolButton>(form, button)->click(); }
    QString status() { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }

    TMDIChild* newAirfoil() {
        named<QAction>(form, "AirfoilItem")->trigger();
        return form->ActiveMDIChild();
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    // The item follows the superposition's; the dialog's items end the
    // element dialogs' group. C_L = 8 pi a sin(alpha + beta) / c in the
    // title, c measured on the outline; the Kutta condition off gives Г = 0
    // and moves the rear stagnation point off the trailing edge.
    void documentAndNumbers() {
        const QList<QAction*> items = named<QMenu>(form, "FileNewItem")->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[2]->objectName(), QString("AirfoilItem"));
        QVERIFY(named<QMenu>(form, "N2")
                    ->actions()
                    .indexOf(named<QAction>(form, "AirfoilSettingsItem")) ==
                named<QMenu>(form, "N2")->actions().indexOf(named<QAction>(form, "N6")) + 1);

        // The tool button opens an airfoil document with its dialog, and
        // then the dialog of the document it has.
        click("AirfoilButton");
        TMDIChild* d = form->ActiveMDIChild();
        QVERIFY(d && d->document().isAirfoil() && dialog().isVisible());
        click("AirfoilButton");
        QCOMPARE(form->MDIChildCount(), 1);
        QVERIFY(!d->document().isModified());
        QVERIFY(d->surface().image() != whitePicture(d->surface().image().size()));
        QCOMPARE(d->document().airfoilFlow()->geometry().chord(), 400.0);

        struct Row {
            int thickness, camber, halfDegrees;
        };
        for (const Row row : {Row{10, 5, 10}, Row{0, 0, 0}, Row{15, 10, -9}, Row{25, 20, 40}}) {
            dialog().thickness->setValue(row.thickness);
            dialog().camber->setValue(row.camber);
            dialog().angle->setValue(row.halfDegrees);
            const af::AirfoilFlow flow = *d->document().airfoilFlow();
            const af::JoukowskiCircle& circle = flow.geometry().circle();
            double left = 1e9, right = -1e9;
            for (const af::PicturePoint p : flow.geometry().outline()) {
                left = std::min(left, p.x);
                right = std::max(right, p.x);
            }
            const double expected = 8 * M_PI * circle.radius *
                                    std::sin(row.halfDegrees * M_PI / 360 + circle.beta()) /
                                    (right - left);
            const QString cl = QString("C_L = %1").arg(expected, 0, 'f', 3);
            QVERIFY2(d->windowTitle().contains(cl), qPrintable(d->windowTitle() + " / " + cl));
            QVERIFY2(status().contains(cl), qPrintable(status()));
        }

        const af::Complex trailing = d->document().airfoilFlow()->stagnationPoints().back();
        dialog().kutta->click();
        QVERIFY(d->windowTitle().contains("Г = 0.0;"));
        const af::Complex rear = d->document().airfoilFlow()->stagnationPoints().back();
        QVERIFY(std::abs(rear - trailing) > 1);
        QVERIFY(dialog().circulation->isEnabled());
        dialog().circulation->setValue(300);
        QVERIFY(d->windowTitle().contains("Г = 300.0;"));
    }

    // Streamlines and equipotentials drawn around the outline, none inside
    // it; an angle change draws again and is one undo step; the velocity
    // click; the file opens to the same pixels.
    void linesUndoAndFile() {
        TMDIChild* d = newAirfoil();
        click("SpeedButton1");
        click("SpeedButton17");
        const QImage lines = d->surface().image();
        const auto flow = d->document().airfoilFlow();
        const af::AirfoilGeometry& geometry = flow->geometry();
        int drawn = 0, inside = 0;
        for (int y = 0; y < lines.height(); ++y)
            for (int x = 0; x < lines.width(); ++x) {
                const bool white = (lines.pixel(x, y) & 0xffffff) == 0xffffff;
                drawn += !white;
                // Three pixels in from the outline, whose pen is two wide.
                bool deep = true;
                for (const QPoint step :
                     {QPoint(0, 0), QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3)})
                    deep = deep && !geometry.pictureToCircle(x + step.x(), y + step.y());
                inside += deep && !white;
            }
        QVERIFY(drawn > 20000);
        QCOMPARE(inside, 0);

        const int steps = d->document().history().count();
        dialog().angle->setValue(24);
        QCOMPARE(d->document().history().count(), steps + 1);
        QVERIFY(d->surface().image() != lines);
        d->document().history().undo();
        QCOMPARE(d->surface().image(), lines);
        d->document().history().redo();

        click("SpeedButton8");
        clickVelocityMarker(d, {120, 150});
        QVERIFY2(status().startsWith("Скорость в точке (120,150)"), qPrintable(status()));
        QTemporaryDir folder;
        const QString path = folder.filePath("wing.zef");
        writeConstructionFile(d->document().construction(), path);
        const Construction opened = readConstructionFile(path);
        QVERIFY(contents(path).contains("\"version\": 5"));
        RasterSurface surface;
        QVERIFY(surface.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, surface);
        QCOMPARE(surface.image(), d->surface().image());
    }

    // The pressure map lies under the lines drawn, the inside in the body's
    // grey; time marks on the streamlines, and on those drawn after them;
    // one undo step each; the file keeps it all and opens to the same pixels.
    void mapAndTimeMarks() {
        TMDIChild* d = newAirfoil();
        click("SpeedButton1");
        const QImage lines = d->surface().image();
        click("PressureMapButton");
        QCOMPARE(named<QAction>(form, "UndoItem")->text(), QString("&Отменить: поле давления"));
        const QImage map = d->surface().image();
        const flow::Color ink = form->dialogs().streamlineDialog->lineColor();
        int kept = 0;
        for (int y = 0; y < lines.height(); ++y)
            for (int x = 0; x < lines.width(); ++x)
                if (lines.pixel(x, y) == qRgb(ink.red(), ink.green(), ink.blue())) {
                    QCOMPARE(map.pixel(x, y), lines.pixel(x, y));
                    ++kept;
                }
        QVERIFY(kept > 1000);
        const af::AirfoilFlow flow = *d->document().airfoilFlow();
        const af::AirfoilGeometry& geometry = flow.geometry();
        QCOMPARE(map.pixel(geometry.width() / 2, geometry.height() / 2), qRgb(0xD8, 0xD8, 0xD8));

        click("TimeMarksButton");
        QVERIFY2(status().startsWith("Меток времени: ") && !status().startsWith("Меток времени: 0"),
                 qPrintable(status()));
        QVERIFY(d->surface().image() != map);
        d->document().history().undo();
        QCOMPARE(d->surface().image(), map);
        d->document().history().redo();
        const QImage marked = d->surface().image();
        form->dialogs().streamlineDialog->MarkInterval->setValue(35);
        click("SpeedButton1");  // lines drawn later carry marks too
        QVERIFY(d->surface().image() != marked);

        QTemporaryDir folder;
        const QString path = folder.filePath("marked.zef");
        writeConstructionFile(d->document().construction(), path);
        QVERIFY(contents(path).contains("\"version\": 6"));
        const Construction opened = readConstructionFile(path);
        RasterSurface surface;
        QVERIFY(surface.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, surface);
        QCOMPARE(surface.image(), d->surface().image());
    }

    // The pressure window: Cp against x/c on both surfaces, Cp = 1 at the
    // front stagnation point, the lowest on the upper surface at a positive
    // angle; without the Kutta condition both stagnation points are marked.
    void pressureOnBothSurfaces() {
        newAirfoil();
        for (const bool kutta : {true, false}) {
            dialog().kutta->setChecked(kutta);
            named<QAction>(form, "PressureWindowItem")->trigger();
            const std::optional<BodyPressure>& body =
                named<PressureWindow>(form, "PressureWindow")->body();
            QVERIFY(body && body->kind == BodyKind::Airfoil);
            QVERIFY(body->sampled.size() > 100 && body->lower.size() > 100);
            for (const auto* surface : {&body->sampled, &body->lower})
                QVERIFY(surface->front().at >= 0 && surface->back().at <= 1.0000001);
            QCOMPARE(body->stagnation.size(), std::size_t(kutta ? 1 : 2));
            for (const flow::maps::PressurePoint& p : body->stagnation)
                QVERIFY(std::abs(p.cp - 1) < 1e-3);
            if (kutta) {
                double lowestBelow = 1;
                for (const flow::maps::PressurePoint& p : body->lower)
                    lowestBelow = std::min(lowestBelow, p.cp);
                QVERIFY(body->lowest.cp < lowestBelow);
            }
        }
    }
};

QTEST_MAIN(AirfoilTest)
#include "airfoil_test.moc"
