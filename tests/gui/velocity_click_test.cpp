// A click on the velocity marker draws the vectors at its centre.
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/up_down.h"
#include "dialogs/vector_style_dialog.h"
#include "document/mdi_child.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "gui_test_support.h"

namespace {

int pixelsOf(TMDIChild* doc, QRgb colour) {
    const QImage& picture = doc->surface().image();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour) ++count;
    return count;
}

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 128, 0), kNavy = qRgb(0, 0, 128);

}  // namespace

class VelocityClickTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;
    TMDIChild* doc = nullptr;

    // A cylinder with circulation at (400, 300) and the marker at (520, 210).
    void clickMarker() {
        doc->Shape1->move(517, 207);
        doc->Shape1->show();
        QTest::mouseClick(doc->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    }

  private slots:
    void init() {
        QVERIFY(startProgram(program, form));
        doc = newDocument(*form);
        writeSlot(doc->RCIL, 100);
        writeSlot(doc->XCIL, 400);
        writeSlot(doc->YCIL, 300);
        TOKBottomDlg* cylinder = program->dialogs().cylinderDialog;
        cylinder->Label5->setEnabled(true);
        cylinder->TrackBar2->setEnabled(true);
    }
    void cleanup() { program.reset(); }

    void nothingWithTheToolUp() {
        clickMarker();
        QCOMPARE(pixelsOf(doc, kRed), 0);
    }

    void drawsTheThreeVectorsAtTheMarkerCentre() {
        named<QToolButton>(form, "SpeedButton8")->click();
        clickMarker();
        QVERIFY(pixelsOf(doc, kRed) > 20);    // resultant and arrowhead
        QVERIFY(pixelsOf(doc, kGreen) > 20);  // radial and tangential
        QVERIFY(pixelsOf(doc, kNavy) > 0);    // dotted connecting lines
        // The resultant starts at the marker's centre and ends at (544, 169).
        const QImage& picture = doc->surface().image();
        QCOMPARE(picture.pixel(544, 169), kRed);
    }

    void statusLineGivesTheVelocityUntilThePointerMoves() {
        named<QToolButton>(form, "SpeedButton8")->click();
        QStatusBar* status = named<QStatusBar>(form, "StatusBar");
        clickMarker();
        const QString text = status->currentMessage();
        QVERIFY2(text.startsWith("Скорость в точке (520,210): |V| = "), qPrintable(text));
        for (const char* part : {"; Vx = ", "; Vy = ", "; угол "}) QVERIFY(text.contains(part));
        QVERIFY(text.endsWith("°"));
        movePicture(doc, {100, 100});
        QVERIFY(!status->currentMessage().contains("|V|"));
    }

    void vectorStyleReachesThePicture() {
        named<QToolButton>(form, "SpeedButton8")->click();
        clickMarker();
        const int thin = pixelsOf(doc, kGreen);
        TSetting9* style = program->dialogs().vectorStyleDialog;
        style->UpDown1->setPosition(3);
        TMDIChild* second = newDocument(*form);
        for (QLabel* slot : {second->RCIL, second->XCIL, second->YCIL})
            writeSlot(slot, doc->findChild<QLabel*>(slot->objectName())->text());
        doc = second;
        clickMarker();
        QVERIFY(pixelsOf(doc, kGreen) > 2 * thin);
    }
};

QTEST_MAIN(VelocityClickTest)
#include "velocity_click_test.moc"
