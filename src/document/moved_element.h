// An ordinary document's placed element changed with the mouse, as the steps
// would be had the element been placed so and the same commands run: its
// mark moved, or its partner's, or a cylinder's radius changed. Every step
// but the labels follows: the element steps' marks and configurations, the
// commands' arguments (and a title that quotes the radius), the velocity's
// centre and radius; a velocity's clicked point stays where it was clicked.
#pragma once

#include <optional>
#include <vector>

#include "document/construction.h"

struct ElementChange {
    // Moved by (dx, dy). The first element takes its partner along; the
    // partner moves only along the first one's horizontal line (dy unused).
    bool partner = false;
    int dx = 0;
    int dy = 0;
    std::optional<int> radius;  // a cylinder's new radius
};

std::vector<ConstructionStep> changedElement(std::vector<ConstructionStep> steps,
                                             const ElementChange& change);
