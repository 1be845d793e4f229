// A document's construction: the steps that drew its picture, kept as they
// are drawn, and an opened construction drawn again on a new picture.
#include <QLabel>
#include <QLineEdit>

#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"

Construction TMDIChild::construction() {
    return Construction{surface_.image().size(), surface_.qfont(), steps_, superposition_};
}

void TMDIChild::drawPlacedElement(const ElementDrawing& element, const flow::Settings& live) {
    modified_ = true;
    recorder().placeElement(element, readConfiguration(*this), live);
}

bool TMDIChild::runRoutine(const flow::RoutineCall& call, const flow::Settings& live,
                           flow::Gauge& gauge) {
    modified_ = true;
    return recorder().runRoutine(call, live, gauge);
}

void TMDIChild::drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                             flow::Gauge& gauge) {
    // A point where the velocity is not drawn leaves the picture as it is.
    if (!flow::ComputeVelocity(input)) return;
    modified_ = true;
    recorder().drawVelocity(input, live, gauge);
}

void TMDIChild::stampLabel(int x, int y, const QString& text) {
    modified_ = true;
    recorder().stampLabel(x, y, text);
}

void TMDIChild::keepCommandTitle(const QString& title) {
    recorder().keepCommandTitle(title);
}

bool TMDIChild::adoptConstruction(const Construction& construction, std::int64_t picturesInUse) {
    createPicture(construction.field, picturesInUse);
    const bool complete = replay(construction, surface_);
    steps_ = construction.steps;
    superposition_ = construction.superposition;
    const Configuration configuration = construction.configuration();
    writeConfiguration(configuration, *this);
    if (configuration.radius.filled)
        showThetaLabel(configuration.centreX.number(), configuration.centreY.number(),
                       configuration.radius.number());
    EditText->setFont(construction.font);
    modified_ = false;
    return complete;
}

void TMDIChild::showThetaLabel(int x, int y, int r) {
    const auto third = static_cast<int>(flow::Round(r * 0.3333333333333333));
    Image1->show();
    Image1->move(x + third, y - third);
}
