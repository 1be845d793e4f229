// The renderer as a whole: its arguments in, the picture file written, the
// exit code out. Errors are one line on standard error, "zef-render: ...",
// and leave no picture file behind.
#pragma once

#include <QStringList>

// Needs a Qt GUI application. Exit codes: 0 done, 1 a file could not be
// read or written, standard output took no text (full or closed) or a
// picture's memory was not had, 2 arguments it cannot take.
int runRenderer(const QStringList& arguments);
