// zef-render: draws a construction into a picture file without a display.
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>

#include "render/renderer.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The renderer's own messages are its only output on standard error; Qt's
// notes about the environment (no runtime folder, say) are left out.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler) qtHandler(type, context, text);
}

// A closed standard output stays closed: without this, the next file the
// process opens would take its place and receive the printed text.
void keepStandardOutputClosed() {
    if (fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF) return;
    // Read-only, so that every write to standard output fails as before.
    const int placeholder = open("/dev/null", O_RDONLY);
    if (placeholder != STDOUT_FILENO && placeholder >= 0) {
        dup2(placeholder, STDOUT_FILENO);
        close(placeholder);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed, whatever platform the environment names: one it
    // cannot reach would stop the renderer before it starts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepStandardOutputClosed();
    qtHandler = qInstallMessageHandler(keepSeriousMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("zef-render");
    QGuiApplication::setApplicationVersion(ZEF_VERSION);
    return runRenderer(QGuiApplication::arguments());
}
