// The renderer draws what the program draws. Every configuration is built
// through the real window (its tool, the construction commands, a velocity
// click, a label); the same flow given to the renderer by name must record
// the very same construction, and the renderer's pictures — from those
// arguments and from the document's construction file — hold the document's
// pixels.
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "configurations.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "document/construction_file.h"
#include "document/construction_landmarks.h"
#include "document/mdi_child.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"
#include "render/flow_construction.h"
#include "render/renderer.h"

namespace {

using Place = std::function<void(TMainForm&, TMDIChild*, QPoint)>;

Place placedAs(const QString& name) {
    for (const PlacedConfiguration& placed : placedConfigurations())
        if (placed.name == name) return placed.place;
    qFatal("no configuration %s", qPrintable(name));
}

// A stream's element with its tool, then its partner through the popup menu.
Place withPartner(const char* tool, const char* partnerItem) {
    return [tool, partnerItem](TMainForm& form, TMDIChild* d, QPoint at) {
        named<QToolButton>(&form, tool)->click();
        clickPicture(d, at);
        form.PopupMenu1Popup();
        named<QAction>(&form, partnerItem)->trigger();
        clickPicture(d, at + QPoint(200, 40));
    };
}

void clickVelocity(TMainForm& form, TMDIChild* d, QPoint at) {
    named<QToolButton>(&form, "SpeedButton8")->setChecked(true);
    d->Shape1->move(at - QPoint(3, 3));
    d->Shape1->show();
    QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    named<QToolButton>(&form, "SpeedButton8")->setChecked(false);
}

void stampLabel(TMainForm& form, TMDIChild* d, QPoint at, const QString& text) {
    named<QToolButton>(&form, "SpeedButton7")->click();
    clickPicture(d, at);
    typeText(d->EditText, text);
    named<QToolButton>(&form, "SpeedButton7")->click();
}

QImage rgb(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class RenderIdentityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString& name) const { return folder->filePath(name); }

    int render(QStringList arguments) {
        arguments.prepend("zef-render");
        return runRenderer(arguments);
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QVERIFY(startProgram(program, form, QSize(1400, 1000)));
        folder = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        program.reset();
        folder.reset();
    }

    void everyFlowDrawsTheDocumentsPicture_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QStringList>("flow");
        QTest::addColumn<bool>("lines");
        const auto row = [](const char* name, const Place& place, QStringList flow,
                            bool lines = true) { QTest::newRow(name) << place << flow << lines; };
        row("source", placedAs("point source"), {"--flow", "source"});
        row("vortex", placedAs("vortex"), {"--flow", "vortex", "--at", "400,300"});
        row("vortex-source", placedAs("vortex-source"), {"--flow", "vortex-source"});
        row("dipole", placedAs("dipole"), {"--flow", "dipole"});
        row("cylinder", placedAs("cylinder"), {"--flow", "cylinder"});
        row("cylinder-circulation", placedAs("cylinder with circulation"),
            {"--flow", "cylinder-circulation"});
        row("source-in-stream", placedAs("source in stream"), {"--flow", "source-in-stream"});
        row("sink-in-stream", placedAs("sink in stream"), {"--flow", "sink-in-stream"});
        row("pair", placedAs("source-sink pair"), {"--flow", "pair"}, false);
        row(
            "pair-sink-first",
            [](TMainForm& form, TMDIChild* d, QPoint at) {
                named<QToolButton>(&form, "SpeedButton15")->click();
                named<QRadioButton>(&form, "RadioButton2")->click();
                clickPicture(d, at - QPoint(100, 0));
                clickPicture(d, at + QPoint(150, 70));
            },
            {"--flow", "pair-sink-first", "--second", "550,0"}, false);
        row("source-in-stream-and-sink", withPartner("SpeedButton4", "N13"),
            {"--flow", "source-in-stream-and-sink", "--at", "400,300", "--second", "600,340"},
            false);
        row("sink-in-stream-and-source", withPartner("SpeedButton5", "N12"),
            {"--flow", "sink-in-stream-and-source", "--at", "400,300", "--second", "600,0"}, false);
    }

    void everyFlowDrawsTheDocumentsPicture() {
        QFETCH(Place, place);
        QFETCH(QStringList, flow);
        QFETCH(bool, lines);
        TMDIChild* d = newDocument(*form);
        place(*form, d, {400, 300});
        if (lines) {
            named<QToolButton>(form, "SpeedButton1")->click();
            named<QToolButton>(form, "SpeedButton17")->click();
            named<QToolButton>(form, "SpeedButton1")->click();
            flow << "--streamlines"
                 << "--equipotentials"
                 << "--streamlines";
        } else if (flow.contains("pair")) {
            named<QToolButton>(form, "SpeedButton1")->click();
            flow << "--streamlines";
        }
        clickVelocity(*form, d, {520, 210});
        stampLabel(*form, d, {40, 30}, "Поток, 1");
        flow << "--velocity"
             << "520,210"
             << "--label"
             << "40,30,Поток, 1";
        const Construction document = d->document().construction();

        const RenderRequest request = parseRenderArguments(QStringList{"zef-render"} << flow << "-o"
                                                                                     << "x.png");
        QCOMPARE(QString(constructionToJson(flowConstruction(request.flow))),
                 QString(constructionToJson(document)));

        writeConstructionFile(document, path("document.zef"));
        QCOMPARE(render(flow << "-o" << path("flow.png")), 0);
        QCOMPARE(render({path("document.zef"), "-o", path("file.bmp")}), 0);
        const QImage picture = rgb(d->surface().image());
        QCOMPARE(rgb(QImage(path("flow.png"))), picture);
        QCOMPARE(rgb(QImage(path("file.bmp"))), picture);
    }

    // Values changed in the dialogs are the renderer's settings by name.
    void settingsByNameAreTheDialogsValues() {
        TOKBottomDlg* cylinder = program->dialogs().cylinderDialog;
        cylinder->TrackBar1->setValue(120);
        program->dialogs().streamlineDialog->CheckBox1->setChecked(false);
        TMDIChild* d = newDocument(*form);
        placedAs("cylinder")(*form, d, {300, 250});
        named<QToolButton>(form, "SpeedButton1")->click();
        const QStringList flow = {"zef-render",
                                  "--flow",
                                  "cylinder",
                                  "--at",
                                  "300,250",
                                  "--set",
                                  "cylinder.radius=120",
                                  "--streamlines",
                                  "--set",
                                  "streamlines.arrows=false",
                                  "-o",
                                  "x.svg"};
        QCOMPARE(QString(constructionToJson(flowConstruction(parseRenderArguments(flow).flow))),
                 QString(constructionToJson(d->document().construction())));

        program->dialogs().sourceSinkDialog->setSinkStrength("2000");
        TMDIChild* sink = newDocument(*form);
        placedAs("sink in stream")(*form, sink, {400, 300});
        named<QToolButton>(form, "SpeedButton1")->click();
        const QStringList sinkFlow = {"zef-render",
                                      "--flow",
                                      "sink-in-stream",
                                      "--set",
                                      "sourceSink.sinkStrength=2000",
                                      "--set",
                                      "streamlines.arrows=false",
                                      "--streamlines",
                                      "--field",
                                      "800x600",
                                      "-o",
                                      "x.pdf"};
        QCOMPARE(QString(constructionToJson(flowConstruction(parseRenderArguments(sinkFlow).flow))),
                 QString(constructionToJson(sink->document().construction())));
    }

    // The crosses go over the document's picture, at each landmark and
    // nowhere else, in the raster and the vector forms alike.
    void landmarksAreMarkedOverThePicture() {
        TMDIChild* d = newDocument(*form);
        placedAs("cylinder with circulation")(*form, d, {400, 300});
        named<QToolButton>(form, "SpeedButton1")->click();
        clickVelocity(*form, d, {520, 210});
        const QStringList flow = {"--flow",
                                  "cylinder-circulation",
                                  "--streamlines",
                                  "--velocity",
                                  "520,210",
                                  "--mark-landmarks",
                                  "-o"};
        QCOMPARE(render(QStringList(flow) << path("marked.png")), 0);
        QCOMPARE(render(QStringList(flow) << path("marked.svg")), 0);

        const std::vector<flow::Landmark> landmarks = landmarksOf(d->document().construction());
        QCOMPARE(landmarks.size(), std::size_t{4});
        const QImage picture = rgb(d->surface().image());
        const QImage marked = rgb(QImage(path("marked.png")));
        const QRgb magenta = qRgb(255, 0, 255);
        const auto nearLandmark = [&](int x, int y) {
            for (const flow::Landmark& landmark : landmarks)
                if (landmark.place && std::abs(landmark.place->picture.x - x) <= 5 &&
                    std::abs(landmark.place->picture.y - y) <= 5)
                    return true;
            return false;
        };
        int changed = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (marked.pixel(x, y) != picture.pixel(x, y)) {
                    ++changed;
                    QVERIFY(marked.pixel(x, y) == magenta && nearLandmark(x, y));
                }
        QVERIFY(changed > 3 * 9);
        for (const flow::Landmark& landmark : landmarks)
            if (landmark.place)
                QCOMPARE(marked.pixel(qRound(landmark.place->picture.x),
                                      qRound(landmark.place->picture.y)),
                         magenta);
        QVERIFY(contents(path("marked.svg")).contains("#ff00ff"));
    }

    // The vector forms are the construction drawn again: the SVG parses and
    // the PDF is one.
    void everyFormIsReadable() {
        const QStringList flow = {"--flow", "source-in-stream", "--streamlines", "--equipotentials",
                                  "-o"};
        for (const char* name : {"sheet.bmp", "sheet.PNG", "sheet.svg", "sheet.pdf"})
            QCOMPARE(render(QStringList(flow) << path(name)), 0);
        QCOMPARE(QImage(path("sheet.bmp")).size(), QSize(800, 600));
        QCOMPARE(rgb(QImage(path("sheet.PNG"))), rgb(QImage(path("sheet.bmp"))));
        QVERIFY(QSvgRenderer(path("sheet.svg")).isValid());
        QCOMPARE(QSvgRenderer(path("sheet.svg")).viewBox(), QRect(0, 0, 800, 600));
        QVERIFY(contents(path("sheet.pdf")).startsWith("%PDF"));
    }
};

QTEST_MAIN(RenderIdentityTest)
#include "render_identity_test.moc"
