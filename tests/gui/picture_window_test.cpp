// Document windows smaller than their pictures: scrolling, the arranged
// windows, and the velocity marker at the picture's edge.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <memory>

#include "app/program.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

namespace {

QScrollArea* pictureArea(TMDIChild* d) {
    return named<QScrollArea>(d, "ImageArea");
}

// Every pixel of the picture can be scrolled into view.
bool wholePictureReachable(TMDIChild* d) {
    QScrollArea* area = pictureArea(d);
    const QSize view = area->viewport()->size();
    const QSize picture = d->surface().image().size();
    return area->horizontalScrollBar()->maximum() >= picture.width() - view.width() &&
           area->verticalScrollBar()->maximum() >= picture.height() - view.height();
}

}  // namespace

class PictureWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    QRect workspaceArea() const { return named<QMdiArea>(form, "Workspace")->viewport()->rect(); }

    // Where a picture pixel is in the main window, as the user sees it.
    QPoint onScreen(TMDIChild* d, QPoint pixel) const { return d->Image->mapTo(form, pixel); }

    bool visible(TMDIChild* d, QPoint pixel) const {
        QWidget* viewport = pictureArea(d)->viewport();
        return viewport->rect().contains(d->Image->mapTo(viewport, pixel));
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form, QSize(640, 480))); }
    void cleanup() { program.reset(); }

    void farCornerIsReachedByScrolling() {
        TMDIChild* d = newDocument(*form);
        QTRY_VERIFY(pictureArea(d)->viewport()->width() < 800);
        QScrollBar* down = pictureArea(d)->verticalScrollBar();
        QScrollBar* across = pictureArea(d)->horizontalScrollBar();
        QVERIFY(down->isVisible() && across->isVisible());
        QVERIFY(!visible(d, {790, 590}));

        // The wheel scrolls down; the bars take the rest of the way. (The
        // window system's wheel event over the picture reaches its parent,
        // the scrolled viewport; one sent from here would not travel.)
        QWidget* viewport = pictureArea(d)->viewport();
        QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        QVERIFY(down->value() > 0);
        down->setValue(down->maximum());
        across->setValue(across->maximum());
        QVERIFY(visible(d, {790, 590}));

        // The pointer and a click there are the picture's own (790, 590).
        QTest::mouseMove(form->windowHandle(), onScreen(d, {790, 590}));
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(), QString("   790,590"));
        named<QToolButton>(form, "SpeedButton12")->click();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          onScreen(d, {790, 590}));
        QCOMPARE(d->XCIL->text(), QString("790"));
        QCOMPARE(d->YCIL->text(), QString("590"));

        // Drawing keeps the view where it is.
        const int downAt = down->value(), acrossAt = across->value();
        named<QToolButton>(form, "SpeedButton1")->click();
        QCoreApplication::processEvents();
        QCOMPARE(down->value(), downAt);
        QCOMPARE(across->value(), acrossAt);

        // The label box opens at the picture pixel clicked.
        named<QToolButton>(form, "SpeedButton7")->click();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          onScreen(d, {700, 520}));
        QCOMPARE(d->EditText->pos(), QPoint(700, 520));
    }

    void cascadeLeavesEachWindowHalfTheWorkspace() {
        QList<TMDIChild*> documents;
        for (int i = 0; i < 3; ++i) documents << newDocument(*form);
        named<QAction>(form, "WindowCascadeItem")->trigger();
        const QRect area = workspaceArea();
        const int step =
            documents[0]->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, documents[0]);
        for (int i = 0; i < documents.size(); ++i) {
            TMDIChild* d = documents[i];
            QVERIFY(!d->isMaximized());
            QCOMPARE(d->pos(), QPoint(i * step, i * step));
            QVERIFY(d->width() >= area.width() / 2 && d->height() >= area.height() / 2);
            QVERIFY(area.contains(d->geometry()));
            QVERIFY(wholePictureReachable(d));
        }
        // The active window stays on top.
        QCOMPARE(form->ActiveMDIChild(), documents.last());

        // More windows than fit start again at the corner.
        for (int i = 0; i < 12; ++i) documents << newDocument(*form);
        named<QAction>(form, "WindowCascadeItem")->trigger();
        for (TMDIChild* d : documents) {
            QVERIFY(area.contains(d->geometry()));
            QVERIFY(d->width() >= area.width() / 2 && d->height() >= area.height() / 2);
        }
    }

    void tileGivesEachItsShareWithScrollBars() {
        TMDIChild* a = newDocument(*form);
        TMDIChild* b = newDocument(*form);
        named<QAction>(form, "WindowTileItem")->trigger();
        const QRect area = workspaceArea();
        for (TMDIChild* d : {a, b}) {
            QCOMPARE(d->size(), QSize(area.width(), area.height() / 2));
            QTRY_VERIFY(pictureArea(d)->verticalScrollBar()->isVisible());
            QVERIFY(wholePictureReachable(d));
        }
    }

    void markerStaysOnThePicture() {
        TMDIChild* d = newDocument(*form);
        d->surface().setPenColor(flow::kBlack);
        d->surface().line({90, 50}, {110, 50});
        d->surface().line({799, 10}, {799, 30});
        named<QToolButton>(form, "SpeedButton8")->click();
        movePicture(d, {100, 50});
        QVERIFY(d->Shape1->isVisibleTo(d->Image));

        // The pointer leaving the picture takes the marker away.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(d->Image, &leave);
        QVERIFY(d->Shape1->isHidden());

        // The last column is drawn; the area beyond it has no pixels.
        d->resize(1200, 900);
        QTRY_VERIFY(d->Image->width() > 800);
        movePicture(d, {799, 20});
        QVERIFY(d->Shape1->isVisibleTo(d->Image));
        movePicture(d, {800, 20});
        QVERIFY(d->Shape1->isHidden());
        QCOMPARE(named<QStatusBar>(form, "StatusBar")->currentMessage(), QString("   800,20"));
    }
};

QTEST_MAIN(PictureWindowTest)
#include "picture_window_test.moc"
