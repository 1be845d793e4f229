// The picture written to files in other forms than the program's own: as a
// raster image (BMP, PNG), or drawn again from its construction as vectors
// (SVG, PDF), the same geometry as crisp lines and texts.
#pragma once

#include <QRectF>
#include <QString>
#include <optional>

#include "document/construction.h"

class QImage;
class QPainter;

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// The form a file name's extension (in any case) asks for, if it names one.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Written aside and put in place only when complete, so a failed save leaves
// an earlier file whole. Each throws std::runtime_error naming the file.
void writeRasterPicture(const QImage& picture, const char* format, const QString& fileName);
void writeSvgPicture(const Construction& construction, const QString& fileName);
void writePdfPicture(const Construction& construction, const QString& fileName);
// In the given form: `raster` for BMP and PNG, `construction` drawn again
// for SVG and PDF.
void writePicture(PictureFormat format, const Construction& construction, const QImage& raster,
                  const QString& fileName);

// Draws the construction into `target` on the painter's device, scaled to
// fit with its aspect kept and centred.
void paintConstruction(const Construction& construction, QPainter& painter, const QRectF& target);
