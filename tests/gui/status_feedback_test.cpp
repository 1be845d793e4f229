// The status bar says why a command or a click left the document as it was.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

namespace {

const QString kNoElement = "Нет элемента: сначала поставьте элемент на поле";
const QString kNoEquipotentials = "Для этой конфигурации линии равного потенциала не строятся";
const QString kElementPresent = "На поле уже есть элемент";
const QString kNotOnLine = "Щёлкните по нарисованной линии: скорость показывается в точке на линии";

void placeAt(TMDIChild* d, int x, int y) {
    writeSlot(d->XCIL, x);
    writeSlot(d->YCIL, y);
}

}  // namespace

class StatusFeedbackTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QString status() const { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }
    void clickButton(const char* name) { named<QToolButton>(form, name)->click(); }

  private slots:
    void init() { QVERIFY(startProgram(program, form)); }
    void cleanup() { program.reset(); }

    void commandsOnAnEmptyDocument() {
        TMDIChild* d = newDocument(*form);
        for (const char* command : {"SpeedButton1", "SpeedButton17"}) {
            movePicture(d, {10, 10});
            clickButton(command);
            QCOMPARE(status(), kNoElement);
            QCOMPARE(d->windowTitle(), QString("ZEF NONAME1"));
        }
        // Until the pointer moves.
        movePicture(d, {12, 10});
        QCOMPARE(status(), QString("   12,10"));
    }

    void equipotentialsOfTwoElementConfigurations() {
        TMDIChild* pair = newDocument(*form);
        writeSlot(pair->A, QString());
        writeSlot(pair->Istok, 1500);
        writeSlot(pair->Stok, 1500);
        writeSlot(pair->X2, 300);
        writeSlot(pair->Y2, 200);
        placeAt(pair, 100, 200);
        TMDIChild* partnered = newDocument(*form);
        writeSlot(partnered->Istok, 1500);
        writeSlot(partnered->STOK2, 1500);
        writeSlot(partnered->X2, 300);
        writeSlot(partnered->Y2, 200);
        placeAt(partnered, 100, 200);
        for (TMDIChild* d : {pair, partnered}) {
            named<QMdiArea>(form, "Workspace")->setActiveSubWindow(d);
            const QImage before = d->surface().image();
            movePicture(d, {10, 10});
            clickButton("SpeedButton17");
            QCOMPARE(status(), kNoEquipotentials);
            QCOMPARE(d->surface().image(), before);
        }
        // A single element gets its lines and no such word.
        TMDIChild* vortex = newDocument(*form);
        writeSlot(vortex->Vihr, QString());
        placeAt(vortex, 400, 300);
        movePicture(vortex, {10, 10});
        clickButton("SpeedButton17");
        QCOMPARE(status(), QString("   10,10"));
    }

    void aSecondElementIsRefusedWithAWord() {
        TMDIChild* d = newDocument(*form);
        writeSlot(d->Dipol, 100);
        placeAt(d, 400, 300);

        // A tool button that would arm a second element.
        for (const char* tool :
             {"SpeedButton6", "SpeedButton12", "SpeedButton2", "SpeedButton15"}) {
            movePicture(d, {10, 10});
            clickButton(tool);
            QCOMPARE(status(), kElementPresent);
            QCOMPARE(d->pointer(), Qt::ArrowCursor);
            // A click on the field with the refused tool still down says it again.
            movePicture(d, {10, 10});
            clickPicture(d, {200, 100});
            QCOMPARE(status(), kElementPresent);
        }
        // Letting a button up says nothing.
        movePicture(d, {10, 10});
        clickButton("SpeedButton15");
        QCOMPARE(status(), QString("   10,10"));

        // A click with a tool armed by the popup menu.
        for (const char* item : {"N23", "N12", "N24"}) {
            named<QAction>(form, item)->trigger();
            movePicture(d, {10, 10});
            clickPicture(d, {200, 100});
            QCOMPARE(status(), kElementPresent);
            QCOMPARE(d->XCIL->text(), QString("400"));
        }
        // The label tool still starts a label there.
        named<QAction>(form, "N23")->trigger();
        clickButton("SpeedButton7");
        movePicture(d, {10, 10});
        clickPicture(d, {200, 100});
        QVERIFY(d->EditText->isVisible());
        QCOMPARE(status(), QString("   10,10"));
    }

    // The numbers of the whole pair, with a word that its vectors show less;
    // a click away from the lines says where to click.
    void velocityClicksSayWhatTheyShow() {
        TMDIChild* d = newDocument(*form);
        clickButton("SpeedButton15");
        clickPicture(d, {300, 300});
        clickPicture(d, {500, 300});
        clickButton("SpeedButton8");
        movePicture(d, {10, 10});
        clickPicture(d, {700, 50});
        QCOMPARE(status(), kNotOnLine);
        d->Shape1->move(517, 207);
        d->Shape1->show();
        QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(status(), QString("Скорость в точке (520,210): |V| = 2.179; Vx = 0.368; "
                                   "Vy = -2.147; угол -80.3° (векторы показывают только первый "
                                   "элемент и поток)"));
        // A drawn pixel carries the marker: a click there is no mistake.
        const QImage& picture = d->surface().image();
        const QPoint drawn = [&] {
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, 300) != qRgb(255, 255, 255)) return QPoint(x, 300);
            return QPoint();
        }();
        movePicture(d, {10, 10});
        clickPicture(d, drawn);
        QCOMPARE(status(), QString("   10,10"));
    }

    void aFinishedPairTakesNoThirdPoint() {
        TMDIChild* d = newDocument(*form);
        clickButton("SpeedButton15");
        clickPicture(d, {100, 200});
        clickPicture(d, {300, 200});
        QCOMPARE(d->X2->text(), QString("300"));
        d->setPointer(Qt::CrossCursor);
        TMainForm::press(named<QToolButton>(form, "SpeedButton15"));
        clickPicture(d, {500, 200});
        QCOMPARE(status(), kElementPresent);
        QCOMPARE(d->X2->text(), QString("300"));
    }
};

QTEST_MAIN(StatusFeedbackTest)
#include "status_feedback_test.moc"
