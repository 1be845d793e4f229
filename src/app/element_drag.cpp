#include "app/element_drag.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "flow/geometry.h"

namespace sp = flow::superposition;

namespace {

// How near the pointer must be to a mark's centre to take it, and to a
// cylinder's outline.
constexpr double kReach = 9;
constexpr double kOutlineReach = 3;

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

double distance(QPoint a, QPoint b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

std::optional<DragTarget> placedElementPartAt(const Configuration& c, QPoint at) {
    using Part = DragTarget::Part;
    if (c.isEmpty()) return std::nullopt;
    if (c.secondX.filled && distance({c.secondX.number(), c.secondY.number()}, at) <= kReach)
        return DragTarget{Part::Partner};
    const QPoint centre(c.centreX.number(), c.centreY.number());
    if (distance(centre, at) <= kReach) return DragTarget{Part::Element};
    if (c.kind() == FlowKind::Cylinder &&
        std::abs(distance(centre, at) - c.radius.number()) <= kOutlineReach)
        return DragTarget{Part::Outline};
    return std::nullopt;
}

}  // namespace

std::optional<int> superpositionElementAt(TMDIChild& document, QPoint at) {
    const std::vector<sp::Element> elements = document.document().superpositionElements();
    for (auto i = static_cast<int>(elements.size()); i-- > 0;) {
        const sp::Element& e = elements[static_cast<std::size_t>(i)];
        if (std::hypot(e.x - at.x(), e.y - at.y()) <= kReach) return i;
    }
    return std::nullopt;
}

std::optional<DragTarget> dragTargetAt(TMDIChild& document, QPoint at) {
    if (document.isSuperposition()) {
        const std::optional<int> index = superpositionElementAt(document, at);
        if (!index) return std::nullopt;
        return DragTarget{DragTarget::Part::Superposition, *index};
    }
    // A place that is no number takes nothing.
    try {
        return placedElementPartAt(document.document().configuration(), at);
    } catch (const flow::ConversionError&) {
        return std::nullopt;
    }
}

ElementDrag::ElementDrag(TMDIChild& document, DragTarget target, QPoint grabbed, RadiusRange radii)
    : document_(&document),
      target_(target),
      grabbed_(grabbed),
      radii_(radii),
      highlight_(new MarkHighlight(document.Image)) {
    Document& d = document.document();
    if (target.part == DragTarget::Part::Superposition) {
        start_ = d.superpositionElements().at(static_cast<std::size_t>(target.index));
        mark_ = QPoint(static_cast<int>(std::lround(start_.x)),
                       static_cast<int>(std::lround(start_.y)));
        d.startLiveChange(target.index);
    } else {
        const Configuration c = d.configuration();
        mark_ = target.part == DragTarget::Part::Partner
                    ? QPoint(c.secondX.number(), c.secondY.number())
                    : QPoint(c.centreX.number(), c.centreY.number());
        d.startLiveElementChange();
    }
    document.setPointer(Qt::ClosedHandCursor);
    showHighlight(target.part == DragTarget::Part::Outline ? grabbed : mark_);
}

ElementDrag::~ElementDrag() {
    delete highlight_;
    if (document_) document_->setPointer(Qt::ArrowCursor);
}

void ElementDrag::moveTo(QPoint at) {
    if (!document_) return;
    Document& d = document_->document();
    const QPoint by = at - grabbed_;
    switch (target_.part) {
        case DragTarget::Part::Superposition: {
            sp::Element moved = start_;
            moved.x = start_.x + by.x();
            moved.y = start_.y + by.y();
            d.changeLive(moved);
            return showHighlight(mark_ + by);
        }
        case DragTarget::Part::Element:
        case DragTarget::Part::Partner: {
            // The mark stays on the picture.
            const QSize size = d.surface().image().size();
            const QPoint to(std::clamp(mark_.x() + by.x(), 0, size.width() - 1),
                            std::clamp(mark_.y() + by.y(), 0, size.height() - 1));
            const bool partner = target_.part == DragTarget::Part::Partner;
            d.changeLive(
                ElementChange{partner, to.x() - mark_.x(), to.y() - mark_.y(), std::nullopt});
            return showHighlight(partner ? QPoint(to.x(), mark_.y()) : to);
        }
        case DragTarget::Part::Outline: {
            // The ring rides the outline where the pointer points from the
            // centre, the cylinder's mark.
            const QPoint from = at - mark_;
            const double r = std::hypot(from.x(), from.y());
            const int radius =
                std::clamp(static_cast<int>(std::lround(r)), radii_.minimum, radii_.maximum);
            ElementChange change;
            change.radius = radius;
            d.changeLive(change);
            if (r > 0) showHighlight(mark_ + (QPointF(from) * (radius / r)).toPoint());
            return;
        }
    }
}

void ElementDrag::finish() {
    if (document_)
        document_->document().finishLiveChange(target_.part == DragTarget::Part::Outline
                                                   ? "изменение радиуса"
                                                   : "перемещение элемента");
}

void ElementDrag::cancel() {
    if (document_) document_->document().cancelLiveChange();
}

void ElementDrag::showHighlight(QPoint at) {
    highlight_->move(at.x() - highlight_->width() / 2, at.y() - highlight_->height() / 2);
    highlight_->show();
    highlight_->raise();
}
