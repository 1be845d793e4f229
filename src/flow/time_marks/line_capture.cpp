#include "flow/time_marks/line_capture.h"

#include <cmath>
#include <numbers>

namespace flow::time_marks {

namespace {

std::pair<std::int64_t, std::int64_t> keyOf(Point p) {
    return {p.x, p.y};
}

}  // namespace

void LineCapture::lineTo(std::int64_t x, std::int64_t y) {
    const Point from = at_;
    at_ = {x, y};
    if (from != at_) join(from, at_);
}

void LineCapture::join(Point from, Point to) {
    // A chord continues the line that ends where it starts, or goes before
    // the line that starts where it ends; otherwise it starts a line.
    if (const auto end = ends_.find(keyOf(from)); end != ends_.end()) {
        const std::size_t line = end->second;
        ends_.erase(end);
        lines_[line].push_back(to);
        ends_[keyOf(to)] = line;
        return;
    }
    if (const auto start = starts_.find(keyOf(to)); start != starts_.end()) {
        const std::size_t line = start->second;
        starts_.erase(start);
        lines_[line].push_front(from);
        starts_[keyOf(from)] = line;
        return;
    }
    lines_.push_back({from, to});
    starts_[keyOf(from)] = lines_.size() - 1;
    ends_[keyOf(to)] = lines_.size() - 1;
}

void LineCapture::ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    const double cx = (static_cast<double>(x1) + static_cast<double>(x2)) / 2;
    const double cy = (static_cast<double>(y1) + static_cast<double>(y2)) / 2;
    const double rx = std::abs(static_cast<double>(x2 - x1)) / 2;
    const double ry = std::abs(static_cast<double>(y2 - y1)) / 2;
    // Chords of about two pixels.
    const int chords = std::max(16, static_cast<int>(std::ceil(std::numbers::pi * (rx + ry))));
    Polyline& loop = ellipses_.emplace_back();
    for (int i = 0; i <= chords; ++i) {
        const double a = 2 * std::numbers::pi * i / chords;
        loop.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
}

std::vector<Polyline> LineCapture::lines() const {
    std::vector<Polyline> result = ellipses_;
    result.reserve(lines_.size() + ellipses_.size());
    for (const auto& line : lines_) {
        Polyline& polyline = result.emplace_back();
        polyline.reserve(line.size());
        for (const Point p : line)
            polyline.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    }
    return result;
}

}  // namespace flow::time_marks
