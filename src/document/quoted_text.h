// A value as a message quotes it (flow/quoted_value.h), for Qt's strings.
#pragma once

#include <QString>

#include "flow/quoted_value.h"

inline QString quoted(const QString& text, std::size_t most = flow::kQuotedCharacters) {
    // Only the start is shown: `most` characters take at most 2 * most UTF-16 units.
    const auto enough = static_cast<qsizetype>(2 * most + 2);
    return QString::fromStdString(
        flow::quoted((text.size() > enough ? text.left(enough) : text).toStdString(), most));
}
