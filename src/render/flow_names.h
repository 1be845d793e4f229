// The flows the renderer builds from its arguments, one name for each
// configuration the program places: the elements in the order their tools
// place them, the first at --at and a second (a partner in the stream, the
// pair's second point) at --second.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "document/element_drawing.h"

struct FlowName {
    std::string_view name;
    std::string_view description;
    std::vector<ElementKind> elements;
    // The cylinder tools set whether the cylinder has circulation.
    bool cylinder = false;
    bool circulation = false;
    bool airfoil = false;  // the Joukowski airfoil, no element
};

std::span<const FlowName> flowNames();
const FlowName* findFlowName(std::string_view name);
