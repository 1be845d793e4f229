// The settings dialogs as windows: creation at start-up, enabled states,
// keys, OK and Cancel, and the cylinder and source/sink dialogs' own buttons.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialogs/airfoil_dialog.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "dialogs/vector_style_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "gui_test_support.h"

namespace {

QList<TSettingsDialog*> dialogsOf(TMainForm& form) {
    QList<TSettingsDialog*> dialogs;
    for (QObject* child : form.children())
        if (auto* dialog = qobject_cast<TSettingsDialog*>(child)) dialogs.append(dialog);
    return dialogs;
}

}  // namespace

class DialogBehaviourTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    const TDialogs* d = nullptr;

    // The window system activates a shown window a little later.
    static void waitActive(QWidget* dialog) { QTRY_COMPARE(QApplication::activeWindow(), dialog); }
    static void showActive(TSettingsDialog* dialog) {
        dialog->Show();
        waitActive(dialog);
    }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form));
        d = &program->dialogs();
    }
    void cleanup() { program.reset(); }

    void createdHiddenInStartUpOrder() {
        QStringList names;
        for (TSettingsDialog* dialog : dialogsOf(*form)) {
            names << dialog->objectName();
            QVERIFY(dialog->isHidden());
        }
        QCOMPARE(names, QStringList({"TOKBottomDlg", "TOKBottomDlg1", "TOKBottomDlg2",
                                     "TOKBottomDlg3", "TOKBottomDlg4", "TOKBottomDlg5",
                                     "TOKBottomDlg6", "TOKBottomDlg7", "TOKBottomDlg8", "TSetting9",
                                     "TOKBottomDlg9", "TColourMapDialog", "TAirfoilDialog"}));
        QCOMPARE(d->cylinderDialog->windowTitle(), "Параметры цилиндра");
        QCOMPARE(d->cylinderDialog->size(), QSize(352, 229));
        QCOMPARE(d->vectorStyleDialog->windowTitle(), "Настройка векторов скорости");
        QCOMPARE(d->vectorStyleDialog->size(), QSize(505, 343));
        QCOMPARE(d->sourceSinkDialog->windowTitle(), "Настройки Стока\\Истока");
    }

    void onlyTheCirculationRowStartsDisabled() {
        // The airfoil's typed circulation waits for the Kutta condition to be off.
        const QList<QWidget*> row{d->cylinderDialog->Label3, d->cylinderDialog->TrackBar2,
                                  d->cylinderDialog->Label5, d->airfoilDialog->circulation};
        for (TSettingsDialog* dialog : dialogsOf(*form))
            for (QWidget* control : dialog->findChildren<QWidget*>())
                QVERIFY2(control->isEnabled() !=
                             (row.contains(control) || row.contains(control->parentWidget())),
                         qPrintable(dialog->objectName() + "." + control->objectName()));
    }

    void onlyTheEquipotentialDialogCanBeMinimized() {
        for (TSettingsDialog* dialog : dialogsOf(*form)) {
            const bool boxes = dialog == d->equipotentialDialog;
            QCOMPARE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), boxes);
            QCOMPARE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), boxes);
            QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        }
    }

    void escapeCancelsAndEnterConfirms() {
        TOKBottomDlg2* streamlines = d->streamlineDialog;
        showActive(streamlines);
        QTest::keyClick(streamlines->UpDown3, Qt::Key_Up);
        QTest::keyClick(streamlines->UpDown3, Qt::Key_Escape);
        QVERIFY(streamlines->isHidden());
        QCOMPARE(streamlines->Label8->text(), "21");  // Cancel keeps what was changed

        TOKBottomDlg4* sourceSink = d->sourceSinkDialog;
        showActive(sourceSink);
        QTest::keyClick(sourceSink->TrackBar1, Qt::Key_PageUp);
        QTest::keyClick(sourceSink->TrackBar1, Qt::Key_Return);
        QVERIFY(sourceSink->isHidden());
        QCOMPARE(named<QLabel>(form, "Panel1/Label3")->text(), "1600");  // OK ran, not only a hide

        TOKBottomDlg* cylinder = d->cylinderDialog;
        showActive(cylinder);
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_End);
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_Escape);
        QVERIFY(cylinder->isHidden());
        QCOMPARE(cylinder->Label2->text(), "R=100");
    }

    void cylinderCancelRestoresAndReleasesTheTools() {
        TOKBottomDlg* cylinder = d->cylinderDialog;
        cylinder->Label5->setEnabled(true);
        cylinder->TrackBar2->setEnabled(true);
        showActive(cylinder);
        TMainForm::press(named<QToolButton>(form, "SpeedButton16"));
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_End);
        QTest::keyClick(cylinder->TrackBar2, Qt::Key_Home);
        QCOMPARE(cylinder->Label2->text(), "R=150");
        QCOMPARE(cylinder->Label5->text(), "L=100");
        cylinder->BitBtn2->click();
        QVERIFY(cylinder->isHidden());
        QCOMPARE(cylinder->TrackBar1->value(), 100);
        QCOMPARE(cylinder->Label2->text(), "R=100");
        QCOMPARE(cylinder->TrackBar2->value(), 1000);
        QCOMPARE(cylinder->Label5->text(), "L=1000");
        QVERIFY(!named<QToolButton>(form, "SpeedButton16")->isChecked());

        cylinder->Show();
        TMainForm::press(named<QToolButton>(form, "SpeedButton2"));
        cylinder->BitBtn2->click();
        QVERIFY(!named<QToolButton>(form, "SpeedButton2")->isChecked());
        QVERIFY(!named<QToolButton>(form, "SpeedButton16")->isChecked());
    }

    void cylinderRemembersPositionsAtEachActivation() {
        TOKBottomDlg* cylinder = d->cylinderDialog;
        showActive(cylinder);
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_PageUp);  // 105
        cylinder->BitBtn3->click();
        waitActive(d->lineStyleDialog);
        cylinder->activateWindow();
        waitActive(cylinder);
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_End);
        cylinder->BitBtn2->click();
        QCOMPARE(cylinder->TrackBar1->value(), 105);
        QCOMPARE(cylinder->Label2->text(), "R=105");
    }

    void cylinderOkWithoutADocumentOnlyHides() {
        TOKBottomDlg* cylinder = d->cylinderDialog;
        showActive(cylinder);
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_End);
        cylinder->BitBtn1->click();
        QVERIFY(cylinder->isHidden());
        QCOMPARE(cylinder->TrackBar1->value(), 150);
        QVERIFY(!named<QToolButton>(form, "SpeedButton2")->isChecked());
        QVERIFY(!named<QToolButton>(form, "SpeedButton16")->isChecked());
    }

    void cylinderOkArmsTheToolOfTheCirculationState() {
        TOKBottomDlg* cylinder = d->cylinderDialog;
        QVERIFY(newDocument(*form));
        cylinder->Show();
        cylinder->BitBtn1->click();
        QVERIFY(cylinder->isHidden());
        QVERIFY(named<QToolButton>(form, "SpeedButton2")->isChecked());

        cylinder->TrackBar2->setEnabled(true);
        cylinder->Show();
        cylinder->BitBtn1->click();
        QVERIFY(named<QToolButton>(form, "SpeedButton16")->isChecked());
    }

    void sourceSinkOkCopiesBothStrengthsEvenWithARowDisabled() {
        TOKBottomDlg4* dialog = d->sourceSinkDialog;
        for (QWidget* control : QList<QWidget*>{dialog->Label2, dialog->TrackBar2, dialog->Label4})
            control->setEnabled(false);
        showActive(dialog);
        QTest::keyClick(dialog->TrackBar1, Qt::Key_End);
        dialog->TrackBar2->setValue(2000);  // as the strength panel sets it
        dialog->Label4->setText("2000");
        dialog->BitBtn1->click();
        QVERIFY(dialog->isHidden());
        QCOMPARE(named<QSlider>(form, "Panel1/TrackBar1")->value(), 3000);
        QCOMPARE(named<QLabel>(form, "Panel1/Label3")->text(), "3000");
        QCOMPARE(named<QSlider>(form, "Panel1/TrackBar2")->value(), 2000);
        QCOMPARE(named<QLabel>(form, "Panel1/Label4")->text(), "2000");
    }

    void cylinderCloseBoxOnlyHides() {
        TOKBottomDlg* cylinder = d->cylinderDialog;
        showActive(cylinder);
        TMainForm::press(named<QToolButton>(form, "SpeedButton2"));
        QTest::keyClick(cylinder->TrackBar1, Qt::Key_End);
        cylinder->close();
        QVERIFY(cylinder->isHidden());
        QCOMPARE(cylinder->Label2->text(), "R=150");
        QVERIFY(named<QToolButton>(form, "SpeedButton2")->isChecked());
    }
};

QTEST_MAIN(DialogBehaviourTest)
#include "dialog_behaviour_test.moc"
