// The colour maps driven as a user drives them: every configuration's maps
// drawn or refused, a cylinder's pressure at its known points, the map under
// the lines drawn before and after it, undo, saving, and a superposition's
// speed.
#include <QAction>
#include <QCheckBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <numbers>
#include <string_view>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "dialogs/colour_map_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"
#include "document/picture_export.h"
#include "document/raster_surface.h"
#include "flow/maps/scale_mapping.h"
#include "gui_test_support.h"

namespace maps = flow::maps;
namespace sp = flow::superposition;

namespace {

constexpr auto kSpeed = "SpeedMapButton";
constexpr auto kPressure = "PressureMapButton";
const QString kNoStream =
    "Поле давления не построено: коэффициенту давления нужен набегающий поток";

void click(TMainForm& form, const char* button) {
    named<QToolButton>(&form, button)->click();
}

// The colour of the scale's lowest or highest band (the dialog's ten bands).
QRgb bandColour(maps::MapQuantity quantity, bool top) {
    const std::vector<std::uint32_t> colours = maps::ScaleMapping(quantity, {-3, 1}, 10).colours();
    return top ? colours.back() : colours.front();
}

}  // namespace

class ColourMapTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QString status() { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }
    QString undoText() { return named<QAction>(form, "UndoItem")->text(); }
    void undo() { named<QAction>(form, "UndoItem")->trigger(); }

    TMDIChild* placed(const QString& name) { return placedOnNewDocument(*form, name); }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form, QSize(1400, 1000)));
        form->dialogs().colourMapDialog->Banded->setChecked(true);
    }
    void cleanup() { program.reset(); }

    // A speed map for every configuration; a pressure map only in a stream,
    // otherwise a word in the status line and nothing kept.
    void everyConfigurationHasItsMaps() {
        const QStringList inStream{"cylinder", "cylinder with circulation", "source in stream",
                                   "sink in stream"};
        for (const PlacedConfiguration& c : placedConfigurations()) {
            TMDIChild* d = placed(c.name);
            for (const char* button : {kSpeed, kPressure}) {
                const QImage before = d->surface().image();
                const int steps = d->document().history().count();
                click(*form, button);
                const bool drawn = std::string_view(button) == kSpeed || inStream.contains(c.name);
                QVERIFY2((d->document().history().count() == steps + 1) == drawn,
                         qPrintable(c.name + button));
                QVERIFY2((d->surface().image() != before) == drawn, qPrintable(c.name + button));
                if (!drawn) QCOMPARE(status(), kNoStream);
            }
        }
        click(*form, kSpeed);  // a document without an element
        newDocument(*form);
        click(*form, kSpeed);
        QCOMPARE(status(), QString("Нет элемента: сначала поставьте элемент на поле"));
    }

    // Cp = 1 at the stagnation point and -3 on top (just outside the thick
    // outline); the lines drawn before
    // the map and after it stay on top of it, and undo gives back each
    // earlier picture exactly.
    void aCylindersPressureLiesUnderTheLines() {
        TMDIChild* d = placed("cylinder");
        const int R = d->document().configuration().radius.number();
        const QImage element = d->surface().image();
        click(*form, "SpeedButton1");
        const QImage lines = d->surface().image();
        click(*form, kPressure);
        QCOMPARE(undoText(), QString("&Отменить: поле давления"));
        const QImage mapOverLines = d->surface().image();
        const flow::Color ink = form->dialogs().streamlineDialog->lineColor();
        const QRgb streamline = qRgb(ink.red(), ink.green(), ink.blue());
        int kept = 0;
        for (int y = 0; y < lines.height(); ++y)
            for (int x = 0; x < lines.width(); ++x)
                if (lines.pixel(x, y) == streamline) {
                    QCOMPARE(mapOverLines.pixel(x, y), streamline);
                    ++kept;
                }
        QVERIFY(kept > 1000);
        undo();
        QCOMPARE(d->surface().image(), lines);
        undo();
        QCOMPARE(d->surface().image(), element);

        click(*form, kPressure);
        const QImage map = d->surface().image();
        QCOMPARE(map.pixel(400 - R - 6, 303), bandColour(maps::MapQuantity::Pressure, true));
        QCOMPARE(map.pixel(404, 300 - R - 6), bandColour(maps::MapQuantity::Pressure, false));
        click(*form, "SpeedButton1");
        QCOMPARE(d->surface().image(), mapOverLines);

        // An SVG carries the map as an image under its vector lines.
        const QTemporaryDir folder;
        writeSvgPicture(d->document().construction(), folder.filePath("map.svg"));
        const QByteArray svg = contents(folder.filePath("map.svg"));
        QVERIFY(svg.indexOf("<image") >= 0);
        QVERIFY(svg.indexOf("<image") < svg.indexOf("<polyline"));

        // Files keep the map, as format 3; the file opened draws the same picture.
        d->document().setFileName(folder.filePath("map.zef"));
        named<QAction>(form, "SaveConstructionItem")->trigger();
        QVERIFY(contents(folder.filePath("map.zef")).contains("\"version\": 3"));
        const Construction opened = readConstructionFile(folder.filePath("map.zef"));
        RasterSurface reopened;
        QVERIFY(reopened.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, reopened);
        QCOMPARE(reopened.image(), d->surface().image());
    }

    // A superposition's map: pressure needs its stream; the speed of a
    // stream past a dipole is 0 at the stagnation point.
    void aSuperpositionsSpeedMap() {
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* d = form->ActiveMDIChild();
        const double R = 80, U = 50;
        d->document().addSuperpositionElement(
            sp::dipole(400, 300, 2 * std::numbers::pi * U * R * R, 180));
        click(*form, kPressure);
        QCOMPARE(status(), kNoStream);
        d->document().addSuperpositionElement(sp::stream(U, 0));
        const QImage marks = d->surface().image();
        click(*form, kSpeed);
        QCOMPARE(undoText(), QString("&Отменить: поле скорости"));
        QCOMPARE(d->surface().image().pixel(400 - 81, 301),
                 bandColour(maps::MapQuantity::Speed, false));
        undo();
        QCOMPARE(d->surface().image(), marks);
    }
};

QTEST_MAIN(ColourMapTest)
#include "colour_map_test.moc"
