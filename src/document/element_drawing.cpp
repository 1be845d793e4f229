#include "document/element_drawing.h"

#include <array>

#include "document/element_marks.h"
#include "flow/geometry.h"

namespace {

struct KindTraits {
    ElementKind kind;
    std::string_view name;
    const char* letter;  // none when null
    int letterDrop;      // the letter's top below the mark's centre
    bool axes;
};

const std::array<KindTraits, 13> kKinds{{
    {ElementKind::PlaneVortex, "planeVortex", nullptr, 0, true},
    {ElementKind::PointSource, "pointSource", nullptr, 0, true},
    {ElementKind::VortexSource, "vortexSource", nullptr, 0, true},
    {ElementKind::Dipole, "dipole", nullptr, 0, true},
    {ElementKind::StreamWithSink, "streamWithSink", kStreamSinkLetter, 0, true},
    {ElementKind::SourceInStream, "sourceInStream", kSourceLetter, 0, true},
    {ElementKind::SinkAdded, "sinkAdded", kStreamSinkLetter, 2, false},
    {ElementKind::SourceAdded, "sourceAdded", kSourceLetter, 2, false},
    {ElementKind::PairSource, "pairSource", kSourceLetter, 0, true},
    {ElementKind::PairSink, "pairSink", kPairSinkLetter, 0, true},
    {ElementKind::PairSecondSource, "pairSecondSource", kSourceLetter, 0, false},
    {ElementKind::PairSecondSink, "pairSecondSink", kPairSinkLetter, 0, false},
    {ElementKind::Cylinder, "cylinder", kCylinderLetter, 0, true},
}};

const KindTraits& traits(ElementKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace

std::string_view elementKindName(ElementKind kind) {
    return traits(kind).name;
}

std::optional<ElementKind> elementKindNamed(std::string_view name) {
    for (const KindTraits& t : kKinds)
        if (t.name == name) return t.kind;
    return std::nullopt;
}

void drawElement(flow::Surface& s, const ElementDrawing& e, const flow::FieldSettings& field) {
    const KindTraits& t = traits(e.kind);
    const std::int64_t x = e.x, y = e.y;
    if (e.kind == ElementKind::Cylinder) {
        // The outline in the line-style pen, a radius up and to the right.
        const std::int64_t r = e.radius;
        s.setPenWidth(e.outlineWidth);
        s.setPenColor(e.outlineColor);
        s.ellipse(x + r, y + r, x - r, y - r);
        s.setPenWidth(2);
        s.line({x, y}, {flow::Round(x + 0.6 * r), flow::Round(y - 0.8 * r)});
    }
    useElementPen(s);
    if (e.kind != ElementKind::Cylinder) drawElementMark(s, x, y);
    if (t.letter) drawElementLetter(s, x, y + t.letterDrop, t.letter);
    if (t.axes) drawAxes(s, field, x, y);
}
