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
        form->PopupMenu1->popup(QPoint(0, 0));
        QList<bool> states{form->N9->isEnabled(), form->N12->isEnabled(), form->N13->isEnabled()};
        form->PopupMenu1->close();
        return states;
    }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form));
        dialogs = &program->dialogs();
    }
    void cleanup() { program.reset(); }

    void toolsDoNothingWithoutADocument() {
        form->SpeedButton6->click();
        QVERIFY(form->SpeedButton6->isChecked());
        QVERIFY(dialogs->OKBottomDlg6->isHidden());
        form->N19->trigger();
        form->N21->trigger();  // vortex settings item: nothing
        QVERIFY(dialogs->OKBottomDlg8->isHidden());
    }

    void dipoleToolArmsOnlyAnEmptyDocument() {
        TMDIChild* doc = newDocument(*form);
        form->SpeedButton6->click();
        QVERIFY(dialogs->OKBottomDlg6->isVisible());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        dialogs->OKBottomDlg6->hide();

        TMDIChild* vortex = newDocument(*form);
        writeSlot(vortex->Vihr, QString());
        form->SpeedButton6->click();  // up
        form->SpeedButton6->click();  // down again, on a document that is not empty
        QVERIFY(form->SpeedButton6->isChecked());
        QVERIFY(dialogs->OKBottomDlg6->isHidden());
        QCOMPARE(vortex->pointer(), Qt::ArrowCursor);
    }

    void vortexToolLeavesOnlyTheCirculationRow() {
        newDocument(*form);
        form->SpeedButton12->click();
        TOKBottomDlg8* dialog = dialogs->OKBottomDlg8;
        dialog->hide();
        form->N20->trigger();  // opened later from the menu: the rows stay as set
        QVERIFY(dialog->isVisible());
        for (QWidget* control :
             {static_cast<QWidget*>(dialog->TrackBar1), static_cast<QWidget*>(dialog->Label1),
              static_cast<QWidget*>(dialog->Label2), static_cast<QWidget*>(dialog->UpDown1),
              static_cast<QWidget*>(dialog->Label5), static_cast<QWidget*>(dialog->Label6)})
            QVERIFY(!control->isEnabled());
        QVERIFY(dialog->TrackBar2->isEnabled());
        form->SpeedButton12->click();  // up
        form->SpeedButton9->click();   // the vortex-source tool enables them again
        QVERIFY(dialog->TrackBar1->isEnabled());
        QVERIFY(dialog->UpDown1->isEnabled());
    }

    void sourceAndSinkToolsChooseTheirRow() {
        TMDIChild* doc = newDocument(*form);
        TOKBottomDlg4* dialog = dialogs->OKBottomDlg4;
        form->SpeedButton5->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->TrackBar2->isEnabled());
        QVERIFY(!dialog->TrackBar1->isEnabled());
        QVERIFY(!dialog->Label1->isEnabled());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        form->SpeedButton4->click();
        QVERIFY(dialog->TrackBar1->isEnabled());
        QVERIFY(!dialog->Label4->isEnabled());
        QVERIFY(!form->SpeedButton5->isChecked());
    }

    void cylinderToolsArmOnlyAfterOk() {
        TMDIChild* doc = newDocument(*form);
        TOKBottomDlg* dialog = dialogs->OKBottomDlg;
        form->SpeedButton16->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->Label5->isEnabled());
        QCOMPARE(doc->pointer(), Qt::ArrowCursor);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QVERIFY(dialog->isHidden());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);
        QVERIFY(form->SpeedButton16->isChecked());

        form->SpeedButton2->click();
        QVERIFY(!dialog->TrackBar2->isEnabled());
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QVERIFY(form->SpeedButton2->isChecked());
        QVERIFY(!form->SpeedButton16->isChecked());
        // The popup's cylinder item presses the button matching the flag.
        form->SpeedButton2->click();
        form->N9->trigger();
        QVERIFY(form->SpeedButton2->isChecked());
    }

    void pairButtonsShowThePanelAndGuardAPairInProgress() {
        TMDIChild* doc = newDocument(*form);
        form->SpeedButton14->click();  // the second pair button arms the pair tool
        QVERIFY(form->SpeedButton15->isChecked());
        QVERIFY(!form->SpeedButton14->isChecked());
        form->SpeedButton15->click();  // released on an empty document: panel hidden
        QVERIFY(form->Panel1->isHidden());
        form->SpeedButton15->click();
        QVERIFY(form->Panel1->isVisible());
        QCOMPARE(doc->pointer(), Qt::CrossCursor);

        writeSlot(doc->A, QString());
        writeSlot(doc->Istok, 1500);
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        form->SpeedButton15->click();  // trying to release it
        QVERIFY(answer->answered());
        QCOMPARE(
            answer->text(),
            QString("Необходимо полностью завершить построение (т.е. поставить Сток и Исток) !"));
        QVERIFY(form->SpeedButton15->isChecked());
        QVERIFY(form->Panel1->isVisible());

        // The second pair button guards the same way and presses the first.
        std::unique_ptr<ModalAnswer> again(acceptNextMessageBox());
        form->SpeedButton14->click();
        QVERIFY(again->answered());
        QVERIFY(form->SpeedButton15->isChecked());

        writeSlot(doc->X2, 300);  // complete
        form->SpeedButton15->click();
        QVERIFY(form->Panel1->isHidden());
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
        form->N12->trigger();
        QVERIFY(form->SpeedButton4->isChecked());
        QCOMPARE(sink->pointer(), Qt::CrossCursor);
        QVERIFY(dialogs->OKBottomDlg4->isHidden());
    }

    void panelTrackBarsReachTheDialog() {
        form->Panel1->show();
        form->TrackBar2->setValue(1900);  // from code: no change event
        QCOMPARE(form->Label4->text(), QString("1500"));
        form->TrackBar2->setFocus();
        QTest::keyClick(form->TrackBar2, Qt::Key_PageUp);
        QCOMPARE(form->TrackBar2->value(), 2000);
        QVERIFY(form->RadioButton2->isChecked());
        QVERIFY(!form->RadioButton1->isChecked());
        QCOMPARE(form->Label4->text(), QString("2000"));
        QCOMPARE(dialogs->OKBottomDlg4->Label4->text(), QString("2000"));
        QCOMPARE(dialogs->OKBottomDlg4->TrackBar2->value(), 2000);

        QTest::mouseClick(form->RadioButton1, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        QVERIFY(form->RadioButton1->isChecked());
        QVERIFY(!form->RadioButton2->isChecked());
    }

    void speedAndScaleButtonsOpenTheirDialogs() {
        form->SpeedButton10->click();
        QVERIFY(dialogs->OKBottomDlg5->isVisible());
        form->SpeedButton19->click();
        QVERIFY(dialogs->OKBottomDlg9->isVisible());
    }
};

QTEST_MAIN(ElementToolsTest)
#include "element_tools_test.moc"
