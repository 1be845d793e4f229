// The largest picture a document makes: 16384 pixels a side and 256 MiB in
// all. New documents and opened constructions keep to it.
#pragma once

#include <QString>
#include <optional>

// Why a field of this size cannot be made, or nothing when it can.
std::optional<QString> fieldSizeProblem(int width, int height);
