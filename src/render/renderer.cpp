#include "render/renderer.h"

#include <QCoreApplication>
#include <cstdio>

#include "document/construction_file.h"
#include "document/picture_export.h"
#include "render/flow_construction.h"
#include "render/render_request.h"

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The raster forms take the construction replayed on a new white picture,
// as a document opened from it shows it.
QImage rasterPicture(const Construction& construction) {
    RasterSurface surface;
    createPicture(surface, construction.field);
    replay(construction, surface);
    return surface.image();
}

void render(const RenderRequest& request) {
    const Construction construction = request.input.isEmpty() ? flowConstruction(request.flow)
                                                              : readConstructionFile(request.input);
    const PictureFormat format = *pictureFormatOf(request.output);
    const bool raster = format == PictureFormat::Bmp || format == PictureFormat::Png;
    writePicture(format, construction, raster ? rasterPicture(construction) : QImage(),
                 request.output);
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
