// Reading a file whose size is not known beforehand: a regular file, a
// device or a pipe, without reading more than its reader takes and without
// waiting for a writer that never comes.
#pragma once

#include <QByteArray>
#include <QString>

// The file's first `most` + 1 bytes at most, so that the caller sees a
// longer file as longer. A FIFO that nobody writes to gives no bytes. When
// the file cannot be opened or read, `error` says why in Qt's words.
QByteArray readAtMost(const QString& fileName, qint64 most, QString& error);
