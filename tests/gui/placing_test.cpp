// Placing elements by clicking on the real picture of a document.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <memory>

#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "gui_test_support.h"

namespace {

bool dark(const QImage& picture, int x, int y) {
    return qGray(picture.pixel(x, y)) < 128;
}

bool anyDark(const QImage& picture, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (dark(picture, x, y)) return true;
    return false;
}

// Dark pixels in a row from x0 to x1.
int darkInRow(const QImage& picture, int y, int x0, int x1) {
    int count = 0;
    for (int x = x0; x <= x1; ++x) count += dark(picture, x, y) ? 1 : 0;
    return count;
}

bool allWhite(const QImage& picture) {
    QImage white(picture.size(), picture.format());
    white.fill(Qt::white);
    return picture == white;
}

QStringList slotTexts(const TMDIChild* d) {
    QStringList texts;
    for (const QLabel* slot : {d->XCIL, d->YCIL, d->RCIL, d->Istok, d->Stok, d->X2, d->Y2,
                               d->ISTOK2, d->STOK2, d->Dipol, d->Vihrestok, d->IorS, d->Vihr, d->A})
        texts << slot->text();
    return texts;
}

}  // namespace

class PlacingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    // What the tool buttons and popup items leave behind: the tool down and
    // the cross pointer.
    void arm(TMDIChild* d, QToolButton* tool) {
        d->setPointer(Qt::CrossCursor);
        TMainForm::press(tool);
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    void cylinderAtThreeHundredTwoHundred() {
        TMDIChild* d = newDocument(*form);
        TOKBottomDlg* cylinder = program->dialogs().cylinderDialog;
        named<QToolButton>(form, "SpeedButton2")->click();
        QCOMPARE(cylinder->TrackBar1->value(), 100);
        cylinder->BitBtn1->click();  // OK arms the tool
        QCOMPARE(d->pointer(), Qt::CrossCursor);
        clickPicture(d, {300, 200});

        QCOMPARE(d->RCIL->text(), QString("100"));
        QCOMPARE(d->XCIL->text(), QString("300"));
        QCOMPARE(d->YCIL->text(), QString("200"));
        QVERIFY(d->Image1->isVisibleTo(d->Image));
        QCOMPARE(d->Image1->pos(), QPoint(333, 167));
        QVERIFY(!named<QToolButton>(form, "SpeedButton2")->isChecked());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);

        const QImage picture = d->surface().image();
        // The outline in the line-style pen (5 wide), filled white inside.
        for (QPoint on : {QPoint(229, 129), QPoint(229, 270), QPoint(370, 270)})
            QVERIFY(dark(picture, on.x(), on.y()));
        QVERIFY(darkInRow(picture, 150, 205, 222) >= 4);
        QVERIFY(!dark(picture, 250, 250));
        QVERIFY(!dark(picture, 195, 250));
        // The radius up to (360, 120), and nothing beyond it.
        QVERIFY(dark(picture, 330, 160));
        QVERIFY(dark(picture, 358, 123));
        QVERIFY(!dark(picture, 366, 112));
        // "0" left of the centre, below the horizontal axis.
        QVERIFY(anyDark(picture, {285, 203, 10, 10}));
        // The axes reach the field's edges; the theta label is not drawn.
        QVERIFY(dark(picture, 300, 599));
        QVERIFY(dark(picture, 799, 200));
        QVERIFY(!anyDark(picture, {334, 168, 13, 10}));
    }

    void cylinderUsesTheLineStyleDialogsWidthAndColour() {
        TOKBottomDlg1* style = program->dialogs().lineStyleDialog;
        style->Label3->setText("1");
        TMDIChild* d = newDocument(*form);
        arm(d, named<QToolButton>(form, "SpeedButton16"));
        clickPicture(d, {300, 200});
        const int outline = darkInRow(d->surface().image(), 150, 205, 222);
        QVERIFY(outline >= 1 && outline <= 2);

        style->Label3->setText("thick");
        TMDIChild* second = newDocument(*form);
        arm(second, named<QToolButton>(form, "SpeedButton16"));
        std::unique_ptr<ModalAnswer> error(acceptNextMessageBox());
        clickPicture(second, {300, 200});
        QVERIFY(error->answered());
        QCOMPARE(error->text(), QString("'thick' is not a valid integer value"));
        QVERIFY(slotEmpty(second->RCIL));
    }

    void dipoleWithTheDefaultAxes() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton6")->click();
        QVERIFY(program->dialogs().dipoleDialog->isVisible());
        QCOMPARE(d->pointer(), Qt::CrossCursor);
        clickPicture(d, {100, 50});
        QCOMPARE(d->Dipol->text(), QString("50"));
        QCOMPARE(d->XCIL->text(), QString("100"));
        QCOMPARE(d->YCIL->text(), QString("50"));
        QVERIFY(!named<QToolButton>(form, "SpeedButton6")->isChecked());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);

        const QImage picture = d->surface().image();
        QVERIFY(anyDark(picture, {85, 9, 7, 8}));  // "Y" at (85, 6)
        QVERIFY(dark(picture, 96, 4));             // top arrowhead
        QVERIFY(dark(picture, 104, 4));
        QVERIFY(dark(picture, 100, 300));
        QVERIFY(dark(picture, 100, 599));
        QVERIFY(anyDark(picture, {776, 53, 10, 8}));  // "X" at (775, 50)
        QVERIFY(dark(picture, 796, 46));              // right arrowhead
        QVERIFY(dark(picture, 796, 54));
        QVERIFY(dark(picture, 1, 50));
        QVERIFY(dark(picture, 400, 50));
        // No letter for a dipole.
        QVERIFY(!anyDark(picture, {85, 53, 10, 10}));
    }

    void axesFollowTheFieldSizeDialogNotTheBitmap() {
        TOKBottomDlg7* size = program->dialogs().fieldSizeDialog;
        TMDIChild* d = newDocument(*form);
        size->Edit2->setText("500");
        size->Edit1->setText("$12C");  // 300
        arm(d, named<QToolButton>(form, "SpeedButton12"));
        clickPicture(d, {100, 50});
        QImage picture = d->surface().image();
        QVERIFY(dark(picture, 499, 50));
        QVERIFY(!dark(picture, 520, 50));
        QVERIFY(dark(picture, 100, 299));
        QVERIFY(!dark(picture, 100, 320));

        // A height that is no integer stops the drawing after "Y" and the
        // arrowhead; the element is recorded all the same.
        TMDIChild* second = newDocument(*form);
        size->Edit1->setText("tall");
        arm(second, named<QToolButton>(form, "SpeedButton12"));
        std::unique_ptr<ModalAnswer> error(acceptNextMessageBox());
        clickPicture(second, {100, 50});
        QCOMPARE(error->text(), QString("'tall' is not a valid integer value"));
        QCOMPARE(second->Vihr->text(), QString());
        picture = second->surface().image();
        QVERIFY(dark(picture, 96, 4));
        QVERIFY(!dark(picture, 100, 200));
        QVERIFY(!dark(picture, 300, 50));
    }

    void singleElementsRecordTheirSlot() {
        TOKBottomDlg8* vortexSource = program->dialogs().vortexSourceDialog;
        vortexSource->UpDown1->stepBy(1);
        QCOMPARE(vortexSource->Label6->text(), QString("11"));
        const struct {
            QToolButton* tool;
            QLabel* TMDIChild::*slot;
            QString value;
        } cases[] = {{named<QToolButton>(form, "SpeedButton12"), &TMDIChild::Vihr, ""},
                     {named<QToolButton>(form, "SpeedButton11"), &TMDIChild::IorS, ""},
                     {named<QToolButton>(form, "SpeedButton9"), &TMDIChild::Vihrestok, "11"}};
        for (const auto& c : cases) {
            TMDIChild* d = newDocument(*form);
            arm(d, c.tool);
            clickPicture(d, {120, 80});
            QCOMPARE((d->*c.slot)->text(), c.value);
            QVERIFY(!readConfiguration(*d).isEmpty());
            QVERIFY(!c.tool->isChecked());
            QCOMPARE(d->pointer(), Qt::ArrowCursor);
            // The tool armed again on the same document places nothing more.
            const QStringList placed = slotTexts(d);
            arm(d, named<QToolButton>(form, "SpeedButton6"));
            clickPicture(d, {300, 300});
            QCOMPARE(slotTexts(d), placed);
        }
    }

    void unarmedClicksChangeNothing() {
        TMDIChild* d = newDocument(*form);
        const QStringList before = slotTexts(d);
        TMainForm::press(named<QToolButton>(form, "SpeedButton12"));  // tool down, default pointer
        clickPicture(d, {100, 100});
        d->setPointer(Qt::CrossCursor);  // cross, no tool down
        named<QToolButton>(form, "SpeedButton12")->setChecked(false);
        clickPicture(d, {100, 100});
        TMainForm::press(named<QToolButton>(form, "SpeedButton4"));  // stream tool, not armed
        d->setPointer(Qt::ArrowCursor);
        clickPicture(d, {100, 100});
        QCOMPARE(slotTexts(d), before);
        QVERIFY(allWhite(d->surface().image()));
        QVERIFY(named<QToolButton>(form, "SpeedButton4")->isChecked());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);
    }

    void rightClickPlacesAndOpensThePopup() {
        TMDIChild* d = newDocument(*form);
        arm(d, named<QToolButton>(form, "SpeedButton12"));
        bool popupSeen = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QApplication::activePopupWidget() == named<QMenu>(form, "PopupMenu1")) {
                popupSeen = true;
                named<QMenu>(form, "PopupMenu1")->close();
            }
        });
        closer.start(10);
        // Through the window, as the window system delivers it, so that the
        // press is followed by the context menu event.
        QWidget* top = d->Image->window();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          d->Image->mapTo(top, QPoint(150, 90)));
        QTRY_VERIFY(popupSeen);
        QCOMPARE(d->Vihr->text(), QString());
        QCOMPARE(d->XCIL->text(), QString("150"));
    }

    void pairSecondPointLiesOnTheFirstPointsLine() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton15")->click();
        QVERIFY(named<QFrame>(form, "Panel1")->isVisible());
        QCOMPARE(d->pointer(), Qt::CrossCursor);
        clickPicture(d, {200, 100});
        QCOMPARE(d->Istok->text(), QString("1500"));
        QCOMPARE(d->A->text(), QString());
        QCOMPARE(d->XCIL->text(), QString("200"));
        QVERIFY(slotEmpty(d->Stok));
        // The panel now offers the sink only; the tool stays armed.
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton2")->isChecked());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
        for (QWidget* w : {static_cast<QWidget*>(named<QRadioButton>(form, "Panel1/RadioButton1")),
                           static_cast<QWidget*>(named<QSlider>(form, "Panel1/TrackBar1")),
                           static_cast<QWidget*>(named<QLabel>(form, "Panel1/Label1")),
                           static_cast<QWidget*>(named<QLabel>(form, "Panel1/Label3"))})
            QVERIFY(!w->isEnabled());
        QVERIFY(named<QSlider>(form, "Panel1/TrackBar2")->isEnabled());
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());
        QCOMPARE(d->pointer(), Qt::CrossCursor);

        named<QSlider>(form, "Panel1/TrackBar2")->setValue(2000);
        clickPicture(d, {400, 150});
        QCOMPARE(d->Stok->text(), QString("2000"));
        QCOMPARE(d->X2->text(), QString("400"));
        QCOMPARE(d->Y2->text(), QString("100"));
        QCOMPARE(d->Istok->text(), QString("1500"));
        const QImage picture = d->surface().image();
        // The mark above the first point's axis, none at the click's height.
        QVERIFY(anyDark(picture, {396, 96, 8, 3}));
        QVERIFY(!anyDark(picture, {396, 146, 8, 8}));
        QVERIFY(anyDark(picture, {385, 103, 10, 10}));  // "С"
        QVERIFY(!dark(picture, 400, 300));              // no second axes
        QVERIFY(!dark(picture, 600, 150));
        // The panel is reset and put away, the tool released.
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked() &&
                named<QRadioButton>(form, "Panel1/RadioButton1")->isEnabled());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton2")->isChecked());
        QVERIFY(named<QSlider>(form, "Panel1/TrackBar1")->isEnabled() &&
                named<QLabel>(form, "Panel1/Label3")->isEnabled());
        QVERIFY(!named<QToolButton>(form, "SpeedButton15")->isChecked());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);

        // A finished pair is never changed, even with the pair tool down and
        // the cross pointer.
        const QStringList finished = slotTexts(d);
        arm(d, named<QToolButton>(form, "SpeedButton15"));
        clickPicture(d, {500, 300});
        QCOMPARE(slotTexts(d), finished);
    }

    void pairStartedWithTheSink() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton15")->click();
        named<QRadioButton>(form, "Panel1/RadioButton2")->click();
        clickPicture(d, {200, 100});
        QCOMPARE(d->Stok->text(), QString("1500"));
        QVERIFY(slotEmpty(d->Istok));
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton2")->isEnabled());
        QVERIFY(!named<QLabel>(form, "Panel1/Label4")->isEnabled());
        clickPicture(d, {300, 40});
        QCOMPARE(d->Istok->text(), QString("1500"));
        QCOMPARE(d->Y2->text(), QString("100"));
    }

    void pairToolOnAFieldWithAnElementPlacesNothing() {
        TMDIChild* d = newDocument(*form);
        arm(d, named<QToolButton>(form, "SpeedButton12"));
        clickPicture(d, {100, 100});
        const QStringList vortex = slotTexts(d);
        arm(d, named<QToolButton>(form, "SpeedButton15"));
        clickPicture(d, {200, 200});
        QCOMPARE(slotTexts(d), vortex);
    }

    void pairFinishedWithTheSinkItemOfThePopup() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton15")->click();
        clickPicture(d, {200, 100});
        named<QAction>(form, "N13")->trigger();
        QVERIFY(named<QToolButton>(form, "SpeedButton5")->isChecked());
        clickPicture(d, {300, 180});
        QCOMPARE(d->STOK2->text(), program->dialogs().sourceSinkDialog->Label4->text());
        QCOMPARE(d->X2->text(), QString("300"));
        QCOMPARE(d->Y2->text(), QString("100"));
        QCOMPARE(d->A->text(), QString());
        QVERIFY(slotEmpty(d->Stok));
        QVERIFY(!named<QToolButton>(form, "SpeedButton5")->isChecked());
        QCOMPARE(d->pointer(), Qt::CrossCursor);
        const QImage picture = d->surface().image();
        QVERIFY(anyDark(picture, {296, 96, 8, 3}));
        QVERIFY(!anyDark(picture, {296, 176, 8, 8}));
        QVERIFY(anyDark(picture, {285, 105, 10, 8}));  // "C" two pixels lower
    }

    void streamConfigurationsGetTheirPartnerOnce() {
        TOKBottomDlg4* sourceSink = program->dialogs().sourceSinkDialog;
        sourceSink->Label4->setText("2500");
        sourceSink->Label3->setText("1200");

        TMDIChild* d = newDocument(*form);
        arm(d, named<QToolButton>(form, "SpeedButton5"));
        clickPicture(d, {400, 300});
        QCOMPARE(d->Stok->text(), QString("2500"));
        QVERIFY(!named<QToolButton>(form, "SpeedButton5")->isChecked());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);
        QVERIFY(anyDark(d->surface().image(), {385, 303, 10, 10}));  // "C"

        // The same tool again does nothing: the field is not empty.
        arm(d, named<QToolButton>(form, "SpeedButton5"));
        clickPicture(d, {100, 100});
        QVERIFY(slotEmpty(d->X2));
        QVERIFY(named<QToolButton>(form, "SpeedButton5")->isChecked());

        arm(d, named<QToolButton>(form, "SpeedButton4"));
        clickPicture(d, {600, 100});
        QCOMPARE(d->ISTOK2->text(), QString("1200"));
        QCOMPARE(d->X2->text(), QString("600"));
        QCOMPARE(d->Y2->text(), QString("300"));
        QVERIFY(!named<QToolButton>(form, "SpeedButton4")->isChecked());
        QCOMPARE(d->pointer(), Qt::CrossCursor);

        const QStringList complete = slotTexts(d);
        arm(d, named<QToolButton>(form, "SpeedButton4"));
        clickPicture(d, {700, 100});
        QCOMPARE(slotTexts(d), complete);
    }

    void textToolComesAfterThePlacingRules() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton7")->click();
        arm(d, named<QToolButton>(form, "SpeedButton12"));  // placing rules win over the label
        clickPicture(d, {100, 100});
        QCOMPARE(d->Vihr->text(), QString());
        QVERIFY(d->EditText->isHidden());

        // On a field that is no longer empty the stream tool is hidden by
        // the label, whatever the pointer.
        TMainForm::press(named<QToolButton>(form, "SpeedButton4"));
        d->setPointer(Qt::IBeamCursor);
        clickPicture(d, {250, 120});
        QVERIFY(d->EditText->isVisibleTo(d->Image));
        QCOMPARE(d->EditText->pos(), QPoint(250, 120));
        QVERIFY(d->EditText->hasFocus());
        QVERIFY(slotEmpty(d->Istok));
    }

    void clickBeyondThePictureStillPlaces() {
        TMDIChild* d = newDocument(*form);
        QVERIFY(d->Image->width() > 800);
        arm(d, named<QToolButton>(form, "SpeedButton11"));
        clickPicture(d, {900, 100});
        QCOMPARE(d->XCIL->text(), QString("900"));
        QCOMPARE(d->IorS->text(), QString());
        QVERIFY(dark(d->surface().image(), 10, 100));  // the horizontal axis
    }
};

QTEST_MAIN(PlacingTest)
#include "placing_test.moc"
