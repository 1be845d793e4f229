#include "document/save_aside.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

// Passes the writer's bytes on to the file and notes the first write that
// fails. The writer is told every write succeeded, so it finishes without
// messages of its own (libpng prints one on standard error) and the failure
// is reported once, with the system's reason.
class CheckedOutput : public QIODevice {
  public:
    explicit CheckedOutput(QFileDevice& file) : file_(file) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool failed() const { return failed_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        // A short write is retried for the rest, which fails with the reason.
        for (qint64 done = 0; done < size && !failed_;) {
            const qint64 written = file_.write(data + done, size - done);
            failed_ = written <= 0;
            done += written;
        }
        return size;
    }

  private:
    QFileDevice& file_;
    bool failed_ = false;
};

// Lets the writer fill the file, opened unbuffered so that each write
// reaches the system and fails there; the reason it failed, or an empty text.
QString fill(QFileDevice& file, const FileWriter& write) {
    CheckedOutput output(file);
    const QString problem = write(output);
    // The writer may know only that writing failed; the file knows why.
    if (output.failed() || file.error() != QFileDevice::NoError) return file.errorString();
    return problem;
}

// A device, a pipe or a socket: its data goes where it leads, and there is
// nothing to replace or keep.
std::optional<QString> writeInto(const QString& fileName, const FileWriter& write) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    const QString problem = fill(file, write);
    return problem.isEmpty() ? std::nullopt : std::optional<QString>(problem);
}

}  // namespace

std::optional<QString> saveAside(const QString& fileName, const FileWriter& write) {
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir()) return writeInto(fileName, write);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No file can be made beside it (a folder the user may not write):
        // the existing file is written in place.
        if (target.isFile() && target.isWritable()) return rewriteInPlace(fileName, write);
        return file.errorString();
    }
    if (const QString problem = fill(file, write); !problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

// The new bytes go over the earlier ones, which are cut off only when the
// new ones are all written; so putting the earlier ones back needs no more
// room than they had.
std::optional<QString> rewriteInPlace(const QString& fileName, const FileWriter& write) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return file.errorString();
    const QByteArray earlier = file.readAll();
    if (file.error() != QFileDevice::NoError || earlier.size() != file.size())
        return file.errorString();
    file.seek(0);
    QString problem = fill(file, write);
    if (problem.isEmpty() && !file.resize(file.pos())) problem = file.errorString();
    if (problem.isEmpty()) return std::nullopt;
    // Only the bytes the new ones reached need putting back.
    const qint64 reached = std::min<qint64>(file.pos(), earlier.size());
    file.unsetError();
    const bool restored = file.seek(0) && file.write(earlier.constData(), reached) == reached &&
                          (file.size() == earlier.size() || file.resize(earlier.size()));
    if (!restored) problem += " (прежнее содержимое файла вернуть не удалось)";
    return problem;
}
