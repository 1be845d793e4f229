// Small glyphs of the tool buttons, drawn here rather than shipped as files.
#pragma once

#include <QIcon>
#include <QString>

QIcon glyphFor(const QString& buttonName);
