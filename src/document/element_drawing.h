// What placing an element draws, as a value: which kind of placement, where,
// and for a cylinder the outline's radius and pen. Drawing it is the same
// for a click and for a construction run again.
#pragma once

#include <optional>
#include <string_view>

#include "flow/settings.h"
#include "flow/surface.h"

enum class ElementKind {
    PlaneVortex,
    PointSource,
    VortexSource,
    Dipole,
    StreamWithSink,  // first element in a stream: the sink, Latin "C"
    SourceInStream,  // first element in a stream: the source, "И"
    SinkAdded,       // second element in a stream, on the first's line
    SourceAdded,
    PairSource,  // first point of a source-sink pair
    PairSink,
    PairSecondSource,  // second point of the pair, on the first's line
    PairSecondSink,
    Cylinder,
};

struct ElementDrawing {
    ElementKind kind = ElementKind::PlaneVortex;
    int x = 0;
    int y = 0;  // where the mark goes: for a second element, the first's y
    // Cylinder only.
    int radius = 0;
    int outlineWidth = 0;
    flow::Color outlineColor = flow::kBlack;
    friend bool operator==(const ElementDrawing&, const ElementDrawing&) = default;
};

std::string_view elementKindName(ElementKind kind);
std::optional<ElementKind> elementKindNamed(std::string_view name);

// The element's symbols: a cylinder's outline and radius, the mark, the
// letter and, for the first element of a configuration, the axes (which read
// the field's W and H at each step).
void drawElement(flow::Surface& surface, const ElementDrawing& element,
                 const flow::FieldSettings& field);
