// What a click with an element's tool records and draws, apart from the
// windows: the configuration takes the element's values and place, and the
// drawing says what goes on the picture. The main window's placing rules and
// the command-line renderer both place through it.
#pragma once

#include <QString>

#include "document/configuration.h"
#include "document/element_drawing.h"

// What placing reads from the dialogs and the strength panel besides the
// click, as the slots record it.
struct PlacingValues {
    QString sourceText;  // the source/sink dialog's strengths: elements of a stream
    QString sinkText;
    int pairSource = 0;  // the strength panel's positions: the pair's points
    int pairSink = 0;
    QString momentText;    // dipole
    QString boundaryText;  // vortex-source
    int radius = 0;        // cylinder, and its outline's pen
    int outlineWidth = 0;
    flow::Color outlineColor = flow::kBlack;
};

// Records an element of the given kind clicked at (x, y) in `configuration`
// and returns its drawing. A second element (a pair's second point, a
// partner in a stream) sits on the first one's horizontal line.
ElementDrawing placeElement(Configuration& configuration, ElementKind kind, int x, int y,
                            const PlacingValues& values);
