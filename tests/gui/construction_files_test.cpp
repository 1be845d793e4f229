// Keeping a construction: saving and reopening it, the files it refuses,
// export, print and copy, and the question before unsaved work goes.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/command_line.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "document/configuration_slots.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"
#include "document/picture_export.h"
#include "document/picture_printing.h"
#include "document/picture_view.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

namespace {

// Counts the lines drawn; draws nothing.
class LineCounter : public PictureSurface {
  public:
    long long lines = 0;
    QFont qfont() const override { return {}; }
    void setQFont(const QFont&) override {}
    void setPenColor(flow::Color) override {}
    void setPenWidth(int) override {}
    void setPenStyle(flow::PenStyle) override {}
    flow::Color penColor() const override { return {}; }
    int penWidth() const override { return 1; }
    flow::PenStyle penStyle() const override { return flow::PenStyle::Solid; }
    void setBrushColor(flow::Color) override {}
    void setBrushClear() override {}
    void moveTo(std::int64_t, std::int64_t) override {}
    void lineTo(std::int64_t, std::int64_t) override { ++lines; }
    void ellipse(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void textOut(std::int64_t, std::int64_t, const std::string&) override {}
    std::optional<flow::Color> pixel(std::int64_t, std::int64_t) const override { return {}; }
};

// The line segments of an SVG's polylines.
long long svgSegments(const QByteArray& svg) {
    long long segments = 0;
    static const QRegularExpression polyline("<polyline[^>]* points=\"([^\"]*)\"");
    auto matches = polyline.globalMatch(QString::fromUtf8(svg));
    while (matches.hasNext())
        segments += matches.next().captured(1).split(' ', Qt::SkipEmptyParts).size() - 1;
    return segments;
}

// Answers the next message box with the button.
ModalAnswer* answerWith(QMessageBox::StandardButton button, QString* text = nullptr,
                        std::function<void()> before = {}) {
    return new ModalAnswer([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return modal->close(), void();
        if (text) *text = box->text();
        if (before) before();
        box->button(button)->click();
    });
}

// Answers every message box with the button while it lives.
class EveryMessageBox {
  public:
    explicit EveryMessageBox(QMessageBox::StandardButton button) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last_) return;
            last_ = box;
            ++answered;
            box->button(button)->click();
        });
        timer_.start();
    }
    int answered = 0;

  private:
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

}  // namespace

class ConstructionFilesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString& name) const { return folder->filePath(name); }
    void click(const char* button) { named<QToolButton>(form, button)->click(); }
    void trigger(const char* item) { named<QAction>(form, item)->trigger(); }

    // Places the configuration with the real tools, centred at (300, 260).
    void place(TMDIChild* d, const QString& configuration) {
        const QPoint centre(300, 260);
        const QMap<QString, const char*> single{
            {"vortex", "SpeedButton12"},        {"pointSource", "SpeedButton11"},
            {"vortexSource", "SpeedButton9"},   {"dipole", "SpeedButton6"},
            {"cylinder", "SpeedButton2"},       {"cylinderCirculation", "SpeedButton16"},
            {"sourceInStream", "SpeedButton4"}, {"sinkInStream", "SpeedButton5"}};
        if (single.contains(configuration)) {
            click(single[configuration]);
            // The cylinder tools arm the pointer when their dialog is confirmed.
            if (configuration.startsWith("cylinder")) d->setPointer(Qt::CrossCursor);
            clickPicture(d, centre);
        } else if (configuration == "streamWithBoth") {
            click("SpeedButton4");
            clickPicture(d, centre);
            click("SpeedButton5");
            clickPicture(d, {450, 300});
        } else if (configuration == "pair") {
            click("SpeedButton15");
            clickPicture(d, centre);
            clickPicture(d, {450, 300});
        }
    }

    // Both families of lines, a velocity vector and a label.
    void drawOn(TMDIChild* d) {
        click("SpeedButton1");
        click("SpeedButton17");
        click("SpeedButton8");
        clickVelocityMarker(d, {520, 210});
        click("SpeedButton7");
        clickPicture(d, {40, 30});
        typeText(d->EditText, "Поток");
        click("SpeedButton7");
    }

    TMDIChild* drawnDocument(const QString& configuration = "cylinder") {
        TMDIChild* d = newDocument(*form);
        place(d, configuration);
        drawOn(d);
        return d;
    }

    QString saveThroughTheMenu(const QString& name) {
        SaveAs save(folder->path(), name);
        trigger("SaveConstructionItem");
        return save.followUp();
    }

    TMDIChild* openThroughTheMenu(const QString& name) {
        const int before = form->MDIChildCount();
        SaveAs open(folder->path(), name);
        trigger("OpenConstructionItem");
        return form->MDIChildCount() == before + 1 ? form->ActiveMDIChild() : nullptr;
    }

    // A construction file as the program writes it, with the steps given.
    QByteArray constructionJson(const QString& steps, const QString& field = "800, \"height\": 600",
                                int version = 1) {
        return QString(
                   "{\"format\": \"zef-construction\", \"version\": %1, "
                   "\"field\": {\"width\": %2}, \"font\": \"%3\", \"steps\": [%4]}")
            .arg(version)
            .arg(field, defaultPictureFont().toString(), steps)
            .toUtf8();
    }

  private slots:
    void init() {
        programSettings()->clear();
        QVERIFY(startProgram(program, form, QSize(1400, 1000)));
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }
    void cleanup() {
        program.reset();
        folder.reset();
    }

    void menuItemsAndShortcuts() {
        QStringList captions;
        for (QAction* action : named<QMenu>(form, "File1")->actions())
            captions << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(captions, QStringList({"&Новый", "&Закрыть", "Сохранить &как ...",
                                        "Открыть построение ...", "&Последние построения",
                                        "Сохранить построение ...", "Сохранить построение &как ...",
                                        "Печать ...", "Копировать", "-", "В&ыход"}));
        const QList<std::pair<const char*, const char*>> shortcuts{
            {"N8", "Ctrl+N"},
            {"OpenConstructionItem", "Ctrl+O"},
            {"SaveConstructionItem", "Ctrl+S"},
            {"FileSaveAsItem", "Ctrl+Shift+S"},
            {"PrintItem", "Ctrl+P"},
            {"CopyItem", "Ctrl+C"},
            {"FileCloseItem", "Ctrl+W"},
            {"FileExitItem", "Ctrl+Q"}};
        for (const auto& [item, keys] : shortcuts)
            QCOMPARE(named<QAction>(form, item)->shortcut(), QKeySequence(keys));
        const QStringList documentItems{"SaveConstructionItem", "SaveConstructionAsItem",
                                        "PrintItem", "CopyItem"};
        for (const QString& item : documentItems) QVERIFY(!named<QAction>(form, item)->isEnabled());
        newDocument(*form);
        for (const QString& item : documentItems) QVERIFY(named<QAction>(form, item)->isEnabled());
        QVERIFY(named<QAction>(form, "OpenConstructionItem")->isEnabled());
        QCOMPARE(constructionFiles({"zef", "lesson.zef"}), QStringList({"lesson.zef"}));
    }

    // The main title names the active document and marks unsaved work;
    // Ctrl+S writes to the document's file without asking once it has one,
    // the "как" item always asks; the document's own caption stays.
    void titleAndSaveFollowTheDocument() {
        QCOMPARE(form->windowTitle(), QString("ZEF"));
        TMDIChild* d = newDocument(*form);
        // The maximized document's caption follows, as Qt adds it.
        auto title = [](const QString& name, TMDIChild* active) {
            return name + "[*] — ZEF - [" + active->windowTitle() + "]";
        };
        QCOMPARE(form->windowTitle(), title("ZEF NONAME1", d));
        QVERIFY(!form->isWindowModified());
        place(d, "vortex");
        QVERIFY(form->isWindowModified());
        QCOMPARE(saveThroughTheMenu("x.zef"), QString());
        QCOMPARE(form->windowTitle(), title("x.zef", d));
        QVERIFY(!form->isWindowModified());

        click("SpeedButton1");
        const QString caption = d->windowTitle();
        QVERIFY(form->isWindowModified());
        const QByteArray before = contents(path("x.zef"));
        {
            ModalAnswer none([](QWidget* modal) { modal->close(); });
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QTest::keyClick(d->Image, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(!none.answered());
        }
        QVERIFY(contents(path("x.zef")) != before);
        QVERIFY(!form->isWindowModified());
        d->document().history().undo();
        QVERIFY(form->isWindowModified());
        d->document().history().redo();
        QCOMPARE(form->windowTitle(), title("x.zef", d));
        QVERIFY(!form->isWindowModified());
        QCOMPARE(d->windowTitle(), caption);

        QString offered;
        {
            ModalAnswer look([&offered](QWidget* modal) {
                if (modal->objectName() == "SaveConstructionDialog")
                    offered = qobject_cast<QFileDialog*>(modal)->selectedFiles().value(0);
                modal->close();
            });
            trigger("SaveConstructionAsItem");
        }
        QCOMPARE(offered, path("x.zef"));

        TMDIChild* second = newDocument(*form);
        QCOMPARE(form->windowTitle(), title("ZEF NONAME2", second));
        named<QMdiArea>(form, "Workspace")->setActiveSubWindow(d);
        QCOMPARE(form->windowTitle(), title("x.zef", d));
        trigger("WindowTileItem");
        QCOMPARE(form->windowTitle(), QString("x.zef[*] — ZEF"));
        // The question's Save writes to the document's file as Ctrl+S does.
        click("SpeedButton17");
        const QByteArray saved = contents(path("x.zef"));
        std::unique_ptr<ModalAnswer> fileDialog;
        {
            std::unique_ptr<ModalAnswer> save(answerWith(QMessageBox::Save, nullptr, [&] {
                fileDialog = std::make_unique<ModalAnswer>([](QWidget* m) { m->close(); });
            }));
            trigger("FileCloseItem");
        }
        QTRY_COMPARE(form->MDIChildCount(), 1);
        QVERIFY(!fileDialog->answered() && contents(path("x.zef")) != saved);
        trigger("FileCloseItem");
        QTRY_COMPARE(form->windowTitle(), QString("ZEF"));
    }

    // Opened and saved files go first, eight at most; a file gone is
    // dropped from the list when chosen.
    void recentConstructions() {
        auto* menu = named<QMenu>(form, "RecentConstructionsMenu");
        QVERIFY(!menu->menuAction()->isEnabled());
        newDocument(*form);
        QVERIFY(saveThroughTheMenu("f0.zef").isEmpty());
        for (int i = 1; i <= 8; ++i) QFile::copy(path("f0.zef"), path(QString("f%1.zef").arg(i)));
        for (int i = 1; i <= 8; ++i)
            QVERIFY(form->openConstruction(path(QString("f%1.zef").arg(i))));
        QVERIFY(openThroughTheMenu("f3.zef"));
        QStringList captions;
        for (QAction* item : menu->actions()) captions << item->text();
        QCOMPARE(captions, QStringList({"&1 f3.zef", "&2 f8.zef", "&3 f7.zef", "&4 f6.zef",
                                        "&5 f5.zef", "&6 f4.zef", "&7 f2.zef", "&8 f1.zef"}));
        QCOMPARE(menu->actions().first()->statusTip(), QDir::toNativeSeparators(path("f3.zef")));
        QVERIFY(menu->menuAction()->isEnabled());

        const int documents = form->MDIChildCount();
        menu->actions().at(2)->trigger();
        QCOMPARE(form->MDIChildCount(), documents + 1);
        QCOMPARE(RecentFiles::files().first(), path("f7.zef"));
        QFile::remove(path("f8.zef"));
        menu->actions().at(2)->trigger();
        QCOMPARE(form->MDIChildCount(), documents + 1);
        QVERIFY(!RecentFiles::files().contains(path("f8.zef")));
        QCOMPARE(RecentFiles::files().size(), 7);
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(),
                 "Файл «f8.zef» не найден: он убран из списка последних построений");
    }

    // Every file dialog starts in the folder a file was last chosen in.
    void dialogsStartInTheLastFolder() {
        QVERIFY(QDir(folder->path()).mkdir("lessons"));
        newDocument(*form);
        {
            SaveAs save(path("lessons"), "a.zef");
            trigger("SaveConstructionItem");
        }
        newDocument(*form);
        for (const char* item :
             {"OpenConstructionItem", "SaveConstructionItem", "FileSaveAsItem"}) {
            QString started;
            ModalAnswer look([&started](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                    started = dialog->directory().absolutePath();
                modal->close();
            });
            trigger(item);
            QCOMPARE(started, path("lessons"));
        }
    }

    void droppedFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("message");
        QTest::newRow("construction") << "lesson.zef" << 1 << QString();
        QTest::newRow("picture") << "lesson.png" << 0
                                 << "Перетащите файл построения .zef: рисунки не открываются";
        QTest::newRow("other") << "notes.txt" << 0
                               << "Перетащите файл построения .zef: «notes.txt» не открывается";
    }
    void droppedFiles() {
        QFETCH(QString, name);
        QFETCH(int, opened);
        QFETCH(QString, message);
        newDocument(*form);
        QVERIFY(saveThroughTheMenu("lesson.zef").isEmpty());
        QFile::copy(path("lesson.zef"), path(name));
        const int before = form->MDIChildCount();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path(name))});
        // As a drag over the window does: the drop goes where the entering was accepted.
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form, &drop);
        QCOMPARE(form->MDIChildCount(), before + opened);
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(), message);
    }

    // The window's size is given back at the next start; none is kept before.
    void placementKeptWhenLeft() {
        QVERIFY(!form->restorePlacement());
        form->resize(900, 700);
        QVERIFY(form->close());
        QVERIFY(startProgram(program, form));
        QVERIFY(form->restorePlacement());
        QCOMPARE(form->size(), QSize(900, 700));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("configuration");
        for (const char* c :
             {"vortex", "pointSource", "vortexSource", "dipole", "cylinder", "cylinderCirculation",
              "sourceInStream", "sinkInStream", "streamWithBoth", "pair"})
            QTest::newRow(c) << QString(c);
    }
    void roundTrip() {
        QFETCH(QString, configuration);
        program->dialogs().streamlineDialog->Label8->setText("6");
        TMDIChild* d = drawnDocument(configuration);
        QVERIFY(d->document().isModified());
        const QImage picture = d->surface().image();
        QVERIFY(picture != whitePicture());
        const std::vector<ConstructionStep> steps = d->document().construction().steps;
        QVERIFY(std::holds_alternative<ElementStep>(steps.front().action));
        QVERIFY(std::holds_alternative<LabelStep>(steps.back().action));

        QCOMPARE(saveThroughTheMenu("kept"), QString());
        QVERIFY(!d->document().isModified());
        QVERIFY(contents(path("kept.zef")).contains("\"streamlines.count\": 6"));

        TMDIChild* reopened = openThroughTheMenu("kept.zef");
        QVERIFY(reopened && reopened != d);
        QCOMPARE(reopened->surface().image(), picture);
        QCOMPARE(reopened->windowTitle(),
                 d->windowTitle() == "ZEF NONAME1" ? QString("kept.zef") : d->windowTitle());
        QCOMPARE(readConfiguration(*reopened).kind(), readConfiguration(*d).kind());
        QCOMPARE(reopened->Image1->isVisibleTo(reopened->Image), d->Image1->isVisibleTo(d->Image));
        QVERIFY(!reopened->document().isModified());
        QCOMPARE(reopened->document().fileName(), path("kept.zef"));
    }

    // The reopened document carries on like the one it was saved from.
    void reopenedConstructionGoesOn() {
        TMDIChild* d = drawnDocument("dipole");
        const QString file = path("go-on.zef");
        writeConstructionFile(d->document().construction(), file);
        QVERIFY(form->openConstruction(file));
        TMDIChild* reopened = form->ActiveMDIChild();
        for (TMDIChild* document : {d, reopened}) {
            named<QMdiArea>(form, "Workspace")->setActiveSubWindow(document);
            click("SpeedButton17");
            click("SpeedButton7");
            clickPicture(document, {600, 500});
            QTest::keyClicks(document->EditText, "M");
            click("SpeedButton7");
        }
        QCOMPARE(reopened->surface().image(), d->surface().image());
        QVERIFY(reopened->document().isModified());
    }

    void badFilesOpenNothing_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not JSON") << QByteArray("{ \"format\": ") << "это не файл JSON";
        QTest::newRow("not a construction") << QByteArray("[1, 2]") << "это не файл построения";
        QTest::newRow("newer version")
            << constructionJson("", "800, \"height\": 600", kConstructionFormatVersion + 1)
            << "более новой версией";
        QTest::newRow("negative radius")
            << constructionJson(
                   "{\"step\": \"element\", \"kind\": \"cylinder\", \"x\": 300, \"y\": 200, "
                   "\"radius\": -100, \"outlineWidth\": 5, \"outlineColor\": \"#000000\", "
                   "\"font\": \"DejaVu Sans,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\", \"configuration\": "
                   "{}}")
            << "шаг 1: поле «radius»: -100 вне пределов 50..150";
        QTest::newRow("strength out of range")
            << constructionJson(
                   "{\"step\": \"command\", \"routine\": \"StreamSourceInStream\", "
                   "\"arguments\": {\"X\": 300, \"Y\": 200, \"Q\": 99999}}")
            << "шаг 1: аргументы: поле «Q»: 99999 вне пределов 1000..3000";
        QTest::newRow("map range")
            << constructionJson(
                   "{\"step\": \"map\", \"quantity\": \"speed\", \"range\": [0, 1e300], "
                   "\"bands\": 10, \"legend\": true}")
            << "шаг 1: поле «range» должно быть парой чисел";
        QTest::newRow("map bands") << constructionJson(
                                          "{\"step\": \"map\", \"quantity\": \"pressure\", "
                                          "\"bands\": 3, \"legend\": false}")
                                   << "шаг 1: поле «bands» должно быть 0 или от 5 до 20";
        QTest::newRow("contour density")
            << constructionJson(
                   "{\"step\": \"contour\", \"centre\": [400, 300], \"radius\": "
                   "100, \"density\": 0, \"font\": \"DejaVu Sans,8\"}")
            << "шаг 1: поле «density» должно быть числом больше 0";
        QTest::newRow("contour corners")
            << constructionJson(
                   "{\"step\": \"contour\", \"corners\": [[1, 2], [3, 4], [5]], "
                   "\"density\": 1, \"font\": \"DejaVu Sans,8\"}")
            << "шаг 1: поле «corners» должно быть парой целых координат";
        QTest::newRow("contour of two corners")
            << constructionJson(
                   "{\"step\": \"contour\", \"corners\": [[1, 2], [3, 4]], "
                   "\"density\": 1, \"font\": \"DejaVu Sans,8\"}")
            << "шаг 1: поле «corners» должно быть списком от 3 до 1000 точек";
        QTest::newRow("setting out of range")
            << constructionJson(
                   "{\"step\": \"command\", \"routine\": \"StreamVortex\", "
                   "\"arguments\": {\"X\": 300, \"Y\": 200}, \"settings\": {\"streamlines.count\": "
                   "1000}}")
            << "настройка «streamlines.count»: 1000 вне пределов 1..150";
        const QString airfoil =
            "{\"step\": \"airfoil\", \"chord\": 400, \"thickness\": 10, \"camber\": 5, "
            "\"alpha\": %1, \"speed\": 1, \"circulation\": 0, \"kutta\": true}";
        QTest::newRow("airfoil angle")
            << constructionJson(airfoil.arg("5.2")) << "шаг 1: поле «alpha»: 5.2 не кратно 0.5";
        QTest::newRow("airfoil after a label")
            << constructionJson(
                   "{\"step\": \"label\", \"x\": 1, \"y\": 1, \"text\": \"a\", "
                   "\"font\": \"DejaVu Sans,8\"}, " +
                   airfoil.arg(5))
            << "шаг 2: профиль бывает только первым шагом";
        QTest::newRow("element in an airfoil document")
            << constructionJson(airfoil.arg(5) + ", {\"step\": \"velocity\", \"flow\": \"vortex\"}")
            << "шаг 2: шаг «velocity» не бывает в документе профиля";
        QTest::newRow("field too large")
            << constructionJson("", "20000, \"height\": 20000") << "Размер поля 20000 x 20000";
        QTest::newRow("unknown step")
            << constructionJson("{\"step\": \"erase\"}") << "неизвестный шаг «erase»";
        // Shown short and on one line, at once.
        QTest::newRow("long step name")
            << constructionJson("{\"step\": \"" + QString(10'000'000, 'x') + "\\n\"}")
            << "неизвестный шаг «" + QString(60, 'x') + "…».";
    }
    void badFilesOpenNothing() {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        writeFile(path("bad.zef"), json);
        SaveAs open(folder->path(), "bad.zef");
        trigger("OpenConstructionItem");
        const QString message = open.followUp();
        QVERIFY(message.startsWith(QString("Не удалось открыть построение «%1»: ")
                                       .arg(QDir::toNativeSeparators(path("bad.zef")))));
        QVERIFY2(message.contains(problem), qPrintable(message));
        QVERIFY(message.size() < path("bad.zef").size() + 200 && !message.contains('\n'));
        QCOMPARE(form->MDIChildCount(), 0);
        QCOMPARE(form->findChildren<TMDIChild*>().size(), 0);
    }

    void missingFileFromTheCommandLineIsReported() {
        std::unique_ptr<ModalAnswer> error(acceptNextMessageBox());
        QVERIFY(!form->openConstruction(path("nowhere.zef")));
        QVERIFY(error->text().contains("nowhere.zef"));
        QCOMPARE(form->MDIChildCount(), 0);
    }

    void exportsThatReadersAccept() {
        program->dialogs().streamlineDialog->Label8->setText("3");
        TMDIChild* d = newDocument(*form);
        place(d, "vortex");
        click("SpeedButton1");
        click("SpeedButton7");
        clickPicture(d, {40, 30});
        QTest::keyClicks(d->EditText, "Vortex");
        click("SpeedButton7");
        const QImage picture = d->surface().image();

        // Each answer lives only while its dialog is up.
        auto saveAs = [&](const QString& name) {
            SaveAs save(folder->path(), name);
            trigger("FileSaveAsItem");
            return save.followUp();
        };
        QCOMPARE(saveAs("picture.png"), QString());
        QCOMPARE(QImage(path("picture.png")).convertToFormat(QImage::Format_RGB32), picture);
        QVERIFY(!d->document().isModified());

        QCOMPARE(saveAs("picture.svg"), QString());
        QVERIFY(QSvgRenderer(path("picture.svg")).isValid());
        LineCounter counter;
        replay(d->document().construction(), counter);
        QVERIFY(counter.lines > 10);
        QCOMPARE(svgSegments(contents(path("picture.svg"))), counter.lines);
        QVERIFY(contents(path("picture.svg")).contains("Vortex"));

        QCOMPARE(saveAs("picture.pdf"), QString());
        QVERIFY(contents(path("picture.pdf")).startsWith("%PDF"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        printConstruction(d->document().construction(), printer);
        QVERIFY(contents(path("printed.pdf")).startsWith("%PDF"));

        trigger("CopyItem");
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
    }

    void printDialogCancelledPrintsNothing() {
        drawnDocument();
        ModalAnswer cancel([](QWidget* modal) { modal->close(); });
        trigger("PrintItem");
        QVERIFY(cancel.answered());
    }

    void closingAsksAboutUnsavedWork() {
        TMDIChild* clean = newDocument(*form);
        QTest::keyClick(clean->Image, Qt::Key_W,
                        Qt::ControlModifier);  // nothing drawn: no question
        QTRY_COMPARE(form->MDIChildCount(), 0);

        TMDIChild* d = drawnDocument();
        QString question;
        {
            std::unique_ptr<ModalAnswer> cancel(answerWith(QMessageBox::Cancel, &question));
            trigger("FileCloseItem");
        }
        QCOMPARE(question, QString("Сохранить построение «%1»?").arg(d->windowTitle()));
        QCOMPARE(form->MDIChildCount(), 1);

        // Save, but the file dialog is cancelled: the document stays.
        std::unique_ptr<ModalAnswer> fileDialog;
        {
            std::unique_ptr<ModalAnswer> save(answerWith(QMessageBox::Save, nullptr, [&] {
                fileDialog = std::make_unique<ModalAnswer>([](QWidget* m) { m->close(); });
            }));
            trigger("FileCloseItem");
        }
        QVERIFY(fileDialog && fileDialog->answered());
        QCOMPARE(form->MDIChildCount(), 1);

        // Save into a folder that does not exist: reported, the document stays.
        std::unique_ptr<SaveAs> failing;
        {
            std::unique_ptr<ModalAnswer> save(answerWith(QMessageBox::Save, nullptr, [&] {
                failing = std::make_unique<SaveAs>(folder->path(), path("missing/kept.zef"));
            }));
            trigger("FileCloseItem");
        }
        QVERIFY(failing->followUp().startsWith("Не удалось сохранить построение"));
        failing.reset();
        QCOMPARE(form->MDIChildCount(), 1);
        QVERIFY(d->document().isModified());

        // Save that works closes it.
        std::unique_ptr<SaveAs> working;
        {
            std::unique_ptr<ModalAnswer> save(answerWith(QMessageBox::Save, nullptr, [&] {
                working = std::make_unique<SaveAs>(folder->path(), "kept");
            }));
            trigger("FileCloseItem");
        }
        QTRY_COMPARE(form->MDIChildCount(), 0);
        QVERIFY(QFile::exists(path("kept.zef")));
        working.reset();

        // Discard closes without saving.
        drawnDocument();
        {
            std::unique_ptr<ModalAnswer> discard(answerWith(QMessageBox::Discard));
            trigger("FileCloseItem");
        }
        QTRY_COMPARE(form->MDIChildCount(), 0);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({"kept.zef"}));
    }

    void savedWorkClosesWithoutAQuestion() {
        TMDIChild* d = drawnDocument();
        {
            SaveAs bitmap(folder->path(), "picture.bmp");
            trigger("FileSaveAsItem");
        }
        QVERIFY(!d->document().isModified());
        trigger("FileCloseItem");
        QTRY_COMPARE(form->MDIChildCount(), 0);
    }

    void leavingAsksAboutEachUnsavedDocument() {
        drawnDocument();
        newDocument(*form);  // nothing drawn
        drawnDocument("dipole");
        {
            std::unique_ptr<ModalAnswer> cancel(answerWith(QMessageBox::Cancel));
            QVERIFY(!form->close());
        }
        QVERIFY(form->isVisible());
        QCOMPARE(form->MDIChildCount(), 3);

        std::unique_ptr<SaveAs> failing;
        {
            std::unique_ptr<ModalAnswer> save(answerWith(QMessageBox::Save, nullptr, [&] {
                failing = std::make_unique<SaveAs>(folder->path(), path("missing/x.zef"));
            }));
            QVERIFY(!form->close());
        }
        QVERIFY(failing->followUp().startsWith("Не удалось сохранить построение"));
        failing.reset();
        QCOMPARE(form->MDIChildCount(), 3);

        EveryMessageBox discard(QMessageBox::Discard);
        trigger("FileExitItem");
        QVERIFY(!form->isVisible());
        QCOMPARE(discard.answered, 2);
    }

    void interruptedSaveLeavesThePreviousFileWhole() {
        TMDIChild* d = drawnDocument();
        const QString file = path("whole.zef");
        writeConstructionFile(d->document().construction(), file);
        const QByteArray before = contents(file);
        const std::size_t savedSteps = d->document().construction().steps.size();
        drawOn(d);
        {
            FileSizeLimit diskAlmostFull;
            QVERIFY_THROWS_EXCEPTION(ConstructionFileError,
                                     writeConstructionFile(d->document().construction(), file));
        }
        QCOMPARE(contents(file), before);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({"whole.zef"}));
        QCOMPARE(readConstructionFile(file).steps.size(), savedSteps);
    }

    // A picture small enough to sit in the write buffer fails at the flush.
    void smallPictureOnAFullDiskIsReported() {
        program->dialogs().fieldSizeDialog->Edit1->setText("20");
        program->dialogs().fieldSizeDialog->Edit2->setText("20");
        newDocument(*form);
        writeFile(path("small.bmp"), "an earlier file");
        QString message;
        {
            FileSizeLimit diskAlmostFull;
            SaveAs save(folder->path(), "small.bmp");
            trigger("FileSaveAsItem");
            message = save.followUp();
        }
        QVERIFY(message.startsWith("Не удалось сохранить рисунок"));
        QCOMPARE(contents(path("small.bmp")), QByteArray("an earlier file"));
    }
};

QTEST_MAIN(ConstructionFilesTest)
#include "construction_files_test.moc"
