// A drawing surface over a QPainter for vector output (SVG, PDF, printing):
// the same operations as the picture's raster surface, drawn as lines,
// ellipses and texts in picture pixels on pixel centres, so they stay crisp
// at any zoom. The painter's transform places the picture on the page;
// everything is clipped to the picture. Lines that continue one another in
// one pen go out as one polyline.
#pragma once

#include <QPolygonF>
#include <QSize>

#include "document/picture_surface.h"

class QPainter;

class VectorSurface : public PictureSurface {
  public:
    VectorSurface(QPainter& painter, QSize picture);
    ~VectorSurface() override;
    VectorSurface(const VectorSurface&) = delete;
    VectorSurface& operator=(const VectorSurface&) = delete;

    QFont qfont() const override { return font_; }
    void setQFont(const QFont& font) override { font_ = font; }
    void drawPicture(const QImage& image) override;

    void setPenColor(flow::Color color) override;
    void setPenWidth(int width) override;
    void setPenStyle(flow::PenStyle style) override;
    flow::Color penColor() const override { return penColor_; }
    int penWidth() const override { return penWidth_; }
    flow::PenStyle penStyle() const override { return penStyle_; }
    void setBrushColor(flow::Color color) override;
    void setBrushClear() override;

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
    // Hands the pen and brush to the painter unless it has them already.
    void applyPen();
    void drawChain();

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
    bool penApplied_ = false;
    QPolygonF chain_;  // lines not yet drawn, each continuing the last
};
