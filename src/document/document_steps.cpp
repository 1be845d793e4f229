// The changes a document takes, each kept as one step of its history.
#include <QFontMetrics>

#include "document/airfoil_document.h"
#include "document/background_drawing.h"
#include "document/construction_recorder.h"
#include "document/document.h"
#include "document/flow_commands.h"

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

constexpr const char* kStreamlines = "линии тока";
constexpr const char* kEquipotentials = "линии равного потенциала";

QString commandName(const flow::RoutineCall& call) {
    const bool equipotentials = call.routine && call.routine->name.starts_with("Equipotential");
    return equipotentials ? kEquipotentials : kStreamlines;
}

}  // namespace

void Document::record(const QString& name, const std::function<void(ConstructionRecorder&)>& draw) {
    const QString before = caption();
    const std::size_t from = steps_.size();
    ConstructionRecorder recorder(surface_, steps_, surface_.size());
    try {
        draw(recorder);
    } catch (...) {
        keepAsStep(name, from);
        announce(before);
        throw;
    }
    keepAsStep(name, from);
    announce(before);
}

void Document::placeElement(const ElementDrawing& element, const Configuration& configuration,
                            const flow::Settings& live) {
    record("размещение элемента",
           [&](ConstructionRecorder& r) { r.placeElement(element, configuration, live); });
}

bool Document::runCommand(const CommandRun& run, const flow::Settings& live, flow::Gauge& gauge) {
    // A title that changes the caption is kept with the step.
    const bool newTitle = !run.title.isEmpty() && run.title != caption();
    bool fieldLimited = false;
    record(commandName(run.call), [&](ConstructionRecorder& r) {
        try {
            fieldLimited = r.runRoutine(run.call, live, gauge);
        } catch (...) {
            if (newTitle && run.titleFirst) r.keepCommandTitle(run.title);
            throw;
        }
        if (newTitle) r.keepCommandTitle(run.title);
    });
    return fieldLimited;
}

bool Document::drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                            flow::Gauge& gauge) {
    bool drawn = false;
    record("векторы скорости",
           [&](ConstructionRecorder& r) { drawn = r.drawVelocity(input, live, gauge); });
    return drawn;
}

void Document::stampLabel(int x, int y, const QString& text) {
    record("надпись", [&](ConstructionRecorder& r) { r.stampLabel(x, y, text); });
}

std::optional<std::size_t> Document::labelAt(int x, int y) const {
    for (std::size_t i = steps_.size(); i-- > 0;)
        if (const auto* label = std::get_if<LabelStep>(&steps_[i].action)) {
            const QRect box = QFontMetrics(label->font).boundingRect(label->text);
            if (QRect(label->x, label->y, box.width(), QFontMetrics(label->font).height())
                    .contains(x, y))
                return i;
        }
    return std::nullopt;
}

void Document::retypeLabel(std::size_t step, const QString& text) {
    if (step >= steps_.size() || !std::holds_alternative<LabelStep>(steps_[step].action)) return;
    const std::vector<ConstructionStep> before{steps_[step]};
    if (text == std::get<LabelStep>(before.front().action).text) return;
    std::vector<ConstructionStep> after = before;
    if (text.isEmpty())
        after.clear();
    else
        std::get<LabelStep>(after.front().action).text = text;
    replaceSteps(step, 1, after);
    keepChange(text.isEmpty() ? "удаление надписи" : "изменение надписи", step, before, after);
}

bool Document::removeElement() {
    if (superposition_ || configuration().isEmpty()) return false;
    std::vector<ConstructionStep> labels;
    for (const ConstructionStep& step : steps_)
        if (std::holds_alternative<LabelStep>(step.action)) labels.push_back(step);
    const std::vector<ConstructionStep> before = steps_;
    replaceSteps(0, steps_.size(), labels);
    keepChange("удаление элемента", 0, before, labels);
    return true;
}

std::optional<std::size_t> Document::superpositionStep(int index) const {
    for (std::size_t i = 0; i < steps_.size(); ++i)
        if (std::holds_alternative<SuperpositionElementStep>(steps_[i].action) && index-- == 0)
            return i;
    return std::nullopt;
}

void Document::addSuperpositionElement(const sp::Element& element) {
    const ConstructionStep added{SuperpositionElementStep{element, surface_.qfont()}, {}};
    std::optional<std::size_t> at;
    if (element.kind == sp::ElementKind::Stream)
        for (std::size_t i = 0; i < steps_.size(); ++i)
            if (const auto* e = std::get_if<SuperpositionElementStep>(&steps_[i].action);
                e && e->element.kind == sp::ElementKind::Stream)
                at = i;
    const std::size_t place = at.value_or(steps_.size());
    std::vector<ConstructionStep> before;
    if (at) before.push_back(steps_[*at]);
    replaceSteps(place, before.size(), {added});
    keepChange("добавление элемента", place, before, {added});
}

void Document::changeSuperpositionElement(int index, const sp::Element& element) {
    const std::optional<std::size_t> at = superpositionStep(index);
    if (!at) return;
    const std::vector<ConstructionStep> before{steps_[*at]};
    std::vector<ConstructionStep> after = before;
    std::get<SuperpositionElementStep>(after.front().action).element = element;
    replaceSteps(*at, 1, after);
    keepChange("изменение элемента", *at, before, after);
}

void Document::removeSuperpositionElement(int index) {
    const std::optional<std::size_t> at = superpositionStep(index);
    if (!at) return;
    const std::vector<ConstructionStep> before{steps_[*at]};
    replaceSteps(*at, 1, {});
    keepChange("удаление элемента", *at, before, {});
}

void Document::startLiveChange(int index) {
    cancelLiveChange();
    if (const std::optional<std::size_t> at = superpositionStep(index)) startLive(*at, 1);
}

// Every step but the labels is the element's; the labels go through as
// they are.
void Document::startLiveElementChange() {
    cancelLiveChange();
    if (!superposition_ && !configuration().isEmpty()) startLive(0, steps_.size());
}

void Document::startLive(std::size_t at, std::size_t count) {
    if (!background_) {
        background_ = new BackgroundDrawing(this);
        connect(background_, &BackgroundDrawing::drawn, this, &Document::showLivePicture);
    }
    const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(at);
    live_ = LiveChange{at, {first, first + static_cast<std::ptrdiff_t>(count)}};
    firstLivePicture_ = shownLivePicture_ = 0;
}

void Document::changeLive(const sp::Element& element) {
    if (!live_) return;
    const QString before = caption();
    std::get<SuperpositionElementStep>(steps_[live_->at].action).element = element;
    requestLivePicture(before);
}

void Document::changeLive(const ElementChange& change) {
    if (!live_) return;
    const QString before = caption();
    std::vector<ConstructionStep> changed = changedElement(live_->before, change);
    std::move(changed.begin(), changed.end(),
              steps_.begin() + static_cast<std::ptrdiff_t>(live_->at));
    requestLivePicture(before);
}

void Document::requestLivePicture(const QString& captionBefore) {
    const std::uint64_t request = background_->request(construction());
    if (!firstLivePicture_) firstLivePicture_ = request;
    announce(captionBefore);
}

void Document::showLivePicture(const QImage& picture, std::uint64_t request) {
    if (!live_ || !firstLivePicture_ || request < firstLivePicture_ || request <= shownLivePicture_)
        return;
    shownLivePicture_ = request;
    surface_.replacePicture(picture);
}

// A live change that never changed anything ends with nothing to draw.
bool Document::endLive(LiveChange& change) {
    change = std::move(*live_);
    live_.reset();
    background_->drop();
    return firstLivePicture_ != 0;
}

// Kept as a step when the element ended otherwise than it started.
void Document::finishLiveChange(const QString& name) {
    LiveChange change;
    if (!live_ || !endLive(change)) return;
    redrawPicture();
    const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(change.at);
    std::vector<ConstructionStep> after(first,
                                        first + static_cast<std::ptrdiff_t>(change.before.size()));
    if (lastConfiguration(after) != lastConfiguration(change.before) ||
        ::superpositionElements(after) != ::superpositionElements(change.before) ||
        (airfoilOf(after) && *airfoilOf(after) != *airfoilOf(change.before)))
        keepChange(name, change.at, std::move(change.before), std::move(after));
}

void Document::cancelLiveChange() {
    LiveChange change;
    if (live_ && endLive(change)) replaceSteps(change.at, change.before.size(), change.before);
}

sp::Outcome Document::drawSuperpositionLines(SuperpositionLines lines, const flow::Settings& live,
                                             flow::Gauge& gauge) {
    const PictureField field(surface_.image().size());
    auto outcome = sp::Outcome::NothingToDraw;
    record(lines == SuperpositionLines::Streamlines ? kStreamlines : kEquipotentials,
           [&](ConstructionRecorder& r) {
               outcome = r.drawSuperpositionLines(lines, superpositionElements(),
                                                  onField(live, field), gauge);
           });
    return outcome;
}

bool Document::drawSuperpositionVelocity(flow::Point p, const flow::Settings& live,
                                         flow::Gauge& gauge) {
    bool drawn = false;
    record("векторы скорости", [&](ConstructionRecorder& r) {
        drawn = r.drawSuperpositionVelocity(p, superpositionElements(), live, gauge);
    });
    return drawn;
}
