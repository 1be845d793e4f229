#include "document/element_marks.h"

void useElementPen(flow::Surface& surface) {
    surface.setPenWidth(2);
    surface.setPenColor(flow::kBlack);
}

void drawElementMark(flow::Surface& surface, std::int64_t x, std::int64_t y) {
    surface.ellipse(x + 3, y + 3, x - 3, y - 3);
}

void drawElementLetter(flow::Surface& surface, std::int64_t x, std::int64_t top,
                       const char* letter) {
    surface.textOut(x - 15, top, letter);
}

void drawAxes(flow::Surface& surface, const flow::FieldSettings& field, std::int64_t x,
              std::int64_t y) {
    surface.textOut(x - 15, 6, "Y");
    surface.line({x, 0}, {x - 7, 7});
    surface.line({x, 0}, {x + 7, 7});
    surface.line({x, 0}, {x, field.height()});

    surface.textOut(std::int64_t{field.width()} - 25, y, "X");
    const std::int64_t right = field.width();
    surface.line({right, y}, {right - 7, y - 7});
    surface.line({right, y}, {right - 7, y + 7});
    surface.line({0, y}, {field.width(), y});
}
