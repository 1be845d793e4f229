// Text labels, the font command and saving the picture, driven through the
// real buttons, menu items and modal dialogs.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <optional>

#include "app/program.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/raster_surface.h"
#include "document/save_aside.h"
#include "document/slots.h"
#include "gui_test_support.h"

namespace {

bool sameInArea(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

// Answers the next font dialog: cancels, confirms what it shows, or picks a
// font and confirms. Keeps the font it was preset to.
class FontAnswer {
  public:
    enum Reply { Cancel, Confirm };
    explicit FontAnswer(Reply reply, std::optional<QFont> pick = std::nullopt)
        : answer_([this, reply, pick](QWidget* modal) {
              auto* dialog = qobject_cast<QFontDialog*>(modal);
              if (!dialog) {
                  modal->close();
                  return;
              }
              name_ = dialog->objectName();
              preset_ = dialog->currentFont();
              if (reply == Cancel) return dialog->reject();
              if (pick) dialog->setCurrentFont(*pick);
              dialog->accept();
          }) {}
    bool answered() const { return answer_.answered(); }
    QString dialogName() const { return name_; }
    QFont preset() const { return preset_; }

  private:
    ModalAnswer answer_;
    QString name_;
    QFont preset_;
};

}  // namespace

class LabelsAndSavingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString& name) const { return folder->filePath(name); }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form, QSize(1400, 1000)));
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }
    void cleanup() {
        program.reset();
        folder.reset();
    }

    void releasingTheTextToolWithNoTextDrawsNothing() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton7")->click();
        QCOMPARE(d->pointer(), Qt::IBeamCursor);
        clickPicture(d, {200, 100});
        QVERIFY(d->EditText->isVisibleTo(d->Image));
        named<QToolButton>(form, "SpeedButton7")->click();
        QVERIFY(d->EditText->isHidden());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);
        QCOMPARE(d->surface().image(), whitePicture());
    }

    void labelIsDrawnWhereTheBoxStands() {
        TMDIChild* d = newDocument(*form);
        named<QAction>(form, "N18")->trigger();
        QVERIFY(named<QToolButton>(form, "SpeedButton7")->isChecked());
        QCOMPARE(d->pointer(), Qt::IBeamCursor);
        clickPicture(d, {40, 30});
        typeText(d->EditText, "Поток");
        clickPicture(d, {200, 100});  // moves the box, keeps the text
        QCOMPARE(d->EditText->text(), QString("Поток"));
        QCOMPARE(d->surface().image(), whitePicture());
        named<QToolButton>(form, "SpeedButton7")->click();

        RasterSurface expected;
        expected.createPicture(800, 600);
        expected.setQFont(d->surface().qfont());
        expected.textOut(200, 100, "Поток");
        QCOMPARE(d->surface().image(), expected.image());
        QVERIFY(d->EditText->isHidden());
        QVERIFY(d->EditText->text().isEmpty());
        QCOMPARE(d->pointer(), Qt::ArrowCursor);
    }

    void velocityToolLeavesTheLabelUncommitted() {
        TMDIChild* d = newDocument(*form);
        named<QToolButton>(form, "SpeedButton7")->click();
        clickPicture(d, {100, 100});
        typeText(d->EditText, "abc");
        named<QToolButton>(form, "SpeedButton8")->click();
        QVERIFY(!named<QToolButton>(form, "SpeedButton7")->isChecked());
        QVERIFY(d->EditText->isVisibleTo(d->Image));
        QCOMPARE(d->EditText->text(), QString("abc"));
        QCOMPARE(d->surface().image(), whitePicture());

        named<QToolButton>(form, "SpeedButton7")->click();
        named<QToolButton>(form, "SpeedButton7")->click();
        QVERIFY(d->surface().image() != whitePicture());
        QVERIFY(d->EditText->text().isEmpty());
    }

    void chosenFontServesTheActiveDocumentsLetters() {
        TMDIChild* other = newDocument(*form);
        TMDIChild* d = newDocument(*form);
        const QFont before = d->surface().qfont();
        // Confirmed as shown, the dialog gives back the very font it got.
        FontAnswer unchanged(FontAnswer::Confirm);
        named<QAction>(form, "N16")->trigger();
        QVERIFY(unchanged.answered());
        QCOMPARE(unchanged.dialogName(), QString("FontDialog1"));
        for (const QFont& font : {unchanged.preset(), d->surface().qfont()}) {
            const QFontInfo shown(font);
            QCOMPARE(shown.family(), QFontInfo(before).family());
            QCOMPARE(shown.styleName(), QFontInfo(before).styleName());
            QCOMPARE(shown.pointSize(), before.pointSize());
            QVERIFY(!shown.italic());
        }

        FontAnswer answer(FontAnswer::Confirm, QFont("DejaVu Sans", 14));
        named<QAction>(form, "N16")->trigger();
        QVERIFY(answer.answered());
        QCOMPARE(d->surface().qfont().pointSize(), 14);
        QCOMPARE(d->EditText->font().pointSize(), 14);
        QCOMPARE(other->surface().qfont(), before);
        QCOMPARE(other->EditText->font().pointSize(), before.pointSize());

        // A source in a stream at (300, 200): its letter and axis name are
        // drawn in the new font.
        d->setPointer(Qt::CrossCursor);
        TMainForm::press(named<QToolButton>(form, "SpeedButton4"));
        clickPicture(d, {300, 200});
        QCOMPARE(d->Istok->text(), QString("1500"));
        RasterSurface expected;
        expected.createPicture(800, 600);
        expected.setQFont(d->surface().qfont());
        expected.textOut(285, 200, "И");
        expected.textOut(285, 6, "Y");
        const QImage picture = d->surface().image();
        QVERIFY(sameInArea(picture, expected.image(), {285, 203, 10, 25}));
        QVERIFY(sameInArea(picture, expected.image(), {285, 6, 6, 25}));
    }

    void cancellingTheFontChangesNothing() {
        TMDIChild* d = newDocument(*form);
        const QFont before = d->surface().qfont();
        FontAnswer answer(FontAnswer::Cancel);
        named<QAction>(form, "N16")->trigger();
        QVERIFY(answer.answered());
        QCOMPARE(d->surface().qfont(), before);
        QCOMPARE(d->EditText->font(), before);
    }

    void savedFileHoldsThePictureOnly() {
        TMDIChild* d = newDocument(*form);
        d->setPointer(Qt::CrossCursor);
        TMainForm::press(named<QToolButton>(form, "SpeedButton2"));
        clickPicture(d, {300, 200});
        QVERIFY(d->Image1->isVisibleTo(d->Image));
        named<QToolButton>(form, "SpeedButton7")->click();
        clickPicture(d, {500, 400});
        typeText(d->EditText, "not yet");
        const QString caption = d->windowTitle();

        SaveAs save(folder->path(), "field");
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QCOMPARE(save.dialogName(), QString("SaveDialog1"));
        QCOMPARE(save.filters(),
                 QStringList({"Bitmap files (*.bmp)", "PNG files (*.png)", "SVG files (*.svg)",
                              "PDF files (*.pdf)", "All files (*)"}));
        QCOMPARE(save.suffix(), QString("bmp"));
        QVERIFY(save.followUp().isEmpty());
        QVERIFY(!QFile::exists(path("field")));
        const QImage saved(path("field.bmp"), "BMP");
        QCOMPARE(saved.size(), QSize(800, 600));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), d->surface().image());
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(d->EditText->text(), QString("not yet"));
    }

    void existingFileIsReplacedWithoutAQuestion() {
        TMDIChild* d = newDocument(*form);
        writeFile(path("old.bmp"), "an earlier file");
        SaveAs save(folder->path(), "old.bmp");
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QVERIFY(save.followUp().isEmpty());
        QCOMPARE(QImage(path("old.bmp")).convertToFormat(QImage::Format_RGB32),
                 d->surface().image());
    }

    void failedSaveKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"keep.bmp", "keep.png", "keep.svg", "keep.pdf"})
            QTest::newRow(name) << QString(name);
    }
    void failedSaveKeepsTheEarlierFile() {
        QFETCH(QString, name);
        TMDIChild* d = newDocument(*form);
        writeFile(path(name), "an earlier file");
        const QImage before = d->surface().image();
        {
            SaveAs save(folder->path(), name);
            FileSizeLimit diskAlmostFull;
            named<QAction>(form, "FileSaveAsItem")->trigger();
            QVERIFY(save.followUp().contains(path(name)));
            QVERIFY2(save.followUp().contains("File too large"), qPrintable(save.followUp()));
        }
        QCOMPARE(contents(path(name)), QByteArray("an earlier file"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({name}));
        QCOMPARE(d->surface().image(), before);

        // A folder that does not exist is reported as well; saving elsewhere
        // then works.
        const QString nowhere = path("missing/field.bmp");
        SaveAs lost(folder->path(), nowhere);
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QVERIFY(lost.followUp().startsWith("Не удалось сохранить рисунок"));
        QVERIFY(lost.followUp().contains(nowhere));
        SaveAs found(folder->path(), "found");
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QVERIFY(found.followUp().isEmpty());
        QVERIFY(QFile::exists(path("found.bmp")));
    }

    void failureNamesTheSystemsReason() {
        newDocument(*form);
        SaveAs save(folder->path(), "full");
        FileSizeLimit diskAlmostFull;
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QVERIFY2(save.followUp().contains("File too large"), qPrintable(save.followUp()));
        QVERIFY(!save.followUp().contains("Unknown error"));
    }

    void fileInAFolderWithoutRoomForATemporaryFileIsWrittenInPlace() {
        TMDIChild* d = newDocument(*form);
        QVERIFY(QDir(folder->path()).mkdir("locked"));
        const QString locked = path("locked");
        writeFile(locked + "/field.bmp", "an earlier file");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        SaveAs save(locked, "field.bmp");
        named<QAction>(form, "FileSaveAsItem")->trigger();
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(save.followUp().isEmpty());
        QCOMPARE(QImage(locked + "/field.bmp").convertToFormat(QImage::Format_RGB32),
                 d->surface().image());
    }

    // Where no file can be made beside it, a write that fails part-way puts
    // the earlier bytes back, longer or shorter than the new ones.
    void failedWriteInPlaceRestoresTheEarlierBytes_data() {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("problem");
        const QByteArray longer(4000, 'x');
        QTest::newRow("writer fails")
            << QByteArray("an earlier file") << QByteArray("partial") << QString("broken");
        QTest::newRow("disk full, longer") << QByteArray(90, 'e') << longer << QString();
        QTest::newRow("earlier past the limit") << QByteArray(150, 'e') << longer << QString();
        QTest::newRow("written whole") << QByteArray(90, 'e') << QByteArray("new") << QString();
    }
    void failedWriteInPlaceRestoresTheEarlierBytes() {
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, written);
        QFETCH(QString, problem);
        writeFile(path("field.bmp"), earlier);
        const bool fits = written.size() < 100;
        std::optional<QString> reason;
        {
            FileSizeLimit diskAlmostFull;
            reason = rewriteInPlace(path("field.bmp"), [&](QIODevice& file) {
                file.write(written);
                return problem;
            });
        }
        QCOMPARE(contents(path("field.bmp")), fits && problem.isEmpty() ? written : earlier);
        QCOMPARE(reason.has_value(), !fits || !problem.isEmpty());
        if (reason) QCOMPARE(*reason, problem.isEmpty() ? QString("File too large") : problem);
    }

    void commandsWithoutADocumentDoNothing() {
        FontAnswer font(FontAnswer::Cancel);
        named<QAction>(form, "N16")->trigger();
        named<QAction>(form, "N18")->trigger();
        QVERIFY(!font.answered());
        QVERIFY(!named<QToolButton>(form, "SpeedButton7")->isChecked());
    }
};

QTEST_MAIN(LabelsAndSavingTest)
#include "labels_and_saving_test.moc"
