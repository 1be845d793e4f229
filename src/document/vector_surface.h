// A drawing surface over a QPainter for vector output (SVG, PDF, printing):
// the same operations as the picture's raster surface, drawn as lines,
// ellipses and texts in picture pixels on pixel centres, so they stay crisp
// at any zoom. The painter's transform places the picture on the page;
// everything is clipped to the picture.
#pragma once

#include <QSize>

#include "document/picture_surface.h"

class QPainter;

class VectorSurface : public PictureSurface {
  public:
    VectorSurface(QPainter& painter, QSize picture);

    QFont qfont() const override { return font_; }
    void setQFont(const QFont& font) override { font_ = font; }

    void setPenColor(flow::Color color) override { penColor_ = color; }
    void setPenWidth(int width) override { penWidth_ = width; }
    void setPenStyle(flow::PenStyle style) override { penStyle_ = style; }
    flow::Color penColor() const override { return penColor_; }
    int penWidth() const override { return penWidth_; }
    flow::PenStyle penStyle() const override { return penStyle_; }
    void setBrushColor(flow::Color color) override;
    void setBrushClear() override { brushClear_ = true; }

    void moveTo(std::int64_t x, std::int64_t y) override;
    void lineTo(std::int64_t x, std::int64_t y) override;
    void ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) override;
    void textOut(std::int64_t x, std::int64_t y, const std::string& utf8) override;
    // A vector page has no pixels to read.
    std::optional<flow::Color> pixel(std::int64_t, std::int64_t) const override {
        return std::nullopt;
    }
    using Surface::lineTo;
    using Surface::moveTo;

  private:
    void applyPen();

    QPainter& painter_;
    QSize picture_;
    flow::Color penColor_ = flow::kBlack;
    int penWidth_ = 1;
    flow::PenStyle penStyle_ = flow::PenStyle::Solid;
    bool brushClear_ = false;
    flow::Color brushColor_ = flow::kWhite;
    QFont font_ = defaultPictureFont();
    std::int64_t penX_ = 0;
    std::int64_t penY_ = 0;
};
