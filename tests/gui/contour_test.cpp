// The contour tool driven with the mouse: circles dragged and polygons
// clicked around a vortex, a source and a cylinder with circulation, their
// numbers and what lies inside, contours refused, Esc, undo and files.
#include "document/contour.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/raster_surface.h"
#include "gui_test_support.h"

namespace sp = flow::superposition;

namespace {

void dragCircle(TMDIChild* d, QPoint centre, int radius) {
    QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, centre);
    moveHeld(d, centre + QPoint(radius / 2, 0));
    moveHeld(d, centre + QPoint(radius, 0));
    QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, centre + QPoint(radius, 0));
}

void clickPolygon(TMDIChild* d, const std::vector<QPoint>& corners) {
    for (const QPoint corner : corners) {
        movePicture(d, corner);
        clickPicture(d, corner);
    }
    QTest::mouseDClick(d->Image, Qt::LeftButton, Qt::NoModifier, corners.back());
}

struct Case {
    const char* name;
    std::function<TMDIChild*(TMainForm&)> document;
    std::function<void(TMDIChild*)> draw;
    QString status;
    QString numbers;  // the landmarks' line after the contour's shape; empty: nothing kept
};

TMDIChild* superposition(TMainForm& form, const std::vector<sp::Element>& elements) {
    named<QAction>(&form, "SuperpositionItem")->trigger();
    TMDIChild* d = form.ActiveMDIChild();
    for (const sp::Element& e : elements) d->document().addSuperpositionElement(e);
    return d;
}

}  // namespace

class ContourTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QString status() { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }
    QToolButton* tool() { return named<QToolButton>(form, "ContourButton"); }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    // Each contour drawn as a user draws it: its numbers beside it, what is
    // inside in the status line, one step undone as one.
    void contoursAroundElements() {
        const std::vector<QPoint> square{{300, 200}, {500, 200}, {500, 400}, {300, 400}};
        const std::vector<Case> cases{
            {"circle round a vortex",
             [](TMainForm& f) { return superposition(f, {sp::vortex(400, 300, 800)}); },
             [](TMDIChild* d) {
                 dragCircle(d, {400, 300}, 100);
             },
             "Внутри контура: вихрь", "Г = 800.0, Q = 0; внутри: вихрь"},
            {"square round a source beside a vortex",
             [](TMainForm& f) {
                 return superposition(
                     f, {sp::source(410, 290, 1500), sp::vortex(600, 300, 900), sp::stream(2, 0)});
             },
             [&](TMDIChild* d) { clickPolygon(d, square); }, "Внутри контура: исток",
             "Г = 0, Q = 1500; внутри: исток"},
            {"circle round a cylinder with circulation, ρ = 1.5",
             [](TMainForm& f) {
                 TMDIChild* d = newDocument(f);
                 for (const PlacedConfiguration& c : placedConfigurations())
                     if (c.name == "cylinder with circulation") c.place(f, d, {400, 300});
                 named<QDoubleSpinBox>(&f, "DensityBox")->setValue(1.5);
                 return d;
             },
             [](TMDIChild* d) {
                 dragCircle(d, {400, 300}, 160);
             },
             "Внутри контура: цилиндр; подъёмная сила на единицу размаха L′ = ρUГ = 1500, "
             "сопротивление D = 0",
             "Г = 1000, Q = 0; внутри: цилиндр; L′ = 1500, D = 0"},
            {"nothing inside",
             [](TMainForm& f) { return superposition(f, {sp::vortex(400, 300, 800)}); },
             [](TMDIChild* d) {
                 dragCircle(d, {650, 300}, 100);
             },
             "Внутри контура нет элементов", "Г = 0, Q = 0; внутри нет элементов"},
            {"through a source",
             [](TMainForm& f) { return superposition(f, {sp::source(400, 300, 1500)}); },
             [](TMDIChild* d) {
                 dragCircle(d, {300, 300}, 100);
             },
             "Контур проходит через особую точку: Г и Q не определены",
             {}},
            {"polygon on a line",
             [](TMainForm& f) { return superposition(f, {sp::source(400, 300, 1500)}); },
             [](TMDIChild* d) {
                 clickPolygon(d, {{100, 100}, {200, 200}, {300, 300}});
             },
             "Контур не построен: у многоугольника нет площади (нужны три вершины не на одной "
             "прямой)",
             {}},
            {"no element",
             [](TMainForm& f) { return newDocument(f); },
             [](TMDIChild* d) {
                 dragCircle(d, {300, 300}, 100);
             },
             "Нет элемента: сначала поставьте элемент на поле",
             {}},
        };
        for (const Case& c : cases) {
            if (tool()->isChecked()) tool()->click();
            TMDIChild* d = c.document(*form);
            tool()->click();
            const QImage before = d->surface().image();
            const int history = d->document().history().count();
            c.draw(d);
            QVERIFY2(status() == c.status, qPrintable(QString(c.name) + ": " + status()));
            const QString text = contoursText(d->document().construction());
            if (c.numbers.isEmpty()) {
                QVERIFY2(text.isEmpty(), c.name);
                QCOMPARE(d->document().history().count(), history);
                QCOMPARE(d->surface().image(), before);
                continue;
            }
            QVERIFY2(text.endsWith(": " + c.numbers + "\n"), qPrintable(text));
            QVERIFY(d->surface().image() != before);
            QCOMPARE(named<QAction>(form, "UndoItem")->text(), QString("&Отменить: контур"));
            named<QAction>(form, "UndoItem")->trigger();
            QCOMPARE(d->surface().image(), before);
            QVERIFY(contoursText(d->document().construction()).isEmpty());
        }
    }

    // Esc or another tool drops a contour being drawn; a contour kept is
    // written to its file as format 4 and drawn again the same.
    void escapeAndFiles() {
        TMDIChild* d = superposition(*form, {sp::vortex(400, 300, 800), sp::source(200, 150, 900)});
        const QImage marks = d->surface().image();
        tool()->click();
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, {400, 300});
        moveHeld(d, {480, 300});
        QTest::keyClick(form, Qt::Key_Escape);
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, {480, 300});
        clickPicture(d, {100, 100});
        clickPicture(d, {150, 100});
        named<QToolButton>(form, "SpeedButton7")->click();
        QVERIFY(!tool()->isChecked());
        QCOMPARE(d->document().history().count(), 2);
        QCOMPARE(d->surface().image(), marks);

        tool()->click();
        dragCircle(d, {400, 300}, 80);
        clickPolygon(d, {{150, 100}, {260, 110}, {250, 200}, {140, 190}});
        const QString text = contoursText(d->document().construction());
        QCOMPARE(text.count("\n"), 2);
        QVERIFY2(text.contains("многоугольник из 4 вершин: Г = 0, Q = 900.0; внутри: исток"),
                 qPrintable(text));
        const QTemporaryDir folder;
        writeConstructionFile(d->document().construction(), folder.filePath("contour.zef"));
        QVERIFY(contents(folder.filePath("contour.zef")).contains("\"version\": 4"));
        const Construction opened = readConstructionFile(folder.filePath("contour.zef"));
        QCOMPARE(contoursText(opened), text);
        RasterSurface reopened;
        QVERIFY(reopened.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, reopened);
        QCOMPARE(reopened.image(), d->surface().image());
    }
};

QTEST_MAIN(ContourTest)
#include "contour_test.moc"
