// A document's construction: the steps that drew its picture, kept as they
// are drawn, and an opened construction drawn again on a new picture.
#include <QLabel>
#include <QLineEdit>

#include "document/mdi_child.h"
#include "flow/geometry.h"

Construction TMDIChild::construction() {
    return Construction{surface_.image().size(), surface_.qfont(), steps_, superposition_};
}

void TMDIChild::drawPlacedElement(const ElementDrawing& element, const flow::Settings& live) {
    modified_ = true;
    recordStep(steps_, {ElementStep{element, surface_.qfont(), readConfiguration(*this)}, {}}, live,
               [&](const flow::Settings& s) { drawElement(surface_, element, s.field); });
}

void TMDIChild::runRoutine(const flow::RoutineCall& call, const flow::Settings& live,
                           flow::Gauge& gauge) {
    modified_ = true;
    recordStep(steps_, {CommandStep{call, {}}, {}}, live, [&](const flow::Settings& s) {
        flow::runRoutine(flow::Canvas{surface_, s, gauge}, call);
    });
}

void TMDIChild::drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                             flow::Gauge& gauge) {
    // A point where the velocity is not drawn leaves the picture as it is.
    if (!flow::ComputeVelocity(input)) return;
    modified_ = true;
    recordStep(steps_, {VelocityStep{input}, {}}, live, [&](const flow::Settings& s) {
        flow::DrawVelocity(flow::Canvas{surface_, s, gauge}, input);
    });
}

void TMDIChild::stampLabel(int x, int y, const QString& text) {
    modified_ = true;
    steps_.push_back({LabelStep{x, y, text, surface_.qfont()}, {}});
    surface_.textOut(x, y, text.toStdString());
}

void TMDIChild::keepCommandTitle(const QString& title) {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
        if (auto* command = std::get_if<CommandStep>(&step->action)) {
            command->title = title;
            return;
        }
}

void TMDIChild::adoptConstruction(const Construction& construction, std::int64_t picturesInUse) {
    createPicture(construction.field, picturesInUse);
    replay(construction, surface_);
    steps_ = construction.steps;
    superposition_ = construction.superposition;
    const Configuration configuration = construction.configuration();
    writeConfiguration(configuration, *this);
    if (configuration.radius.filled)
        showThetaLabel(configuration.centreX.number(), configuration.centreY.number(),
                       configuration.radius.number());
    EditText->setFont(construction.font);
    modified_ = false;
}

void TMDIChild::showThetaLabel(int x, int y, int r) {
    const auto third = static_cast<int>(flow::Round(r * 0.3333333333333333));
    Image1->show();
    Image1->move(x + third, y - third);
}
