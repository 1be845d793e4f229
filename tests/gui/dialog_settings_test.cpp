// The settings dialogs' values: defaults and ranges, up-downs at their
// limits, track bars moved by the user or from code, colour choice, and the
// readers the flow routines use.
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialog_driving.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "dialogs/vector_scale_dialog.h"
#include "dialogs/vector_style_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "flow/geometry.h"
#include "flow/settings.h"

namespace {

using Direction = TUpDown::Direction;

QString caption(const QWidget* dialog, const char* label) {
    return dialog->findChild<QLabel*>(label)->text();
}

QColor swatch(const QWidget* dialog, const char* label) {
    return dialog->findChild<QLabel*>(label)->palette().color(QPalette::Window);
}

}  // namespace

class DialogSettingsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    const TDialogs* d = nullptr;

    // An up-down with its range, position and paired label as found by name.
    void checkUpDown(QWidget* dialog, const char* name, int minimum, int maximum, int position,
                     const char* label) {
        auto* upDown = dialog->findChild<TUpDown*>(name);
        QVERIFY2(upDown, name);
        QCOMPARE(upDown->minimum(), minimum);
        QCOMPARE(upDown->maximum(), maximum);
        QCOMPARE(upDown->position(), position);
        QCOMPARE(caption(dialog, label), QString::number(position));
    }

    void checkTrackBar(QWidget* dialog, const char* name, int minimum, int maximum, int tick,
                       int position, const char* label, const QString& shown) {
        auto* bar = dialog->findChild<QSlider*>(name);
        QVERIFY2(bar, name);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), minimum);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->tickInterval(), tick);
        QVERIFY(bar->tickPosition() != QSlider::NoTicks);
        QCOMPARE(bar->value(), position);
        QCOMPARE(caption(dialog, label), shown);
    }

    // Runs the arrow to its limit and once more: the caption stops there.
    void runToLimit(QWidget* dialog, const char* name, const char* label, Direction direction,
                    int limit) {
        auto* upDown = dialog->findChild<TUpDown*>(name);
        const int clicks = std::abs(limit - upDown->position());
        clickArrowTimes(upDown, direction, clicks + 2);
        QCOMPARE(caption(dialog, label), QString::number(limit));
        QCOMPARE(upDown->position(), limit);
    }

  private slots:
    void init() {
        program = std::make_unique<TProgram>();
        d = &program->dialogs();
    }
    void cleanup() { program.reset(); }

    void defaultsAndRanges() {
        checkTrackBar(d->cylinderDialog, "TrackBar1", 50, 150, 5, 100, "Label2", "R=100");
        checkTrackBar(d->cylinderDialog, "TrackBar2", 100, 2000, 50, 1000, "Label5", "L=1000");
        QCOMPARE(d->cylinderDialog->TrackBar1->toolTip(),
                 "Радиус цилиндра в относительных единицах");
        QCOMPARE(d->cylinderDialog->BitBtn3->toolTip(), "Настройки цвета, толщины линии и т.д.");

        checkUpDown(d->lineStyleDialog, "UpDown1", 1, 50, 5, "Label3");
        QCOMPARE(swatch(d->lineStyleDialog, "Label4"), QColor(Qt::black));
        QCOMPARE(d->lineStyleDialog->penColor(), flow::kBlack);
        QVERIFY(!d->lineStyleDialog->CheckBox1->isChecked());
        QCOMPARE(d->lineStyleDialog->CheckBox1->text(), "Залить");

        checkUpDown(d->streamlineDialog, "UpDown1", 5, 100, 50, "Label6");
        checkUpDown(d->streamlineDialog, "UpDown3", 1, 150, 20, "Label8");
        checkUpDown(d->streamlineDialog, "UpDown2", 1, 5, 1, "Label3");
        QCOMPARE(swatch(d->streamlineDialog, "Label4"), QColor(255, 0, 0));
        QVERIFY(d->streamlineDialog->CheckBox1->isChecked());
        QCOMPARE(d->streamlineDialog->CheckBox1->text(), "Направление тока");
        QCOMPARE(caption(d->streamlineDialog, "Label5"), "Прирашение линий: A=");
        const QString hint = "Растояние между линиями тока в относительных единицах";
        QCOMPARE(d->streamlineDialog->UpDown1->toolTip(), hint);
        QCOMPARE(d->streamlineDialog->Label5->toolTip(), hint);

        checkUpDown(d->equipotentialDialog, "UpDown1", 5, 50, 50, "Label6");
        checkUpDown(d->equipotentialDialog, "UpDown3", 1, 100, 40, "Label8");
        checkUpDown(d->equipotentialDialog, "UpDown2", 1, 5, 1, "Label3");
        QCOMPARE(swatch(d->equipotentialDialog, "Label4"), QColor(Qt::black));
        QCOMPARE(caption(d->equipotentialDialog, "Label5"), "Прирашение линий: A =");
        QCOMPARE(d->equipotentialDialog->UpDown1->toolTip(), hint);

        checkTrackBar(d->sourceSinkDialog, "TrackBar1", 1000, 3000, 100, 1500, "Label3", "1500");
        checkTrackBar(d->sourceSinkDialog, "TrackBar2", 1000, 3000, 100, 1500, "Label4", "1500");
        QCOMPARE(swatch(d->sourceSinkDialog, "Label7"), QColor(0, 0, 255));
        QCOMPARE(caption(d->sourceSinkDialog, "Label2"), "Мощьность  Стока  Q :=");

        checkTrackBar(d->streamSpeedDialog, "TrackBar1", 1, 10, 1, 1, "Label2", "1");
        QVERIFY(d->streamSpeedDialog->SpeedButton1->autoRaise());

        checkUpDown(d->dipoleDialog, "UpDown1", 10, 200, 50, "Label2");

        checkTrackBar(d->vortexSourceDialog, "TrackBar1", 100, 1000, 20, 1000, "Label2", "1000");
        checkTrackBar(d->vortexSourceDialog, "TrackBar2", 30, 3000, 50, 1000, "Label4", "1000");
        checkUpDown(d->vortexSourceDialog, "UpDown1", 10, 50, 10, "Label6");
        QCOMPARE(caption(d->vortexSourceDialog, "Label1"), "Мощьность Истока\\Стока Q :=");

        checkUpDown(d->vectorStyleDialog, "UpDown2", 1, 3, 1, "Label5");
        checkUpDown(d->vectorStyleDialog, "UpDown1", 1, 3, 1, "Label4");
        checkUpDown(d->vectorStyleDialog, "UpDown3", 1, 3, 1, "Label11");
        QCOMPARE(swatch(d->vectorStyleDialog, "Label7"), QColor(255, 0, 0));
        QCOMPARE(swatch(d->vectorStyleDialog, "Label9"), QColor(0, 128, 0));
        QCOMPARE(swatch(d->vectorStyleDialog, "Label13"), QColor(0, 0, 128));

        checkTrackBar(d->vectorScaleDialog, "TrackBar1", 1, 100, 2, 10, "Label2", "10");
        QCOMPARE(caption(d->vectorScaleDialog, "Label1"), "Масштаб вектора скорости:  x");
    }

    void upDownsStopAtTheirLimits() {
        d->dipoleDialog->Show();
        runToLimit(d->dipoleDialog, "UpDown1", "Label2", Direction::Up, 200);
        runToLimit(d->dipoleDialog, "UpDown1", "Label2", Direction::Down, 10);
        d->equipotentialDialog->Show();
        runToLimit(d->equipotentialDialog, "UpDown3", "Label8", Direction::Up, 100);
        runToLimit(d->equipotentialDialog, "UpDown1", "Label6", Direction::Up, 50);
        d->streamlineDialog->Show();
        runToLimit(d->streamlineDialog, "UpDown3", "Label8", Direction::Up, 150);
        runToLimit(d->streamlineDialog, "UpDown1", "Label6", Direction::Up, 100);
        runToLimit(d->streamlineDialog, "UpDown1", "Label6", Direction::Down, 5);
    }

    void upDownPositionFromCodeIsSilent() {
        TUpDown* upDown = d->dipoleDialog->UpDown1;
        QSignalSpy clicks(upDown, &TUpDown::Click);
        upDown->setPosition(120);
        upDown->setPosition(500);
        QCOMPARE(upDown->position(), 200);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(d->dipoleDialog->Label2->text(), "50");
        // Keys and one arrow click each move by one, whatever the key's step.
        d->dipoleDialog->Show();
        upDown->setPosition(50);
        QTest::keyClick(upDown, Qt::Key_PageUp);
        clickArrow(upDown, Direction::Down);
        clickArrow(upDown, Direction::Down);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(d->dipoleDialog->Label2->text(), "49");
        QCOMPARE(upDown->position(), 49);
    }

    void userMovesOfTrackBarsRewriteTheirLabels_data() {
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("cylinder radius") << "TOKBottomDlg"
                                         << "TrackBar1"
                                         << "Label2"
                                         << "R=";
        QTest::newRow("circulation") << "TOKBottomDlg"
                                     << "TrackBar2"
                                     << "Label5"
                                     << "L=";
        QTest::newRow("source") << "TOKBottomDlg4"
                                << "TrackBar1"
                                << "Label3"
                                << "";
        QTest::newRow("sink") << "TOKBottomDlg4"
                              << "TrackBar2"
                              << "Label4"
                              << "";
        QTest::newRow("speed") << "TOKBottomDlg5"
                               << "TrackBar1"
                               << "Label2"
                               << "";
        QTest::newRow("vortex strength") << "TOKBottomDlg8"
                                         << "TrackBar1"
                                         << "Label2"
                                         << "";
        QTest::newRow("vortex circulation") << "TOKBottomDlg8"
                                            << "TrackBar2"
                                            << "Label4"
                                            << "";
        QTest::newRow("vector scale") << "TOKBottomDlg9"
                                      << "TrackBar1"
                                      << "Label2"
                                      << "";
    }

    void userMovesOfTrackBarsRewriteTheirLabels() {
        QFETCH(QString, dialogName);
        QFETCH(QString, bar);
        QFETCH(QString, label);
        QFETCH(QString, prefix);
        auto* dialog = program->mainForm().findChild<QWidget*>(dialogName);
        auto* slider = dialog->findChild<QSlider*>(bar);
        auto* shown = dialog->findChild<QLabel*>(label);
        slider->setEnabled(true);  // the cylinder's circulation row starts greyed
        const QString before = shown->text();

        slider->setValue(slider->minimum() + 1);
        QCOMPARE(shown->text(), before);

        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(shown->text(), prefix + QString::number(slider->maximum()));
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(shown->text(), prefix + QString::number(slider->maximum() - 1));
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(shown->text(), prefix + QString::number(slider->minimum()));
        QCOMPARE(slider->value(), slider->minimum());
    }

    void colourChoiceConfirmedOrCancelled() {
        TOKBottomDlg2* streamlines = d->streamlineDialog;
        streamlines->Show();
        {
            ColorAnswer answer(QColor(10, 20, 30));
            streamlines->SpeedButton1->click();
            QVERIFY(answer.answered());
            QCOMPARE(answer.presetColor(), QColor(255, 0, 0));
        }
        QCOMPARE(swatch(streamlines, "Label4"), QColor(10, 20, 30));
        QCOMPARE(streamlines->findChild<QColorDialog*>("ColorDialog1")->objectName(),
                 "ColorDialog1");
        {
            ColorAnswer answer(std::nullopt);
            streamlines->SpeedButton1->click();
            QVERIFY(answer.answered());
            QCOMPARE(answer.presetColor(), QColor(10, 20, 30));
        }
        QCOMPARE(swatch(streamlines, "Label4"), QColor(10, 20, 30));

        // Each swatch of the vector-style dialog has its own button.
        TSetting9* vectors = d->vectorStyleDialog;
        vectors->Show();
        {
            ColorAnswer answer(QColor(1, 2, 3));
            vectors->SpeedButton3->click();
            QCOMPARE(answer.presetColor(), QColor(0, 0, 128));
        }
        QCOMPARE(swatch(vectors, "Label13"), QColor(1, 2, 3));
        QCOMPARE(swatch(vectors, "Label7"), QColor(255, 0, 0));
        QCOMPARE(swatch(vectors, "Label9"), QColor(0, 128, 0));
    }

    void lineStylePenColourFollowsTheSwatch() {
        TOKBottomDlg1* lineStyle = d->lineStyleDialog;
        lineStyle->Show();
        {
            ColorAnswer cancel(std::nullopt);
            lineStyle->SpeedButton1->click();
        }
        QCOMPARE(lineStyle->penColor(), flow::kBlack);
        {
            ColorAnswer answer(QColor(0, 200, 100));
            lineStyle->SpeedButton1->click();
        }
        QCOMPARE(lineStyle->penColor(), flow::Color::fromRgb(0, 200, 100));
        QCOMPARE(swatch(lineStyle, "Label4"), QColor(0, 200, 100));
    }

    void readersReturnWhatTheControlsShow() {
        const flow::Settings settings = settingsOf(*d);
        QCOMPARE(settings.streamlines.lineWidth(), 1);
        QCOMPARE(settings.streamlines.lineCount(), 20);
        QCOMPARE(settings.streamlines.increment(), 50);
        QCOMPARE(settings.streamlines.lineColor(), flow::Color::fromRgb(255, 0, 0));
        QVERIFY(settings.streamlines.directionArrows());
        QCOMPARE(settings.equipotentials.lineCount(), 40);
        QCOMPARE(settings.equipotentials.lineColor(), flow::kBlack);
        QCOMPARE(settings.field.width(), 800);
        QCOMPARE(settings.sourceSink.regionColor(), flow::Color::fromRgb(0, 0, 255));
        QCOMPARE(settings.sourceSink.sourceStrength(), 1500);
        QCOMPARE(settings.streamSpeed.speed(), 1);
        QCOMPARE(settings.vortexSource.strength(), 1000);
        QCOMPARE(settings.cylinder.circulation(), 1000);
        QVERIFY(!settings.cylinder.withCirculation());
        QCOMPARE(settings.vectorStyle.resultantColor(), flow::Color::fromRgb(255, 0, 0));
        QCOMPARE(settings.vectorStyle.componentColor(), flow::Color::fromRgb(0, 128, 0));
        QCOMPARE(settings.vectorStyle.connectingColor(), flow::Color::fromRgb(0, 0, 128));
        QCOMPARE(settings.vectorScale.scale(), 10);

        // Changes are read at once, each from the control its row names.
        d->streamlineDialog->Show();
        clickArrow(d->streamlineDialog->UpDown3, Direction::Up);
        clickArrow(d->streamlineDialog->UpDown2, Direction::Up);
        d->streamlineDialog->CheckBox1->click();
        QCOMPARE(settings.streamlines.lineCount(), 21);
        QCOMPARE(settings.streamlines.lineWidth(), 2);
        QVERIFY(!settings.streamlines.directionArrows());

        d->equipotentialDialog->Show();
        clickArrow(d->equipotentialDialog->UpDown1, Direction::Down);
        QCOMPARE(settings.equipotentials.increment(), 49);

        d->sourceSinkDialog->TrackBar1->setValue(2100);  // position, not caption
        QCOMPARE(settings.sourceSink.sourceStrength(), 2100);
        d->streamSpeedDialog->TrackBar1->setValue(7);
        QCOMPARE(settings.streamSpeed.speed(), 7);
        d->vectorScaleDialog->TrackBar1->setValue(33);
        QCOMPARE(settings.vectorScale.scale(), 33);
        d->cylinderDialog->TrackBar2->setValue(1500);
        QCOMPARE(settings.cylinder.circulation(), 1500);
        d->cylinderDialog->Label5->setEnabled(true);
        QVERIFY(settings.cylinder.withCirculation());

        d->vortexSourceDialog->Label2->setText("700");  // caption, not position
        d->vortexSourceDialog->Label4->setText("40");
        QCOMPARE(settings.vortexSource.strength(), 700);
        QCOMPARE(settings.vortexSource.circulation(), 40);

        d->vectorStyleDialog->Show();
        clickArrow(d->vectorStyleDialog->UpDown2, Direction::Up);
        clickArrowTimes(d->vectorStyleDialog->UpDown1, Direction::Up, 2);
        QCOMPARE(settings.vectorStyle.resultantWidth(), 2);
        QCOMPARE(settings.vectorStyle.componentWidth(), 3);

        d->streamlineDialog->Label3->setText("x");
        QVERIFY_THROWS_EXCEPTION(flow::ConversionError, settings.streamlines.lineWidth());
    }
};

QTEST_MAIN(DialogSettingsTest)
#include "dialog_settings_test.moc"
