// A drawing surface that also keeps the font its texts are drawn in: the
// document's raster picture, or a vector page the picture is drawn again on.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include "flow/surface.h"

class PictureSurface : public flow::Surface {
  public:
    virtual QFont qfont() const = 0;
    virtual void setQFont(const QFont& font) = 0;
    // Draws the image over what is drawn, its top left corner at the
    // picture's: a colour map under the lines drawn after it. A surface
    // that keeps no picture ignores it.
    virtual void drawPicture(const QImage&) {}
};

// The font of a new picture's labels and letters.
inline QFont defaultPictureFont() {
    return QFont("DejaVu Sans", 8);
}

inline QColor toQColor(flow::Color color) {
    return QColor(color.red(), color.green(), color.blue());
}
