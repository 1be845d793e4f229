// The window of the pressure along a body, driven as a user drives it: a
// cylinder's Cp from the field against the exact curve, with and without
// circulation, the window following the active document and its undo, a
// flow with no body, and the exports.
#include "app/pressure_window.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"
#include "gui_test_support.h"

namespace {

double cpAt(const std::vector<flow::maps::PressurePoint>& points, double degrees) {
    for (const flow::maps::PressurePoint& p : points)
        if (std::abs(p.at - degrees) < 1e-9) return p.cp;
    return NAN;
}

}  // namespace

class PressureWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    TMDIChild* placed(const QString& name) {
        TMDIChild* d = newDocument(*form);
        for (const PlacedConfiguration& c : placedConfigurations())
            if (c.name == name) c.place(*form, d, {400, 300});
        return d;
    }
    PressureWindow* openWindow() {
        named<QAction>(form, "PressureWindowItem")->trigger();
        return named<PressureWindow>(form, "PressureWindow");
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    // Sampled within 1e-3 of the exact curve; Cp = 1 where the flow rests
    // on the surface; the lowest where the surface is fastest.
    void aCylindersPressureAgainstTheExactCurve() {
        struct Case {
            const char* name;
            double share;  // G / (2 pi R U)
        };
        const double R = form->dialogs().cylinderDialog->radius();
        const double gamma = form->dialogs().cylinderDialog->circulation();
        for (const Case& c :
             {Case{"cylinder", 0.0}, Case{"cylinder with circulation", gamma / (2 * M_PI * R)}}) {
            placed(c.name);
            const std::optional<BodyPressure>& body = openWindow()->body();
            QVERIFY2(body && body->kind == BodyKind::Cylinder, c.name);
            for (const double degrees : {0, 30, 45, 90, 135, 180, 200, 270, 300, 359})
                QVERIFY2(std::abs(cpAt(body->sampled, degrees) - cpAt(body->exact, degrees)) < 1e-3,
                         qPrintable(QString("%1 %2").arg(c.name).arg(degrees)));
            const double rest = std::asin(c.share / 2) * 180 / M_PI;
            QCOMPARE(body->stagnation.size(), std::size_t(2));
            for (const double expected : {rest, 180 - rest}) {
                const auto near = [&](const auto& p) { return std::abs(p.at - expected) < 1e-6; };
                const auto found =
                    std::find_if(body->stagnation.begin(), body->stagnation.end(), near);
                QVERIFY2(found != body->stagnation.end(), c.name);
                QVERIFY(std::abs(found->cp - 1) < 1e-9);
            }
            QCOMPARE(body->lowest.at, 270.0);
            QVERIFY(std::abs(body->lowest.cp - (1 - std::pow(2 + c.share, 2))) < 1e-9);
            if (c.share == 0) QVERIFY(std::abs(cpAt(body->sampled, 90) + 3) < 1e-3);
        }
    }

    // Which sets of elements make a body, and a half-body's lowest Cp, the
    // textbook -0.587.
    void whichFlowsHaveABody() {
        namespace sp = flow::superposition;
        using Kind = std::optional<BodyKind>;
        const struct {
            std::vector<sp::Element> elements;
            Kind kind;
        } cases[] = {
            {{sp::stream(1, 0), sp::source(300, 300, 1500)}, BodyKind::HalfBody},
            {{sp::sink(500, 300, 1500), sp::stream(2, 360)}, BodyKind::HalfBody},
            {{sp::stream(1, 0), sp::source(300, 300, 1500), sp::sink(500, 300, 1500)},
             BodyKind::RankineOval},
            {{sp::stream(1, 0), sp::source(500, 300, 1500), sp::sink(300, 300, 1500)}, Kind()},
            {{sp::stream(1, 0), sp::source(300, 300, 1500), sp::sink(500, 300, 1000)}, Kind()},
            {{sp::stream(1, 0), sp::source(300, 300, 1500), sp::sink(500, 310, 1500)}, Kind()},
            {{sp::stream(1, 90), sp::source(300, 300, 1500)}, Kind()},
            {{sp::source(300, 300, 1500), sp::sink(500, 300, 1500)}, Kind()},
            {{sp::stream(1, 0), sp::source(300, 300, 1500), sp::vortex(400, 300, 100)}, Kind()},
        };
        for (const auto& c : cases) {
            const std::optional<BodyPressure> body = bodyPressureOf(c.elements, std::nullopt, 800);
            QCOMPARE(body ? Kind(body->kind) : Kind(), c.kind);
            if (body) QVERIFY(std::abs(body->stagnation.front().cp - 1) < 1e-6);
            if (body && body->kind == BodyKind::HalfBody)
                QVERIFY(std::abs(body->lowest.cp + 0.587) < 1e-3);
        }
    }

    // The window follows the active document and its history; a flow with
    // no body, and no document, give the word instead of the chart.
    void theWindowFollowsTheDocuments() {
        TMDIChild* cylinder = placed("cylinder");
        PressureWindow* window = openWindow();
        auto* message = named<QLabel>(window, "PressureMessage");
        QVERIFY(window->isVisible() && window->body() && message->isHidden());
        for (const char* name : {"vortex", "dipole", "source-sink pair"}) {
            placed(name);
            QVERIFY2(!window->body() && message->isVisibleTo(window), name);
            QVERIFY(message->text().startsWith("Для этого течения тело не определено"));
            QVERIFY(!named<QPushButton>(window, "PressureExportCSV")->isEnabled());
        }
        placed("source in stream");
        QCOMPARE(window->body()->kind, BodyKind::HalfBody);
        named<QAction>(form, "UndoItem")->trigger();
        QVERIFY(!window->body());
        cylinder->setFocus();
        form->findChild<QMdiArea*>()->setActiveSubWindow(cylinder);
        QCOMPARE(window->body()->kind, BodyKind::Cylinder);
    }

    // CSV: a header and one row per sample, a '.' for the decimal point;
    // the buttons write through the file dialog with their own extension.
    void theExports() {
        placed("cylinder");
        PressureWindow* window = openWindow();
        const QTemporaryDir folder;
        {
            SaveAs answer(folder.path(), "cp");
            named<QPushButton>(window, "PressureExportCSV")->click();
        }
        const QStringList rows = QString::fromUtf8(contents(folder.filePath("cp.csv"))).split('\n');
        QCOMPARE(rows.size(), 361 + 2);  // the header, the samples, the last line's end
        QCOMPARE(rows[0], QString("theta,cp"));
        QCOMPARE(rows[1], QString("0.0000,1.000000"));
        QCOMPARE(rows[91], QString("90.0000,-3.000000"));
        for (const char* name : {"cp.png", "cp.svg"}) {
            window->exportTo(folder.filePath(name));
            QVERIFY(!contents(folder.filePath(name)).isEmpty());
        }
        QCOMPARE(QImage(folder.filePath("cp.png")).size(), QSize(800, 500));
    }
};

QTEST_MAIN(PressureWindowTest)
#include "pressure_window_test.moc"
