// Superposition documents driven as a user drives them: the menu item, the
// element tools, the lines and the velocity of the sum, the elements' panel
// (edit, refusal, removal: the picture drawn again from the history),
// construction files, and inputs that leave nothing to draw.
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialogs/streamline_dialog.h"
#include "document/configuration_slots.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"
#include "document/velocity_marker.h"
#include "flow/geometry.h"
#include "gui_test_support.h"

namespace sp = flow::superposition;

namespace {

bool sameElements(const std::vector<sp::Element>& a, const std::vector<sp::Element>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].x != b[i].x || a[i].y != b[i].y ||
            a[i].strength != b[i].strength || a[i].circulation != b[i].circulation ||
            a[i].angle != b[i].angle)
            return false;
    return true;
}

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xffffff) == colour;
    return count;
}

constexpr QRgb kRed = 0xff0000;

}  // namespace

class SuperpositionTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    void click(const char* button) { named<QToolButton>(form, button)->click(); }
    QStatusBar* statusLine() { return named<QStatusBar>(form, "StatusBar"); }
    QString status() { return statusLine()->currentMessage(); }
    QTableView* table() { return named<QTableView>(form, "SuperpositionTable"); }
    QDockWidget* dock() { return named<QDockWidget>(form, "SuperpositionDock"); }

    TMDIChild* newSuperposition() {
        named<QAction>(form, "SuperpositionItem")->trigger();
        return form->ActiveMDIChild();
    }

    // A tool button, then a click on the picture.
    void place(TMDIChild* d, const char* tool, QPoint at) {
        click(tool);
        clickPicture(d, at);
    }

    // A Rankine oval as a user builds it: a stream, a source and a sink.
    TMDIChild* rankineOval() {
        TMDIChild* d = newSuperposition();
        place(d, "SpeedButton4", {60, 40});
        place(d, "SpeedButton11", {300, 300});
        click("SpeedButton15");
        named<QRadioButton>(form, "Panel1/RadioButton2")->click();
        clickPicture(d, {500, 300});
        return d;
    }

    void clickVelocityAt(TMDIChild* d, QPoint at) {
        click("SpeedButton8");
        d->Shape1->move(at - QPoint(3, 3));
        d->Shape1->show();
        QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        click("SpeedButton8");
    }

    // A new superposition document holding the elements, with the steps
    // that draw streamlines and equipotentials.
    QImage drawnFresh(const std::vector<sp::Element>& elements) {
        TMDIChild* d = newSuperposition();
        for (const sp::Element& e : elements) d->document().addSuperpositionElement(e);
        click("SpeedButton1");
        click("SpeedButton17");
        return d->surface().image();
    }

    // Edits a cell as a user does: its editor, the text, Enter.
    void editCell(int row, int column, const QString& text) {
        const QModelIndex index = table()->model()->index(row, column);
        table()->setCurrentIndex(index);
        table()->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(table()->indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the editor's text from the event loop.
        QCoreApplication::processEvents();
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    // The item follows the ordinary one; the panel shows with the active
    // document's kind.
    void menuItemAndPanel() {
        auto* newMenu = named<QMenu>(form, "FileNewItem");
        QCOMPARE(newMenu->actions().size(), 3);
        QCOMPARE(newMenu->actions()[0]->text(), QString("&Файл ..."));
        QCOMPARE(newMenu->actions()[1]->text(), QString("&Суперпозиция"));
        QVERIFY(!dock()->isVisible());

        TMDIChild* ordinary = newDocument(*form);
        QVERIFY(!ordinary->isSuperposition());
        QVERIFY(!dock()->isVisible());
        TMDIChild* d = newSuperposition();
        QVERIFY(d->isSuperposition());
        QCOMPARE(d->windowTitle(), QString("ZEF NONAME2 — суперпозиция"));
        QCOMPARE(d->surface().image(), whitePicture());
        QVERIFY(dock()->isVisible());
        QCOMPARE(table()->model()->rowCount(), 0);

        form->findChild<QMdiArea*>()->setActiveSubWindow(ordinary);
        QVERIFY(!dock()->isVisible());
        form->findChild<QMdiArea*>()->setActiveSubWindow(d);
        QVERIFY(dock()->isVisible());
        d->close();
        QVERIFY(!dock()->isVisible());
    }

    // Each tool adds one element with its dialog's strength; a second stream
    // takes the first one's place; the cylinder tools add nothing.
    void toolsAddElements() {
        TMDIChild* d = newSuperposition();
        place(d, "SpeedButton11", {100, 100});
        place(d, "SpeedButton12", {200, 100});
        place(d, "SpeedButton6", {300, 100});
        place(d, "SpeedButton9", {400, 100});
        place(d, "SpeedButton4", {500, 100});
        click("SpeedButton15");
        named<QRadioButton>(form, "Panel1/RadioButton2")->click();
        clickPicture(d, {600, 100});
        QVERIFY(!named<QToolButton>(form, "SpeedButton15")->isChecked());
        place(d, "SpeedButton5", {700, 100});
        QCOMPARE(d->pointer(), Qt::ArrowCursor);

        const std::vector<sp::Element> expected{
            sp::source(100, 100, 1500),
            sp::vortex(200, 100, -1000),
            sp::dipole(300, 100, flow::kTwoPi * 50, 0),
            sp::vortexSource(400, 100, 1000, -1000),
            {sp::ElementKind::Stream, 700, 100, 1, 0, 0},
            sp::sink(600, 100, 1500),
        };
        QVERIFY(sameElements(d->document().superpositionElements(), expected));
        QCOMPARE(table()->model()->rowCount(), 6);
        QCOMPARE(table()->model()->index(1, 0).data().toString(), QString("Вихрь"));
        QCOMPARE(table()->model()->index(1, 4).data().toString(), QString("-1000"));
        QVERIFY(!table()->model()->index(1, 3).data().isValid());
        // Each mark is on the picture.
        for (int x : {100, 200, 300, 400, 600})
            QVERIFY(pixelsOf(d->surface().image().copy(x - 4, 96, 9, 9), 0) > 8);
        QVERIFY(d->document().isModified());

        d->setPointer(Qt::CrossCursor);
        named<QToolButton>(form, "SpeedButton2")->setChecked(true);
        clickPicture(d, {50, 50});
        QVERIFY(status().contains("цилиндр собирается из диполя"));
        QCOMPARE(d->document().superpositionElements().size(), std::size_t{6});
        // No slot is written: the tools stay usable on the same document.
        QCOMPARE(readConfiguration(*d).kind(), FlowKind::Empty);
    }

    // The commands draw the sum's lines, the velocity click its velocity and
    // numbers; the ordinary documents' messages and the tracer's outcomes
    // are said in the status bar.
    void linesAndVelocity() {
        TMDIChild* d = newSuperposition();
        click("SpeedButton1");
        QCOMPARE(status(), QString("Нет элемента: сначала поставьте элемент на поле"));
        QCOMPARE(d->surface().image(), whitePicture());

        d = rankineOval();
        const QImage marks = d->surface().image();
        click("SpeedButton1");
        const QImage streamlines = d->surface().image();
        QVERIFY(pixelsOf(streamlines, kRed) > 2000);
        click("SpeedButton17");
        QVERIFY(d->surface().image() != streamlines);
        QVERIFY(marks != streamlines);

        // Above the oval the flow runs to the right.
        QImage before = d->surface().image();
        clickVelocityAt(d, {400, 150});
        QVERIFY(d->surface().image() != before);
        QVERIFY(status().startsWith("Скорость в точке (400,150): |V| = "));
        QVERIFY(status().contains("угол 0.0°") || status().contains("угол -0.0°"));
        // At an element itself there is no velocity, and nothing is drawn.
        before = d->surface().image();
        const std::size_t steps = d->document().construction().steps.size();
        clickVelocityAt(d, {300, 300});
        QVERIFY2(status().startsWith("Скорость не нарисована"), qPrintable(status()));
        QCOMPARE(d->surface().image(), before);
        QCOMPARE(d->document().construction().steps.size(), steps);

        TMDIChild* cancelled = newSuperposition();
        cancelled->document().addSuperpositionElement(sp::source(400, 300, 1500));
        cancelled->document().addSuperpositionElement(sp::sink(400, 300, 1500));
        click("SpeedButton1");
        QVERIFY(status().startsWith("Линии не построены"));

        // Streamlines of a fast stream half a pixel apart: said so.
        TMDIChild* dense = newSuperposition();
        dense->document().addSuperpositionElement(sp::stream(100, 0));
        click("SpeedButton1");
        QVERIFY2(status().contains("линии легли бы ближе двух пикселей"), qPrintable(status()));
    }

    // The evenly spaced mode is the streamline dialog's, off by default, and
    // kept with the step that read it.
    void evenlySpacedCheckBox() {
        auto* evenly = named<QCheckBox>(program->dialogs().streamlineDialog, "CheckBox2");
        QVERIFY(!evenly->isChecked());
        TMDIChild* d = rankineOval();
        click("SpeedButton1");
        const QImage byLevel = d->surface().image();
        evenly->setChecked(true);
        TMDIChild* e = rankineOval();
        click("SpeedButton1");
        QVERIFY(e->surface().image() != byLevel);
        const ConstructionStep step = e->document().construction().steps.back();
        QCOMPARE(step.settings.value("streamlines.evenlySpaced"), flow::SettingValue(true));
    }

    // An edit or a removal draws the picture again from the history, as a
    // document made with the new elements draws it; bad values are refused.
    void panelEditAndRemove() {
        TMDIChild* d = rankineOval();
        click("SpeedButton1");
        click("SpeedButton17");
        editCell(1, 3, "2500");
        std::vector<sp::Element> now = d->document().superpositionElements();
        QCOMPARE(now[1].strength, 2500.0);
        const QImage edited = d->surface().image();

        editCell(2, 1, "abc");
        QVERIFY(status().contains("не число"));
        editCell(2, 3, "-5");
        QVERIFY(status().startsWith("Не принято: Q: -5 вне пределов 0.."));
        editCell(0, 5, "400");
        QVERIFY(status().contains("угол: 400 вне пределов"));
        QVERIFY(sameElements(d->document().superpositionElements(), now));
        QCOMPARE(d->surface().image(), edited);
        // Cells the kind does not use cannot be edited.
        QVERIFY(!(table()->model()->flags(table()->model()->index(1, 4)) & Qt::ItemIsEditable));

        QCOMPARE(drawnFresh(now), edited);
        form->findChild<QMdiArea*>()->setActiveSubWindow(d);
        QCOMPARE(table()->model()->rowCount(), 3);

        table()->setFocus();
        table()->setCurrentIndex(table()->model()->index(2, 0));
        QTest::keyClick(table(), Qt::Key_Delete);
        now.erase(now.begin() + 2);
        QVERIFY(sameElements(d->document().superpositionElements(), now));
        QCOMPARE(table()->model()->rowCount(), 2);
        const QImage removed = d->surface().image();
        named<QPushButton>(form, "SuperpositionRemove")->click();
        named<QPushButton>(form, "SuperpositionRemove")->click();
        QVERIFY(d->document().superpositionElements().empty());
        named<QPushButton>(form, "SuperpositionRemove")->click();
        QVERIFY(status().contains("Выберите в таблице элемент"));
        QCOMPARE(d->surface().image(), whitePicture());
        QCOMPARE(drawnFresh(now), removed);
    }

    // Saved and opened again: the same elements, steps and picture; the
    // format's version tells superposition files from ordinary ones, which
    // stay as they were; steps of the other kind of document are refused.
    void filesRoundTrip() {
        QTemporaryDir folder;
        TMDIChild* d = rankineOval();
        d->document().addSuperpositionElement(sp::vortex(420, 200, 700.5));
        click("SpeedButton1");
        click("SpeedButton17");
        clickVelocityAt(d, {400, 120});
        click("SpeedButton7");
        clickPicture(d, {40, 500});
        typeText(d->EditText, "Овал");
        click("SpeedButton7");
        const QString file = folder.filePath("oval.zef");
        writeConstructionFile(d->document().construction(), file);
        const QByteArray json = contents(file);
        QVERIFY(json.contains("\"version\": 2"));
        QVERIFY(json.contains("\"superposition\": true"));
        QVERIFY(json.contains("\"kind\": \"vortex\""));

        QVERIFY(form->openConstruction(file));
        TMDIChild* reopened = form->ActiveMDIChild();
        QVERIFY(reopened != d && reopened->isSuperposition());
        QCOMPARE(reopened->windowTitle(), QString("oval.zef — суперпозиция"));
        QVERIFY(sameElements(reopened->document().superpositionElements(),
                             d->document().superpositionElements()));
        QCOMPARE(reopened->surface().image(), d->surface().image());
        QVERIFY(!reopened->document().isModified());
        QCOMPARE(table()->model()->rowCount(), 4);

        TMDIChild* ordinary = newDocument(*form);
        writeConstructionFile(ordinary->document().construction(), folder.filePath("plain.zef"));
        QVERIFY(contents(folder.filePath("plain.zef")).contains("\"version\": 1"));
        QVERIFY(!contents(folder.filePath("plain.zef")).contains("superposition"));

        const QList<std::pair<QByteArray, QByteArray>> refused{
            {QByteArray(json).replace("\"superposition\": true", "\"superposition\": false"),
             "не бывает в документе без суперпозиции"},
            {contents(file).replace("\"strength\": 1500", "\"strength\": -1500"),
             "Q: -1500 вне пределов"},
            {contents(file).replace("\"kind\": \"vortex\"", "\"kind\": \"whirl\""),
             "неизвестный вид элемента «whirl»"},
        };
        for (const auto& [bytes, problem] : refused) {
            writeFile(folder.filePath("bad.zef"), bytes);
            const int before = form->MDIChildCount();
            std::unique_ptr<ModalAnswer> box(acceptNextMessageBox());
            QVERIFY(!form->openConstruction(folder.filePath("bad.zef")));
            QVERIFY2(box->text().contains(QString::fromUtf8(problem)), qPrintable(box->text()));
            QCOMPARE(form->MDIChildCount(), before);
        }
    }

    // Coincident, zero and far elements and a hundred elements: the program
    // stays responsive and says so where nothing can be drawn.
    void badInput() {
        const QList<std::pair<const char*, std::vector<sp::Element>>> nothing{
            {"zero strengths",
             {sp::source(300, 300, 0), sp::vortex(400, 300, 0), sp::stream(0, 0)}},
            {"coincident, cancelling",
             {sp::vortex(400, 300, 800), sp::vortex(400, 300, -800), sp::dipole(200, 200, 0, 30)}},
        };
        for (const auto& [name, elements] : nothing) {
            TMDIChild* d = newSuperposition();
            for (const sp::Element& e : elements) d->document().addSuperpositionElement(e);
            const QImage marks = d->surface().image();
            for (const char* command : {"SpeedButton1", "SpeedButton17"}) {
                click(command);
                QVERIFY2(status().startsWith("Линии не построены"), name);
            }
            QCOMPARE(d->surface().image(), marks);
        }

        // Far outside the field, the lines of a stream still cross it.
        TMDIChild* far = newSuperposition();
        far->document().addSuperpositionElement(sp::source(-900000, 5000, 1e6));
        far->document().addSuperpositionElement(sp::stream(2, 30));
        click("SpeedButton1");
        QVERIFY(pixelsOf(far->surface().image(), kRed) > 1000);

        TMDIChild* crowd = newSuperposition();
        for (int i = 0; i < 100; ++i)
            crowd->document().addSuperpositionElement(
                i % 2 ? sp::source(37 * i % 800, 23 * i % 600, 900)
                      : sp::vortex(53 * i % 800, 31 * i % 600, -700));
        QElapsedTimer clock;
        clock.start();
        click("SpeedButton1");
        click("SpeedButton17");
        QVERIFY(clock.elapsed() < 120'000);
        QVERIFY(crowd->surface().image() != whitePicture());
        QCOMPARE(table()->model()->rowCount(), 100);
    }

    // Two thousand elements opened from a file, and then one of them edited:
    // the work budget leaves lines undrawn, and the status line says so.
    void manyElementsSaySo() {
        QTemporaryDir folder;
        TMDIChild* d = newSuperposition();
        d->document().addSuperpositionElement(sp::stream(1, 15));
        click("SpeedButton1");
        Construction many = d->document().construction();
        for (int i = 1; i < 2000; ++i) {
            const double x = 389 * i % 800, y = 263 * i % 600, q = 97 * i % 2000;
            const sp::Element e = i % 2 ? sp::source(x, y, q) : sp::vortex(x, y, -q);
            many.steps.insert(many.steps.begin(), {SuperpositionElementStep{e, many.font}, {}});
        }
        const QString file = folder.filePath("many.zef");
        writeConstructionFile(many, file);
        const QString cut =
            "Построены не все линии: для стольких элементов не хватило отведённой работы";
        QVERIFY(form->openConstruction(file));
        QCOMPARE(status(), cut);
        statusLine()->clearMessage();
        editCell(0, 3, "1000");
        QCOMPARE(status(), cut);
    }
};

QTEST_MAIN(SuperpositionTest)
#include "superposition_test.moc"
