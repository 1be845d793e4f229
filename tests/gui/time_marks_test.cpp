// The time-marks command driven as a user drives it: refused without an
// element or streamlines, drawn for every configuration, crowding before a
// cylinder, carried by streamlines drawn later, undone, saved and reopened.
#include <QAction>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "dialogs/color_swatch.h"
#include "dialogs/streamline_dialog.h"
#include "document/construction_file.h"
#include "document/document.h"
#include "document/mdi_child.h"
#include "document/raster_surface.h"
#include "gui_test_support.h"

namespace {

const QColor kMarkColour(0, 160, 0);

class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

void click(TMainForm& form, const char* button) {
    named<QToolButton>(&form, button)->click();
}

// Pixels of the marks' colour in the picture's columns [left, left + width)
// and rows [top, bottom).
int marksIn(const QImage& image, int left, int width, int top, int bottom) {
    int count = 0;
    for (int x = left; x < left + width; ++x)
        for (int y = top; y < bottom; ++y) count += image.pixelColor(x, y) == kMarkColour;
    return count;
}

}  // namespace

class TimeMarksTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QString status() { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }
    QString undoText() { return named<QAction>(form, "UndoItem")->text(); }

    TMDIChild* placed(const QString& name) { return placedOnNewDocument(*form, name); }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form, QSize(1400, 1000)));
        setSwatchColor(program->dialogs().streamlineDialog->MarkSwatch, kMarkColour);
    }
    void cleanup() { program.reset(); }

    // Nothing placed, or no streamlines yet: a word in the status line and
    // nothing kept; then marks on every configuration's streamlines.
    void refusedOrDrawnForEveryConfiguration() {
        TMDIChild* empty = newDocument(*form);
        click(*form, "TimeMarksButton");
        QCOMPARE(status(), QString("Нет элемента: сначала поставьте элемент на поле"));
        QCOMPARE(empty->document().construction().steps.size(), 0u);
        for (const PlacedConfiguration& c : placedConfigurations()) {
            TMDIChild* d = placed(c.name);
            const std::size_t steps = d->document().construction().steps.size();
            click(*form, "TimeMarksButton");
            QCOMPARE(status(), QString("Метки времени не построены: сначала постройте линии тока"));
            QCOMPARE(d->document().construction().steps.size(), steps);
            click(*form, "SpeedButton1");
            const QImage lines = d->surface().image();
            click(*form, "TimeMarksButton");
            QVERIFY2(status().startsWith("Меток времени: "), qPrintable(c.name + status()));
            QVERIFY2(marksIn(d->surface().image(), 0, 800, 0, 600) > 0, qPrintable(c.name));
            QCOMPARE(undoText(), QString("&Отменить: метки времени"));
            named<QAction>(form, "UndoItem")->trigger();
            QCOMPARE(d->surface().image(), lines);
        }
    }

    // On a cylinder the marks crowd at its front, where the flow stops;
    // lines drawn later carry marks; a file keeps them all.
    void crowdBeforeACylinderAndAreKept() {
        TMDIChild* d = placed("cylinder");
        click(*form, "SpeedButton1");
        click(*form, "TimeMarksButton");
        const QImage marked = d->surface().image();
        // Along the body: its front (x = 300) against its top (y = 200).
        const int top = marksIn(marked, 370, 60, 195, 205);
        QVERIFY(top > 0);
        QVERIFY(marksIn(marked, 295, 10, 270, 330) > 2 * top);

        TOKBottomDlg2& dialog = *program->dialogs().streamlineDialog;
        dialog.Label8->setText("7");
        dialog.MarkInterval->setValue(35);
        click(*form, "SpeedButton1");
        QVERIFY(d->surface().image() != marked);

        const QTemporaryDir folder;
        d->document().setFileName(folder.filePath("marks.zef"));
        named<QAction>(form, "SaveConstructionItem")->trigger();
        QVERIFY(contents(folder.filePath("marks.zef")).contains("\"version\": 6"));
        const Construction opened = readConstructionFile(folder.filePath("marks.zef"));
        RasterSurface reopened;
        QVERIFY(reopened.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, reopened);
        QCOMPARE(reopened.image(), d->surface().image());
    }

    // A superposition's streamlines carry marks, also those drawn after the
    // step, and a replay draws them as they were drawn.
    void markASuperpositionAsItsReplayDoes() {
        Document document;
        document.makeSuperposition();
        QVERIFY(document.surface().createPicture(800, 600));
        document.addSuperpositionElement(flow::superposition::stream(1, 0));
        document.addSuperpositionElement(flow::superposition::dipole(400, 300, 20000, 180));
        flow::SettingValues values;
        NoGauge gauge;
        document.drawSuperpositionLines(SuperpositionLines::Streamlines, values.settings(), gauge);
        const QImage lines = document.surface().image();
        QVERIFY(document.drawTimeMarks(values.settings()).result == Document::MarksOutcome::Drawn);
        QVERIFY(document.surface().image() != lines);
        values.set("streamlines.count", 7);
        values.set("streamlines.markInterval", 55);
        document.drawSuperpositionLines(SuperpositionLines::Streamlines, values.settings(), gauge);
        RasterSurface again;
        QVERIFY(again.createPicture(800, 600));
        replay(document.construction(), again);
        QCOMPARE(again.image(), document.surface().image());
    }
};

QTEST_MAIN(TimeMarksTest)
#include "time_marks_test.moc"
