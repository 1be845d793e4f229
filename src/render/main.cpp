// zef-render: draws a construction into a picture file without a display.
#include <QGuiApplication>

#include "render/renderer.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The renderer's own messages are its only output on standard error; Qt's
// notes about the environment (no runtime folder, say) are left out.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler) qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed; a platform the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(keepSeriousMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("zef-render");
    QGuiApplication::setApplicationVersion(ZEF_VERSION);
    return runRenderer(QGuiApplication::arguments());
}
