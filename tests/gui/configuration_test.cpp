// A document's configuration as one value: read from the slots, written back,
// and the kind of flow it holds.
#include <QLabel>
#include <QTest>

#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "document/slots.h"
#include "flow/geometry.h"

class ConfigurationTest : public QObject {
    Q_OBJECT

  private slots:
    void aNewDocumentIsEmptyAndItsNumbersNameTheSentinel() {
        TMDIChild document;
        const Configuration c = readConfiguration(document);
        QVERIFY(c.isEmpty());
        QVERIFY(!c.pairAwaitsSecondPoint());
        QCOMPARE(c.centreX.text, QString("XCIL"));
        try {
            c.sink.number();
            QFAIL("an unset value has no number");
        } catch (const flow::ConversionError& error) {
            QCOMPARE(QString(error.what()), QString("'STOK' is not a valid integer value"));
        }
    }

    void writingBackSetsOnlyWhatIsSet() {
        TMDIChild document;
        Configuration c = readConfiguration(document);
        c.source.set(1500);
        c.centreX.set(400);
        c.centreY.set("$12C");  // kept as text, read as 300
        c.pair.set(QString());
        writeConfiguration(c, document);
        QCOMPARE(document.Istok->text(), QString("1500"));
        QCOMPARE(document.XCIL->text(), QString("400"));
        QCOMPARE(document.A->text(), QString(""));
        QCOMPARE(document.Stok->text(), QString("STOK"));
        QVERIFY(slotEmpty(document.X2));

        const Configuration back = readConfiguration(document);
        QCOMPARE(back.centreY.number(), 300);
        QCOMPARE(back.kind(), FlowKind::SourceSinkPair);
        QVERIFY(back.pairAwaitsSecondPoint());
        writeSlot(document.X2, 500);
        QVERIFY(!readConfiguration(document).pairAwaitsSecondPoint());
    }

    void eachElementSlotGivesItsKind() {
        const struct {
            QLabel* TMDIChild::*slot;
            FlowKind kind;
        } rows[] = {
            {&TMDIChild::Vihr, FlowKind::Vortex},
            {&TMDIChild::IorS, FlowKind::PointSource},
            {&TMDIChild::Vihrestok, FlowKind::VortexSource},
            {&TMDIChild::Dipol, FlowKind::Dipole},
            {&TMDIChild::RCIL, FlowKind::Cylinder},
            {&TMDIChild::Istok, FlowKind::SourceInStream},
            {&TMDIChild::Stok, FlowKind::SinkInStream},
        };
        for (const auto& row : rows) {
            TMDIChild document;
            writeSlot(document.*row.slot, QString());  // "" counts as set
            QCOMPARE(readConfiguration(document).kind(), row.kind);
        }
        // A partner leaves the first element's kind; the marks of a pair
        // alone make no configuration.
        TMDIChild partnered;
        writeSlot(partnered.Istok, 1500);
        writeSlot(partnered.STOK2, 1500);
        writeSlot(partnered.X2, 500);
        QCOMPARE(readConfiguration(partnered).kind(), FlowKind::SourceInStream);
        TMDIChild marksOnly;
        writeSlot(marksOnly.A, QString());
        writeSlot(marksOnly.X2, 500);
        QVERIFY(readConfiguration(marksOnly).isEmpty());
    }
};

QTEST_MAIN(ConfigurationTest)
#include "configuration_test.moc"
