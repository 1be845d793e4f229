// Every kind of step undone and redone through the "&Правка" menu gives the
// picture, the caption, the slots, the marks and the strength panel exactly
// as they were before and after it.
#include <QAbstractItemModel>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

namespace {

// What a step may change, as the user sees it.
struct Seen {
    QImage picture;
    QString caption;
    QString slotTexts;
    bool thetaShown = false;
    bool panelShown = false;
    int elementRows = 0;
    bool operator==(const Seen&) const = default;
};

struct Row {
    const char* step;  // the step's name in the menu
    bool superposition;
    std::function<void(TMainForm&, TMDIChild*)> act;
};

void click(TMainForm& form, const char* button) {
    named<QToolButton>(&form, button)->click();
}

// An element tool down with the cross, then a click on the picture.
void placeWith(TMainForm& form, TMDIChild* d, const char* tool, QPoint at) {
    d->setPointer(Qt::CrossCursor);
    TMainForm::press(named<QToolButton>(&form, tool));
    clickPicture(d, at);
}

void labelAt(TMainForm& form, TMDIChild* d, QPoint at, const QString& text) {
    click(form, "SpeedButton7");
    clickPicture(d, at);
    QTest::keyClick(d->EditText, Qt::Key_Delete);  // an opened label's text is all selected
    typeText(d->EditText, text);
    click(form, "SpeedButton7");
}

void velocityAt(TMainForm& form, TMDIChild* d, QPoint at) {
    click(form, "SpeedButton8");
    d->Shape1->move(at - QPoint(3, 3));
    d->Shape1->show();
    QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    click(form, "SpeedButton8");
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    Seen seen(TMDIChild* d) {
        QString slotTexts;
        for (const QLabel* slot :
             {d->XCIL, d->YCIL, d->RCIL, d->Istok, d->Stok, d->X2, d->Y2, d->ISTOK2, d->STOK2,
              d->Dipol, d->Vihrestok, d->IorS, d->Vihr, d->A})
            slotTexts += slot->text() + "|";
        return {d->surface().image(),
                d->windowTitle(),
                slotTexts,
                d->Image1->isVisibleTo(d),
                named<QWidget>(form, "Panel1")->isVisible(),
                named<QTableView>(form, "SuperpositionTable")->model()->rowCount()};
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    void everyStepUndoesAndRedoesExactly() {
        const Row rows[] = {
            {"размещение элемента", false,
             [](TMainForm& f, TMDIChild* d) {
                 placeWith(f, d, "SpeedButton2", {400, 300});
             }},
            {"линии тока", false, [](TMainForm& f, TMDIChild*) { click(f, "SpeedButton1"); }},
            {"линии равного потенциала", false,
             [](TMainForm& f, TMDIChild*) { click(f, "SpeedButton17"); }},
            {"векторы скорости", false,
             [](TMainForm& f, TMDIChild* d) {
                 velocityAt(f, d, {520, 210});
             }},
            {"надпись", false,
             [](TMainForm& f, TMDIChild* d) {
                 labelAt(f, d, {60, 60}, "AB");
             }},
            {"изменение надписи", false,
             [](TMainForm& f, TMDIChild* d) {
                 labelAt(f, d, {63, 66}, "CDE");
             }},
            {"удаление элемента", false,
             [](TMainForm& f, TMDIChild*) { named<QAction>(&f, "DeleteElementItem")->trigger(); }},
            {"удаление надписи", false,
             [](TMainForm& f, TMDIChild* d) {
                 labelAt(f, d, {63, 66}, "");
             }},
            {"добавление элемента", true,
             [](TMainForm& f, TMDIChild* d) {
                 placeWith(f, d, "SpeedButton4", {60, 40});
             }},
            {"добавление элемента", true,
             [](TMainForm& f, TMDIChild* d) {
                 placeWith(f, d, "SpeedButton11", {300, 300});
             }},
            {"линии тока", true, [](TMainForm& f, TMDIChild*) { click(f, "SpeedButton1"); }},
            {"изменение элемента", true,
             [](TMainForm& f, TMDIChild*) {
                 auto* model = named<QTableView>(&f, "SuperpositionTable")->model();
                 model->setData(model->index(1, 1), "350", Qt::EditRole);
             }},
            {"векторы скорости", true,
             [](TMainForm& f, TMDIChild* d) {
                 velocityAt(f, d, {450, 200});
             }},
            {"удаление элемента", true,
             [](TMainForm& f, TMDIChild*) {
                 named<QTableView>(&f, "SuperpositionTable")->selectRow(0);
                 named<QPushButton>(&f, "SuperpositionRemove")->click();
             }},
        };
        TMDIChild* ordinary = newDocument(*form);
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* superposition = form->ActiveMDIChild();
        auto* undo = named<QAction>(form, "UndoItem");
        auto* redo = named<QAction>(form, "RedoItem");
        for (const Row& row : rows) {
            TMDIChild* d = row.superposition ? superposition : ordinary;
            form->findChild<QMdiArea*>("Workspace")->setActiveSubWindow(d);
            const Seen before = seen(d);
            row.act(*form, d);
            const Seen after = seen(d);
            QVERIFY2(!(after == before), row.step);
            QCOMPARE(undo->text(), QString("&Отменить: ") + row.step);
            undo->trigger();
            QVERIFY2(seen(d) == before, row.step);
            QCOMPARE(redo->text(), QString("&Повторить: ") + row.step);
            redo->trigger();
            QVERIFY2(seen(d) == after, row.step);
            QVERIFY(d->document().isModified());
        }
    }

    // The pair's second point: undoing it brings back the panel and the
    // tool waiting for that point.
    void thePairsSecondPointComesBackToThePanel() {
        TMDIChild* d = newDocument(*form);
        click(*form, "SpeedButton15");
        clickPicture(d, {300, 300});
        const Seen waiting = seen(d);
        QVERIFY(waiting.panelShown);
        clickPicture(d, {500, 300});
        const Seen placed = seen(d);
        QVERIFY(!placed.panelShown);
        QTest::keyClick(d->Image, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(seen(d) == waiting);
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());
        clickPicture(d, {500, 300});
        QVERIFY(seen(d) == placed);
        QTest::keyClick(d->Image, Qt::Key_Delete);
        QCOMPARE(d->surface().image(), whitePicture());
        QTest::keyClick(d->Image, Qt::Key_Y, Qt::ControlModifier);  // nothing to redo
        QTest::keyClick(d->Image, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(seen(d) == placed);
        // Undo history ends with its document: the items then have nothing.
        d->document().markSaved();
        d->close();
        QVERIFY(!named<QAction>(form, "UndoItem")->isEnabled());
        QCOMPARE(named<QAction>(form, "UndoItem")->text(), QString("&Отменить"));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
