// The main window, documents and pointer tracking, driven through the real
// widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialogs/field_size_dialog.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QList<QAction*> documentItems() const {
        return {named<QAction>(form, "FileCloseItem"), named<QAction>(form, "FileSaveAsItem"),
                named<QAction>(form, "WindowCascadeItem"), named<QAction>(form, "WindowTileItem"),
                named<QAction>(form, "WindowMinimizeItem")};
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form)); }
    void cleanup() { program.reset(); }

    void startsEmptyWithDocumentItemsDisabled() {
        QCOMPARE(form->windowTitle(), QString("ZEF"));
        QCOMPARE(form->MDIChildCount(), 0);
        for (QAction* item : documentItems()) QVERIFY(!item->isEnabled());
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        QVERIFY(named<QFrame>(form, "Panel2")->isHidden());
        QVERIFY(named<QProgressBar>(form, "Gauge1")->isHidden());
        QCOMPARE(named<QProgressBar>(form, "Gauge1")->maximum(), 80);
        QCOMPARE(form->findChild<QAction*>("WindowMinimizeItem")->text(),
                 QString("Св&ернуть  все окна"));
        QCOMPARE(form->findChild<QToolButton*>("SpeedButton15")->toolTip(),
                 QString("Исток и Сток"));
        // Dialogs exist from the start, hidden.
        QVERIFY(program->dialogs().fieldSizeDialog->isHidden());
    }

    void newDocumentsAreNumberedByCount() {
        TMDIChild* first = newDocument(*form);
        QCOMPARE(first->windowTitle(), QString("ZEF NONAME1"));
        QVERIFY(first->isMaximized());
        const QImage& picture = first->surface().image();
        QCOMPARE(picture.size(), QSize(800, 600));
        QCOMPARE(picture.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(picture.pixel(799, 599), qRgb(255, 255, 255));
        for (QAction* item : documentItems()) QVERIFY(item->isEnabled());

        TMDIChild* second = newDocument(*form);
        QCOMPARE(second->windowTitle(), QString("ZEF NONAME2"));
        named<QMdiArea>(form, "Workspace")->setActiveSubWindow(first);
        named<QAction>(form, "FileCloseItem")->trigger();
        QTRY_COMPARE(form->MDIChildCount(), 1);
        QCOMPARE(newDocument(*form)->windowTitle(), QString("ZEF NONAME2"));

        // The tool button makes documents too, and is let up again.
        QTest::mouseClick(named<QToolButton>(form, "SpeedButton3"), Qt::LeftButton);
        QCOMPARE(form->MDIChildCount(), 3);
        QVERIFY(!named<QToolButton>(form, "SpeedButton3")->isChecked());
    }

    void closingTheLastDocumentDisablesTheItems() {
        newDocument(*form);
        named<QAction>(form, "FileCloseItem")->trigger();
        QTRY_COMPARE(form->MDIChildCount(), 0);
        for (QAction* item : documentItems()) QVERIFY(!item->isEnabled());
        named<QAction>(form, "WindowMinimizeItem")->trigger();  // nothing to do, nothing breaks
    }

    void newDocumentResetsTheStrengthPanel() {
        named<QFrame>(form, "Panel1")->show();
        named<QRadioButton>(form, "Panel1/RadioButton1")->setEnabled(false);
        named<QSlider>(form, "Panel1/TrackBar2")->setEnabled(false);
        named<QRadioButton>(form, "Panel1/RadioButton2")->setChecked(true);
        named<QRadioButton>(form, "Panel1/RadioButton1")->setChecked(false);
        newDocument(*form);
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton1")->isEnabled());
        QVERIFY(named<QSlider>(form, "Panel1/TrackBar2")->isEnabled());
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
    }

    void windowArrangements() {
        TMDIChild* a = newDocument(*form);
        TMDIChild* b = newDocument(*form);
        named<QAction>(form, "WindowTileItem")->trigger();
        QCOMPARE(a->width(), named<QMdiArea>(form, "Workspace")->viewport()->width());
        QCOMPARE(b->width(), a->width());
        QCOMPARE(a->y(), 0);
        QCOMPARE(b->y(), a->height());

        named<QMenu>(form, "Window1")->popup(QPoint(0, 0));  // fills the window list
        QStringList entries;
        for (QAction* action : named<QMenu>(form, "Window1")->actions())
            if (!action->isSeparator()) entries << action->text();
        named<QMenu>(form, "Window1")->close();
        QCOMPARE(entries.size(), 5);
        QVERIFY(entries[3].endsWith("ZEF NONAME1"));
        QVERIFY(entries[4].endsWith("ZEF NONAME2"));

        named<QAction>(form, "WindowMinimizeItem")->trigger();
        QVERIFY(a->isMinimized());
        QVERIFY(b->isMinimized());
    }

    void statusBarAndMarkerFollowThePointer() {
        TMDIChild* doc = newDocument(*form);
        movePicture(doc, {120, 45});
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(), QString("   120,45"));

        // Draw something to hover over.
        doc->surface().setPenColor(flow::kBlack);
        doc->surface().line({90, 50}, {110, 50});
        movePicture(doc, {100, 50});
        QVERIFY(doc->Shape1->isHidden());  // the velocity tool is up

        named<QToolButton>(form, "SpeedButton8")->click();
        movePicture(doc, {100, 40});  // white
        QVERIFY(doc->Shape1->isHidden());
        movePicture(doc, {100, 50});
        QVERIFY(doc->Shape1->isVisibleTo(doc->Image));
        QCOMPARE(doc->Shape1->pos(), QPoint(97, 47));
        movePicture(doc, {101, 50});
        QCOMPARE(doc->Shape1->pos(), QPoint(96, 45));

        // Beyond the picture there is no pixel to carry the marker.
        doc->resize(1200, 900);
        movePicture(doc, {850, 50});
        QVERIFY(doc->Shape1->isHidden());

        named<QToolButton>(form, "SpeedButton8")->click();
        movePicture(doc, {100, 50});
        QVERIFY(doc->Shape1->isHidden());
    }

    void fieldSizeOkPutsDefaultsBackOnlyForNonIntegers() {
        TOKBottomDlg7* dialog = program->dialogs().fieldSizeDialog;
        named<QAction>(form, "N14")->trigger();
        QVERIFY(dialog->isVisible());
        dialog->Edit2->setText("abc");
        dialog->Edit1->setText("-5");
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->Edit2->text(), QString("800"));
        QCOMPARE(dialog->Edit1->text(), QString("-5"));

        dialog->Edit2->setText("$1F4");  // hexadecimal 500 is an integer
        dialog->Edit1->setText("300");
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        QCOMPARE(newDocument(*form)->surface().image().size(), QSize(500, 300));
    }

    void badFieldSizeIsReportedAndTheDocumentStillOpens() {
        TOKBottomDlg7* dialog = program->dialogs().fieldSizeDialog;
        dialog->Edit2->setText("wide");
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        TMDIChild* doc = newDocument(*form);
        QVERIFY(answer->answered());
        QCOMPARE(answer->text(), QString("'wide' is not a valid integer value"));
        QVERIFY(doc);
        QCOMPARE(doc->surface().image().size(), doc->Image->size());
        QCOMPARE(doc->surface().image().pixel(5, 5), qRgb(255, 255, 255));

        // Sizes that would exhaust memory are refused the same way.
        for (const char* width : {"0", "100000"}) {
            dialog->Edit2->setText(width);
            std::unique_ptr<ModalAnswer> refused(acceptNextMessageBox());
            newDocument(*form);
            QVERIFY(refused->answered());
            QVERIFY(refused->text().contains(QString(width) + " x 600"));
            QVERIFY(refused->text().contains("16384"));
        }
    }

    void activatingADocumentWithAPairInProgress() {
        TMDIChild* pair = newDocument(*form);
        writeSlot(pair->A, QString());
        writeSlot(pair->Istok, 1500);
        writeSlot(pair->XCIL, 100);
        writeSlot(pair->YCIL, 100);
        newDocument(*form);
        QVERIFY(named<QFrame>(form, "Panel1")->isHidden());
        named<QMdiArea>(form, "Workspace")->setActiveSubWindow(pair);
        QVERIFY(named<QFrame>(form, "Panel1")->isVisible());
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton2")->isChecked());
        QVERIFY(named<QRadioButton>(form, "Panel1/RadioButton2")->isEnabled());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton1")->isChecked());
        QVERIFY(!named<QRadioButton>(form, "Panel1/RadioButton1")->isEnabled());
        QVERIFY(!named<QSlider>(form, "Panel1/TrackBar1")->isEnabled());
        QVERIFY(named<QToolButton>(form, "SpeedButton15")->isChecked());
        // Closing it leaves the panel as it is.
        named<QAction>(form, "FileCloseItem")->trigger();
        QTRY_COMPARE(form->MDIChildCount(), 1);
        QVERIFY(named<QFrame>(form, "Panel1")->isVisible());
    }

    void memoButtonTogglesThePanel() {
        named<QToolButton>(form, "SpeedButton18")->click();
        QVERIFY(named<QFrame>(form, "Panel2")->isVisible());
        named<QToolButton>(form, "SpeedButton18")->click();
        QVERIFY(named<QFrame>(form, "Panel2")->isHidden());
    }

    void toolButtonsOfOneBarExcludeEachOther() {
        named<QToolButton>(form, "SpeedButton12")->click();
        QVERIFY(named<QToolButton>(form, "SpeedButton12")->isChecked());
        named<QToolButton>(form, "SpeedButton6")->click();
        QVERIFY(named<QToolButton>(form, "SpeedButton6")->isChecked());
        QVERIFY(!named<QToolButton>(form, "SpeedButton12")->isChecked());
        named<QToolButton>(form, "SpeedButton7")->click();  // other bar: independent
        QVERIFY(named<QToolButton>(form, "SpeedButton6")->isChecked());
        named<QToolButton>(form, "SpeedButton6")->click();  // a pressed one goes up again
        QVERIFY(!named<QToolButton>(form, "SpeedButton6")->isChecked());
        named<QToolButton>(form, "SpeedButton8")->click();
        QVERIFY(!named<QToolButton>(form, "SpeedButton7")->isChecked());
    }

    void hoveringAMenuItemShowsItsHint() {
        QMenu* fileMenu = form->findChild<QMenu*>("File1");
        fileMenu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        fileMenu->setActiveAction(named<QAction>(form, "FileExitItem"));
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(),
                 QString("Exit the application"));
        fileMenu->close();
    }

    void helpMenuIsLastAndF1ShowsTheHandbookWithItsPictures() {
        const QList<QAction*> menus = form->menuBar()->actions();
        QCOMPARE(menus.last()->menu()->objectName(), QString("HelpMenu"));
        QCOMPARE(menus.last()->text(), QString("&Справка"));
        QCOMPARE(menus[menus.size() - 2]->text(), QString("&Окна"));
        QCOMPARE(menus.last()->menu()->actions(),
                 (QList<QAction*>{named<QAction>(form, "HandbookItem"),
                                  named<QAction>(form, "AboutItem")}));

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F1);
        auto* handbook = named<QTextBrowser>(form, "HandbookWindow");
        QVERIFY(QTest::qWaitForWindowExposed(handbook));
        QVERIFY(handbook->toPlainText().contains("Овал Ренкина"));
        for (const char* picture :
             {"source-in-stream.png", "oval.png", "cylinder-circulation.png"}) {
            const QVariant bytes =
                handbook->loadResource(QTextDocument::ImageResource, QUrl(picture));
            QVERIFY2(!QImage::fromData(bytes.toByteArray()).isNull(), picture);
        }
        // A second F1 raises the same window.
        QTest::keyClick(form, Qt::Key_F1);
        QCOMPARE(form->findChildren<QTextBrowser*>("HandbookWindow").size(), 1);

        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        named<QAction>(form, "AboutItem")->trigger();
        QVERIFY(answer->answered());
        QVERIFY(answer->text().contains(QCoreApplication::applicationVersion()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
