// How a document's picture was made: the field size and, in order, every
// step that drew on it — an element placed (with the configuration it left),
// a construction routine run, velocity vectors drawn, a label stamped — each
// with the settings it read. Running the steps again on a white picture of
// the field size gives the same pixels.
//
// A superposition document keeps its elements as steps too. Its picture is
// always drawn whole from them: the elements' marks first, then its other
// steps in order, each line drawing and velocity with all the elements.
//
// A colour map lies under everything: only the last map step is drawn, and
// first, before the marks; the other steps follow as said.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

#include "document/configuration.h"
#include "document/element_drawing.h"
#include "document/map_options.h"
#include "document/picture_surface.h"
#include "flow/airfoil/airfoil_parameters.h"
#include "flow/maps/picture_geometry.h"
#include "flow/routines.h"
#include "flow/setting_values.h"
#include "flow/superposition/drawing.h"
#include "flow/velocity/velocity.h"

struct ElementStep {
    ElementDrawing drawing;
    QFont font;  // the letters' and axis names' font
    Configuration configuration;
};

struct CommandStep {
    flow::RoutineCall call;
    QString title;  // what the command wrote into the document's title, if anything
};

struct VelocityStep {
    flow::VelocityInput input;
};

struct LabelStep {
    int x = 0;
    int y = 0;
    QString text;
    QFont font;
};

// An element of a superposition, and its letter's font.
struct SuperpositionElementStep {
    flow::superposition::Element element;
    QFont font;
};

enum class SuperpositionLines { Streamlines, Equipotentials };

// A superposition's streamlines or lines of equal potential.
struct SuperpositionLinesStep {
    SuperpositionLines lines = SuperpositionLines::Streamlines;
};

// The velocity of a superposition at a point.
struct SuperpositionVelocityStep {
    flow::Point p;
};

// A colour map of the flow's speed or pressure: a superposition's elements,
// or the flow of the configuration the steps before it left, read with the
// step's settings.
struct MapStep {
    flow::maps::MapQuantity quantity = flow::maps::MapQuantity::Speed;
    MapOptions options;
};

// A closed contour of the picture: a circle, or a polygon by its corners.
using ContourShape = std::variant<flow::maps::Circle, std::vector<flow::maps::PicturePoint>>;

// A contour drawn with its circulation and flux beside it: those of a
// superposition's elements, or of the flow of the configuration the steps
// before it left, read with the step's settings. The density gives a
// cylinder's lift.
struct ContourStep {
    ContourShape shape;
    double density = 1;
    QFont font;  // the numbers' font
};

// The airfoil of an airfoil document, always its first step: its shape and
// stream, drawn as its outline. Changing it draws the whole picture again.
using AirfoilStep = flow::airfoil::Airfoil;

// The airfoil's streamlines or lines of equal potential, and its velocity
// at a point.
struct AirfoilLinesStep {
    SuperpositionLines lines = SuperpositionLines::Streamlines;
};
struct AirfoilVelocityStep {
    flow::Point p;
};

// Time marks on the streamlines drawn before it; the streamlines drawn after
// it carry marks too, read with their own step's settings.
struct TimeMarksStep {};

// Moving particles as one frame showed them: each particle's trail, oldest
// point first, its dot at the last point; in hundredths of a pixel.
struct ParticleSnapshotStep {
    std::vector<std::vector<flow::Point>> trails;
};

struct ConstructionStep {
    std::variant<ElementStep, CommandStep, VelocityStep, LabelStep, SuperpositionElementStep,
                 SuperpositionLinesStep, SuperpositionVelocityStep, MapStep, ContourStep,
                 AirfoilStep, AirfoilLinesStep, AirfoilVelocityStep, TimeMarksStep,
                 ParticleSnapshotStep>
        action;
    flow::SettingValues settings;  // what the step read
};

struct Construction {
    QSize field;
    QFont font = defaultPictureFont();  // the picture's font after the last step
    std::vector<ConstructionStep> steps;
    bool superposition = false;

    // The configuration the last element left; empty when none was placed.
    Configuration configuration() const;
    // The title the last command wrote; empty when none did.
    QString title() const;
};

// The configuration the last element step left (empty when none), and the
// title the last command wrote (empty when none did).
Configuration lastConfiguration(const std::vector<ConstructionStep>& steps);
QString lastTitle(const std::vector<ConstructionStep>& steps);

bool isMapStep(const ConstructionStep& step);
bool isContourStep(const ConstructionStep& step);

// Runs `draw` with readers that note what it reads, taken with `bounds`,
// then appends the step with those values, also when `draw` throws (what it
// drew stays drawn). True when a field side read was held to its limit.
bool recordStep(std::vector<ConstructionStep>& steps, ConstructionStep step,
                const flow::Settings& live, const std::function<void(const flow::Settings&)>& draw,
                flow::ReadBounds bounds = flow::ReadBounds::AsRead);

// The elements of a superposition's steps, in order.
std::vector<flow::superposition::Element> superpositionElements(
    const std::vector<ConstructionStep>& steps);

// Draws a superposition's lines with the settings of the canvas: the
// streamline dialog's evenly spaced mode chooses how streamlines are seeded.
flow::superposition::Outcome drawSuperpositionLines(
    const flow::Canvas& canvas, SuperpositionLines lines,
    const std::vector<flow::superposition::Element>& elements);

// Draws the steps in order (a superposition: as said above). A step that read a text that was no
// integer stops where it stopped when it was made, and the next step goes on. False when the
// tracer's work budget left some of a superposition's lines undrawn.
bool replay(const Construction& construction, PictureSurface& surface);
// Draws the steps from `from` on over a picture that a replay of the earlier
// ones made, as a replay of them all would draw them: for a superposition,
// either elements' marks over marks alone or other steps after them. False
// as replay says.
bool replayFrom(const Construction& construction, PictureSurface& surface, std::size_t from);
