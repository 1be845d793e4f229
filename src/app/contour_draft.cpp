#include "app/contour_draft.h"

#include <cmath>

namespace {

// A drag shorter than this is a click.
constexpr int kDragStart = 3;

flow::maps::PicturePoint picturePoint(QPoint p) {
    return {static_cast<double>(p.x()), static_cast<double>(p.y())};
}

bool near(QPoint a, QPoint b) {
    return (a - b).manhattanLength() < kDragStart;
}

}  // namespace

double ContourDraft::radius() const {
    return pressed_
               ? std::round(std::hypot(pointer_.x() - pressed_->x(), pointer_.y() - pressed_->y()))
               : 0;
}

void ContourDraft::press(QPoint at) {
    pointer_ = at;
    if (!corners_.empty()) {
        corners_.push_back(at);
        return;
    }
    pressed_ = at;
    circle_ = false;
}

void ContourDraft::move(QPoint at) {
    pointer_ = at;
    if (pressed_ && corners_.empty() && !near(at, *pressed_)) circle_ = true;
}

std::optional<ContourShape> ContourDraft::release(QPoint at) {
    if (!pressed_) return std::nullopt;
    move(at);
    if (circle_) {
        const flow::maps::Circle circle{picturePoint(*pressed_), radius()};
        clear();
        return circle;
    }
    corners_.push_back(*pressed_);
    pressed_.reset();
    return std::nullopt;
}

std::optional<ContourShape> ContourDraft::close() {
    if (corners_.empty()) return std::nullopt;
    std::vector<QPoint> kept;
    for (const QPoint corner : corners_)
        if (kept.empty() || !near(corner, kept.back())) kept.push_back(corner);
    if (kept.size() > 1 && near(kept.back(), kept.front())) kept.pop_back();
    std::vector<flow::maps::PicturePoint> polygon;
    for (const QPoint corner : kept) polygon.push_back(picturePoint(corner));
    clear();
    return polygon;
}

void ContourDraft::clear() {
    pressed_.reset();
    circle_ = false;
    corners_.clear();
}

QPainterPath ContourDraft::outline() const {
    QPainterPath path;
    if (circle_ && pressed_) {
        path.addEllipse(QPointF(*pressed_), radius(), radius());
    } else if (!corners_.empty()) {
        path.moveTo(corners_.front());
        for (const QPoint corner : corners_) path.lineTo(corner);
        path.lineTo(pointer_);
    }
    return path;
}
