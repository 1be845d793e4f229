// A drawing surface that keeps its pen, brush and font but draws nothing:
// timing a routine on it measures the flow geometry alone.
#pragma once

#include "flow/surface.h"

namespace bench {

class NullSurface : public flow::Surface {
  public:
    void setPenColor(flow::Color color) override { penColor_ = color; }
    void setPenWidth(int width) override { penWidth_ = width; }
    void setPenStyle(flow::PenStyle style) override { penStyle_ = style; }
    flow::Color penColor() const override { return penColor_; }
    int penWidth() const override { return penWidth_; }
    flow::PenStyle penStyle() const override { return penStyle_; }
    void setBrushColor(flow::Color) override {}
    void setBrushClear() override {}
    void setFont(const flow::Font& font) override { font_ = font; }
    flow::Font font() const override { return font_; }
    void moveTo(std::int64_t, std::int64_t) override {}
    void lineTo(std::int64_t, std::int64_t) override {}
    void ellipse(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void textOut(std::int64_t, std::int64_t, const std::string&) override {}
    std::optional<flow::Color> pixel(std::int64_t, std::int64_t) const override {
        return std::nullopt;
    }
    using Surface::lineTo;
    using Surface::moveTo;

  private:
    flow::Color penColor_ = flow::kBlack;
    int penWidth_ = 1;
    flow::PenStyle penStyle_ = flow::PenStyle::Solid;
    flow::Font font_;
};

}  // namespace bench
