#include "document/save_aside.h"

#include <QSaveFile>

std::optional<QString> saveAside(const QString& fileName,
                                 const std::function<QString(QIODevice&)>& write) {
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QString problem = write(file);
    // A write error of the last buffered bytes shows only in the flush.
    if (!file.flush() && problem.isEmpty()) problem = file.errorString();
    if (!problem.isEmpty()) {
        // The writer may know only that writing failed; the file knows why.
        if (file.error() != QFileDevice::NoError) problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}
