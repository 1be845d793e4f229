#include "document/element_placement.h"

namespace {

ElementDrawing placeFirst(Configuration& c, ElementKind kind, int x, int y) {
    c.centreX.set(x);
    c.centreY.set(y);
    return {kind, x, y};
}

// The second element keeps the first one's y, whatever the click's.
ElementDrawing placeSecond(Configuration& c, ElementKind kind, int x) {
    c.secondX.set(x);
    c.secondY.set(c.centreY.text);
    return {kind, x, c.secondY.number()};
}

}  // namespace

ElementDrawing placeElement(Configuration& c, ElementKind kind, int x, int y,
                            const PlacingValues& values) {
    switch (kind) {
        case ElementKind::PlaneVortex:
            c.vortex.set(QString());
            break;
        case ElementKind::PointSource:
            c.pointSource.set(QString());
            break;
        case ElementKind::VortexSource:
            c.boundary.set(values.boundaryText);
            break;
        case ElementKind::Dipole:
            c.moment.set(values.momentText);
            break;
        case ElementKind::StreamWithSink:
            c.sink.set(values.sinkText);
            break;
        case ElementKind::SourceInStream:
            c.source.set(values.sourceText);
            break;
        case ElementKind::SinkAdded:
            c.sinkPartner.set(values.sinkText);
            return placeSecond(c, kind, x);
        case ElementKind::SourceAdded:
            c.sourcePartner.set(values.sourceText);
            return placeSecond(c, kind, x);
        case ElementKind::PairSource:
            c.source.set(values.pairSource);
            c.pair.set(QString());
            break;
        case ElementKind::PairSink:
            c.sink.set(values.pairSink);
            c.pair.set(QString());
            break;
        case ElementKind::PairSecondSource:
            c.source.set(values.pairSource);
            return placeSecond(c, kind, x);
        case ElementKind::PairSecondSink:
            c.sink.set(values.pairSink);
            return placeSecond(c, kind, x);
        case ElementKind::Cylinder: {
            c.radius.set(values.radius);
            ElementDrawing cylinder = placeFirst(c, kind, x, y);
            cylinder.radius = values.radius;
            cylinder.outlineWidth = values.outlineWidth;
            cylinder.outlineColor = values.outlineColor;
            return cylinder;
        }
    }
    return placeFirst(c, kind, x, y);
}
