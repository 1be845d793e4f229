#include "document/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>

namespace {

// Opens the file without waiting for a FIFO's writer, then lets reads wait
// as usual. False for what Qt should open itself: nothing there, or a folder.
bool openWithoutWaiting(QFile& file) {
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && !S_ISDIR(status.st_mode) &&
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0 &&
        file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

}  // namespace

QByteArray readAtMost(const QString& fileName, qint64 most, QString& error) {
    QFile file(fileName);
    // Qt's own open says why a file cannot be opened.
    if (!openWithoutWaiting(file) && !file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QByteArray bytes;
    constexpr qint64 kChunk = 1 << 20;
    while (bytes.size() <= most) {
        const qint64 wanted = std::min(kChunk, most + 1 - bytes.size());
        const qsizetype before = bytes.size();
        bytes.resize(before + wanted);
        const qint64 got = file.read(bytes.data() + before, wanted);
        bytes.resize(before + std::max<qint64>(got, 0));
        if (got < 0) error = file.errorString();
        if (got <= 0) break;
    }
    return bytes;
}
