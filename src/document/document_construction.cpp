// The window as a view of its document: an opened construction drawn on a
// new picture, and what the window shows of the steps after each change.
#include <QLabel>
#include <QLineEdit>

#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "flow/geometry.h"

bool TMDIChild::adoptConstruction(const Construction& construction, std::int64_t picturesInUse) {
    createPicture(construction.field, picturesInUse);
    const bool complete = document_->adopt(construction);
    EditText->setFont(construction.font);
    return complete;
}

void TMDIChild::showSteps() {
    // A live change's pictures come from the worker and repaint themselves.
    if (!document_->changingLive()) Image->update();
    if (const Configuration configuration = document_->configuration();
        configuration != shownConfiguration_) {
        shownConfiguration_ = configuration;
        mirrorConfiguration(configuration, *this);
        if (configuration.radius.filled)
            showThetaLabel(configuration.centreX.number(), configuration.centreY.number(),
                           configuration.radius.number());
        else
            Image1->hide();
    }
    if (!isSuperposition()) return;
    std::vector<flow::superposition::Element> elements = document_->superpositionElements();
    if (elements == shownElements_) return;
    shownElements_ = std::move(elements);
    emit superpositionChanged();
}

void TMDIChild::showThetaLabel(int x, int y, int r) {
    const auto third = static_cast<int>(flow::Round(r * 0.3333333333333333));
    Image1->show();
    Image1->move(x + third, y - third);
}
