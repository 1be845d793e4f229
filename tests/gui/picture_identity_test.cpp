// The pictures every configuration gets at default settings, placed with its
// tool and drawn by both construction commands, stay exactly the pictures
// they were: each is compared with the checksum of its known-good pixels.
#include <QCryptographicHash>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/program.h"
#include "configurations.h"
#include "document/mdi_child.h"
#include "gui_test_support.h"

namespace {

// SHA-1 of the visible bytes of every scan line, with the picture's size.
QString checksum(const QImage& picture) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const qsizetype lineBytes = qsizetype{picture.width()} * picture.depth() / 8;
    for (int y = 0; y < picture.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(picture.constScanLine(y)), lineBytes));
    return QString("%1x%2 %3")
        .arg(picture.width())
        .arg(picture.height())
        .arg(QString::fromLatin1(hash.result().toHex()));
}

}  // namespace

class PictureIdentityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TProgram> program;
    TMainForm* form = nullptr;

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(startProgram(program, form, QSize(1400, 1000))); }
    void cleanup() { program.reset(); }

    void everyConfigurationDrawsItsKnownPicture_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<QString>("streamlines");
        QTest::addColumn<QString>("equipotentials");
        // Placed element, then streamlines, then equipotentials too.
        const QStringList expected[] = {
            {"800x600 43dc5736cd2845b2e3e53632cbf48d974507d967",
             "800x600 e394398fb6eb29630a38aa8b0e6bb3a44eb83304",
             "800x600 e835fe7a3fff1b73384ad58297c6664a4a76d2df"},
            {"800x600 43dc5736cd2845b2e3e53632cbf48d974507d967",
             "800x600 b7b0427a0ddda34dfbcd7b8b5cc0d84608824e14",
             "800x600 1b02bb04c9f522ada898a5c4461e28bea5c353ba"},
            {"800x600 43dc5736cd2845b2e3e53632cbf48d974507d967",
             "800x600 24a27be71a1aacce52b403d98dca5936ddbed7e2",
             "800x600 060259544085a385d0fb550b9f0666171d7975c8"},
            {"800x600 43dc5736cd2845b2e3e53632cbf48d974507d967",
             "800x600 d80b4f5a0383e90752e7e61848e84af72e2ee33b",
             "800x600 ade02c281a061a98d6ca30df3a06230a9ef6403c"},
            {"800x600 c52b2af3cd62efe6b1c097137dc4b11fbcd44aa4",
             "800x600 d178c612b1a58598dbc3cb61c3a4d492d6bc1c96",
             "800x600 5892f38300beb1d1660b321b7a91b76746a9145b"},
            {"800x600 c52b2af3cd62efe6b1c097137dc4b11fbcd44aa4",
             "800x600 b237dce5606a25f3624094ff217406bbbc7d507f",
             "800x600 b9e8c985ed43e5fbd57b2a72abb48bf257adb7fc"},
            {"800x600 a452aa4b5e33917d859eb5d262d1896cf0bcb5be",
             "800x600 925e7a1599e005a1b0e987a6ca673988d71f53ee",
             "800x600 1bf843cc50d8d0f02a46a20fb5d4ac492cee6206"},
            {"800x600 3d9663534b1313f8ef62e40d3203eb62938f3fe8",
             "800x600 955206281c9063ef7b86e4cbc2ecec3f607a2bff",
             "800x600 86b00a3ef8d687dda15fe84559e55c317342e43e"},
            {"800x600 6fa5df7b1a60b7ef421ffb859c25ba3bcc178c19",
             "800x600 308669423e2b70f3406b51039890d56f3745af0a",
             "800x600 308669423e2b70f3406b51039890d56f3745af0a"},
        };
        QCOMPARE(placedConfigurations().size(), std::size(expected));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            const QStringList& sums = expected[i];
            QTest::newRow(placedConfigurations()[i].name.toUtf8())
                << int(i) << sums[0] << sums[1] << sums[2];
        }
    }

    void everyConfigurationDrawsItsKnownPicture() {
        QFETCH(int, index);
        TMDIChild* d = newDocument(*form);
        placedConfigurations()[index].place(*form, d, {400, 300});
        const QString placed = checksum(d->surface().image());
        named<QToolButton>(form, "SpeedButton1")->click();
        const QString streamlines = checksum(d->surface().image());
        named<QToolButton>(form, "SpeedButton17")->click();
        const QString equipotentials = checksum(d->surface().image());
        QTEST(placed, "placed");
        QTEST(streamlines, "streamlines");
        QTEST(equipotentials, "equipotentials");
    }
};

QTEST_MAIN(PictureIdentityTest)
#include "picture_identity_test.moc"
