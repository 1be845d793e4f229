#include "document/construction_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "document/airfoil_document.h"
#include "document/bounded_read.h"
#include "document/construction_limits.h"
#include "document/field_size_limit.h"
#include "document/particle_snapshot.h"
#include "document/particle_snapshot_file.h"
#include "document/quoted_text.h"
#include "document/save_aside.h"
#include "document/time_marks_drawing.h"
#include "flow/geometry.h"
#include "flow/superposition/element_text.h"

namespace {

constexpr const char* kFormat = "zef-construction";

struct ConfigurationEntry {
    const char* name;
    SlotValue Configuration::*value;
    const char* parameter;  // its range, or null: only "" is allowed
};

constexpr std::array<ConfigurationEntry, 14> kConfiguration{{
    {"centreX", &Configuration::centreX, "X"},
    {"centreY", &Configuration::centreY, "Y"},
    {"secondX", &Configuration::secondX, "X"},
    {"secondY", &Configuration::secondY, "Y"},
    {"source", &Configuration::source, "Q"},
    {"sink", &Configuration::sink, "Q"},
    {"sourcePartner", &Configuration::sourcePartner, "Q"},
    {"sinkPartner", &Configuration::sinkPartner, "Q"},
    {"radius", &Configuration::radius, "R"},
    {"moment", &Configuration::moment, "M"},
    {"boundary", &Configuration::boundary, "boundary"},
    {"pointSource", &Configuration::pointSource, nullptr},
    {"vortex", &Configuration::vortex, nullptr},
    {"pair", &Configuration::pair, nullptr},
}};

using flow::VelocityConfig;
namespace sp = flow::superposition;

struct VelocityName {
    VelocityConfig config;
    const char* name;
};

constexpr std::array<VelocityName, 7> kVelocityNames{{
    {VelocityConfig::CylinderCirculation, "cylinderCirculation"},
    {VelocityConfig::Cylinder, "cylinder"},
    {VelocityConfig::SourceInStream, "sourceInStream"},
    {VelocityConfig::VortexSource, "vortexSource"},
    {VelocityConfig::Dipole, "dipole"},
    {VelocityConfig::Vortex, "vortex"},
    {VelocityConfig::PointSource, "pointSource"},
}};

// ---- Writing ----

QJsonObject settingsToJson(const flow::SettingValues& settings) {
    QJsonObject json;
    for (const auto& [name, value] : settings.values()) {
        const QString key = QString::fromStdString(name);
        if (const auto* number = std::get_if<int>(&value))
            json[key] = *number;
        else if (const auto* colour = std::get_if<flow::Color>(&value))
            json[key] = QString::fromStdString(flow::colourName(*colour));
        else if (const auto* flag = std::get_if<bool>(&value))
            json[key] = *flag;
        else
            json[key] = QJsonObject{
                {"invalid", QString::fromStdString(std::get<flow::InvalidText>(value).text)}};
    }
    return json;
}

QJsonObject configurationToJson(const Configuration& configuration) {
    QJsonObject json;
    for (const ConfigurationEntry& entry : kConfiguration)
        if (const SlotValue& value = configuration.*entry.value; value.filled)
            json[entry.name] = value.text;
    return json;
}

QJsonArray pointToJson(flow::Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

QString linesName(SuperpositionLines lines) {
    return lines == SuperpositionLines::Streamlines ? "streamlines" : "equipotentials";
}

QJsonObject stepToJson(const ConstructionStep& step) {
    QJsonObject json;
    if (const auto* e = std::get_if<ElementStep>(&step.action)) {
        json["step"] = "element";
        json["kind"] = QString::fromUtf8(elementKindName(e->drawing.kind));
        json["x"] = e->drawing.x;
        json["y"] = e->drawing.y;
        if (e->drawing.kind == ElementKind::Cylinder) {
            json["radius"] = e->drawing.radius;
            json["outlineWidth"] = e->drawing.outlineWidth;
            json["outlineColor"] =
                QString::fromStdString(flow::colourName(e->drawing.outlineColor));
        }
        json["font"] = e->font.toString();
        json["configuration"] = configurationToJson(e->configuration);
    } else if (const auto* c = std::get_if<CommandStep>(&step.action)) {
        json["step"] = "command";
        json["routine"] = QString::fromUtf8(c->call.routine->name);
        QJsonObject arguments;
        for (std::size_t i = 0; i < c->call.arguments.size(); ++i)
            arguments[QString::fromUtf8(c->call.routine->parameters[i])] = c->call.arguments[i];
        json["arguments"] = arguments;
        if (!c->title.isEmpty()) json["title"] = c->title;
    } else if (const auto* v = std::get_if<VelocityStep>(&step.action)) {
        const flow::VelocityInput& in = v->input;
        json["step"] = "velocity";
        for (const VelocityName& n : kVelocityNames)
            if (n.config == in.config) json["flow"] = n.name;
        json["point"] = pointToJson(in.p);
        json["centre"] = pointToJson(in.centre);
        json["scale"] = in.k;
        json["R"] = in.R;
        json["gamma"] = in.gamma;
        json["U"] = in.U;
        json["Q"] = in.Q;
        json["M"] = in.M;
    } else if (const auto* e = std::get_if<SuperpositionElementStep>(&step.action)) {
        json["step"] = "superpositionElement";
        json["kind"] = QString::fromUtf8(sp::kindName(e->element.kind));
        json["x"] = e->element.x;
        json["y"] = e->element.y;
        json["strength"] = e->element.strength;
        json["circulation"] = e->element.circulation;
        json["angle"] = e->element.angle;
        json["font"] = e->font.toString();
    } else if (const auto* l = std::get_if<SuperpositionLinesStep>(&step.action)) {
        json["step"] = "superpositionLines";
        json["lines"] = linesName(l->lines);
    } else if (const auto* v = std::get_if<SuperpositionVelocityStep>(&step.action)) {
        json["step"] = "superpositionVelocity";
        json["point"] = pointToJson(v->p);
    } else if (const auto* m = std::get_if<MapStep>(&step.action)) {
        json["step"] = "map";
        json["quantity"] = m->quantity == flow::maps::MapQuantity::Speed ? "speed" : "pressure";
        if (m->options.fixedRange)
            json["range"] = QJsonArray{m->options.fixedRange->low, m->options.fixedRange->high};
        json["bands"] = m->options.bands;
        json["legend"] = m->options.legend;
    } else if (const auto* a = std::get_if<AirfoilStep>(&step.action)) {
        json["step"] = "airfoil";
        for (const flow::airfoil::ParameterInfo& info : flow::airfoil::kParameters)
            json[QString::fromUtf8(info.name.data(), info.name.size())] =
                flow::airfoil::parameterValue(*a, info.parameter);
        json["kutta"] = a->stream.kutta;
    } else if (const auto* l = std::get_if<AirfoilLinesStep>(&step.action)) {
        json["step"] = "airfoilLines";
        json["lines"] = linesName(l->lines);
    } else if (const auto* v = std::get_if<AirfoilVelocityStep>(&step.action)) {
        json["step"] = "airfoilVelocity";
        json["point"] = pointToJson(v->p);
    } else if (const auto* c = std::get_if<ContourStep>(&step.action)) {
        json["step"] = "contour";
        if (const auto* circle = std::get_if<flow::maps::Circle>(&c->shape)) {
            json["centre"] = QJsonArray{circle->centre.x, circle->centre.y};
            json["radius"] = circle->radius;
        } else {
            QJsonArray corners;
            for (const flow::maps::PicturePoint p :
                 std::get<std::vector<flow::maps::PicturePoint>>(c->shape))
                corners.append(QJsonArray{p.x, p.y});
            json["corners"] = corners;
        }
        json["density"] = c->density;
        json["font"] = c->font.toString();
    } else if (std::holds_alternative<TimeMarksStep>(step.action)) {
        json["step"] = "timeMarks";
    } else if (const auto* p = std::get_if<ParticleSnapshotStep>(&step.action)) {
        json["step"] = "particles";
        json["trails"] = trailsToJson(*p);
    } else {
        const auto& l = std::get<LabelStep>(step.action);
        json["step"] = "label";
        json["x"] = l.x;
        json["y"] = l.y;
        json["text"] = l.text;
        json["font"] = l.font.toString();
    }
    if (!step.settings.values().empty()) json["settings"] = settingsToJson(step.settings);
    return json;
}

// ---- Reading ----

// The JSON parser's complaint in the program's language, whatever
// translations are installed.
QString jsonProblem(QJsonParseError::ParseError error) {
    switch (error) {
        case QJsonParseError::UnterminatedObject:
            return "незавершённый объект";
        case QJsonParseError::MissingNameSeparator:
            return "отсутствует разделитель имён";
        case QJsonParseError::UnterminatedArray:
            return "незавершённый массив";
        case QJsonParseError::MissingValueSeparator:
            return "отсутствует разделитель значений";
        case QJsonParseError::IllegalValue:
            return "недопустимое значение";
        case QJsonParseError::TerminationByNumber:
            return "некорректное завершение числом";
        case QJsonParseError::IllegalNumber:
            return "некорректное число";
        case QJsonParseError::IllegalEscapeSequence:
            return "некорректная ESC-последовательность";
        case QJsonParseError::IllegalUTF8String:
            return "некорректная последовательность UTF8";
        case QJsonParseError::UnterminatedString:
            return "незавершённая строка";
        case QJsonParseError::MissingObject:
            return "отсутствует объект после точки";
        case QJsonParseError::DeepNesting:
            return "документ имеет слишком глубокую вложенность";
        case QJsonParseError::DocumentTooLarge:
            return "слишком большой документ";
        case QJsonParseError::GarbageAtEnd:
            return "мусор в конце документа";
        case QJsonParseError::NoError:
            break;
    }
    return "неизвестная ошибка";
}

[[noreturn]] void fail(const QString& problem) {
    throw ConstructionFileError(problem.toStdString());
}

// Reads the members of one JSON object, naming where it is in its messages.
class ObjectReader {
  public:
    ObjectReader(const QJsonValue& value, QString where) : where_(std::move(where)) {
        if (!value.isObject()) fail("ожидался объект JSON");
        object_ = value.toObject();
    }

    [[noreturn]] void fail(const QString& problem) const { ::fail(where_ + problem); }

    QJsonValue member(const char* key) const {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined()) fail(QString("нет поля «%1»").arg(key));
        return value;
    }
    bool has(const char* key) const { return object_.contains(key); }

    int integer(const char* key, int minimum = std::numeric_limits<int>::min(),
                int maximum = std::numeric_limits<int>::max()) const {
        const QJsonValue value = member(key);
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::trunc(number) != number || number < minimum ||
            number > maximum)
            fail(QString("поле «%1» должно быть целым числом от %2 до %3")
                     .arg(key)
                     .arg(minimum)
                     .arg(maximum));
        return static_cast<int>(number);
    }
    // An integer within the range of the named parameter (flow/routines.h).
    int parameter(const char* key, std::string_view parameter) const {
        const int value = integer(key);
        if (const auto problem = flow::parameterProblem(parameter, value))
            fail(QString("поле «%1»: %2").arg(key, QString::fromStdString(*problem)));
        return value;
    }
    double number(const char* key) const {
        const QJsonValue value = member(key);
        if (!value.isDouble()) fail(QString("поле «%1» должно быть числом").arg(key));
        return value.toDouble();
    }
    QString text(const char* key) const {
        const QJsonValue value = member(key);
        if (!value.isString()) fail(QString("поле «%1» должно быть строкой").arg(key));
        return value.toString();
    }
    QString text(const char* key, int most) const {
        QString value = text(key);
        if (value.size() > most) fail(QString("поле «%1» длиннее %2 знаков").arg(key).arg(most));
        return value;
    }
    flow::Color colour(const char* key) const {
        const auto colour = flow::colourNamed(text(key).toStdString());
        if (!colour) fail(QString("поле «%1» должно быть цветом вида #rrggbb").arg(key));
        return *colour;
    }
    QFont font(const char* key) const {
        QFont font;
        if (!font.fromString(text(key))) fail(QString("поле «%1» не описывает шрифт").arg(key));
        // The font matcher takes long over a long name.
        if (font.family().size() > kMaxFontNameCharacters ||
            font.styleName().size() > kMaxFontNameCharacters)
            fail(QString("поле «%1»: название шрифта длиннее %2 знаков")
                     .arg(key)
                     .arg(kMaxFontNameCharacters));
        return font;
    }
    flow::Point point(const char* key) const { return pointOf(member(key), key); }
    // A list of `fewest` to `most` points.
    std::vector<flow::Point> points(const char* key, int fewest, int most) const {
        const QJsonValue value = member(key);
        if (!value.isArray() || value.toArray().size() < fewest || value.toArray().size() > most)
            fail(QString("поле «%1» должно быть списком от %2 до %3 точек")
                     .arg(key)
                     .arg(fewest)
                     .arg(most));
        std::vector<flow::Point> points;
        for (const QJsonValue& p : value.toArray()) points.push_back(pointOf(p, key));
        return points;
    }
    const QJsonObject& object() const { return object_; }
    const QString& where() const { return where_; }

  private:
    flow::Point pointOf(const QJsonValue& value, const char* key) const {
        const QJsonArray pair = value.toArray();
        flow::Point p;
        for (int i = 0; i < 2; ++i) {
            const double v = pair.size() == 2 ? pair[i].toDouble(std::nan("")) : std::nan("");
            if (!(std::abs(v) <= flow::kMaxCoordinate) || std::trunc(v) != v)
                fail(QString("поле «%1» должно быть парой целых координат не дальше %2")
                         .arg(key)
                         .arg(flow::kMaxCoordinate));
            (i == 0 ? p.x : p.y) = static_cast<std::int64_t>(v);
        }
        return p;
    }

    QString where_;
    QJsonObject object_;
};

flow::SettingValue settingFromJson(const ObjectReader& r, const QString& name,
                                   const QJsonValue& json) {
    const flow::SettingInfo* info = flow::findSetting(name.toStdString());
    if (!info) r.fail(QString("неизвестная настройка %1").arg(quoted(name)));
    flow::SettingValue value;
    const bool integral = json.isDouble() && std::trunc(json.toDouble()) == json.toDouble() &&
                          std::abs(json.toDouble()) <= std::numeric_limits<int>::max();
    if (info->kind == flow::SettingKind::Integer && integral)
        value = json.toInt();
    else if (info->kind == flow::SettingKind::Integer &&
             json.toObject().value("invalid").isString())
        value = flow::InvalidText{json.toObject().value("invalid").toString().toStdString()};
    else if (info->kind == flow::SettingKind::Colour && json.isString() &&
             flow::colourNamed(json.toString().toStdString()))
        value = *flow::colourNamed(json.toString().toStdString());
    else if (info->kind == flow::SettingKind::Flag && json.isBool())
        value = json.toBool();
    else
        r.fail(QString("настройка «%1» имеет значение не того вида").arg(name));
    if (const auto problem = flow::settingProblem(info->name, value))
        r.fail(QString("настройка «%1»: %2").arg(name, QString::fromStdString(*problem)));
    return value;
}

flow::SettingValues settingsFromJson(const ObjectReader& step) {
    flow::SettingValues settings;
    if (!step.has("settings")) return settings;
    const ObjectReader r(step.member("settings"), step.where());
    for (auto it = r.object().begin(); it != r.object().end(); ++it)
        settings.set(it.key().toStdString(), settingFromJson(r, it.key(), it.value()));
    return settings;
}

Configuration configurationFromJson(const ObjectReader& step) {
    const ObjectReader r(step.member("configuration"), step.where() + "конфигурация: ");
    Configuration configuration;
    for (auto it = r.object().begin(); it != r.object().end(); ++it) {
        const auto entry =
            std::find_if(kConfiguration.begin(), kConfiguration.end(),
                         [&](const ConfigurationEntry& e) { return it.key() == e.name; });
        if (entry == kConfiguration.end())
            r.fail(QString("неизвестное поле %1").arg(quoted(it.key())));
        const QString text = r.text(entry->name);
        if (entry->parameter) {
            if (!flow::isInteger(text.toStdString()))
                r.fail(QString("поле «%1» должно быть целым числом").arg(entry->name));
            if (const auto problem =
                    flow::parameterProblem(entry->parameter, flow::strToInt(text.toStdString())))
                r.fail(QString("поле «%1»: %2").arg(entry->name, QString::fromStdString(*problem)));
        } else if (!text.isEmpty()) {
            r.fail(QString("поле «%1» должно быть пустой строкой").arg(entry->name));
        }
        (configuration.*entry->value).set(text);
    }
    return configuration;
}

ElementStep elementFromJson(const ObjectReader& r) {
    ElementStep e;
    const auto kind = elementKindNamed(r.text("kind").toStdString());
    if (!kind) r.fail(QString("неизвестный вид элемента %1").arg(quoted(r.text("kind"))));
    e.drawing.kind = *kind;
    e.drawing.x = r.parameter("x", "X");
    e.drawing.y = r.parameter("y", "Y");
    if (*kind == ElementKind::Cylinder) {
        e.drawing.radius = r.parameter("radius", "R");
        e.drawing.outlineWidth = r.integer("outlineWidth", 1, 50);
        e.drawing.outlineColor = r.colour("outlineColor");
    }
    e.font = r.font("font");
    e.configuration = configurationFromJson(r);
    return e;
}

CommandStep commandFromJson(const ObjectReader& r) {
    const flow::RoutineInfo* routine = flow::findRoutine(r.text("routine").toStdString());
    if (!routine) r.fail(QString("неизвестное построение %1").arg(quoted(r.text("routine"))));
    const ObjectReader arguments(r.member("arguments"), r.where() + "аргументы: ");
    if (arguments.object().size() != static_cast<qsizetype>(routine->parameters.size()))
        arguments.fail("их число не то");
    CommandStep c;
    c.call.routine = routine;
    for (std::string_view parameter : routine->parameters)
        c.call.arguments.push_back(arguments.parameter(std::string(parameter).c_str(), parameter));
    if (r.has("title")) c.title = r.text("title", kMaxTextCharacters);
    return c;
}

VelocityStep velocityFromJson(const ObjectReader& r) {
    VelocityStep v;
    const QString flowName = r.text("flow");
    const auto name = std::find_if(kVelocityNames.begin(), kVelocityNames.end(),
                                   [&](const VelocityName& n) { return flowName == n.name; });
    if (name == kVelocityNames.end())
        r.fail(QString("неизвестное течение %1").arg(quoted(flowName)));
    flow::VelocityInput& in = v.input;
    in.config = name->config;
    in.p = r.point("point");
    in.centre = r.point("centre");
    in.k = r.integer("scale", 1, 100);
    in.R = r.integer("R", 0, 150);
    in.gamma = r.integer("gamma", 0, 3000);
    in.U = r.integer("U", 0, 10);
    in.Q = r.integer("Q", -3000, 3000);
    in.M = r.integer("M", 0, 200);
    return v;
}

LabelStep labelFromJson(const ObjectReader& r) {
    return LabelStep{r.parameter("x", "X"), r.parameter("y", "Y"),
                     r.text("text", kMaxTextCharacters), r.font("font")};
}

SuperpositionElementStep superpositionElementFromJson(const ObjectReader& r) {
    const auto kind = sp::kindNamed(r.text("kind").toStdString());
    if (!kind) r.fail(QString("неизвестный вид элемента %1").arg(quoted(r.text("kind"))));
    const sp::Element element{*kind,
                              r.number("x"),
                              r.number("y"),
                              r.number("strength"),
                              r.number("circulation"),
                              r.number("angle")};
    if (const auto problem = sp::elementProblem(element)) r.fail(QString::fromStdString(*problem));
    return {element, r.font("font")};
}

SuperpositionLinesStep superpositionLinesFromJson(const ObjectReader& r) {
    const QString lines = r.text("lines");
    if (lines == "streamlines") return {SuperpositionLines::Streamlines};
    if (lines == "equipotentials") return {SuperpositionLines::Equipotentials};
    r.fail(QString("неизвестные линии %1").arg(quoted(lines)));
}

AirfoilStep airfoilFromJson(const ObjectReader& r) {
    AirfoilStep airfoil;
    for (const flow::airfoil::ParameterInfo& info : flow::airfoil::kParameters) {
        const QByteArray key(info.name.data(), static_cast<qsizetype>(info.name.size()));
        const double value = r.number(key.constData());
        if (const auto problem = flow::airfoil::parameterProblem(info, value))
            r.fail(QString("поле «%1»: %2").arg(key, QString::fromStdString(*problem)));
        flow::airfoil::setParameterValue(airfoil, info.parameter, value);
    }
    const QJsonValue kutta = r.member("kutta");
    if (!kutta.isBool()) r.fail("поле «kutta» должно быть true или false");
    airfoil.stream.kutta = kutta.toBool();
    return airfoil;
}

// A colour map: its quantity, range (none: automatic), bands and legend.
MapStep mapFromJson(const ObjectReader& r) {
    MapStep map;
    const QString quantity = r.text("quantity");
    if (quantity == "pressure")
        map.quantity = flow::maps::MapQuantity::Pressure;
    else if (quantity != "speed")
        r.fail(QString("неизвестная величина карты %1").arg(quoted(quantity)));
    if (r.has("range")) {
        const QJsonArray range = r.member("range").toArray();
        const double low = range.size() == 2 ? range[0].toDouble(std::nan("")) : std::nan("");
        const double high = range.size() == 2 ? range[1].toDouble(std::nan("")) : std::nan("");
        if (!(std::abs(low) <= kMaxMapRange && std::abs(high) <= kMaxMapRange))
            r.fail(QString("поле «range» должно быть парой чисел от %1 до %2")
                       .arg(-kMaxMapRange)
                       .arg(kMaxMapRange));
        map.options.fixedRange = flow::maps::MapRange{low, high};
    }
    map.options.bands = r.integer("bands", 0, flow::maps::kMostBands);
    if (map.options.bands != 0 && map.options.bands < flow::maps::kFewestBands)
        r.fail(QString("поле «bands» должно быть 0 или от %1 до %2")
                   .arg(flow::maps::kFewestBands)
                   .arg(flow::maps::kMostBands));
    const QJsonValue legend = r.member("legend");
    if (!legend.isBool()) r.fail("поле «legend» должно быть true или false");
    map.options.legend = legend.toBool();
    return map;
}

flow::maps::PicturePoint picturePoint(flow::Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// A contour: a circle by its centre and radius, or a polygon by its
// corners, whole pixels; the density of its lift and its numbers' font.
ContourStep contourFromJson(const ObjectReader& r) {
    ContourStep contour;
    if (r.has("corners")) {
        std::vector<flow::maps::PicturePoint> corners;
        for (const flow::Point p : r.points("corners", 3, kMaxContourCorners))
            corners.push_back(picturePoint(p));
        contour.shape = corners;
    } else {
        contour.shape =
            flow::maps::Circle{picturePoint(r.point("centre")),
                               static_cast<double>(r.integer("radius", 1, flow::kMaxCoordinate))};
    }
    contour.density = r.number("density");
    if (!(contour.density > 0 && contour.density <= kMaxDensity))
        r.fail(
            QString("поле «density» должно быть числом больше 0 и не больше %1").arg(kMaxDensity));
    contour.font = r.font("font");
    return contour;
}

// A superposition's lines are traced on the picture (the window records its
// size): a larger field of their own would only take longer.
void checkLinesField(const ObjectReader& r, const flow::SettingValues& settings, QSize picture) {
    for (const auto& [name, side] :
         {std::pair{"field.width", picture.width()}, std::pair{"field.height", picture.height()}}) {
        const auto value = settings.values().find(name);
        const int* number =
            value == settings.values().end() ? nullptr : std::get_if<int>(&value->second);
        if (const auto problem = number ? flow::rangeProblem(*number, 1, side) : std::nullopt)
            r.fail(QString("настройка «%1»: %2 (размер рисунка)")
                       .arg(name, QString::fromStdString(*problem)));
    }
}

// The steps of each kind of document; labels belong to both.
bool ordinaryStep(const QString& kind) {
    return kind == "element" || kind == "command" || kind == "velocity";
}
bool superpositionStep(const QString& kind) {
    return kind.startsWith("superposition");
}

// An airfoil document's airfoil is its first step, and only its steps draw
// its flow; why the step cannot be where it is, or nothing.
std::optional<QString> airfoilPlaceProblem(const QString& kind, const Construction& construction) {
    const bool airfoil = airfoilOf(construction.steps) != nullptr;
    if (kind == "airfoil" && (construction.superposition || !construction.steps.empty()))
        return "профиль бывает только первым шагом документа без суперпозиции";
    if (kind.startsWith("airfoil") && kind != "airfoil" && !airfoil)
        return QString("шаг %1 бывает только в документе профиля").arg(quoted(kind));
    if (airfoil && ordinaryStep(kind))
        return QString("шаг %1 не бывает в документе профиля").arg(quoted(kind));
    return std::nullopt;
}

// `construction` holds the field and the kind of document the step belongs to.
ConstructionStep stepFromJson(const QJsonValue& json, int number,
                              const Construction& construction) {
    const bool superposition = construction.superposition;
    const ObjectReader r(json, QString("шаг %1: ").arg(number));
    const QString kind = r.text("step");
    if ((superposition && ordinaryStep(kind)) || (!superposition && superpositionStep(kind)))
        r.fail(QString("шаг %1 не бывает в документе %2")
                   .arg(quoted(kind), superposition ? "суперпозиции" : "без суперпозиции"));
    if (const auto problem = airfoilPlaceProblem(kind, construction)) r.fail(*problem);
    ConstructionStep step;
    if (kind == "element")
        step.action = elementFromJson(r);
    else if (kind == "command")
        step.action = commandFromJson(r);
    else if (kind == "velocity")
        step.action = velocityFromJson(r);
    else if (kind == "label")
        step.action = labelFromJson(r);
    else if (kind == "superpositionElement")
        step.action = superpositionElementFromJson(r);
    else if (kind == "superpositionLines")
        step.action = superpositionLinesFromJson(r);
    else if (kind == "superpositionVelocity")
        step.action = SuperpositionVelocityStep{r.point("point")};
    else if (kind == "map")
        step.action = mapFromJson(r);
    else if (kind == "contour")
        step.action = contourFromJson(r);
    else if (kind == "airfoil")
        step.action = airfoilFromJson(r);
    else if (kind == "airfoilLines")
        step.action = AirfoilLinesStep{superpositionLinesFromJson(r).lines};
    else if (kind == "airfoilVelocity")
        step.action = AirfoilVelocityStep{r.point("point")};
    else if (kind == "timeMarks")
        step.action = TimeMarksStep{};
    else if (kind == "particles")
        step.action = snapshotFromJson(r.member("trails"), r.where());
    else
        r.fail(QString("неизвестный шаг %1").arg(quoted(kind)));
    step.settings = settingsFromJson(r);
    if (std::holds_alternative<SuperpositionLinesStep>(step.action))
        checkLinesField(r, step.settings, construction.field);
    return step;
}

// The oldest format that holds the construction, so that earlier versions
// of the program go on reading what they can draw.
int formatVersionOf(const Construction& construction) {
    const auto holds = [&](bool (*kind)(const ConstructionStep&)) {
        return std::any_of(construction.steps.begin(), construction.steps.end(), kind);
    };
    if (holds(isParticleSnapshotStep)) return kParticlesFormatVersion;
    if (holds(isTimeMarksStep)) return kTimeMarksFormatVersion;
    if (airfoilOf(construction.steps)) return kAirfoilFormatVersion;
    if (holds(isContourStep)) return kContourFormatVersion;
    if (holds(isMapStep)) return kMapFormatVersion;
    return construction.superposition ? kSuperpositionFormatVersion : kOrdinaryFormatVersion;
}

}  // namespace

QByteArray constructionToJson(const Construction& construction) {
    QJsonArray steps;
    for (const ConstructionStep& step : construction.steps) steps.append(stepToJson(step));
    QJsonObject json{
        {"format", kFormat},
        {"version", formatVersionOf(construction)},
        {"field", QJsonObject{{"width", construction.field.width()},
                              {"height", construction.field.height()}}},
        {"font", construction.font.toString()},
        {"steps", steps},
    };
    if (construction.superposition) json["superposition"] = true;
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

Construction constructionFromJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QString("это не файл JSON (%1, позиция %2)")
                 .arg(jsonProblem(error.error))
                 .arg(error.offset));
    const ObjectReader r(document.object(), QString());
    if (!document.isObject() || r.object().value("format") != kFormat)
        fail("это не файл построения");
    const int version = r.integer("version", 1);
    if (version > kConstructionFormatVersion)
        fail(QString("файл записан более новой версией программы (формат %1, эта версия читает "
                     "формат до %2)")
                 .arg(version)
                 .arg(kConstructionFormatVersion));
    Construction construction;
    const ObjectReader field(r.member("field"), "поле: ");
    construction.field = QSize(field.integer("width"), field.integer("height"));
    if (const auto problem =
            fieldSizeProblem(construction.field.width(), construction.field.height()))
        fail(*problem);
    construction.font = r.font("font");
    if (r.has("superposition")) {
        const QJsonValue superposition = r.member("superposition");
        if (!superposition.isBool() || (superposition.toBool() && version < 2))
            r.fail("поле «superposition» должно быть true или false (с форматом от 2)");
        construction.superposition = superposition.toBool();
    }
    const QJsonValue steps = r.member("steps");
    if (!steps.isArray()) r.fail("поле «steps» должно быть списком");
    if (steps.toArray().size() > kMaxConstructionSteps)
        r.fail(QString("шагов %1, а можно не больше %2")
                   .arg(steps.toArray().size())
                   .arg(kMaxConstructionSteps));
    int number = 1;
    int lineSteps = 0;
    for (const QJsonValue& step : steps.toArray()) {
        construction.steps.push_back(stepFromJson(step, number, construction));
        const auto& action = construction.steps.back().action;
        // Time marks trace the lines again.
        if ((std::holds_alternative<CommandStep>(action) ||
             std::holds_alternative<SuperpositionLinesStep>(action) ||
             std::holds_alternative<AirfoilLinesStep>(action) ||
             std::holds_alternative<TimeMarksStep>(action)) &&
            ++lineSteps > kMaxLineSteps)
            fail(QString("шаг %1: линии строятся больше %2 раз").arg(number).arg(kMaxLineSteps));
        ++number;
    }
    return construction;
}

void writeConstructionFile(const Construction& construction, const QString& fileName) {
    const auto problem = saveAside(fileName, [&](QIODevice& file) {
        return file.write(constructionToJson(construction)) < 0 ? file.errorString() : QString();
    });
    if (problem)
        fail(QString("Не удалось сохранить построение в файл «%1»: %2")
                 .arg(QDir::toNativeSeparators(fileName), *problem));
}

Construction readConstructionFile(const QString& fileName) {
    const QString name = QDir::toNativeSeparators(fileName);
    try {
        QString error;
        const QByteArray bytes = readAtMost(fileName, kMaxConstructionBytes, error);
        if (!error.isEmpty()) fail(error);
        if (bytes.size() > kMaxConstructionBytes)
            fail(QString("файл слишком велик (больше %1 МБ)")
                     .arg(kMaxConstructionBytes / (1024 * 1024)));
        return constructionFromJson(bytes);
    } catch (const ConstructionFileError& error) {
        QString problem = QString::fromUtf8(error.what());
        if (!problem.endsWith('.')) problem += '.';
        fail(QString("Не удалось открыть построение %1: %2")
                 .arg(quoted(name, flow::kQuotedNameCharacters), problem));
    }
}
