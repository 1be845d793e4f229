// The landmarks of a construction: which flow and which of its steps'
// readings they come from, for constructions made in the program and put
// together step by step.
#include "document/construction_landmarks.h"

#include <QAction>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "document/mdi_child.h"
#include "document/velocity_marker.h"
#include "flow/geometry.h"
#include "gui_test_support.h"
#include "render/flow_construction.h"
#include "render/render_request.h"

namespace {

using flow::LandmarkKind;

ConstructionStep elementStep(const Configuration& configuration) {
    return {ElementStep{{}, {}, configuration}, {}};
}

ConstructionStep commandStep(std::string_view routine, std::vector<int> arguments,
                             flow::SettingValues read = {}) {
    return {CommandStep{flow::routineCall(routine, std::move(arguments)), {}}, std::move(read)};
}

ConstructionStep velocityStep(flow::VelocityConfig config, flow::Point p, int U, int gamma) {
    flow::VelocityInput in{config, p, {400, 300}, 10};
    in.R = 100;
    in.U = U;
    in.gamma = gamma;
    in.Q = 1500;
    return {VelocityStep{in}, {}};
}

flow::SettingValues reading(std::string_view name, flow::SettingValue value) {
    flow::SettingValues values;
    values.set(name, std::move(value));
    return values;
}

Configuration at400(void (*fill)(Configuration&)) {
    Configuration c;
    c.centreX.set(400);
    c.centreY.set(300);
    fill(c);
    return c;
}

Configuration sourceInStream() {
    return at400([](Configuration& c) { c.source.set(1500); });
}
Configuration cylinder() {
    return at400([](Configuration& c) { c.radius.set(100); });
}

std::vector<flow::Landmark> ofKind(const std::vector<flow::Landmark>& all, LandmarkKind kind) {
    std::vector<flow::Landmark> found;
    for (const flow::Landmark& l : all)
        if (l.kind == kind) found.push_back(l);
    return found;
}

// Where the single stagnation point of the landmarks lies from the centre.
double stagnationX(const std::vector<flow::Landmark>& all) {
    const auto points = ofKind(all, LandmarkKind::StagnationPoint);
    if (points.size() != 1) qFatal("%d stagnation points", static_cast<int>(points.size()));
    return points[0].place->flow.x;
}

// A landmark as the textbook gives it: its place on the picture (for a
// half-width none), and its value: the half-width, the surface speed, or
// for a velocity its parts Vx and Vy.
struct Expected {
    LandmarkKind kind;
    double x, y;
    double value;
    double vy = 0;
};

struct FlowCase {
    const char* arguments;
    std::vector<Expected> landmarks;
};

constexpr LandmarkKind kStagnation = LandmarkKind::StagnationPoint;
constexpr LandmarkKind kSurface = LandmarkKind::GreatestSurfaceSpeed;
constexpr LandmarkKind kVelocity = LandmarkKind::Velocity;
constexpr LandmarkKind kDownstream = LandmarkKind::HalfWidthDownstream;

// Worked out by hand with pi = 3.14159265...: the field's centre (400, 300),
// a flow of two elements at (300, 300) and (500, 300), Q = 1500, U = 1,
// R = 100, Г = 1000, M = 50 unless set.
const std::vector<FlowCase> kFlowCases{
    {"source-in-stream", {{kStagnation, 161.2676, 300, 0}, {kDownstream, 0, 0, 750}}},
    {"source-in-stream --set streamSpeed.speed=3",
     {{kStagnation, 320.4225, 300, 0}, {kDownstream, 0, 0, 250}}},
    {"sink-in-stream --set sourceSink.sinkStrength=3000 --set streamSpeed.speed=2 --streamlines",
     {{kStagnation, 638.7324, 300, 0}, {LandmarkKind::HalfWidthUpstream, 0, 0, 750}}},
    {"cylinder --set streamSpeed.speed=2 --streamlines",
     {{kStagnation, 300, 300, 0},
      {kStagnation, 500, 300, 0},
      {kSurface, 400, 200, 4},
      {kSurface, 400, 400, 4}}},
    {"cylinder --set cylinder.radius=150 --set streamSpeed.speed=5 --velocity 520,210",
     {{kStagnation, 250, 300, 0},
      {kStagnation, 550, 300, 0},
      {kSurface, 400, 150, 10},
      {kSurface, 400, 450, 10},
      {kVelocity, 520, 210, 3.6, -4.8}}},
    {"cylinder-circulation --velocity 520,210",
     {{kStagnation, 339.4407, 220.4225, 0},
      {kStagnation, 460.5593, 220.4225, 0},
      {kSurface, 400, 400, 3.591549},
      {kVelocity, 520, 210, 0.238936, 0.422160}}},
    {"cylinder-circulation --set cylinder.circulation=2000 --set cylinder.radius=50",
     {{kStagnation, 400, -10.2519, 0}, {kSurface, 400, 350, 8.366198}}},
    {"pair --set sourceSink.sinkStrength=1000 --velocity 520,210",
     {{kStagnation, 900, 300, 0}, {kVelocity, 520, 210, 0.555095, -1.304888}}},
    // The pair's lines put the source at the first point whichever came first.
    {"pair-sink-first --set sourceSink.sourceStrength=3000", {{kStagnation, 700, 300, 0}}},
    {"source-in-stream-and-sink --velocity 520,210", {{kVelocity, 520, 210, 1.367854, -2.147473}}},
    {"sink-in-stream-and-source --set streamSpeed.speed=2 --velocity 250,350",
     {{kVelocity, 250, 350, 3.469123, 2.203684}}},
    {"dipole --velocity 450,260", {{kVelocity, 450, 260, 0.002677, 0.011898}}},
    {"vortex --velocity 450,260", {{kVelocity, 450, 260, -1.552731, 1.940914}}},
    {"vortex-source --velocity 450,260", {{kVelocity, 450, 260, 3.493645, -0.388183}}},
    {"source --velocity 450,260", {{kVelocity, 450, 260, 2.911371, 2.329097}}},
};

// The landmarks zef-render gives for the flow and arguments.
std::vector<flow::Landmark> renderedLandmarks(const char* arguments) {
    const RenderRequest request = parseRenderArguments(
        QStringList{"zef-render", "--landmarks", "--flow"} + QString(arguments).split(' '));
    return landmarksOf(flowConstruction(request.flow), flowSettings(request.flow));
}

}  // namespace

class ConstructionLandmarksTest : public QObject {
    Q_OBJECT

  private slots:
    // Every place within a tenth of a pixel of the exact one, every speed
    // within a thousandth of its size.
    void everyFlowNameHasItsTextbookLandmarks() {
        for (const FlowCase& c : kFlowCases) {
            const char* name = c.arguments;
            const std::vector<flow::Landmark> landmarks = renderedLandmarks(c.arguments);
            QVERIFY2(landmarks.size() == c.landmarks.size(), name);
            for (std::size_t i = 0; i < landmarks.size(); ++i) {
                const flow::Landmark& l = landmarks[i];
                const Expected& e = c.landmarks[i];
                QVERIFY2(l.kind == e.kind, name);
                if (l.place) {
                    QVERIFY2(qAbs(l.place->picture.x - e.x) < 0.1, name);
                    QVERIFY2(qAbs(l.place->picture.y - e.y) < 0.1, name);
                }
                if (e.kind == kVelocity) {
                    const double speed = std::hypot(e.value, e.vy);
                    QVERIFY2(qAbs(l.velocity->vx - e.value) < 1e-3 * speed, name);
                    QVERIFY2(qAbs(l.velocity->vy - e.vy) < 1e-3 * speed, name);
                    QVERIFY2(qAbs(l.value - speed) < 1e-3 * speed, name);
                } else if (e.kind != kStagnation) {
                    QVERIFY2(qAbs(l.value - e.value) < 1e-3 * e.value, name);
                }
            }
        }
    }

    void nothingBeforeAnElementNorForFlowsWithoutLandmarks() {
        QVERIFY(landmarksOf(Construction{}).empty());
        const Configuration vortex = at400([](Configuration& c) { c.vortex.set(QString()); });
        QVERIFY(landmarksOf({{}, {}, {elementStep(vortex)}}).empty());
        // A source in a stream with a sink added: no routine draws the three.
        const Configuration partnered = at400([](Configuration& c) {
            c.source.set(1500);
            c.sinkPartner.set(1500);
            c.secondX.set(600);
            c.secondY.set(300);
        });
        QVERIFY(landmarksOf({{}, {}, {elementStep(partnered)}}).empty());
        // A slot that holds no integer stops every routine of the flow.
        const Configuration garbled = at400([](Configuration& c) { c.source.set("x"); });
        QVERIFY(landmarksOf({{}, {}, {elementStep(garbled)}}).empty());
    }

    void theStreamSpeedTheLinesWereDrawnWith() {
        Construction c{{}, {}, {elementStep(sourceInStream())}};
        QCOMPARE(stagnationX(landmarksOf(c)), -1500 / (2 * M_PI));  // the default speed
        c.steps.push_back(velocityStep(flow::VelocityConfig::SourceInStream, {500, 200}, 3, 0));
        QCOMPARE(stagnationX(landmarksOf(c)), -1500 / (2 * M_PI * 3));
        c.steps.push_back(
            commandStep("StreamSourceInStream", {400, 300, 1500}, reading("streamSpeed.speed", 2)));
        c.steps.push_back(velocityStep(flow::VelocityConfig::SourceInStream, {500, 200}, 5, 0));
        QCOMPARE(stagnationX(landmarksOf(c)), -1500 / (2 * M_PI * 2));
        // Held within the dialog's range, as the replay holds it.
        c.steps.push_back(commandStep("EquipotentialSourceInStream", {400, 300, 1500},
                                      reading("streamSpeed.speed", 0)));
        QCOMPARE(stagnationX(landmarksOf(c)), -1500 / (2 * M_PI));
        // Velocity at both clicked points, in order, after the flow's own.
        const auto velocities = ofKind(landmarksOf(c), LandmarkKind::Velocity);
        QCOMPARE(velocities.size(), std::size_t{2});
        QCOMPARE(velocities[1].place->flow.x, 100.0);
        QVERIFY(velocities[0].value != velocities[1].value);
        QCOMPARE(landmarksOf(c).back().kind, LandmarkKind::Velocity);
    }

    void theCylinderRoutineThatRanTellsWhetherItCirculates() {
        Construction c{{}, {}, {elementStep(cylinder())}};
        QCOMPARE(ofKind(landmarksOf(c), LandmarkKind::StagnationPoint).size(), std::size_t{2});
        QCOMPARE(landmarksOf(c)[0].place->flow.y, 0.0);  // no circulation by default
        c.steps.push_back(
            velocityStep(flow::VelocityConfig::CylinderCirculation, {520, 210}, 1, 300));
        QVERIFY(landmarksOf(c)[0].place->flow.y > 0);
        c.steps.push_back(commandStep("StreamCylinder", {100, 400, 300}));
        QCOMPARE(landmarksOf(c)[0].place->flow.y, 0.0);
        c.steps.push_back(commandStep("EquipotentialCylinderCirculation", {100, 400, 300},
                                      reading("cylinder.circulation", 1000)));
        const auto points = ofKind(landmarksOf(c), LandmarkKind::StagnationPoint);
        QCOMPARE(points.size(), std::size_t{2});
        QVERIFY(qAbs(points[0].place->flow.y - 1000 / (4 * 3.141592653589793)) < 1e-9);
        // An element step may record the flag for a cylinder drawn by nothing yet.
        Construction placed{{}, {}, {elementStep(cylinder())}};
        placed.steps[0].settings.set("cylinder.withCirculation", true);
        QVERIFY(landmarksOf(placed)[0].place->flow.y > 0);
    }

    void thePairAsItsStreamlinesPlaceIt() {
        const Configuration pair = at400([](Configuration& c) {
            c.pair.set(QString());
            c.source.set(2000);
            c.sink.set(1000);
        });
        QVERIFY(landmarksOf({{}, {}, {elementStep(pair)}}).empty());  // second point to come
        Configuration complete = pair;
        complete.secondX.set(200);  // placed left of the first point: the sink goes right
        complete.secondY.set(300);
        QCOMPARE(stagnationX(landmarksOf({{}, {}, {elementStep(complete)}})), 400.0);
    }

    // Drawn in the program: the circulation its dialog sets, the velocity
    // clicked afterwards, and the marks on the document's picture.
    void aCirculatingCylinderDrawnInTheProgram() {
        std::unique_ptr<TProgram> program;
        TMainForm* form = nullptr;
        QVERIFY(startProgram(program, form));
        TMDIChild* d = newDocument(*form);
        program->dialogs().cylinderDialog->TrackBar2->setValue(600);
        for (const PlacedConfiguration& placed : placedConfigurations())
            if (placed.name == "cylinder with circulation") placed.place(*form, d, {400, 300});
        named<QToolButton>(form, "SpeedButton1")->click();
        named<QToolButton>(form, "SpeedButton8")->click();
        d->Shape1->move(517, 207);
        d->Shape1->show();
        QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));

        const std::vector<flow::Landmark> landmarks = landmarksOf(d->document().construction());
        const auto points = ofKind(landmarks, LandmarkKind::StagnationPoint);
        QCOMPARE(points.size(), std::size_t{2});
        const double sine = 600 / (4 * 3.141592653589793 * 100);
        QVERIFY(qAbs(points[1].place->flow.y - 100 * sine) < 1e-9);
        QVERIFY(qAbs(points[1].place->picture.x - (400 + 100 * std::sqrt(1 - sine * sine))) < 1e-9);
        const auto velocity = ofKind(landmarks, LandmarkKind::Velocity);
        QCOMPARE(velocity.size(), std::size_t{1});
        QCOMPARE(velocity[0].place->picture.x, 520.0);

        QImage picture = d->surface().image();
        markLandmarks(d->surface(), landmarks);
        const QImage& after = d->surface().image();
        const QRgb magenta = qRgb(255, 0, 255);
        // Each cross's centre and arm ends, and nothing magenta before.
        QVERIFY(picture.pixel(520, 210) != magenta);
        for (const flow::Landmark& l : landmarks) {
            const int x = static_cast<int>(flow::Round(l.place->picture.x));
            const int y = static_cast<int>(flow::Round(l.place->picture.y));
            QCOMPARE(after.pixel(x, y), magenta);
            QCOMPARE(after.pixel(x - 4, y + 4), magenta);
            QCOMPARE(after.pixel(x + 4, y + 4), magenta);
        }
    }

    // A Rankine oval built in a superposition document: its two stagnation
    // points, and the velocity clicked with the numbers the status bar showed.
    void aSuperpositionBuiltInTheProgram() {
        namespace sp = flow::superposition;
        std::unique_ptr<TProgram> program;
        TMainForm* form = nullptr;
        QVERIFY(startProgram(program, form));
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* d = form->ActiveMDIChild();
        for (const sp::Element& e :
             {sp::stream(1, 0), sp::source(300, 300, 1500), sp::sink(500, 300, 1500)})
            d->document().addSuperpositionElement(e);
        named<QToolButton>(form, "SpeedButton8")->click();
        d->Shape1->move(427, 167);
        d->Shape1->show();
        QTest::mouseClick(d->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        const QString status = named<QStatusBar>(form, "StatusBar")->currentMessage();
        QVERIFY2(status.startsWith("Скорость в точке (430,170): |V| = "), qPrintable(status));

        const std::vector<flow::Landmark> landmarks = landmarksOf(d->document().construction());
        QCOMPARE(ofKind(landmarks, LandmarkKind::StagnationPoint).size(), std::size_t{2});
        const QString text = QString::fromStdString(landmarksText(landmarks));
        const QString velocity =
            "Скорость в точке (430.0, 170.0) пикс.; (30.0, 130.0) от центра поля" +
            status.mid(status.indexOf(": |V|")) + "\n";
        QVERIFY2(text.endsWith(velocity), qPrintable(text));
        d->document().markSaved();
    }
};

QTEST_MAIN(ConstructionLandmarksTest)
#include "construction_landmarks_test.moc"
