// The streamline and equipotential commands on documents whose slots hold
// each configuration.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <stdexcept>

#include "app/program.h"
#include "app/progress_gauge.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "document/mdi_child.h"
#include "document/slots.h"
#include "gui_test_support.h"

namespace {

int drawnPixels(TMDIChild* doc) {
    const QImage& picture = doc->surface().image();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255)) ++count;
    return count;
}

}  // namespace

class ConstructionCommandsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

  private slots:
    void init() { QVERIFY(startProgram(program, form)); }
    void cleanup() { program.reset(); }

    void streamlineCaptionsOfEachConfiguration() {
        const QString speed = "; Скорость набегающего потока U=1";
        const struct {
            std::initializer_list<std::pair<const char*, QString>> values;
            QString caption;
        } rows[] = {
            {{{"Vihr", ""}}, "Плоский вихрь"},
            {{{"IorS", ""}}, "Точечный Источник\\Сток"},
            {{{"Vihrestok", "10"}},
             "ВихреСток\\Исток с мощностью Истока\\Стока Q=1000 ,и циркуляцией Г=1000"},
            {{{"Dipol", "50"}}, "Диполь с моментом M=50"},
            {{{"RCIL", "100"}}, "Обтекание цилиндра без циркуляции R=100" + speed},
            {{{"Istok", "1500"}}, "Исток мощности Q=1500" + speed},
            {{{"Stok", "1500"}}, "Cток мощности Q=1500" + speed},
        };
        for (const auto& row : rows) {
            TMDIChild* doc = documentWith(*form, row.values);
            named<QToolButton>(form, "SpeedButton1")->click();
            QCOMPARE(doc->windowTitle(), row.caption);
            QVERIFY(drawnPixels(doc) > 0);
            QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
        }
    }

    void circulationFlagOfTheDialogDecidesTheCylinder() {
        TMDIChild* doc = documentWith(*form, {{"RCIL", "100"}});
        setCirculation(*program, true);
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(doc->windowTitle(), QString("ZEF NONAME1"));  // no caption for this row
        QVERIFY(drawnPixels(doc) > 0);

        // Equipotentials too: a cylinder placed without circulation gets the
        // lines of the circulating one while the dialog's row is enabled.
        TMDIChild* other = documentWith(*form, {{"RCIL", "100"}});
        named<QToolButton>(form, "SpeedButton17")->click();
        const QImage withCirculation = other->surface().image();
        TMDIChild* plain = documentWith(*form, {{"RCIL", "100"}});
        setCirculation(*program, false);
        named<QToolButton>(form, "SpeedButton17")->click();
        QVERIFY(withCirculation != plain->surface().image());
    }

    void pairNeedsThePanelHiddenAndBothPoints() {
        TMDIChild* pair = documentWith(
            *form, {{"A", ""}, {"Istok", "1500"}, {"Stok", "1500"}, {"X2", "500"}, {"Y2", "300"}});
        named<QFrame>(form, "Panel1")->show();
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(drawnPixels(pair), 0);
        named<QFrame>(form, "Panel1")->hide();
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(pair->windowTitle(), QString("Исток мощностью Qи=1500 и Сток мощьностью Qс=1500"));
        QVERIFY(drawnPixels(pair) > 0);
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());

        TMDIChild* unfinished = documentWith(*form, {{"A", ""}, {"Istok", "1500"}});
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(answer->text(), QString("'X2' is not a valid integer value"));
        QCOMPARE(drawnPixels(unfinished), 0);
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());

        documentWith(
            *form, {{"A", ""}, {"Istok", "1500"}, {"X2", "500"}, {"Y2", "300"}, {"STOK2", "1500"}});
        std::unique_ptr<ModalAnswer> sentinel(acceptNextMessageBox());
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(sentinel->text(), QString("'STOK' is not a valid integer value"));
    }

    void twoElementsInAStreamGetNoLines() {
        TMDIChild* doc = documentWith(
            *form, {{"Istok", "1500"}, {"X2", "500"}, {"Y2", "300"}, {"STOK2", "1500"}});
        named<QToolButton>(form, "SpeedButton1")->click();
        named<QToolButton>(form, "SpeedButton17")->click();
        QCOMPARE(drawnPixels(doc), 0);
        QCOMPARE(doc->windowTitle(), QString("ZEF NONAME1"));
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
    }

    void equipotentialsOfEverySingleConfiguration() {
        for (auto slot : {std::pair<const char*, QString>{"Istok", "1500"},
                          {"Stok", "1500"},
                          {"Vihr", ""},
                          {"IorS", ""},
                          {"RCIL", "100"},
                          {"Vihrestok", "10"},
                          {"Dipol", "50"}}) {
            TMDIChild* doc = documentWith(*form, {slot});
            const QString caption = doc->windowTitle();
            named<QToolButton>(form, "SpeedButton17")->click();
            QVERIFY2(drawnPixels(doc) > 0, slot.first);
            QCOMPARE(doc->windowTitle(), caption);
            QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
        }
    }

    void badFieldTextStopsTheRunAndKeepsTheGauge() {
        TMDIChild* doc = documentWith(*form, {{"Vihr", ""}});
        program->dialogs().fieldSizeDialog->Edit2->setText("abc");
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        named<QToolButton>(form, "SpeedButton1")->click();
        QCOMPARE(answer->text(), QString("'abc' is not a valid integer value"));
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isVisible());
        QVERIFY(doc->windowTitle() != QString("Плоский вихрь"));

        program->dialogs().fieldSizeDialog->Edit2->setText("800");
        named<QToolButton>(form, "SpeedButton17")->click();
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
    }

    // The bar is painted only now and then during a run, but ends at the
    // run's last position, clamped at the top, also when the run stops early.
    void gaugeEndsAtTheRunsLastPosition() {
        QProgressBar* bar = named<QProgressBar>(form, "Gauge1");
        bar->setValue(0);
        {
            ProgressGauge gauge(bar);
            for (int i = 0; i < 3; ++i) gauge.advance(5);
        }
        QCOMPARE(bar->value(), 15);
        {
            ProgressGauge gauge(bar);
            for (int i = 0; i < 1000; ++i) gauge.advance(4);
        }
        QCOMPARE(bar->value(), 80);
        try {
            ProgressGauge gauge(bar);
            gauge.advance(-90);
            throw std::runtime_error("stop");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(bar->value(), 0);
    }

    // A command's gauge appears once the run has lasted a repaint interval
    // and goes when it ends; a run stopped by an error leaves it showing.
    void gaugeShowsOnlyWhileALongRunGoesOn() {
        QProgressBar* bar = named<QProgressBar>(form, "Gauge1");
        const auto run = [bar](bool stops) {
            ProgressGauge gauge(bar, ProgressGauge::Bar::ShownWhileRunning);
            gauge.advance(1);
            QVERIFY(bar->isHidden());
            QTest::qSleep(ProgressGauge::kRepaintIntervalMs + 20);
            gauge.advance(1);
            QVERIFY(bar->isVisible());
            if (stops) throw std::runtime_error("stop");
        };
        bar->setValue(0);
        run(false);
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->value(), 2);
        try {
            run(true);
        } catch (const std::runtime_error&) {
        }
        QVERIFY(bar->isVisible());
        bar->hide();
    }

    void commandsWithoutADocumentDoNothing() {
        named<QToolButton>(form, "SpeedButton1")->click();
        named<QToolButton>(form, "SpeedButton17")->click();
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
    }
};

QTEST_MAIN(ConstructionCommandsTest)
#include "construction_commands_test.moc"
