// The renderer's command line: a construction file or a flow built from the
// arguments (its place, the commands in the order given, labels, the field
// size and any setting by name), the picture file to write, and the flow's
// landmarks printed or marked.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "document/airfoil_document.h"
#include "flow/maps/picture_geometry.h"
#include "flow/setting_values.h"
#include "flow/superposition/elements.h"
#include "render/flow_names.h"
#include "render/placing_settings.h"

// Arguments the renderer cannot take: the message says which and why.
class ArgumentError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct DrawCommand {
    enum Kind { Streamlines, Equipotentials, Velocity, Label, SpeedMap, PressureMap, TimeMarks };
    Kind kind = Streamlines;
    QPoint at;     // velocity and label
    QString text;  // label
};

// A flow given on the command line instead of a construction file: a named
// flow, or (no name) a superposition of the elements given.
struct FlowRequest {
    const FlowName* flow = nullptr;
    std::vector<flow::superposition::Element> elements;
    std::optional<QPoint> at;      // the first element; the field's centre when not given
    std::optional<QPoint> second;  // the second element's x (its y is the first's)
    std::vector<DrawCommand> commands;
    std::vector<flow::maps::Circle> contours;  // after the commands, in the order given
    flow::SettingValues settings;
    PlacingSettingValues placing;
    // The airfoil's values given (joukowski.*); the others are a new
    // airfoil document's.
    std::map<flow::airfoil::Parameter, double> airfoil;
    std::optional<bool> kutta;
};

struct RenderRequest {
    bool help = false;
    bool version = false;
    QString input;  // a construction file, or empty for `flow`
    FlowRequest flow;
    QString output;              // empty: no picture (landmarks printed only)
    bool landmarks = false;      // printed on standard output
    bool markLandmarks = false;  // drawn as crosses over the picture
    QString pressurePlot;        // empty: no chart of the pressure along the body
};

// Throws ArgumentError. The program's name comes first.
RenderRequest parseRenderArguments(const QStringList& arguments);

// Every option, every flow name and every setting with its default and
// range.
QString renderHelp();
