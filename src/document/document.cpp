#include "document/document.h"

#include <QUndoCommand>
#include <algorithm>
#include <stdexcept>

#include "document/airfoil_document.h"

namespace {

// One step of the history: the steps from `at` as they were before it and
// as it left them. It is made after the change, so its first redo is none.
class StepsChange : public QUndoCommand {
  public:
    StepsChange(Document& document, const QString& name, std::size_t at,
                std::vector<ConstructionStep> before, std::vector<ConstructionStep> after)
        : QUndoCommand(name),
          document_(document),
          at_(at),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { document_.replaceSteps(at_, after_.size(), before_); }
    void redo() override {
        if (made_) {
            made_ = false;
            return;
        }
        document_.replaceSteps(at_, before_.size(), after_);
    }

  private:
    Document& document_;
    std::size_t at_;
    std::vector<ConstructionStep> before_;
    std::vector<ConstructionStep> after_;
    bool made_ = true;
};

}  // namespace

Document::Document(QObject* parent) : QObject(parent) {}

Construction Document::construction() {
    return Construction{surface_.image().size(), surface_.qfont(), steps_, superposition_};
}

Configuration Document::configuration() const {
    return lastConfiguration(steps_);
}

std::vector<flow::superposition::Element> Document::superpositionElements() const {
    return ::superpositionElements(steps_);
}

QString Document::caption() const {
    if (const auto airfoil = airfoilFlow()) return name_ + ": " + airfoilNumbersText(*airfoil);
    const QString title = lastTitle(steps_);
    return title.isEmpty() ? name_ : title;
}

void Document::setName(const QString& name) {
    const QString before = caption();
    name_ = name;
    if (caption() != before) emit captionChanged(caption());
}

void Document::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void Document::keepAsStep(const QString& name, std::size_t from) {
    const std::vector<ConstructionStep> made(steps_.begin() + static_cast<std::ptrdiff_t>(from),
                                             steps_.end());
    if (!made.empty()) keepChange(name, from, {}, made);
}

void Document::keepChange(const QString& name, std::size_t at, std::vector<ConstructionStep> before,
                          std::vector<ConstructionStep> after) {
    history_.push(new StepsChange(*this, name, at, std::move(before), std::move(after)));
}

void Document::replaceSteps(std::size_t at, std::size_t count,
                            const std::vector<ConstructionStep>& steps) {
    const QString before = caption();
    const bool onTop = count == 0 && at == steps_.size() && drawnOnTop(steps);
    const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(at);
    steps_.insert(steps_.erase(first, first + static_cast<std::ptrdiff_t>(count)), steps.begin(),
                  steps.end());
    if (onTop) {
        if (!replayFrom(construction(), surface_, at)) emit linesCutShort();
    } else {
        redrawPicture();
    }
    announce(before);
}

// Steps added at the end draw over the picture as a replay would, except a
// colour map, which goes under everything, and an element added to a
// superposition that has drawn more than its marks: its lines then change.
bool Document::drawnOnTop(const std::vector<ConstructionStep>& added) const {
    if (std::any_of(added.begin(), added.end(), isMapStep)) return false;
    if (!superposition_) return true;
    auto isElement = [](const ConstructionStep& step) {
        return std::holds_alternative<SuperpositionElementStep>(step.action);
    };
    return std::none_of(added.begin(), added.end(), isElement) ||
           (std::all_of(added.begin(), added.end(), isElement) &&
            std::all_of(steps_.begin(), steps_.end(), isElement));
}

void Document::announce(const QString& captionBefore) {
    emit stepsChanged();
    if (caption() != captionBefore) emit captionChanged(caption());
}

void Document::redrawPicture() {
    const QSize size = surface_.image().size();
    if (!surface_.createPicture(size.width(), size.height()))
        throw std::runtime_error("Не хватает памяти, чтобы нарисовать рисунок заново.");
    if (!replay(construction(), surface_)) emit linesCutShort();
}

bool Document::adopt(const Construction& construction) {
    const QString before = caption();
    const bool complete = replay(construction, surface_);
    steps_ = construction.steps;
    superposition_ = construction.superposition;
    history_.clear();
    announce(before);
    return complete;
}
