// Element tool buttons, the popup menu and the strength panel.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/up_down.h"
#include "dialogs/vector_scale_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/mdi_child.h"
#include "document/slots.h"
#include "gui_test_support.h"

class ElementToolsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    const TDialogs* dialogs = nullptr;

    // The three stream items of the popup as it opens: cylinder, source, sink.
    QList<bool> popupStates() {
        named<QMenu>(form, "PopupMenu1")->popup(QPoint(0, 0));
        QList<bool> states{named<QAction>(form, "N9")->isEnabled(),
                           named<QAction>(form, "N12")->isEnabled(),
                           named<QAction>(form, "N13")->isEnabled()};
        named<QMenu>(form, "PopupMenu1")->close();
        return states;
    }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form));
        dialogs = &program->dialogs();
    }
    void cleanup() { program.reset(); }

    void toolsDoNothingWithoutADocument() {
        named<QToolButton>(form, "SpeedButton6")->click();
        QVERIFY(named<QToolButton>(form, "SpeedButton6")->isChecked());
        QVERIFY(dialogs->dipoleDialog->isHidden());
        named<QAction>(form, "N19")->trigger();
        named<QAction>(form, "N21")->trigger();  // vortex settings item: nothing
        QVERIFY(dialogs->vortexSourceDialog->isHidden());
    }

    void dipoleToolArmsOnlyAnEmptyDocument() {
        TMDIChild* doc = newDocument(*form);
        named<QToolButton>(form, "SpeedButton6")->click();
        QVERIFY(dialogs->dipoleDialog->isVisible());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        dialogs->dipoleDialog->hide();

        TMDIChild* vortex = newDocument(*form);
        writeSlot(vortex->Vihr, QString());
        named<QToolButton>(form, "SpeedButton6")->click();  // up
        named<QToolButton>(form, "SpeedButton6")
            ->click();  // down again, on a document that is not empty
        QVERIFY(named<QToolButton>(form, "SpeedButton6")->isChecked());
        QVERIFY(dialogs->dipoleDialog->isHidden());
        QCOMPARE(vortex->pointer(), Qt::ArrowCursor);
    }

    void vortexToolLeavesOnlyTheCirculationRow() {
        newDocument(*form);
        named<QToolButton>(form, "SpeedButton12")->click();
        TOKBottomDlg8* dialog = dialogs->vortexSourceDialog;
        dialog->hide();
        named<QAction>(form, "N20")->trigger();  // opened later from the menu: the rows stay as set
        QVERIFY(dialog->isVisible());
        for (QWidget* control :
             {static_cast<QWidget*>(dialog->TrackBar1), static_cast<QWidget*>(dialog->Label1),
              static_cast<QWidget*>(dialog->Label2), static_cast<QWidget*>(dialog->UpDown1),
              static_cast<QWidget*>(dialog->Label5), static_cast<QWidget*>(dialog->Label6)})
            QVERIFY(!control->isEnabled());
        QVERIFY(dialog->TrackBar2->isEnabled());
        named<QToolButton>(form, "SpeedButton12")->click();  // up
        named<QToolButton>(form, "SpeedButton9")
            ->click();  // the vortex-source tool enables them again
        QVERIFY(dialog->TrackBar1->isEnabled());
        QVERIFY(dialog->UpDown1->isEnabled());
    }

    void sourceAndSinkToolsChooseTheirRow() {
        TMDIChild* doc = newDocument(*form);
        TOKBottomDlg4* dialog = dialogs->sourceSinkDialog;
        named<QToolButton>(form, "SpeedButton5")->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->TrackBar2->isEnabled());
        QVERIFY(!dialog->TrackBar1->isEnabled());
        QVERIFY(!dialog->Label1->isEnabled());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        named<QToolButton>(form, "SpeedButton4")->click();
        QVERIFY(dialog->TrackBar1->isEnabled());
        QVERIFY(!dialog->Label4->isEnabled());
        QVERIFY(!named<QToolButton>(form, "SpeedButton5")->isChecked());
    }

    void cylinderToolsArmOnlyAfterOk() {
        TMDIChild* doc = newDocument(*form);
        TOKBottomDlg* dialog = dialogs->cylinderDialog;
        named<QToolButton>(form, "SpeedButton16")->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->Label5->isEnabled());
        QCOMPARE(doc->pointer(), Qt::ArrowCursor);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QVERIFY(dialog->isHidden());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        QVERIFY(named<QToolButton>(form, "SpeedButton16")->isChecked());

        named<QToolButton>(form, "SpeedButton2")->click();
        QVERIFY(!dialog->TrackBar2->isEnabled());
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QVERIFY(named<QToolButton>(form, "SpeedButton2")->isChecked());
        QVERIFY(!named<QToolButton>(form, "SpeedButton16")->isChecked());
        // The popup's cylinder item presses the button matching the flag.
        named<QToolButton>(form, "SpeedButton2")->click();
        named<QAction>(form, "N9")->trigger();
        QVERIFY(named<QToolButton>(form, "SpeedButton2")->isChecked());
    }

    void pairButtonsShowThePanelAndGuardAPairInProgress() {
        TMDIChild* doc = newDocument(*form);
        named<QToolButton>(form, "SpeedButton14")
            ->click();  // the second pair button arms the pair tool
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());
        QVERIFY(!named<QToolButton>(form, "SpeedButton14")->isChecked());
        named<QToolButton>(form, "SpeedButton15")
            ->click();  // released on an empty document: panel hidden
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        named<QToolButton>(form, "SpeedButton15")->click();
        QVERIFY(named<QFrame>(form, "Panel1")->isVisible());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);

        writeSlot(doc->A, QString());
        writeSlot(doc->Istok, 1500);
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        named<QToolButton>(form, "SpeedButton15")->click();  // trying to release it
        QVERIFY(answer->answered());
        QCOMPARE(
            answer->text(),
            QString("Необходимо полностью завершить построение (т.е. поставить Сток и Исток) !"));
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());
        QVERIFY(named<QFrame>(form, "Panel1")->isVisible());

        // The second pair button guards the same way and presses the first.
        std::unique_ptr<ModalAnswer> again(acceptNextMessageBox());
        named<QToolButton>(form, "SpeedButton14")->click();
        QVERIFY(again->answered());
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());

        writeSlot(doc->X2, 300);  // complete
        named<QToolButton>(form, "SpeedButton15")->click();
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        QCOMPARE(doc->pointer(), Qt::ArrowCursor);
    }

    void popupStreamItemsFollowTheDocument() {
        TMDIChild* doc = newDocument(*form);
        QCOMPARE(popupStates(), (QList<bool>{true, true, true}));
        writeSlot(doc->Istok, 1500);
        QCOMPARE(popupStates(), (QList<bool>{false, false, true}));
        writeSlot(doc->STOK2, 1500);
        QCOMPARE(popupStates(), (QList<bool>{false, false, false}));

        TMDIChild* sink = newDocument(*form);
        writeSlot(sink->Stok, 1500);
        QCOMPARE(popupStates(), (QList<bool>{false, true, false}));
        writeSlot(sink->Istok, 1500);  // both strengths: the previous states stay
        QCOMPARE(popupStates(), (QList<bool>{false, true, false}));

        // The enabled items arm without a dialog.
        named<QAction>(form, "N12")->trigger();
        QVERIFY(named<QToolButton>(form, "SpeedButton4")->isChecked());
        QCOMPARE(sink->pointer(), Qt::CrossCursor);
        QVERIFY(dialogs->sourceSinkDialog->isHidden());
    }

    void panelTrackBarsReachTheDialog() {
        named<QFrame>(form, "Panel1")->show();
        named<QSlider>(form, "Panel1/TrackBar2")->setValue(1900);  // from code: no change event
        QCOMPARE(named<QLabel>(form, "Panel1/Label4")->text(), QString("1500"));
        named<QSlider>(form, "Panel1/TrackBar2")->setFocus();
        QTest::keyClick(named<QSlider>(form, "Panel1/TrackBar2"), Qt::Key_PageUp);
        QCOMPARE(named<QSlider>(form, "Panel1/TrackBar2")->value(), 2000);
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton2")->isChecked());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
        QCOMPARE(named<QLabel>(form, "Panel1/Label4")->text(), QString("2000"));
        QCOMPARE(dialogs->sourceSinkDialog->Label4->text(), QString("2000"));
        QCOMPARE(dialogs->sourceSinkDialog->TrackBar2->value(), 2000);

        QTest::mouseClick(named<QRadioButton>(form, "Panel1/RadioButton1"), Qt::LeftButton,
                          Qt::NoModifier, QPoint(8, 8));
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton2")->isChecked());
    }

    void speedAndScaleButtonsOpenTheirDialogs() {
        named<QToolButton>(form, "SpeedButton10")->click();
        QVERIFY(dialogs->streamSpeedDialog->isVisible());
        named<QToolButton>(form, "SpeedButton19")->click();
        QVERIFY(dialogs->vectorScaleDialog->isVisible());
    }
};

QTEST_MAIN(ElementToolsTest)
#include "element_tools_test.moc"
