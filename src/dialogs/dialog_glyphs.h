// Glyphs of the dialogs' small buttons, drawn here rather than shipped as
// files.
#pragma once

#include <QIcon>

// Colour buttons: a painter's palette with three dabs of colour.
QIcon colorChoiceGlyph();
// The cylinder dialog's extra-settings button: a pen over lines of two widths.
QIcon extraSettingsGlyph();
// The stream-speed dialog's flat button: parallel arrows of an oncoming stream.
QIcon streamGlyph();
