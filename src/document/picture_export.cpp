#include "document/picture_export.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <functional>
#include <stdexcept>

#include "document/save_aside.h"
#include "document/vector_surface.h"

namespace {

[[noreturn]] void failSaving(const QString& fileName, const QString& reason) {
    throw std::runtime_error(QString("Не удалось сохранить рисунок в файл «%1»: %2")
                                 .arg(QDir::toNativeSeparators(fileName), reason)
                                 .toStdString());
}

void savePicture(const QString& fileName, const FileWriter& write) {
    if (const auto problem = saveAside(fileName, write)) failSaving(fileName, *problem);
}

QRectF pictureRect(const Construction& construction) {
    return QRectF(QPointF(0, 0), QSizeF(construction.field));
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "bmp") return PictureFormat::Bmp;
    if (suffix == "png") return PictureFormat::Png;
    if (suffix == "svg") return PictureFormat::Svg;
    if (suffix == "pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

bool writePicture(PictureFormat format, const Construction& construction, const QImage& raster,
                  const QString& fileName, const PictureOverlay& overlay) {
    switch (format) {
        case PictureFormat::Bmp:
            writeRasterPicture(raster, "bmp", fileName);
            return true;
        case PictureFormat::Png:
            writeRasterPicture(raster, "png", fileName);
            return true;
        case PictureFormat::Svg:
            return writeSvgPicture(construction, fileName, overlay);
        case PictureFormat::Pdf:
            return writePdfPicture(construction, fileName, overlay);
    }
    return true;
}

void writeRasterPicture(const QImage& picture, const char* format, const QString& fileName) {
    savePicture(fileName, [&](QIODevice& file) {
        QImageWriter writer(&file, format);
        return writer.write(picture) ? QString() : writer.errorString();
    });
}

bool writeSvgPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay) {
    bool complete = true;
    savePicture(fileName, [&](QIODevice& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(construction.field);
        svg.setViewBox(pictureRect(construction));
        svg.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
        QPainter painter;
        if (!painter.begin(&svg)) return QString("SVG");
        complete = paintConstruction(construction, painter, pictureRect(construction), overlay);
        painter.end();
        return QString();
    });
    return complete;
}

// One page the size of the picture, a point for each pixel.
bool writePdfPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay) {
    bool complete = true;
    savePicture(fileName, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(construction.field), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) return QString("PDF");
        complete = paintConstruction(construction, painter, pictureRect(construction), overlay);
        painter.end();
        return QString();
    });
    return complete;
}

bool paintConstruction(const Construction& construction, QPainter& painter, const QRectF& target,
                       const PictureOverlay& overlay) {
    const QSizeF field(construction.field);
    if (field.isEmpty() || target.isEmpty()) return true;
    const double scale = std::min(target.width() / field.width(), target.height() / field.height());
    painter.save();
    painter.translate(target.center() - QPointF(field.width(), field.height()) * scale / 2);
    painter.scale(scale, scale);
    VectorSurface surface(painter, construction.field);
    const bool complete = replay(construction, surface);
    if (overlay) overlay(surface);
    painter.restore();
    return complete;
}
