// Moving particles driven as a user drives them: the tool bar added hidden
// beside the two that stay as they were, particles flowing round a
// cylinder without entering it, a snapshot kept as one step that a file
// keeps to the pixel, nothing placed, and malformed snapshot steps refused.
#include <QAction>
#include <QComboBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "configurations.h"
#include "dialogs/dialogs.h"
#include "document/construction_file.h"
#include "document/document.h"
#include "document/mdi_child.h"
#include "document/particle_animation.h"
#include "document/particle_release.h"
#include "document/picture_view.h"
#include "document/raster_surface.h"
#include "gui_test_support.h"

namespace {

QStringList controlNames(QToolBar* bar) {
    QStringList names;
    for (QAction* action : bar->actions())
        if (QWidget* w = bar->widgetForAction(action)) names << w->objectName();
    return names;
}

}  // namespace

class ParticlesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QString status() { return named<QStatusBar>(form, "StatusBar")->currentMessage(); }
    void click(const char* button) { named<QToolButton>(form, button)->click(); }
    ParticleAnimation* animationOn(TMDIChild* d) {
        return d->Image->findChild<ParticleAnimation*>();
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    // The new bar starts hidden at the bottom; the two bars keep their
    // controls in their order, the new button last on the second.
    void addedHiddenBesideTheBarsThatWere() {
        auto* bar = named<QToolBar>(form, "ParticlesToolBar");
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->windowTitle(), QString("Частицы"));
        QCOMPARE(form->toolBarArea(bar), Qt::BottomToolBarArea);
        QCOMPARE(controlNames(named<QToolBar>(form, "ToolBar1")),
                 QStringList({"SpeedButton3",    "",
                              "SpeedButton11",   "SpeedButton12",
                              "SpeedButton6",    "",
                              "SpeedButton9",    "SpeedButton2",
                              "SpeedButton16",   "SpeedButton4",
                              "SpeedButton5",    "SpeedButton14",
                              "SpeedButton15",   "",
                              "SpeedButton13",   "",
                              "SpeedButton1",    "SpeedButton17",
                              "SpeedMapButton",  "PressureMapButton",
                              "TimeMarksButton", "",
                              "SpeedButton10",   "SpeedButton19"}));
        QCOMPARE(controlNames(named<QToolBar>(form, "ToolBar2")),
                 QStringList({"SpeedButton8", "SpeedButton7", "", "SpeedButton18", "ContourButton",
                              "DensityBox", "AirfoilButton", "ParticlesButton"}));
        click("ParticlesButton");
        QVERIFY(bar->isVisible());
        click("ParticlesButton");
        QVERIFY(bar->isHidden());
    }

    // Nothing placed: a word in the status line, for play and for a step.
    void nothingPlacedSaysSo() {
        TMDIChild* d = newDocument(*form);
        for (const char* button : {"ParticlesPlayButton", "ParticlesStepButton"}) {
            form->statusBar()->clearMessage();
            click(button);
            QCOMPARE(status(), QString("Нет течения: частицы не движутся"));
        }
        QCOMPARE(d->document().steps().size(), 0u);
    }

    // Played on a cylinder in a stream the particles move, never inside the
    // body, and leave the picture as it was; a snapshot is one step, kept by
    // a file (format 7, other files as before) to the pixel.
    void flowRoundACylinderAndAreKeptBySnapshot() {
        TMDIChild* d = placedOnNewDocument(*form, "cylinder");
        const QImage picture = d->surface().image();
        const QTemporaryDir folder;
        d->document().setFileName(folder.filePath("plain.zef"));
        named<QAction>(form, "SaveConstructionItem")->trigger();
        QVERIFY(contents(folder.filePath("plain.zef")).contains("\"version\": 1"));

        click("ParticlesButton");
        click("ParticlesPlayButton");
        ParticleAnimation* animation = animationOn(d);
        QVERIFY(animation && animation->system());
        const auto released = animation->system()->particles();
        QTest::qWait(600);
        click("ParticlesPlayButton");
        QVERIFY(!animation->playing());
        QVERIFY(status().startsWith("Частицы: "));
        const auto& moved = animation->system()->particles();
        QCOMPARE(moved.size(), 500u);
        int movedFar = 0;
        for (std::size_t i = 0; i < moved.size(); ++i) {
            const auto a = released[i].at(), b = moved[i].at();
            movedFar += std::hypot(a.x - b.x, a.y - b.y) > 5;
            for (const auto p : moved[i].trail)
                QVERIFY(std::hypot(p.x - 400, p.y - 300) > 99.5);  // the default R = 100
        }
        QVERIFY(movedFar > 100);
        QCOMPARE(d->surface().image(), picture);

        click("ParticlesSnapshotButton");
        QCOMPARE(named<QAction>(form, "UndoItem")->text(), QString("&Отменить: снимок частиц"));
        QVERIFY(d->surface().image() != picture);
        d->document().setFileName(folder.filePath("particles.zef"));
        named<QAction>(form, "SaveConstructionItem")->trigger();
        QVERIFY(contents(folder.filePath("particles.zef")).contains("\"version\": 7"));
        const Construction opened = readConstructionFile(folder.filePath("particles.zef"));
        RasterSurface reopened;
        QVERIFY(reopened.createPicture(opened.field.width(), opened.field.height()));
        replay(opened, reopened);
        QCOMPARE(reopened.image(), d->surface().image());
        named<QAction>(form, "UndoItem")->trigger();
        QCOMPARE(d->surface().image(), picture);
        // Without the cylinder nothing moves: the particles follow the undo.
        named<QAction>(form, "UndoItem")->trigger();
        QVERIFY(animation->still() && !animation->system());
    }

    // Along the streamlines drawn particles start where the lines enter the
    // picture: its left edge in a stream to the right.
    void releasedWhereTheStreamlinesEnter() {
        TMDIChild* d = placedOnNewDocument(*form, "cylinder");
        click("SpeedButton1");
        const flow::particles::Release release =
            particleReleaseOf(d->document(), d->surface().image().size(),
                              ParticleRelease::Streamlines, {}, settingsOf(program->dialogs()));
        QCOMPARE(release.kind, flow::particles::ReleaseKind::Streamlines);
        QVERIFY(release.points.size() >= 10);
        int atLeftEdge = 0;
        for (const auto p : release.points) {
            QVERIFY(p.x >= 0 && p.x < 800 && p.y >= 0 && p.y < 600);
            atLeftEdge += p.x < 1;
        }
        QVERIFY(atLeftEdge >= 10);
    }

    // Snapshot steps a file must not hold are refused, saying why.
    // A line dragged on the picture becomes the release line; Esc drops
    // one being drawn and lets the line button go.
    void releaseLineDrawnOrDropped() {
        TMDIChild* d = placedOnNewDocument(*form, "cylinder");
        click("ParticlesButton");
        auto* line = named<QToolButton>(form, "ParticlesLineButton");
        auto* release = named<QComboBox>(form, "ParticlesReleaseBox");
        for (const bool escape : {true, false}) {
            line->click();
            QVERIFY(line->isChecked());
            QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, {60, 100});
            moveHeld(d, {60, 500});
            if (escape) QTest::keyClick(form, Qt::Key_Escape);
            QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, {60, 500});
            QVERIFY(!line->isChecked());
            QCOMPARE(release->currentText(),
                     QString(escape ? "У входа потока" : "Проведённая линия"));
        }
    }

    void malformedSnapshotsRefused_data() {
        QTest::addColumn<QByteArray>("trails");
        QTest::addColumn<QString>("problem");
        const QString notTrails = "поле «trails» должно быть списком не больше 5000 следов";
        const QString notPoints = "след частицы должен быть списком от 1 до 256 точек";
        QTest::newRow("missing") << QByteArray() << "нет поля «trails»";
        QTest::newRow("not a list") << QByteArray("3") << notTrails;
        QTest::newRow("empty trail") << QByteArray("[[]]") << notPoints;
        QTest::newRow("odd numbers") << QByteArray("[[1, 2, 3]]") << notPoints;
        QTest::newRow("fraction") << QByteArray("[[1.5, 2]]")
                                  << "точка следа частицы должна быть парой целых сотых пикселя не "
                                     "дальше 1000000 пикселей";
        QTest::newRow("too many points")
            << "[[" + QByteArray("1, 2, ").repeated(256) + "1, 2]]" << notPoints;
    }
    void malformedSnapshotsRefused() {
        QFETCH(QByteArray, trails);
        QFETCH(QString, problem);
        const QByteArray step = trails.isEmpty()
                                    ? QByteArray(R"({"step": "particles"})")
                                    : R"({"step": "particles", "trails": )" + trails + "}";
        const QByteArray file =
            R"({"format": "zef-construction", "version": 7, "field": {"width": 800,
            "height": 600}, "font": "DejaVu Sans,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1", "steps": [)" +
            step + "]}";
        try {
            constructionFromJson(file);
            QFAIL("taken");
        } catch (const ConstructionFileError& error) {
            QCOMPARE(QString::fromUtf8(error.what()), "шаг 1: " + problem);
        }
    }
};

QTEST_MAIN(ParticlesTest)
#include "particles_test.moc"
