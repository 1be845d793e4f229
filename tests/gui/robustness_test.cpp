// Bad input never locks the program up, never fails without a word, and the
// tests never touch the user's own files: field sizes beyond the pictures'
// limit, pictures that cannot be had, the memory budget, test-mode paths.
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <memory>

#include "app/main_form.h"
#include "app/program.h"
#include "dialogs/field_size_dialog.h"
#include "document/mdi_child.h"
#include "document/picture_memory.h"
#include "gui_test_support.h"

namespace {

// A hang, not a speed: far above the second a command takes, even under
// the sanitizers on a busy machine.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kHangMs = 60000;
#else
constexpr qint64 kHangMs = 10000;
#endif

const QString kLimitMessage = "Размер поля ограничен: 16384";

// The process may map only a little more memory than it has now.
rlim_t addressSpaceWith(rlim_t headroom) {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    return static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + headroom;
}

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

    void setField(const QString& width, const QString& height) {
        TOKBottomDlg7* field = program->dialogs().fieldSizeDialog;
        field->Edit2->setText(width);
        field->Edit1->setText(height);
        field->BitBtn1->click();
    }

    // An 800 x 600 document holding the slot values, centred at (400, 300).
    TMDIChild* fieldDocumentWith(std::initializer_list<std::pair<const char*, QString>> values) {
        setField("800", "600");
        return documentWith(*form, values);
    }

    // Runs a command and gives the time it took.
    qint64 run(QToolButton* command) {
        named<QStatusBar>(form, "StatusBar")->clearMessage();
        QElapsedTimer clock;
        clock.start();
        command->click();
        return clock.elapsed();
    }

  private slots:
    void init() { QVERIFY(startProgram(program, form)); }
    void cleanup() {
        program.reset();
        setPictureMemoryBudget(0);
    }

    void pathsAreThoseOfTestMode() {
        QVERIFY(QStandardPaths::isTestModeEnabled());
        QVERIFY(
            QStandardPaths::writableLocation(QStandardPaths::ConfigLocation).contains("/.qttest/"));
    }

    // Each field size is confirmed with OK after the document exists; every
    // configuration's commands then end at once and draw inside the picture
    // exactly what a field of 16384 gives.
    void fieldSizesBeyondTheLimitAreTracedToIt() {
        const struct {
            const char* name;
            std::initializer_list<std::pair<const char*, QString>> values;
            bool circulation;
            bool readsWidth;  // both commands read the field width
        } configurations[] = {
            {"vortex", {{"Vihr", ""}}, false, true},
            {"point source", {{"IorS", ""}}, false, false},
            {"vortex-source", {{"Vihrestok", "10"}}, false, false},
            {"dipole", {{"Dipol", "50"}}, false, false},
            {"cylinder", {{"RCIL", "100"}}, false, false},
            {"cylinder with circulation", {{"RCIL", "100"}}, true, true},
            {"source in a stream", {{"Istok", "1500"}}, false, true},
            {"sink in a stream", {{"Stok", "1500"}}, false, true},
            {"source-sink pair",
             {{"A", "A"}, {"Istok", "1500"}, {"Stok", "1500"}, {"X2", "600"}, {"Y2", "300"}},
             false,
             false},
        };
        const struct {
            QString width, height, sameAsWidth, sameAsHeight;
            bool limited;
        } sizes[] = {
            {"0", "0", "0", "0", false},
            {"-5", "-5", "-5", "-5", false},
            {"16384", "16384", "16384", "16384", false},
            {"16385", "16385", "16384", "16384", true},
            {"100000", "100000", "16384", "16384", true},
            {"$7FFFFFFF", "$7FFFFFFF", "16384", "16384", true},
            {"70000", "1000", "16384", "1000", true},
        };
        for (const auto& configuration : configurations) {
            setCirculation(*program, configuration.circulation);
            for (QToolButton* command : {named<QToolButton>(form, "SpeedButton1"),
                                         named<QToolButton>(form, "SpeedButton17")}) {
                for (const auto& size : sizes) {
                    const QString what = QString("%1, %2 x %3, %4")
                                             .arg(configuration.name, size.width, size.height,
                                                  command->objectName());
                    TMDIChild* doc = fieldDocumentWith(configuration.values);
                    setField(size.width, size.height);
                    QVERIFY2(run(command) < kHangMs, qPrintable(what));
                    const bool told =
                        named<QStatusBar>(form, "StatusBar")->currentMessage() == kLimitMessage;
                    QVERIFY2(size.limited || !told, qPrintable(what));
                    QVERIFY2(!size.limited || !configuration.readsWidth || told, qPrintable(what));

                    TMDIChild* same = fieldDocumentWith(configuration.values);
                    setField(size.sameAsWidth, size.sameAsHeight);
                    run(command);
                    QVERIFY2(same->surface().image() == doc->surface().image(), qPrintable(what));
                    // Drawn, so let go without the save question.
                    doc->document().markSaved();
                    same->document().markSaved();
                    doc->close();
                    same->close();
                }
            }
        }
    }

    void pictureThatCannotBeHadIsRefusedWithItsSize() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The address sanitizer needs more address space than the limit leaves.");
#else
        newDocument(*form);
        setField("16384", "4096");
        {
            ResourceLimit limit(RLIMIT_AS, addressSpaceWith(96 * 1024 * 1024));
            std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
            named<QAction>(form, "N8")->trigger();
            QVERIFY(answer->answered());
            QVERIFY(answer->text().contains("16384 x 4096"));
            QVERIFY(answer->text().contains("не хватает памяти"));
        }
        QCOMPARE(form->MDIChildCount(), 1);
        setField("800", "600");
        QVERIFY(newDocument(*form));
        QCOMPARE(form->MDIChildCount(), 2);
#endif
    }

    void documentPastTheMemoryBudgetIsRefused() {
        // Room for two pictures of 800 x 600, not for three.
        setPictureMemoryBudget(4 * 1024 * 1024);
        newDocument(*form);
        newDocument(*form);
        std::unique_ptr<ModalAnswer> answer(acceptNextMessageBox());
        named<QAction>(form, "N8")->trigger();
        QVERIFY(answer->answered());
        QVERIFY(answer->text().contains("4 МБ"));
        QCOMPARE(form->MDIChildCount(), 2);
        QVERIFY(!named<QToolButton>(form, "SpeedButton3")->isChecked());
        form->ActiveMDIChild()->close();
        QTRY_COMPARE(form->MDIChildCount(), 1);
        QVERIFY(newDocument(*form));
        QCOMPARE(form->MDIChildCount(), 2);
    }

    // Widths far beyond any pen and lines from far off draw what they can,
    // with every coordinate computation defined.
    void surfaceHoldsExtremePensAndCoordinates() {
        TMDIChild* doc = fieldDocumentWith({});
        RasterSurface& surface = doc->surface();
        for (const int width : {INT_MIN, -1, 0, 1000, 1 << 30, INT_MAX}) {
            surface.setPenWidth(width);
            surface.setPenStyle(flow::PenStyle::Solid);
            surface.line({-(std::int64_t{1} << 60), 300}, {std::int64_t{1} << 60, 300});
            surface.setPenStyle(flow::PenStyle::Dot);
            surface.line({400, INT_MIN}, {400, INT_MAX});
            surface.ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
            surface.ellipse(390, 290, 410, 310);
            QCOMPARE(surface.penWidth(), width);
        }
        QVERIFY(surface.pixel(0, 0) != flow::kWhite);
        QCOMPARE(surface.takeChangedRect(), QRect(0, 0, 800, 600));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
