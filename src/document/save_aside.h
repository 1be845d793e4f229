// Writing a file safely: aside, put in place only when complete, so a failed
// save leaves an earlier file whole; where the folder allows no file beside
// it, the file is written in place and its earlier bytes put back if the
// write fails. A device or a pipe (or a link to one) is written into as it
// is, never replaced.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// Fills the file and returns what went wrong, if anything. Every write to the
// device it is given succeeds as far as it can tell; a failed one is noted
// and reported by the save.
using FileWriter = std::function<QString(QIODevice&)>;

// Returns the reason the save failed (the system's, a full disk say, when
// there is one), or nothing when the file is in place.
std::optional<QString> saveAside(const QString& fileName, const FileWriter& write);

// The in-place write saveAside falls back on: over the existing file, whose
// earlier bytes are written back when the new ones cannot all be.
std::optional<QString> rewriteInPlace(const QString& fileName, const FileWriter& write);
