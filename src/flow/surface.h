// The drawing surface the flow routines paint on: the few raster operations
// they need, in 64-bit pixel coordinates (chord ends may lie millions of
// pixels off the picture; an implementation clips them).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace flow {

struct Point {
    std::int64_t x = 0;
    std::int64_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Red, green and blue bytes in one integer, written 0x00BBGGRR.
struct Color {
    std::uint32_t value = 0;
    static constexpr Color fromRgb(int r, int g, int b) {
        return Color{static_cast<std::uint32_t>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF))};
    }
    // From a toolkit's colour type: anything with red(), green() and blue().
    template <class Rgb>
    static constexpr Color of(const Rgb& colour) {
        return fromRgb(colour.red(), colour.green(), colour.blue());
    }
    constexpr int red() const { return static_cast<int>(value & 0xFF); }
    constexpr int green() const { return static_cast<int>(value >> 8 & 0xFF); }
    constexpr int blue() const { return static_cast<int>(value >> 16 & 0xFF); }
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0x000000};
inline constexpr Color kWhite{0xFFFFFF};

enum class PenStyle { Solid, Dot };

// A box of pixels, its edges included.
struct Box {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
};

class Surface {
  public:
    virtual ~Surface() = default;

    virtual void setPenColor(Color color) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual Color penColor() const = 0;
    virtual int penWidth() const = 0;
    virtual PenStyle penStyle() const = 0;

    // A solid brush of the colour, or a clear brush (no fill, transparent text).
    virtual void setBrushColor(Color color) = 0;
    virtual void setBrushClear() = 0;

    virtual void moveTo(std::int64_t x, std::int64_t y) = 0;
    virtual void lineTo(std::int64_t x, std::int64_t y) = 0;
    // Ellipse in the box with corners (x1, y1) and (x2, y2), outlined with the
    // pen and filled with the brush.
    virtual void ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) = 0;
    // Text with its top-left corner at (x, y), on the brush as background.
    virtual void textOut(std::int64_t x, std::int64_t y, const std::string& utf8) = 0;
    // The pixel's colour, or nothing outside the picture.
    virtual std::optional<Color> pixel(std::int64_t x, std::int64_t y) const = 0;
    // The box outside which a line of the current pen changes no pixel, or
    // nothing when every line counts. Routines may leave out lines that lie
    // wholly outside it.
    virtual std::optional<Box> reach() const { return std::nullopt; }

    void moveTo(Point p) { moveTo(p.x, p.y); }
    void lineTo(Point p) { lineTo(p.x, p.y); }
    void line(Point from, Point to) {
        moveTo(from);
        lineTo(to);
    }
};

}  // namespace flow
