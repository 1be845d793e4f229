// A superposition element dragged with the mouse ends in the picture of the
// element placed where the drag ended; Esc puts it back; a drag, and a series
// of wheel notches, is one step. So does an ordinary document's element, its
// partner and a cylinder's outline, with the commands drawn for it.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "gui_test_support.h"

class ElementDragTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    void click(const char* button) { named<QToolButton>(form, button)->click(); }

    // A stream, a source and a sink at `sink`, with streamlines, built click by click.
    TMDIChild* oval(QPoint sink) {
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* d = form->ActiveMDIChild();
        click("SpeedButton4");
        clickPicture(d, {60, 40});
        click("SpeedButton11");
        clickPicture(d, {300, 300});
        click("SpeedButton15");
        named<QWidget>(form, "Panel1/RadioButton2")->setProperty("checked", true);
        clickPicture(d, sink);
        click("SpeedButton1");
        return d;
    }

    void drag(TMDIChild* d, QPoint from, QPoint to, bool escape = false) {
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(d->Image, from + (to - from) * step / 4);
        if (escape) QTest::keyClick(form, Qt::Key_Escape);
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, to);
    }

    // An ordinary document built click by click: the element (a pair's or a
    // stream's second point too), streamlines, the lines of equal potential
    // where there are any, the velocity at (520, 210) for a cylinder and a
    // label for a stream.
    TMDIChild* ordinary(const QString& flow, QPoint at, int second, int radius) {
        TMDIChild* d = newDocument(*form);
        if (flow.startsWith("cylinder")) {
            form->dialogs().cylinderDialog->TrackBar1->setValue(radius);
            click(flow == "cylinder" ? "SpeedButton2" : "SpeedButton16");
            form->dialogs().cylinderDialog->BitBtn1->click();
            clickPicture(d, at);
            click("SpeedButton1");
            click("SpeedButton17");
            click("SpeedButton8");
            clickVelocityMarker(d, {520, 210});
            click("SpeedButton8");
        } else if (flow == "pair") {
            click("SpeedButton15");
            clickPicture(d, at);
            clickPicture(d, {second, at.y() + 40});
            click("SpeedButton1");
        } else {
            click("SpeedButton4");
            clickPicture(d, at);
            click("SpeedButton1");
            click("SpeedButton17");
            click("SpeedButton5");
            clickPicture(d, {second, at.y()});
            // A label stays where it was stamped.
            click("SpeedButton7");
            clickPicture(d, {40, 30});
            typeText(d->EditText, "Поток");
            click("SpeedButton7");
        }
        return d;
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    void aDragEndsWhereAPlacedElementWouldBeAndIsOneStep() {
        const QImage placedThere = oval({450, 330})->surface().image();
        TMDIChild* d = oval({500, 300});
        const QImage before = d->surface().image();
        const int steps = d->document().history().count();

        drag(d, {501, 299}, {451, 329}, true);  // Esc puts it back
        QCOMPARE(d->surface().image(), before);
        QCOMPARE(d->document().history().count(), steps);

        // The picture follows the pointer from the worker: the move returns
        // at once, the event loop turns, and the new picture comes.
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, {501, 299});
        QTest::mouseMove(d->Image, {481, 309});
        QCOMPARE(d->surface().image(), before);
        QTRY_VERIFY(d->surface().image() != before);
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, {481, 309});
        named<QAction>(form, "UndoItem")->trigger();

        drag(d, {501, 299}, {451, 329});
        QCOMPARE(d->surface().image(), placedThere);
        QCOMPARE(d->pointer(), Qt::ArrowCursor);
        auto* undo = named<QAction>(form, "UndoItem");
        QCOMPARE(undo->text(), QString("&Отменить: перемещение элемента"));
        undo->trigger();
        QCOMPARE(d->surface().image(), before);

        // Two notches of the wheel on the source are one step, undone at once.
        for (int notch = 0; notch < 2; ++notch) {
            QWheelEvent wheel({300, 300}, d->Image->mapToGlobal(QPointF(300, 300)), {},
                              {0, QWheelEvent::DefaultDeltasPerStep}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(d->Image, &wheel);
        }
        QCOMPARE(d->document().superpositionElements()[1].strength, 1700.0);
        undo->trigger();
        QCOMPARE(d->document().superpositionElements()[1].strength, 1500.0);
        QCOMPARE(d->surface().image(), before);

        // With an element tool armed a press places instead of taking the mark.
        click("SpeedButton11");
        clickPicture(d, {501, 299});
        QCOMPARE(d->document().superpositionElements().size(), std::size_t{4});
    }

    // A hundred elements' lines take long to draw: while the picture for a
    // move is drawn the event loop keeps turning, and the picture comes.
    void theWindowAnswersWhileAHundredElementsAreDrawn() {
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* d = form->ActiveMDIChild();
        d->document().addSuperpositionElement(flow::superposition::stream(1, 15));
        for (int i = 1; i < 100; ++i) {
            const double x = 40 + (i * 37) % 720, y = 40 + (i * 53) % 520;
            d->document().addSuperpositionElement(i % 2 ? flow::superposition::source(x, y, 900)
                                                        : flow::superposition::vortex(x, y, 700));
        }
        click("SpeedButton1");
        click("SpeedButton17");
        const QImage before = d->surface().image();
        const QPoint mark(40 + 37, 40 + 53);
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, mark);
        QTest::mouseMove(d->Image, mark + QPoint(15, 10));
        int turns = 0;
        while (d->surface().image() == before && turns < 1000000) {
            QTimer::singleShot(0, [] {});
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            ++turns;
        }
        QVERIFY(d->surface().image() != before);
        QVERIFY2(turns >= 3, qPrintable(QString::number(turns)));
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, mark + QPoint(15, 10));
    }

    void ordinaryElementsDragLikePlacedOnes_data() {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("placed");  // the first element, where it ends
        QTest::addColumn<int>("second");     // the partner's x, where it ends
        QTest::addColumn<int>("radius");
        QTest::addColumn<QString>("step");
        const QString moved = "перемещение элемента";
        QTest::newRow("cylinder with circulation")
            << "cylinderCirculation" << QPoint(401, 299) << QPoint(451, 329) << QPoint(450, 330)
            << 0 << 100 << moved;
        // The partner moves along the first point's line.
        QTest::newRow("pair's second point") << "pair" << QPoint(499, 301) << QPoint(439, 341)
                                             << QPoint(400, 300) << 440 << 0 << moved;
        // The first element takes its partner along.
        QTest::newRow("source with its sink") << "stream" << QPoint(400, 300) << QPoint(280, 330)
                                              << QPoint(280, 330) << 330 << 0 << moved;
        // The outline pulled changes the radius (the title quotes it), held
        // within the dialog's range.
        QTest::newRow("cylinder's radius") << "cylinder" << QPoint(498, 302) << QPoint(530, 300)
                                           << QPoint(400, 300) << 0 << 130 << "изменение радиуса";
        QTest::newRow("radius held") << "cylinder" << QPoint(400, 201) << QPoint(400, 280)
                                     << QPoint(400, 300) << 0 << 50 << "изменение радиуса";
    }

    void ordinaryElementsDragLikePlacedOnes() {
        QFETCH(QString, flow);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, placed);
        QFETCH(int, second);
        QFETCH(int, radius);
        QFETCH(QString, step);
        TMDIChild* there = ordinary(flow, placed, second, radius);
        const QImage placedThere = there->surface().image();
        const QString title = there->document().construction().title();
        TMDIChild* d = ordinary(flow, {400, 300}, flow == "pair" ? 500 : 450, 100);
        const QImage before = d->surface().image();
        QVERIFY(before != placedThere);
        const QString titleBefore = d->document().construction().title();
        const int steps = d->document().history().count();

        drag(d, from, to, true);
        QCOMPARE(d->surface().image(), before);
        QCOMPARE(d->document().history().count(), steps);

        drag(d, from, to);
        QCOMPARE(d->surface().image(), placedThere);
        QCOMPARE(d->document().construction().title(), title);
        QCOMPARE(d->document().history().count(), steps + 1);
        auto* undo = named<QAction>(form, "UndoItem");
        QCOMPARE(undo->text(), "&Отменить: " + step);
        undo->trigger();
        QCOMPARE(d->surface().image(), before);
        QCOMPARE(d->document().construction().title(), titleBefore);
    }
};

QTEST_MAIN(ElementDragTest)
#include "element_drag_test.moc"
