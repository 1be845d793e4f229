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

void writePicture(PictureFormat format, const Construction& construction, const QImage& raster,
                  const QString& fileName, const PictureOverlay& overlay) {
    switch (format) {
        case PictureFormat::Bmp:
            return writeRasterPicture(raster, "bmp", fileName);
        case PictureFormat::Png:
            return writeRasterPicture(raster, "png", fileName);
        case PictureFormat::Svg:
            return writeSvgPicture(construction, fileName, overlay);
        case PictureFormat::Pdf:
            return writePdfPicture(construction, fileName, overlay);
    }
}

void writeRasterPicture(const QImage& picture, const char* format, const QString& fileName) {
    savePicture(fileName, [&](QIODevice& file) {
        QImageWriter writer(&file, format);
        return writer.write(picture) ? QString() : writer.errorString();
    });
}

void writeSvgPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay) {
    savePicture(fileName, [&](QIODevice& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(construction.field);
        svg.setViewBox(pictureRect(construction));
        svg.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
        QPainter painter;
        if (!painter.begin(&svg)) return QString("SVG");
        paintConstruction(construction, painter, pictureRect(construction), overlay);
        painter.end();
        return QString();
    });
}

// One page the size of the picture, a point for each pixel.
void writePdfPicture(const Construction& construction, const QString& fileName,
                     const PictureOverlay& overlay) {
    savePicture(fileName, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(construction.field), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) return QString("PDF");
        paintConstruction(construction, painter, pictureRect(construction), overlay);
        painter.end();
        return QString();
    });
}

void paintConstruction(const Construction& construction, QPainter& painter, const QRectF& target,
                       const PictureOverlay& overlay) {
    const QSizeF field(construction.field);
    if (field.isEmpty() || target.isEmpty()) return;
    const double scale = std::min(target.width() / field.width(), target.height() / field.height());
    painter.save();
    painter.translate(target.center() - QPointF(field.width(), field.height()) * scale / 2);
    painter.scale(scale, scale);
    VectorSurface surface(painter, construction.field);
    replay(construction, surface);
    if (overlay) overlay(surface);
    painter.restore();
}
