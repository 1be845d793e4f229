#include "render/renderer.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "document/airfoil_document.h"
#include "document/body_pressure.h"
#include "document/construction_file.h"
#include "document/construction_landmarks.h"
#include "document/contour.h"
#include "document/picture_export.h"
#include "document/pressure_chart.h"
#include "flow/airfoil/airfoil_summary.h"
#include "flow/geometry.h"
#include "flow/landmarks/superposition_landmarks.h"
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
// as a document opened from it shows it, with the overlay. `linesComplete`
// turns false when the work budget left some lines undrawn.
QImage rasterPicture(const Construction& construction, const PictureOverlay& overlay,
                     bool& linesComplete) {
    RasterSurface surface;
    createPicture(surface, construction.field);
    linesComplete = replay(construction, surface) && linesComplete;
    if (overlay) overlay(surface);
    return surface.image();
}

// A warning on standard error; the work goes on.
void warn(std::string_view text) {
    print(stderr, "zef-render: " + QString::fromUtf8(text.data(), text.size()) + "\n");
}

// The body's pressure when the chart or the landmarks ask for it; a chart
// of a flow with no body is refused.
std::optional<BodyPressure> bodyPressure(const RenderRequest& request,
                                         const Construction& construction,
                                         const flow::SettingValues& built) {
    if (request.pressurePlot.isEmpty() && !request.landmarks) return std::nullopt;
    std::optional<BodyPressure> body;
    try {
        body = bodyPressureOf(construction, built);
    } catch (const flow::ConversionError&) {
        if (!request.pressurePlot.isEmpty()) throw;
    }
    if (!body && !request.pressurePlot.isEmpty())
        throw ArgumentError(
            "--cp-plot: для этого течения тело не определено (нужен цилиндр, источник или сток "
            "в потоке, или овал Ренкина)");
    return body;
}

// An airfoil's numbers, which name its stagnation points and lowest
// pressure: those are taken out of the landmarks, the velocities stay.
QString airfoilSummary(const Construction& construction, std::vector<flow::Landmark>& landmarks) {
    const AirfoilStep* airfoil = airfoilOf(construction.steps);
    if (!airfoil) return {};
    std::erase_if(landmarks, [](const flow::Landmark& landmark) {
        return landmark.kind == flow::LandmarkKind::StagnationPoint ||
               landmark.kind == flow::LandmarkKind::LowestPressureOnLine;
    });
    const flow::airfoil::AirfoilFlow flow = airfoilFlow(*airfoil, construction.field);
    return QString::fromStdString(
        flow::airfoil::summaryText(flow::airfoil::summarize(flow), flow.geometry()));
}

// The picture first: when it cannot be written, nothing is printed.
void render(const RenderRequest& request) {
    const DrawnFlow drawn = request.input.isEmpty()
                                ? drawFlow(request.flow)
                                : DrawnFlow{readConstructionFile(request.input)};
    const Construction& construction = drawn.construction;
    // A file's flow is what its steps recorded; the arguments' flow is also
    // what they set.
    const flow::SettingValues built =
        request.input.isEmpty() ? flowSettings(request.flow) : flow::SettingValues();
    bool linesComplete = drawn.linesComplete, landmarksComplete = true;
    const std::vector<flow::Landmark> landmarks =
        request.landmarks || request.markLandmarks
            ? landmarksOf(construction, built, &landmarksComplete)
            : std::vector<flow::Landmark>();
    const std::optional<BodyPressure> body = bodyPressure(request, construction, built);
    if (!request.output.isEmpty()) {
        PictureOverlay marks;
        if (request.markLandmarks)
            marks = [&](PictureSurface& surface) { markLandmarks(surface, landmarks); };
        const PictureFormat format = *pictureFormatOf(request.output);
        const bool raster = format == PictureFormat::Bmp || format == PictureFormat::Png;
        QImage picture;
        if (raster && drawn.document) {
            if (marks) marks(drawn.document->surface());
            picture = drawn.document->surface().image();
        } else if (raster) {
            picture = rasterPicture(construction, marks, linesComplete);
        }
        linesComplete =
            writePicture(format, construction, picture, request.output, marks) && linesComplete;
    }
    if (!request.pressurePlot.isEmpty()) writePressureChart(*body, request.pressurePlot);
    if (!linesComplete) warn(flow::superposition::kTruncatedText);
    if (!landmarksComplete) warn(flow::kStagnationCutText);
    if (request.landmarks) {
        std::vector<flow::Landmark> printed = landmarks;
        if (body) printed.push_back(lowestPressureLandmark(*body, construction));
        const QString airfoil = airfoilSummary(construction, printed);
        print(stdout, airfoil + QString::fromStdString(landmarksText(printed)) +
                          contoursText(construction));
    }
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
