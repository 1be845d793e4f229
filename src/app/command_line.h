// The program's command line: --help and --version print and end the program
// before any window opens.
#pragma once

#include <QStringList>
#include <optional>

// Reads the arguments (the program's name first). Returns the exit code when
// the program should end at once: after printing help or the version to
// standard output, or (when `strict`) an error to standard error. Without
// `strict`, arguments it does not know are left for the windowing system's
// own options (such as -platform), which the application removes later.
std::optional<int> answerCommandLine(const QStringList& arguments, bool strict);
