#include "recording_surface.h"

#include <algorithm>

namespace flow {
std::ostream& operator<<(std::ostream& os, const Point& p) {
    return os << "(" << p.x << ", " << p.y << ")";
}
}  // namespace flow

namespace flow::test {

std::ostream& operator<<(std::ostream& os, const Segment& s) {
    return os << s.from << "-" << s.to << " colour " << std::hex << s.color.value << std::dec
              << " width " << s.width << (s.style == PenStyle::Dot ? " dotted" : "");
}

void RecordingSurface::record(Op::Kind kind, Point a, Point b, std::string text) {
    if (keep_ == Keep::CountOnly) return;
    ops_.push_back(
        Op{kind, a, b, std::move(text), penColor_, penWidth_, penStyle_, brushClear_, brushColor_});
}

void RecordingSurface::moveTo(std::int64_t x, std::int64_t y) {
    record(Op::MoveTo, {x, y});
}
void RecordingSurface::lineTo(std::int64_t x, std::int64_t y) {
    ++lineCount_;
    record(Op::LineTo, {x, y});
}
void RecordingSurface::ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    record(Op::Ellipse, {x1, y1}, {x2, y2});
}
void RecordingSurface::textOut(std::int64_t x, std::int64_t y, const std::string& utf8) {
    record(Op::Text, {x, y}, {}, utf8);
}

std::vector<Segment> RecordingSurface::segments() const {
    std::vector<Segment> result;
    Point pen;
    for (const Op& op : ops_) {
        if (op.kind == Op::MoveTo) {
            pen = op.a;
        } else if (op.kind == Op::LineTo) {
            result.push_back({pen, op.a, op.penColor, op.penWidth, op.penStyle});
            pen = op.a;
        }
    }
    return result;
}

bool touches(const Segment& s, const Box& box) {
    return std::max(s.from.x, s.to.x) >= box.left && std::min(s.from.x, s.to.x) <= box.right &&
           std::max(s.from.y, s.to.y) >= box.top && std::min(s.from.y, s.to.y) <= box.bottom;
}

}  // namespace flow::test
