#include "render/renderer.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "document/construction_file.h"
#include "document/construction_landmarks.h"
#include "document/picture_export.h"
#include "render/flow_construction.h"
#include "render/render_request.h"

namespace {

// Text lost on a full or closed standard output is an error like a picture
// that cannot be written; on standard error there is nobody left to tell.
void print(std::FILE* stream, const QString& text) {
    const bool written =
        std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
    if (!written && stream == stdout)
        throw std::runtime_error(QString("Не удалось вывести текст на стандартный вывод: %1")
                                     .arg(std::strerror(errno))
                                     .toStdString());
}

// The raster forms take the construction replayed on a new white picture,
// as a document opened from it shows it, with the overlay.
QImage rasterPicture(const Construction& construction, const PictureOverlay& overlay) {
    RasterSurface surface;
    createPicture(surface, construction.field);
    replay(construction, surface);
    if (overlay) overlay(surface);
    return surface.image();
}

// The picture first: when it cannot be written, nothing is printed.
void render(const RenderRequest& request) {
    const Construction construction = request.input.isEmpty() ? flowConstruction(request.flow)
                                                              : readConstructionFile(request.input);
    // A file's flow is what its steps recorded; the arguments' flow is also
    // what they set.
    const flow::SettingValues built =
        request.input.isEmpty() ? flowSettings(request.flow) : flow::SettingValues();
    const std::vector<flow::Landmark> landmarks = request.landmarks || request.markLandmarks
                                                      ? landmarksOf(construction, built)
                                                      : std::vector<flow::Landmark>();
    if (!request.output.isEmpty()) {
        PictureOverlay marks;
        if (request.markLandmarks)
            marks = [&](PictureSurface& surface) { markLandmarks(surface, landmarks); };
        const PictureFormat format = *pictureFormatOf(request.output);
        const bool raster = format == PictureFormat::Bmp || format == PictureFormat::Png;
        writePicture(format, construction, raster ? rasterPicture(construction, marks) : QImage(),
                     request.output, marks);
    }
    if (request.landmarks) print(stdout, QString::fromStdString(landmarksText(landmarks)));
}

}  // namespace

int runRenderer(const QStringList& arguments) {
    const auto failed = [](const std::exception& error, int code) {
        print(stderr, QString("zef-render: %1\n").arg(QString::fromStdString(error.what())));
        return code;
    };
    try {
        const RenderRequest request = parseRenderArguments(arguments);
        if (request.help) {
            print(stdout, renderHelp());
            return 0;
        }
        if (request.version) {
            print(stdout, QCoreApplication::applicationName() + " " +
                              QCoreApplication::applicationVersion() + "\n");
            return 0;
        }
        render(request);
        return 0;
    } catch (const ArgumentError& error) {
        return failed(error, 2);
    } catch (const std::exception& error) {
        return failed(error, 1);
    }
}
