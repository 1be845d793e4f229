// The drawing surface of one document: its picture (a QImage) with the pen,
// brush, font and pen position that belong to it between commands.
//
// Pixel rules: no antialiasing. A line of a solid pen of width 1 is the
// Bresenham line between its integer end points, both end pixels included
// (thin_line.h gives the exact rule), clipped exactly however far off the
// ends lie. Other lines cover the pixels Qt's aliased rasterizer gives the
// true segment, both end pixels included; wide pens have round caps and
// joins; pen widths below 1 draw as 1, above 1000 as 1000. An ellipse with
// box corners (x1, y1) and (x2, y2) is Qt's ellipse in the rectangle from
// the smaller to the larger corner, right and bottom edges excluded. Geometry
// for the painter is clipped here, in doubles, to a margin round the picture
// before it reaches the rasterizer, so far-off coordinates draw exactly the
// part of the true line inside.
//
// Speed: one QPainter stays open over a run of painter operations; it is
// closed before the picture is read and before a thin solid line writes its
// pixels directly, so everything lands in the order it was drawn. The pen
// and brush are handed to the painter only when they changed since it last
// drew. Thin dotted lines are handed over in batches, which the rasterizer
// draws one by one exactly as single lines; a batch is drawn before any
// other operation, any pen change and any read of the picture. The rectangle
// that changed is collected until the view takes it to repaint just that.
// After each call into Qt's painting the upper vector registers are cleared
// (flow/vector_state.h), or the routine drawing on would run slower.
#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

#include "document/picture_surface.h"
#include "document/thin_line.h"

class QPainter;

class RasterSurface : public PictureSurface {
  public:
    RasterSurface();
    ~RasterSurface() override;
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    // A new white picture of the given size; false, with no picture, when
    // its memory cannot be had.
    bool createPicture(int width, int height);
    bool hasPicture() const { return !image_.isNull(); }
    // The picture's size; empty before one is made.
    QSize pictureSize() const { return image_.size(); }
    // The memory the picture takes.
    std::int64_t pictureBytes() const { return image_.sizeInBytes(); }
    // Size of the white picture made on first use when none was created.
    void setFallbackSize(std::function<QSize()> size) { fallbackSize_ = std::move(size); }
    // Called once after the first change since the rectangle was last taken.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

    // The picture drawn elsewhere, of the same construction, in place of
    // this one; all of it needs repainting.
    void replacePicture(const QImage& picture);
    // The rectangle changed since the last call, and forget it.
    QRect takeChangedRect();
    // The picture with every drawing so far in it.
    const QImage& image();
    // Its size, without ending the drawing under way.
    QSize size() const {
        ensurePicture();
        return image_.size();
    }

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
    std::optional<flow::Color> pixel(std::int64_t x, std::int64_t y) const override;
    std::optional<flow::Box> reach() const override;
    using Surface::lineTo;
    using Surface::moveTo;

  private:
    // The width lines are drawn with: the pen's, held within 1..1000.
    int drawnPenWidth() const;
    QPainter& painter();
    void endPainting() const;
    void drawPendingLines() const;
    void penChanged();
    void ensurePicture() const;
    // Hands the pen and brush to the painter unless it has them already.
    void applyPen(QPainter& p);
    // The pixels of the box, within the picture, need repainting.
    void markChanged(double left, double top, double right, double bottom);
    // The same for whole pixels from (x1, y1) to (x2, y2), right and bottom
    // excluded.
    void markChangedPixels(int x1, int y1, int x2, int y2);
    // Draws the part of the line inside the picture and a margin round it.
    void drawClippedLine(double x1, double y1, double x2, double y2);
    // Lines of the current pen go straight into the pixels (thin_line.h).
    bool drawsThinSolidLines() const;
    void drawThinSolidLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

    mutable QImage image_;
    // The picture's pixels detached for writing thin lines; forgotten when
    // the picture is replaced or handed out (a copy may then share them) and
    // when the painter takes it.
    mutable std::optional<PixelPlane> pixels_;
    std::function<QSize()> fallbackSize_;
    std::function<void()> changed_;
    mutable std::unique_ptr<QPainter> painter_;
    bool penApplied_ = false;                   // the painter holds the current pen and brush
    mutable std::vector<QLineF> pendingLines_;  // thin dotted lines not yet drawn
    // The changed pixels as a box of whole pixels, right and bottom
    // excluded; empty when left >= right.
    struct PixelBox {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    PixelBox dirty_;

    flow::Color penColor_ = flow::kBlack;
    int penWidth_ = 1;
    flow::PenStyle penStyle_ = flow::PenStyle::Solid;
    bool brushClear_ = false;
    flow::Color brushColor_ = flow::kWhite;
    QFont font_;
    std::int64_t penX_ = 0;
    std::int64_t penY_ = 0;
};
