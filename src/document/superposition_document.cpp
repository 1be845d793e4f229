// A superposition document's elements and drawings: each change of the
// elements draws the whole picture again from the construction, so that the
// lines and velocities drawn always belong to the elements shown.
#include <QSize>

#include "document/mdi_child.h"
#include "document/picture_view.h"

namespace sp = flow::superposition;

namespace {

// The picture's own size as the field the tracer works in, whatever the
// field-size dialog holds now.
class PictureField : public flow::FieldSettings {
  public:
    explicit PictureField(QSize size) : size_(size) {}
    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }

  private:
    QSize size_;
};

flow::Settings onField(const flow::Settings& s, const flow::FieldSettings& field) {
    return {s.streamlines,  s.equipotentials, field,         s.sourceSink, s.streamSpeed,
            s.vortexSource, s.cylinder,       s.vectorStyle, s.vectorScale};
}

}  // namespace

std::vector<sp::Element> TMDIChild::superpositionElements() const {
    return ::superpositionElements(steps_);
}

SuperpositionElementStep* TMDIChild::superpositionStep(int index) {
    for (ConstructionStep& step : steps_)
        if (auto* e = std::get_if<SuperpositionElementStep>(&step.action); e && index-- == 0)
            return e;
    return nullptr;
}

void TMDIChild::addSuperpositionElement(const sp::Element& element) {
    modified_ = true;
    bool replaced = false;
    if (element.kind == sp::ElementKind::Stream)
        for (ConstructionStep& step : steps_)
            if (auto* e = std::get_if<SuperpositionElementStep>(&step.action);
                e && e->element.kind == sp::ElementKind::Stream) {
                *e = {element, surface_.qfont()};
                replaced = true;
            }
    if (!replaced) steps_.push_back({SuperpositionElementStep{element, surface_.qfont()}, {}});
    redrawPicture();
    emit superpositionChanged();
}

void TMDIChild::changeSuperpositionElement(int index, const sp::Element& element) {
    SuperpositionElementStep* step = superpositionStep(index);
    if (!step) return;
    modified_ = true;
    step->element = element;
    redrawPicture();
    emit superpositionChanged();
}

void TMDIChild::removeSuperpositionElement(int index) {
    SuperpositionElementStep* step = superpositionStep(index);
    if (!step) return;
    modified_ = true;
    std::erase_if(steps_, [step](const ConstructionStep& s) {
        return std::get_if<SuperpositionElementStep>(&s.action) == step;
    });
    redrawPicture();
    emit superpositionChanged();
}

sp::Outcome TMDIChild::drawSuperpositionLines(SuperpositionLines lines, const flow::Settings& live,
                                              flow::Gauge& gauge) {
    modified_ = true;
    const PictureField field(surface_.image().size());
    return recorder().drawSuperpositionLines(lines, superpositionElements(), onField(live, field),
                                             gauge);
}

bool TMDIChild::drawSuperpositionVelocity(flow::Point p, const flow::Settings& live,
                                          flow::Gauge& gauge) {
    const bool drawn =
        recorder().drawSuperpositionVelocity(p, superpositionElements(), live, gauge);
    modified_ = modified_ || drawn;
    return drawn;
}

void TMDIChild::redrawPicture() {
    const QSize size = surface_.image().size();
    if (!surface_.createPicture(size.width(), size.height()))
        throw PictureRefused("Не хватает памяти, чтобы нарисовать рисунок заново.");
    const bool complete = replay(construction(), surface_);
    Image->update();
    if (!complete) emit linesCutShort();
}
