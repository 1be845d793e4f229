#include "app/element_drag.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

#include "document/mdi_child.h"
#include "document/picture_view.h"

namespace sp = flow::superposition;

namespace {

// How near the pointer must be to a mark's centre to take it.
constexpr double kReach = 9;

// A ring round the mark, drawn over the picture.
class MarkHighlight : public QWidget {
  public:
    explicit MarkHighlight(QWidget* parent) : QWidget(parent) {
        setObjectName("MarkHighlight");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        resize(23, 23);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 140, 0), 2));
        p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

}  // namespace

std::optional<int> superpositionElementAt(TMDIChild& document, QPoint at) {
    const std::vector<sp::Element> elements = document.document().superpositionElements();
    for (auto i = static_cast<int>(elements.size()); i-- > 0;) {
        const sp::Element& e = elements[static_cast<std::size_t>(i)];
        if (std::hypot(e.x - at.x(), e.y - at.y()) <= kReach) return i;
    }
    return std::nullopt;
}

ElementDrag::ElementDrag(TMDIChild& document, int index, QPoint grabbed)
    : document_(&document),
      index_(index),
      grabbed_(grabbed),
      start_(document.document().superpositionElements().at(static_cast<std::size_t>(index))),
      highlight_(new MarkHighlight(document.Image)) {
    document.document().startLiveChange(index);
    document.setPointer(Qt::ClosedHandCursor);
    showHighlight();
}

ElementDrag::~ElementDrag() {
    delete highlight_;
    if (document_) document_->setPointer(Qt::ArrowCursor);
}

void ElementDrag::moveTo(QPoint at) {
    if (!document_) return;
    sp::Element moved = start_;
    moved.x = start_.x + (at.x() - grabbed_.x());
    moved.y = start_.y + (at.y() - grabbed_.y());
    document_->document().changeLive(moved);
    showHighlight();
}

void ElementDrag::finish() {
    if (document_) document_->document().finishLiveChange("перемещение элемента");
}

void ElementDrag::cancel() {
    if (document_) document_->document().cancelLiveChange();
}

void ElementDrag::showHighlight() {
    if (!document_) return;
    const sp::Element e =
        document_->document().superpositionElements().at(static_cast<std::size_t>(index_));
    highlight_->move(static_cast<int>(std::lround(e.x)) - highlight_->width() / 2,
                     static_cast<int>(std::lround(e.y)) - highlight_->height() / 2);
    highlight_->show();
    highlight_->raise();
}
