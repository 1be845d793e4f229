// The renderer's command line: what it takes in what order, and every
// argument it refuses with a message saying why.
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

const QString kFont = "DejaVu Sans,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";

// A construction file's text: an 800 x 600 field unless `field` says
// otherwise, and the steps given.
QByteArray construction(const QJsonArray& steps,
                        const QJsonValue& field = QJsonObject{{"width", 800}, {"height", 600}}) {
    const bool superposition = !steps.isEmpty() && steps[0]["step"] == "superpositionElement";
    QJsonObject json{{"format", "zef-construction"},
                     {"version", superposition ? 2 : 1},
                     {"field", field},
                     {"font", kFont},
                     {"steps", steps},
                     {"superposition", superposition}};
    return QJsonDocument(json).toJson();
}

QJsonArray repeated(const QJsonObject& step, int times) {
    QJsonArray steps;
    for (int i = 0; i < times; ++i) steps.append(step);
    return steps;
}

QJsonObject label(const QString& text, const QString& font = kFont) {
    return {{"step", "label"}, {"x", 10}, {"y", 10}, {"text", text}, {"font", font}};
}

}  // namespace

class RenderArgumentsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600) == 0);
        write("broken.zef", "{ \"format\": ");
        write("step.zef", construction({5}));
        write("field.zef", construction({}, 5));
        write("large.zef", construction({}, QJsonObject{{"width", 20000}, {"height", 600}}));
        write("long-step.zef",
              construction({QJsonObject{{"step", QString(10'000'000, 'x') + "\n"}}}));
        write("control-step.zef",
              construction({QJsonObject{{"step", QString("a\nb\tc") + QChar(0) + "d"}}}));
        write("steps.zef", construction(repeated(label("a"), 10'001)));
        write("line-steps.zef",
              construction(repeated({{"step", "command"},
                                     {"routine", "StreamVortex"},
                                     {"arguments", QJsonObject{{"X", 400}, {"Y", 300}}}},
                                    201)));
        write("font.zef",
              construction({label("a", QString(201, QChar(0x416)) + ",8,-1,5,400,0,"
                                                                    "0,0,0,0,0,0,0,0,0,1")}));
        write("text.zef", construction({label(QString(1001, 'a'))}));
        write("lines-field.zef",
              construction({QJsonObject{{"step", "superpositionElement"},
                                        {"kind", "vortex"},
                                        {"x", 400},
                                        {"y", 300},
                                        {"strength", 0},
                                        {"circulation", 1000},
                                        {"angle", 0},
                                        {"font", kFont}},
                            QJsonObject{{"step", "superpositionLines"},
                                        {"lines", "streamlines"},
                                        {"settings", QJsonObject{{"field.width", 16384}}}}}));
    }

    // zef-render run as a user runs it: each bad file or argument ends it at
    // once with its exit code and one short line naming the problem, a bad
    // value quoted short with its control characters shown escaped.
    void badInputIsRefusedInOneShortLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto file =
            [](const char* name, const QString& message) {
                QTest::newRow(name)
                    << QStringList{name, "-o", "x.png"} << 1
                    << QString("Не удалось открыть построение «%1»: %2").arg(name, message);
            };
        file("broken.zef", "это не файл JSON (незавершённый объект, позиция 12).");
        file("/dev/zero", "файл слишком велик (больше 64 МБ).");
        file("fifo", "это не файл JSON");
        file("step.zef", "шаг 1: ожидался объект JSON.");
        file("field.zef", "поле: ожидался объект JSON.");
        file("large.zef", "Размер поля 20000 x 600 недопустим");
        file("long-step.zef", "шаг 1: неизвестный шаг «" + QString(60, 'x') + "…».");
        file("control-step.zef", "шаг 1: неизвестный шаг «a\\nb\\tc\\x00d».");
        file("steps.zef", "шагов 10001, а можно не больше 10000.");
        file("line-steps.zef", "шаг 201: линии строятся больше 200 раз.");
        file("font.zef", "шаг 1: поле «font»: название шрифта длиннее 200 знаков.");
        file("text.zef", "шаг 1: поле «text» длиннее 1000 знаков.");
        file("lines-field.zef",
             "шаг 2: настройка «field.width»: 16384 вне пределов 1..800 (размер рисунка).");
        const QStringList flow = {"--flow", "vortex", "-o", "x.png"};
        const auto row = [](const char* name, const QStringList& arguments,
                            const QString& message) {
            QTest::newRow(name) << arguments << 2 << message;
        };
        row("field x", flow + QStringList{"--field", "x"}, "--field: нужен размер ШxВ, а не «x»");
        row("long flow", {"--flow", QString(50'000, QChar(0x436)) + "\n", "-o", "x.png"},
            "неизвестное течение «" + QString(60, QChar(0x436)) + "…»");
        row("element with a tab", {"--element", "stream\t,1,0", "-o", "x.png"},
            "неизвестный элемент «stream\\t»");
        row("long option", QStringList{"--" + QString(100'000, 'z')} + flow,
            "неизвестный параметр «" + QString(60, 'z') + "…»");
        row("long label", flow + QStringList{"--label", "1,2," + QString(1001, 'a')},
            "--label: надпись длиннее 1000 знаков");
        row("long colour", flow + QStringList{"--set", "streamlines.color=\r" + QString(1000, 'c')},
            "неверное значение «\\r" + QString(59, 'c') + "…»");
        row("many lines", QStringList{"--flow", "vortex"} + QStringList(201, "--streamlines"),
            "линии строятся больше 200 раз");
    }

    void badInputIsRefusedInOneShortLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        QProcess render;
        render.setWorkingDirectory(folder.path());
        render.start(ZEF_RENDER, arguments);
        QVERIFY(render.waitForStarted());
        if (!render.waitForFinished(30000)) {
            render.kill();
            render.waitForFinished();
            QFAIL("zef-render did not end");
        }
        const QString said = QString::fromUtf8(render.readAllStandardError());
        QVERIFY2(said.startsWith("zef-render: ") && said.contains(message), qPrintable(said));
        QCOMPARE(render.exitCode(), code);
        QVERIFY2(
            said.size() <= 200 && said.indexOf('\n') == said.size() - 1 && !said.endsWith("..\n"),
            qPrintable(said));
    }

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
        QVERIFY(help.contains(QRegularExpression("field.width +800 \\(1..16384\\)")));
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
