// Writing a file safely: aside, put in place only when complete, so a failed
// save leaves an earlier file whole; where the folder allows no file beside
// it, the file is written in place.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// `write` fills the file and returns what went wrong, if anything. Returns
// the reason the save failed (the system's, a full disk say, when there is
// one), or nothing when the file is in place.
std::optional<QString> saveAside(const QString& fileName,
                                 const std::function<QString(QIODevice&)>& write);
