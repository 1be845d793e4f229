// The picture written to files in other forms than the program's own: as a
// raster image (BMP, PNG), or drawn again from its construction as vectors
// (SVG, PDF, a printer's page), the same geometry as crisp lines and texts.
#pragma once

#include <QRectF>
#include <QString>

#include "document/construction.h"

class QImage;
class QPainter;
class QPrinter;

// Written aside and put in place only when complete, so a failed save leaves
// an earlier file whole. Each throws std::runtime_error naming the file.
void writeRasterPicture(const QImage& picture, const char* format, const QString& fileName);
void writeSvgPicture(const Construction& construction, const QString& fileName);
void writePdfPicture(const Construction& construction, const QString& fileName);

// Draws the construction into `target` on the painter's device, scaled to
// fit with its aspect kept and centred.
void paintConstruction(const Construction& construction, QPainter& painter, const QRectF& target);

// One page, the picture scaled to the page's printable area.
void printConstruction(const Construction& construction, QPrinter& printer);
