// The renderer's command line: what it takes in what order, and every
// argument it refuses with a message saying why.
#include <QRegularExpression>
#include <QTest>

#include "flow/routines.h"
#include "render/flow_construction.h"
#include "render/render_request.h"

namespace {

RenderRequest parse(const QStringList& arguments) {
    return parseRenderArguments(QStringList{"zef-render"} + arguments);
}

// The message of the ArgumentError the arguments give, or "" when none.
QString refusal(const QStringList& arguments) {
    try {
        const RenderRequest request = parse(arguments);
        if (request.input.isEmpty()) flowConstruction(request.flow);
    } catch (const ArgumentError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

}  // namespace

class RenderArgumentsTest : public QObject {
    Q_OBJECT

  private slots:
    void commandsAndSettingsKeepTheirOrder() {
        const RenderRequest request =
            parse({"--velocity", "1,-2", "--streamlines", "--label", "3,4,a, b", "--field",
                   "300x200", "--flow", "dipole", "--equipotentials", "--set", "field.width=400",
                   "--velocity=5,6", "-o", "out.Pdf"});
        QCOMPARE(request.output, QString("out.Pdf"));
        const std::vector<DrawCommand>& c = request.flow.commands;
        QCOMPARE(c.size(), std::size_t{5});
        QCOMPARE(c[0].kind, DrawCommand::Velocity);
        QCOMPARE(c[0].at, QPoint(1, -2));
        QCOMPARE(c[1].kind, DrawCommand::Streamlines);
        QCOMPARE(c[2].kind, DrawCommand::Label);
        QCOMPARE(c[2].at, QPoint(3, 4));
        QCOMPARE(c[2].text, QString("a, b"));
        QCOMPARE(c[3].kind, DrawCommand::Equipotentials);
        QCOMPARE(c[4].at, QPoint(5, 6));
        QCOMPARE(request.flow.settings.value("field.width"), flow::SettingValue(400));
        QCOMPARE(request.flow.settings.value("field.height"), flow::SettingValue(200));
        QVERIFY(!request.flow.at);

        const RenderRequest file = parse({"lesson.zef", "-o", "lesson.bmp"});
        QCOMPARE(file.input, QString("lesson.zef"));
        QVERIFY(!file.landmarks && !file.markLandmarks);
        // Landmarks are printed with or without a picture.
        const RenderRequest printed = parse({"lesson.zef", "--landmarks"});
        QVERIFY(printed.landmarks && printed.output.isEmpty());
        QVERIFY(parse({"--version"}).version);
        QVERIFY(parse({"--help-all"}).help);
    }

    void badArgumentsAreRefusedSayingWhy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QStringList ok = {"--flow", "cylinder", "-o", "x.png"};
        const auto row = [](const char* name, const QStringList& arguments, const char* message) {
            QTest::newRow(name) << arguments << QString(message);
        };
        row("no construction", {"-o", "x.png"}, "либо файл построения, либо --flow");
        row("file and flow", QStringList{"a.zef"} + ok, "--flow и его параметры");
        row("two files", {"a.zef", "b.zef", "-o", "x.png"}, "только один файл");
        row("no output", {"--flow", "vortex"}, "-o OUT");
        row("marks without a picture", {"--flow", "vortex", "--landmarks", "--mark-landmarks"},
            "-o OUT");
        row("unknown form", {"--flow", "vortex", "-o", "x.gif"}, "расширение");
        row("unknown option", QStringList{"--nope"} + ok, "nope");
        row("unknown flow", {"--flow", "vortex2", "-o", "x.png"}, "неизвестное течение «vortex2»");
        row("unknown setting", ok + QStringList{"--set", "lines.count=3"},
            "неизвестная настройка «lines.count»");
        row("no assignment", ok + QStringList{"--set", "streamlines.count"}, "ИМЯ=ЗНАЧЕНИЕ");
        row("count out of range", ok + QStringList{"--set", "streamlines.count=151"},
            "151 вне пределов 1..150");
        row("radius out of range", ok + QStringList{"--set", "cylinder.radius=49"},
            "49 вне пределов 50..150");
        row("not a number", ok + QStringList{"--set", "vectorScale.scale=1.5"},
            "неверное значение «1.5»");
        row("not a colour", ok + QStringList{"--set", "streamlines.color=red"},
            "неверное значение «red»");
        row("not a flag", ok + QStringList{"--set", "streamlines.arrows=1"},
            "неверное значение «1»");
        row("point without y", ok + QStringList{"--at", "12"}, "нужна точка X,Y");
        row("point far off", ok + QStringList{"--velocity", "2000000,0"}, "вне пределов");
        row("second of one element", ok + QStringList{"--second", "1,2"}, "один элемент");
        row("label without text", ok + QStringList{"--label", "1,2"}, "X,Y,ТЕКСТ");
        row("empty label", ok + QStringList{"--label", "1,2,"}, "пустая надпись");
        row("field without height", ok + QStringList{"--field", "800"}, "ШxВ");
        row("field too large", ok + QStringList{"--field", "20000x10"}, "20000 x 10");
        row("field empty", ok + QStringList{"--set", "field.height=0"}, "800 x 0");
        row("pair has no equipotentials", {"--flow", "pair", "--equipotentials", "-o", "x.png"},
            "линии равного потенциала не строятся");
        row("partner stops streamlines",
            {"--flow", "source-in-stream-and-sink", "--streamlines", "-o", "x.png"},
            "линии тока не строятся");
        row("no velocity inside", ok + QStringList{"--velocity", "400,300"},
            "в точке (400,300) скорость не рисуется");
    }

    void badArgumentsAreRefusedSayingWhy() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString said = refusal(arguments);
        QVERIFY2(said.contains(message), qPrintable(said));
        QVERIFY(!said.contains('\n'));
    }

    // Every name is listed with its default and range, and the placing
    // values' ranges are the ones the construction files are held to.
    void helpNamesEverything() {
        const QString help = renderHelp();
        for (const char* option : {"--output", "--flow", "--at", "--second", "--streamlines",
                                   "--equipotentials", "--velocity", "--label", "--field", "--set",
                                   "--landmarks", "--mark-landmarks", "--help", "--version"})
            QVERIFY2(help.contains(option), option);
        for (const FlowName& flow : flowNames())
            QVERIFY(help.contains(QString::fromUtf8(flow.name.data(), flow.name.size())));
        QVERIFY(help.contains(QRegularExpression("streamlines.count +20 \\(1..150\\)")));
        QVERIFY(help.contains(QRegularExpression("streamlines.color +#ff0000")));
        QVERIFY(help.contains(QRegularExpression("cylinder.withCirculation +false")));
        for (const flow::SettingInfo& info : flow::settingCatalogue())
            QVERIFY(help.contains(QString::fromUtf8(info.name.data(), info.name.size())));
        for (const PlacingSetting& placing : placingSettingCatalogue()) {
            const flow::SettingInfo& info = placing.info;
            QVERIFY(help.contains(QString::fromUtf8(info.name.data(), info.name.size())));
            QVERIFY(!placingSettingProblem(placing, info.defaultValue));
            if (info.kind != flow::SettingKind::Integer) continue;
            QVERIFY(!placingSettingProblem(placing, info.minimum));
            QVERIFY(!placingSettingProblem(placing, info.maximum));
            QVERIFY(placingSettingProblem(placing, info.minimum - 1));
            QVERIFY(placingSettingProblem(placing, info.maximum + 1));
        }
    }
};

QTEST_MAIN(RenderArgumentsTest)
#include "render_arguments_test.moc"
