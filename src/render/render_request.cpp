#include "render/render_request.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <algorithm>

#include "document/construction_limits.h"
#include "document/field_size_limit.h"
#include "document/picture_export.h"
#include "document/quoted_text.h"
#include "flow/bounded_settings.h"
#include "flow/routines.h"
#include "flow/superposition/element_text.h"

namespace {

const QCommandLineOption kOutput({"o", "output"}, "Файл рисунка: .bmp, .png, .svg или .pdf.",
                                 "OUT");
const QCommandLineOption kFlow("flow", "Течение (список ниже) вместо файла построения.", "NAME");
const QCommandLineOption kElement(
    "element",
    "Элемент суперпозиции вместо --flow (можно повторять): source,X,Y,Q; sink,X,Y,Q; "
    "vortex,X,Y,Г; dipole,X,Y,M,УГОЛ; vortex-source,X,Y,Q,Г; stream,U,УГОЛ (не больше одного). "
    "Г > 0 вращает против часовой стрелки; углы в градусах от направления вправо.",
    "KIND,...");
const QCommandLineOption kAt("at", "Место элемента, пиксели; по умолчанию середина поля.", "X,Y");
const QCommandLineOption kSecond(
    "second", "Место второго элемента (y берётся у первого); по умолчанию на 200 правее.", "X,Y");
const QCommandLineOption kStreamlines("streamlines", "Построить линии тока.");
const QCommandLineOption kEquipotentials("equipotentials", "Построить линии равного потенциала.");
const QCommandLineOption kSpeedMap(
    "speed-map",
    "Построить поле скорости: цветовая карта |V|/U под всеми линиями (диапазон "
    "автоматический, цвета без полос, с легендой).");
const QCommandLineOption kPressureMap(
    "pressure-map", "Построить поле давления: цветовая карта Cp = 1 - |V|^2/U^2, как --speed-map.");
const QCommandLineOption kTimeMarks(
    "time-marks",
    "Метки времени на линиях тока, построенных до неё и после неё: точка через каждые Δt "
    "(streamlines.markInterval, streamlines.markSize, streamlines.markColor).");
const QCommandLineOption kVelocity("velocity", "Векторы скорости в точке (можно повторять).",
                                   "X,Y");
const QCommandLineOption kLabel("label", "Надпись, левый верхний угол в X,Y (можно повторять).",
                                "X,Y,TEXT");
const QCommandLineOption kContour(
    "contour",
    "Контур-круг после всех команд (можно повторять): циркуляция Г и расход Q вокруг него "
    "пишутся рядом; --landmarks печатает их.",
    "X,Y,R");
const QCommandLineOption kField("field", "Размер поля в пикселях (field.width, field.height).",
                                "WxH");
const QCommandLineOption kSet("set", "Настройка по имени (список ниже).", "NAME=VALUE");
const QCommandLineOption kLandmarks(
    "landmarks", "Напечатать особые точки течения и скорости (в пикселях и единицах течения).");
const QCommandLineOption kPressurePlot(
    "cp-plot",
    "График коэффициента давления вдоль тела (цилиндр, полутело, овал Ренкина): .png, .svg "
    "или .csv.",
    "FILE");
const QCommandLineOption kMarkLandmarks("mark-landmarks",
                                        "Отметить особые точки на рисунке крестиками.");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Рисует построение плоского потенциального течения в файл без дисплея: из файла "
        "построения (.zef) или из течения, заданного аргументами. Команды --streamlines, "
        "--equipotentials, --velocity и --label выполняются в заданном порядке; всё, что не "
        "задано, берётся по умолчанию, как в диалогах программы.");
    parser.addPositionalArgument("FILE.zef", "Файл построения.", "[FILE.zef]");
    parser.addOptions({kOutput, kFlow, kElement, kAt, kSecond, kStreamlines, kEquipotentials,
                       kSpeedMap, kPressureMap, kTimeMarks, kVelocity, kLabel, kContour, kField,
                       kSet, kLandmarks, kMarkLandmarks, kPressurePlot});
}

[[noreturn]] void fail(const QString& message) {
    throw ArgumentError(message.toStdString());
}

int coordinate(const QString& text, const QString& option, const char* parameter) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) fail(QString("%1: %2 — не целое число").arg(option, quoted(text)));
    if (const auto problem = flow::parameterProblem(parameter, value))
        fail(QString("%1: %2").arg(option, QString::fromStdString(*problem)));
    return value;
}

QPoint point(const QString& text, const QString& option) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2) fail(QString("%1: нужна точка X,Y, а не %2").arg(option, quoted(text)));
    return {coordinate(parts[0], option, "X"), coordinate(parts[1], option, "Y")};
}

flow::SettingValue settingValue(flow::SettingKind kind, const QString& text, const QString& name) {
    switch (kind) {
        case flow::SettingKind::Integer: {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (ok) return value;
            break;
        }
        case flow::SettingKind::Colour:
            if (const auto colour = flow::colourNamed(text.toStdString())) return *colour;
            break;
        case flow::SettingKind::Flag:
            if (text == "true" || text == "false") return text == "true";
            break;
    }
    fail(QString("--set %1: неверное значение %2").arg(name, quoted(text)));
}

constexpr QLatin1StringView kAirfoilPrefix("joukowski.");

// An airfoil's value: a number within its parameter's range, or the Kutta flag.
void setAirfoilNamed(FlowRequest& request, const QString& name, const QString& text) {
    if (!request.flow || !request.flow->airfoil)
        fail(QString("--set %1: только для --flow joukowski").arg(name));
    const QString parameter = name.mid(kAirfoilPrefix.size());
    if (parameter == "kutta") {
        request.kutta = std::get<bool>(settingValue(flow::SettingKind::Flag, text, name));
        return;
    }
    for (const flow::airfoil::ParameterInfo& info : flow::airfoil::kParameters) {
        if (parameter != QLatin1StringView(info.name.data(), info.name.size())) continue;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok) fail(QString("--set %1: неверное значение %2").arg(name, quoted(text)));
        if (const auto problem = flow::airfoil::parameterProblem(info, value))
            fail(QString("--set %1: %2").arg(name, QString::fromStdString(*problem)));
        request.airfoil[info.parameter] = value;
        return;
    }
    fail(QString("--set: неизвестная настройка %1").arg(quoted(name)));
}

void setNamed(FlowRequest& request, const QString& name, const QString& text) {
    if (name.startsWith(kAirfoilPrefix)) return setAirfoilNamed(request, name, text);
    const std::string key = name.toStdString();
    std::optional<std::string> problem;
    if (const flow::SettingInfo* info = flow::findSetting(key)) {
        const flow::SettingValue value = settingValue(info->kind, text, name);
        problem = flow::settingProblem(key, value);
        if (!problem) request.settings.set(key, value);
    } else if (const PlacingSetting* placing = findPlacingSetting(key)) {
        const flow::SettingValue value = settingValue(placing->info.kind, text, name);
        problem = placingSettingProblem(*placing, value);
        if (!problem) request.placing[key] = value;
    } else {
        fail(QString("--set: неизвестная настройка %1").arg(quoted(name)));
    }
    if (problem) fail(QString("--set %1: %2").arg(name, QString::fromStdString(*problem)));
}

void setting(FlowRequest& request, const QString& assignment) {
    const qsizetype equals = assignment.indexOf('=');
    if (equals <= 0) fail(QString("--set: нужно ИМЯ=ЗНАЧЕНИЕ, а не %1").arg(quoted(assignment)));
    setNamed(request, assignment.left(equals), assignment.mid(equals + 1));
}

void field(FlowRequest& request, const QString& size) {
    const QStringList sides = size.split('x');
    bool wide = false;
    bool high = false;
    const int width = sides.value(0).toInt(&wide);
    const int height = sides.value(1).toInt(&high);
    if (sides.size() != 2 || !wide || !high)
        fail(QString("--field: нужен размер ШxВ, а не %1").arg(quoted(size)));
    if (const auto problem = fieldSizeProblem(width, height)) fail("--field: " + *problem);
    request.settings.set("field.width", width);
    request.settings.set("field.height", height);
}

DrawCommand label(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() < 3) fail(QString("--label: нужно X,Y,ТЕКСТ, а не %1").arg(quoted(text)));
    const QPoint at = point(parts[0] + ',' + parts[1], "--label");
    // An empty label box stamps nothing.
    const QString label = parts.mid(2).join(',');
    if (label.isEmpty()) fail("--label: пустая надпись");
    if (label.size() > kMaxTextCharacters)
        fail(QString("--label: надпись длиннее %1 знаков").arg(kMaxTextCharacters));
    return {DrawCommand::Label, at, label};
}

// The largest radius of a contour.
constexpr int kMaxContourRadius = 100'000;

flow::maps::Circle contour(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 3) fail(QString("--contour: нужно X,Y,R, а не %1").arg(quoted(text)));
    const QPoint centre = point(parts[0] + ',' + parts[1], "--contour");
    bool ok = false;
    const int radius = parts[2].trimmed().toInt(&ok);
    if (!ok || radius < 1 || radius > kMaxContourRadius)
        fail(QString("--contour: радиус %1 — не целое число от 1 до %2")
                 .arg(quoted(parts[2]))
                 .arg(kMaxContourRadius));
    return {{static_cast<double>(centre.x()), static_cast<double>(centre.y())},
            static_cast<double>(radius)};
}

bool hasFlowOptions(const QCommandLineParser& parser) {
    for (const QCommandLineOption* option :
         {&kFlow, &kElement, &kAt, &kSecond, &kStreamlines, &kEquipotentials, &kTimeMarks,
          &kVelocity, &kLabel, &kContour, &kField, &kSet})
        if (parser.isSet(*option)) return true;
    return false;
}

void readFlowName(const QCommandLineParser& parser, FlowRequest& request) {
    const QString name = parser.value(kFlow);
    request.flow = findFlowName(name.toStdString());
    if (!request.flow) fail(QString("--flow: неизвестное течение %1").arg(quoted(name)));
    if (parser.values(kAt).size() > 1 || parser.values(kSecond).size() > 1 ||
        parser.values(kFlow).size() > 1)
        fail("--flow, --at и --second задаются не больше одного раза");
    if (request.flow->airfoil && parser.isSet(kAt))
        fail("--at: профиль Жуковского стоит в середине поля");
    if (parser.isSet(kAt)) request.at = point(parser.value(kAt), "--at");
    if (parser.isSet(kSecond)) {
        if (request.flow->elements.size() < 2)
            fail(QString("--second: у течения «%1» один элемент").arg(name));
        request.second = point(parser.value(kSecond), "--second");
    }
}

// The superposition's elements, each in its own --element.
void readElements(const QCommandLineParser& parser, FlowRequest& request) {
    if (parser.isSet(kFlow) || parser.isSet(kAt) || parser.isSet(kSecond))
        fail("--element строит суперпозицию: --flow, --at и --second к ней не применяются");
    for (const QString& text : parser.values(kElement)) {
        auto element = flow::superposition::parseElement(text.toStdString());
        if (const auto* problem = std::get_if<std::string>(&element))
            fail("--element: " + QString::fromStdString(*problem));
        request.elements.push_back(std::get<flow::superposition::Element>(element));
    }
    const auto streams = std::count_if(
        request.elements.begin(), request.elements.end(),
        [](const auto& e) { return e.kind == flow::superposition::ElementKind::Stream; });
    if (streams > 1) fail("--element: поток задаётся не больше одного раза");
}

// A flow from the arguments keeps to a construction file's limits.
void checkLimits(const FlowRequest& request) {
    const auto lines =
        std::count_if(request.commands.begin(), request.commands.end(), [](const DrawCommand& c) {
            return c.kind == DrawCommand::Streamlines || c.kind == DrawCommand::Equipotentials ||
                   c.kind == DrawCommand::TimeMarks;
        });
    if (lines > kMaxLineSteps) fail(QString("линии строятся больше %1 раз").arg(kMaxLineSteps));
    if (request.commands.size() + request.elements.size() + request.contours.size() >
        kMaxConstructionSteps)
        fail(QString("элементов и команд больше %1").arg(kMaxConstructionSteps));
}

// The options that build the flow, taken in the order given: commands and
// labels are drawn in that order, and a later setting wins.
void readFlowOptions(const QCommandLineParser& parser, FlowRequest& request) {
    if (parser.isSet(kElement))
        readElements(parser, request);
    else
        readFlowName(parser, request);
    std::map<QString, int> taken;
    for (const QString& option : parser.optionNames()) {
        const auto next = [&](const QCommandLineOption& o) {
            return parser.values(o).value(taken[o.names().first()]++);
        };
        if (option == "streamlines")
            request.commands.push_back({DrawCommand::Streamlines, {}, {}});
        else if (option == "equipotentials")
            request.commands.push_back({DrawCommand::Equipotentials, {}, {}});
        else if (option == "speed-map")
            request.commands.push_back({DrawCommand::SpeedMap, {}, {}});
        else if (option == "pressure-map")
            request.commands.push_back({DrawCommand::PressureMap, {}, {}});
        else if (option == "time-marks")
            request.commands.push_back({DrawCommand::TimeMarks, {}, {}});
        else if (option == "velocity")
            request.commands.push_back(
                {DrawCommand::Velocity, point(next(kVelocity), "--velocity"), {}});
        else if (option == "label")
            request.commands.push_back(label(next(kLabel)));
        else if (option == "contour")
            request.contours.push_back(contour(next(kContour)));
        else if (option == "set")
            setting(request, next(kSet));
        else if (option == "field")
            field(request, next(kField));
    }
    checkLimits(request);
}

QString padded(QString text, int width) {
    return "  " + text.leftJustified(width) + " ";
}

QString settingLine(const flow::SettingInfo& info) {
    QString value;
    QString range;
    if (const auto* number = std::get_if<int>(&info.defaultValue)) {
        value = QString::number(*number);
        // The field's sides go as far as a picture's.
        const bool side = info.name == "field.width" || info.name == "field.height";
        range = QString("%1..%2")
                    .arg(side ? 1 : info.minimum)
                    .arg(side ? flow::kMaxFieldSide : info.maximum);
    } else if (const auto* colour = std::get_if<flow::Color>(&info.defaultValue)) {
        value = QString::fromStdString(flow::colourName(*colour));
        range = "#rrggbb";
    } else {
        value = std::get<bool>(info.defaultValue) ? "true" : "false";
        range = "true, false";
    }
    return padded(QString::fromUtf8(info.name.data(), info.name.size()), 28) +
           QString("%1 (%2)\n").arg(value, range);
}

}  // namespace

RenderRequest parseRenderArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            fail(QString("неизвестный параметр %1").arg(quoted(unknown.first())));
        fail(parser.errorText());
    }
    RenderRequest request;
    request.help = parser.isSet(help) || parser.isSet("help-all");
    request.version = parser.isSet(version);
    if (request.help || request.version) return request;

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) fail("можно задать только один файл построения");
    request.input = files.value(0);
    if (!request.input.isEmpty() && hasFlowOptions(parser))
        fail("файл построения рисуется как есть: --flow и его параметры к нему не применяются");
    if (request.input.isEmpty() && !parser.isSet(kFlow) && !parser.isSet(kElement))
        fail("нужен либо файл построения, либо --flow");
    if (parser.isSet(kFlow) || parser.isSet(kElement)) readFlowOptions(parser, request.flow);

    request.landmarks = parser.isSet(kLandmarks);
    request.markLandmarks = parser.isSet(kMarkLandmarks);
    if (parser.isSet(kPressurePlot)) {
        if (parser.values(kPressurePlot).size() != 1) fail("--cp-plot задаётся один раз");
        request.pressurePlot = parser.value(kPressurePlot);
        const QString suffix = QFileInfo(request.pressurePlot).suffix().toLower();
        if (suffix != "png" && suffix != "svg" && suffix != "csv")
            fail(QString("--cp-plot: %1 — расширение должно быть .png, .svg или .csv")
                     .arg(quoted(request.pressurePlot, flow::kQuotedNameCharacters)));
    }
    // Landmarks and the pressure chart may be written without a picture.
    if ((request.landmarks || !request.pressurePlot.isEmpty()) && !request.markLandmarks &&
        !parser.isSet(kOutput))
        return request;
    if (parser.values(kOutput).size() != 1) fail("нужен один выходной файл: -o OUT");
    request.output = parser.value(kOutput);
    if (!pictureFormatOf(request.output))
        fail(QString("-o: %1 — расширение должно быть .bmp, .png, .svg или .pdf")
                 .arg(quoted(request.output, flow::kQuotedNameCharacters)));
    return request;
}

QString renderHelp() {
    QCommandLineParser parser;
    describe(parser);
    parser.addHelpOption();
    parser.addVersionOption();
    QString text = parser.helpText();
    text.replace("<executable_name>", "zef-render");
    text += "\nТечения (--flow NAME):\n";
    for (const FlowName& flow : flowNames())
        text += padded(QString::fromUtf8(flow.name.data(), flow.name.size()), 28) +
                QString::fromUtf8(flow.description.data(), flow.description.size()) + "\n";
    text += "\nНастройки (--set NAME=VALUE): значение по умолчанию (пределы):\n";
    for (const flow::SettingInfo& info : flow::settingCatalogue()) text += settingLine(info);
    for (const PlacingSetting& placing : placingSettingCatalogue())
        text += settingLine(placing.info);
    const AirfoilStep airfoil;
    for (const flow::airfoil::ParameterInfo& info : flow::airfoil::kParameters)
        text +=
            padded(kAirfoilPrefix + QLatin1StringView(info.name.data(), info.name.size()), 28) +
            QString("%1 (%2..%3)\n")
                .arg(info.parameter == flow::airfoil::Parameter::Chord
                         ? QString("половина ширины поля")
                         : QString::number(flow::airfoil::parameterValue(airfoil, info.parameter)))
                .arg(info.minimum)
                .arg(info.maximum);
    text += padded(kAirfoilPrefix + QString("kutta"), 28) + "true (true, false)\n";
    text += QString("Рисунок поля — от 1 до %1 пикселей в ширину и в высоту.\n")
                .arg(flow::kMaxFieldSide);
    return text;
}
