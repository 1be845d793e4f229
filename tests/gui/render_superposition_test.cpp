// The renderer's superposition: --element as the command line gives it,
// the arguments it refuses, and the picture, which is the one a
// superposition document with the same elements draws.
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/program.h"
#include "document/mdi_child.h"
#include "flow/superposition/elements.h"
#include "gui_test_support.h"
#include "render/flow_construction.h"
#include "render/render_request.h"
#include "render/renderer.h"

namespace sp = flow::superposition;

namespace {

const QStringList kOval{"--element",           "stream,1,0", "--element",
                        "source,300,300,1500", "--element",  "sink,500,300,1500"};

RenderRequest parse(const QStringList& arguments) {
    return parseRenderArguments(QStringList{"zef-render"} + arguments);
}

QString refusal(const QStringList& arguments) {
    try {
        flowConstruction(parse(arguments).flow);
    } catch (const ArgumentError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

}  // namespace

class RenderSuperpositionTest : public QObject {
    Q_OBJECT

  private slots:
    void elementsAndCommandsAreTaken() {
        const RenderRequest request =
            parse(kOval + QStringList{"--streamlines", "--velocity", "400,150", "-o", "a.png"});
        QVERIFY(!request.flow.flow);
        QCOMPARE(request.flow.elements.size(), std::size_t{3});
        QCOMPARE(request.flow.elements[1].kind, sp::ElementKind::Source);
        QCOMPARE(request.flow.elements[2].x, 500.0);
        QCOMPARE(request.flow.commands.size(), std::size_t{2});

        const Construction c = flowConstruction(request.flow);
        QVERIFY(c.superposition);
        QCOMPARE(c.steps.size(), std::size_t{5});
        QVERIFY(std::holds_alternative<SuperpositionVelocityStep>(c.steps.back().action));
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown kind") << QStringList{"--element", "whirl,1,2,3", "-o", "a.png"}
                                      << "--element: неизвестный элемент «whirl»";
        QTest::newRow("out of range") << QStringList{"--element", "sink,1,2,-5", "-o", "a.png"}
                                      << "--element: «sink,1,2,-5»: Q: -5 вне пределов 0..1000000";
        QTest::newRow("two streams")
            << QStringList{"--element", "stream,1,0", "--element", "stream,2,0", "-o", "a.png"}
            << "--element: поток задаётся не больше одного раза";
        QTest::newRow("with a named flow")
            << QStringList{"--element", "source,1,1,1", "--flow", "dipole", "-o", "a.png"}
            << "--element строит суперпозицию";
        QTest::newRow("nothing to draw")
            << QStringList{"--element", "source,400,300,0", "--streamlines", "-o", "a.png"}
            << "--streamlines: линии не построены";
        QTest::newRow("velocity at an element")
            << (kOval + QStringList{"--velocity", "300,300", "-o", "a.png"})
            << "в точке (300,300) скорость не рисуется";
    }
    void badArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QVERIFY2(refusal(arguments).startsWith(problem), qPrintable(refusal(arguments)));
    }

    // The rendered picture is the document's: the same elements put into a
    // superposition document, then its two commands.
    void pictureIsTheDocuments() {
        QTemporaryDir folder;
        const QString file = folder.filePath("oval.png");
        QCOMPARE(runRenderer(QStringList{"zef-render"} + kOval +
                             QStringList{"--streamlines", "--equipotentials", "-o", file}),
                 0);

        std::unique_ptr<TProgram> program;
        TMainForm* form = nullptr;
        QVERIFY(startProgram(program, form));
        named<QAction>(form, "SuperpositionItem")->trigger();
        TMDIChild* d = form->ActiveMDIChild();
        d->document().addSuperpositionElement({sp::ElementKind::Stream, 40, 20, 1, 0, 0});
        d->document().addSuperpositionElement(sp::source(300, 300, 1500));
        d->document().addSuperpositionElement(sp::sink(500, 300, 1500));
        named<QToolButton>(form, "SpeedButton1")->click();
        named<QToolButton>(form, "SpeedButton17")->click();
        QCOMPARE(QImage(file).convertToFormat(QImage::Format_RGB32),
                 d->surface().image().convertToFormat(QImage::Format_RGB32));
        d->document().markSaved();
    }

    // The oval's stagnation points, a^2 = b^2 + Q b / (pi U) from the middle
    // of its source and sink, are crossed in the raster and vector forms.
    void landmarksAreMarked() {
        QTemporaryDir folder;
        const QStringList marked = QStringList{"zef-render"} + kOval +
                                   QStringList{"--streamlines", "--mark-landmarks", "-o"};
        QCOMPARE(runRenderer(marked + QStringList{folder.filePath("m.png")}), 0);
        QCOMPARE(runRenderer(marked + QStringList{folder.filePath("m.svg")}), 0);
        const QImage picture =
            QImage(folder.filePath("m.png")).convertToFormat(QImage::Format_RGB32);
        const double a = std::sqrt(100.0 * 100 + 1500 * 100 / 3.14);
        for (const double x : {400 - a, 400 + a}) {
            QCOMPARE(picture.pixel(qRound(x), 300), qRgb(255, 0, 255));
            QCOMPARE(picture.pixel(qRound(x) + 4, 304), qRgb(255, 0, 255));
        }
        QVERIFY(contents(folder.filePath("m.svg")).contains("#ff00ff"));
    }
};

QTEST_MAIN(RenderSuperpositionTest)
#include "render_superposition_test.moc"
