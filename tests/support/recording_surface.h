// The one stand-in drawing surface of the tests and benchmarks: it keeps the
// pen and brush and counts the lines drawn; recording, it also keeps every
// operation in order with the pen and brush in force, so tests can compare
// exact drawing sequences. Without recording it draws nothing at all, for
// runs too long to keep and for timing the flow geometry alone.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "flow/surface.h"

namespace flow {
std::ostream& operator<<(std::ostream& os, const Point& p);
}  // namespace flow

namespace flow::test {

struct Op {
    enum Kind { MoveTo, LineTo, Ellipse, Text } kind;
    Point a;           // MoveTo/LineTo/Text point; Ellipse first corner
    Point b;           // Ellipse second corner
    std::string text;  // Text only
    Color penColor;
    int penWidth;
    PenStyle penStyle;
    bool brushClear;
    Color brushColor;
};

// A line segment as drawn: a LineTo together with the pen position before it.
struct Segment {
    Point from;
    Point to;
    Color color;
    int width;
    PenStyle style;
    friend bool operator==(const Segment&, const Segment&) = default;
};
std::ostream& operator<<(std::ostream& os, const Segment& s);

// Whether the segment's bounding box meets the box.
bool touches(const Segment& s, const Box& box);

class RecordingSurface : public Surface {
  public:
    enum class Keep { Operations, CountOnly };
    explicit RecordingSurface(Keep keep = Keep::Operations) : keep_(keep) {}

    void setPenColor(Color color) override { penColor_ = color; }
    void setPenWidth(int width) override { penWidth_ = width; }
    void setPenStyle(PenStyle style) override { penStyle_ = style; }
    Color penColor() const override { return penColor_; }
    int penWidth() const override { return penWidth_; }
    PenStyle penStyle() const override { return penStyle_; }
    void setBrushColor(Color color) override {
        brushClear_ = false;
        brushColor_ = color;
    }
    void setBrushClear() override { brushClear_ = true; }

    void moveTo(std::int64_t x, std::int64_t y) override;
    void lineTo(std::int64_t x, std::int64_t y) override;
    void ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void textOut(std::int64_t x, std::int64_t y, const std::string& utf8) override;
    std::optional<Color> pixel(std::int64_t, std::int64_t) const override { return kWhite; }
    std::optional<Box> reach() const override { return reachBox; }
    using Surface::lineTo;
    using Surface::moveTo;

    const std::vector<Op>& ops() const { return ops_; }
    // Every LineTo so far, recorded or not.
    long long lineCount() const { return lineCount_; }
    // Every LineTo as a segment from the pen position before it.
    std::vector<Segment> segments() const;
    bool brushClear() const { return brushClear_; }
    void clear() { ops_.clear(); }

    // What reach() answers: by default every line counts.
    std::optional<Box> reachBox;

  private:
    void record(Op::Kind kind, Point a, Point b = {}, std::string text = {});

    Keep keep_;
    std::vector<Op> ops_;
    long long lineCount_ = 0;
    Color penColor_ = kBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    bool brushClear_ = false;
    Color brushColor_ = kWhite;
};

}  // namespace flow::test
