// The names of a superposition's kinds of element as the program shows them.
#pragma once

#include <QString>

#include "flow/superposition/elements.h"

// "Исток", "Вихрь", …
QString elementCaption(flow::superposition::ElementKind kind);
