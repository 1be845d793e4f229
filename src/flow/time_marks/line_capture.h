// A drawing surface that keeps the lines drawn on it as polylines instead of
// pixels: segments that meet end to end join into one line, so a routine's
// streamlines come back whole, however their chords were drawn; an ellipse
// (a vortex's streamline) comes back as a closed line round it.
#pragma once

#include <deque>
#include <map>
#include <utility>
#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/surface.h"

namespace flow::time_marks {

using Polyline = std::vector<maps::PicturePoint>;

class LineCapture : public Surface {
  public:
    void setPenColor(Color color) override { pen_ = color; }
    void setPenWidth(int width) override { width_ = width; }
    void setPenStyle(PenStyle style) override { style_ = style; }
    Color penColor() const override { return pen_; }
    int penWidth() const override { return width_; }
    PenStyle penStyle() const override { return style_; }
    void setBrushColor(Color) override {}
    void setBrushClear() override {}
    void moveTo(std::int64_t x, std::int64_t y) override { at_ = {x, y}; }
    void lineTo(std::int64_t x, std::int64_t y) override;
    void ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void textOut(std::int64_t, std::int64_t, const std::string&) override {}
    std::optional<Color> pixel(std::int64_t, std::int64_t) const override { return kWhite; }

    // The lines drawn so far, each from its first drawn end.
    std::vector<Polyline> lines() const;

  private:
    using Key = std::pair<std::int64_t, std::int64_t>;
    void join(Point from, Point to);

    Color pen_ = kBlack;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    Point at_;
    std::vector<std::deque<Point>> lines_;
    std::map<Key, std::size_t> starts_;  // open line by its first point
    std::map<Key, std::size_t> ends_;    // and by its last
    std::vector<Polyline> ellipses_;
};

}  // namespace flow::time_marks
