#include "render/flow_construction.h"

#include "document/document.h"
#include "document/element_placement.h"
#include "document/field_size_limit.h"
#include "document/flow_commands.h"
#include "document/velocity_input.h"

namespace {

class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

[[noreturn]] void fail(const QString& message) {
    throw ArgumentError(message.toStdString());
}

[[noreturn]] void refuseVelocity(QPoint at) {
    fail(QString("в точке (%1,%2) скорость не рисуется").arg(at.x()).arg(at.y()));
}

// A colour map under the picture, with the dialog's defaults: the range
// found from the picture, no bands, the legend.
void drawMap(Document& document, DrawCommand::Kind kind, const flow::Settings& live) {
    const bool speed = kind == DrawCommand::SpeedMap;
    const auto outcome =
        document.drawMap(speed ? flow::maps::MapQuantity::Speed : flow::maps::MapQuantity::Pressure,
                         MapOptions{}, live);
    if (outcome == Document::MapOutcome::NoStream)
        fail(
            "--pressure-map: поле давления не построено: коэффициенту давления нужен "
            "набегающий поток");
    if (outcome == Document::MapOutcome::NoElement)
        fail(QString("%1: нет элемента").arg(speed ? "--speed-map" : "--pressure-map"));
}

// Time marks on the streamlines drawn so far and later.
void drawTimeMarks(Document& document, const flow::Settings& live) {
    const auto outcome = document.drawTimeMarks(live);
    if (outcome.result == Document::MarksOutcome::NoElement) fail("--time-marks: нет элемента");
    if (outcome.result == Document::MarksOutcome::NoStreamlines)
        fail("--time-marks: сначала постройте линии тока (--streamlines)");
}

// The contours after the commands; one through a singular point is drawn
// without its numbers.
// The commands drawn alike in every kind of document: labels, colour maps
// and time marks.
void drawAlike(Document& document, const DrawCommand& command, const flow::Settings& live) {
    switch (command.kind) {
        case DrawCommand::Label:
            document.stampLabel(command.at.x(), command.at.y(), command.text);
            break;
        case DrawCommand::SpeedMap:
        case DrawCommand::PressureMap:
            drawMap(document, command.kind, live);
            break;
        case DrawCommand::TimeMarks:
            drawTimeMarks(document, live);
            break;
        default:
            break;
    }
}

void drawContours(Document& document, const FlowRequest& request, const flow::Settings& live) {
    for (const flow::maps::Circle& circle : request.contours)
        if (!document.drawContour(circle, 1, live, true).kept) fail("--contour: нет элемента");
}

// The field's size as the settings give it, refused when no picture can have it.
QSize fieldOf(const flow::Settings& live) {
    const QSize field(live.field.width(), live.field.height());
    if (const auto problem = fieldSizeProblem(field.width(), field.height())) fail(*problem);
    return field;
}

// A flow always has an element, so a command refuses only lines it has none of.
QString refusal(DrawCommand::Kind command, const FlowName& flow) {
    return QString("у течения «%1» %2 не строятся")
        .arg(QString::fromUtf8(flow.name.data(), flow.name.size()),
             command == DrawCommand::Equipotentials ? "линии равного потенциала" : "линии тока");
}

// The streamline command's title quotes the dialogs' captions of these
// settings; the strength panel shows the source/sink dialog's strengths.
TitleTexts titleTexts(const flow::Settings& settings, const PlacingValues& placing) {
    return {QString::number(settings.streamSpeed.speed()),
            QString::number(settings.vortexSource.strength()),
            QString::number(settings.vortexSource.circulation()),
            QString::number(placing.pairSource), QString::number(placing.pairSink)};
}

}  // namespace

flow::SettingValues flowSettings(const FlowRequest& request) {
    flow::SettingValues settings = request.settings;
    if (request.flow && request.flow->cylinder)
        settings.set("cylinder.withCirculation", request.flow->circulation);
    return settings;
}

void createPicture(RasterSurface& surface, QSize size) {
    if (!surface.createPicture(size.width(), size.height()))
        throw std::runtime_error(QString("не хватает памяти для рисунка %1 x %2")
                                     .arg(size.width())
                                     .arg(size.height())
                                     .toStdString());
}

namespace {

// The stream has no place: its mark goes near the picture's top-left corner.
constexpr QPoint kStreamMark(40, 20);

// The airfoil the arguments give: a new airfoil document's, with the values given.
AirfoilStep requestedAirfoil(const FlowRequest& request, QSize field) {
    AirfoilStep airfoil = defaultAirfoil(field);
    for (const auto& [parameter, value] : request.airfoil)
        flow::airfoil::setParameterValue(airfoil, parameter, value);
    if (request.kutta) airfoil.stream.kutta = *request.kutta;
    return airfoil;
}

// A superposition of the elements given, or the airfoil, drawn by a document.
DrawnFlow documentFlow(const FlowRequest& request) {
    namespace sp = flow::superposition;
    const flow::Settings& live = request.settings.settings();
    const QSize field = fieldOf(live);
    const bool airfoil = request.flow && request.flow->airfoil;
    DrawnFlow drawn;
    drawn.document = std::make_shared<Document>();
    Document& document = *drawn.document;
    if (!airfoil) document.makeSuperposition();
    createPicture(document.surface(), field);
    if (airfoil)
        document.adopt(
            {field, document.surface().qfont(), {{requestedAirfoil(request, field), {}}}});
    for (sp::Element e : request.elements) {
        if (e.kind == sp::ElementKind::Stream) {
            e.x = kStreamMark.x();
            e.y = kStreamMark.y();
        }
        document.addSuperpositionElement(e);
    }
    NoGauge gauge;
    for (const DrawCommand& command : request.commands) {
        switch (command.kind) {
            case DrawCommand::Streamlines:
            case DrawCommand::Equipotentials: {
                const bool streamlines = command.kind == DrawCommand::Streamlines;
                const SuperpositionLines lines = streamlines ? SuperpositionLines::Streamlines
                                                             : SuperpositionLines::Equipotentials;
                const sp::Outcome outcome =
                    airfoil ? document.drawAirfoilLines(lines, live, gauge)
                            : document.drawSuperpositionLines(lines, live, gauge);
                const char* option = streamlines ? "--streamlines" : "--equipotentials";
                if (outcome == sp::Outcome::NothingToDraw)
                    fail(QString("%1: линии не построены: элементы не дают течения на поле")
                             .arg(option));
                if (outcome == sp::Outcome::TooDense)
                    fail(QString("%1: линии не построены: %2")
                             .arg(option, QString::fromUtf8(sp::kTooDenseText.data(),
                                                            sp::kTooDenseText.size())));
                if (outcome == sp::Outcome::Truncated) drawn.linesComplete = false;
                break;
            }
            case DrawCommand::Velocity: {
                const flow::Point p{command.at.x(), command.at.y()};
                if (!(airfoil ? document.drawAirfoilVelocity(p, live, gauge)
                              : document.drawSuperpositionVelocity(p, live, gauge)))
                    refuseVelocity(command.at);
                break;
            }
            default:
                drawAlike(document, command, live);
                break;
        }
    }
    drawContours(document, request, live);
    drawn.construction = document.construction();
    return drawn;
}

}  // namespace

DrawnFlow drawFlow(const FlowRequest& request) {
    return request.flow && !request.flow->airfoil ? DrawnFlow{flowConstruction(request)}
                                                  : documentFlow(request);
}

Construction flowConstruction(const FlowRequest& request) {
    if (!request.flow || request.flow->airfoil) return documentFlow(request).construction;
    const flow::SettingValues values = flowSettings(request);
    const flow::Settings& live = values.settings();
    const QSize field = fieldOf(live);
    Document document;
    createPicture(document.surface(), field);
    const PlacingValues placing = placingValues(values, request.placing);
    const bool twoElements = request.flow->elements.size() > 1;
    const QPoint centre(field.width() / 2, field.height() / 2);
    const QPoint first = request.at.value_or(twoElements ? centre - QPoint(100, 0) : centre);
    const QPoint places[] = {first, request.second.value_or(first + QPoint(200, 0))};
    Configuration c;
    for (std::size_t i = 0; i < request.flow->elements.size(); ++i) {
        const QPoint at = places[i];
        document.placeElement(placeElement(c, request.flow->elements[i], at.x(), at.y(), placing),
                              c, live);
    }

    NoGauge gauge;
    for (const DrawCommand& command : request.commands) {
        switch (command.kind) {
            case DrawCommand::Streamlines:
            case DrawCommand::Equipotentials: {
                const CommandPlan plan = command.kind == DrawCommand::Streamlines
                                             ? planStreamlines(c, live, titleTexts(live, placing))
                                             : planEquipotentials(c, live);
                if (std::holds_alternative<CommandRefusal>(plan))
                    fail(refusal(command.kind, *request.flow));
                document.runCommand(std::get<CommandRun>(plan), live, gauge);
                break;
            }
            case DrawCommand::Velocity: {
                const flow::Point p{command.at.x(), command.at.y()};
                const auto input = velocityInputAt(c, live, p);
                if (!input || !document.drawVelocity(*input, live, gauge))
                    refuseVelocity(command.at);
                break;
            }
            default:
                drawAlike(document, command, live);
                break;
        }
    }
    drawContours(document, request, live);
    return document.construction();
}
