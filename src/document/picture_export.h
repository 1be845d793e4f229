// The picture written to files in other forms than the program's own: as a
// raster image (BMP, PNG), or drawn again from its construction as vectors
// (SVG, PDF), the same geometry as crisp lines and texts.
#pragma once

#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

#include "document/construction.h"

class QImage;
class QPainter;

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// Drawn over the construction once it is drawn again: marks that are no
// step of it.
using PictureOverlay = std::function<void(PictureSurface& surface)>;

// The form a file name's extension (in any case) asks for, if it names one.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Written aside and put in place only when complete, so a failed save leaves
// an earlier file whole (a device or a pipe is written into). Each throws
// std::runtime_error naming the file. Those that draw the construction again
// return false when the tracer's work budget left some of a superposition's
// lines undrawn.
void writeRasterPicture(const QImage& picture, const char* format, const QString& fileName);
bool writeSvgPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay = {});
bool writePdfPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay = {});
// In the given form: `raster` as it is for BMP and PNG (true), `construction`
// drawn again with the overlay for SVG and PDF.
bool writePicture(PictureFormat format, const Construction& construction, const QImage& raster,
                  const QString& fileName, const PictureOverlay& overlay = {});

// Draws the construction into `target` on the painter's device, scaled to
// fit with its aspect kept and centred; false as replay() says.
bool paintConstruction(const Construction& construction, QPainter& painter, const QRectF& target,
                       const PictureOverlay& overlay = {});
