// The pressure coefficient along the body of a construction's flow: on a
// cylinder's surface against the angle, or along the upper dividing
// streamline of a half-body (one source or sink in a stream) or a Rankine
// oval (a source, an equal sink downstream on its row, and a stream)
// against x, or on a Joukowski airfoil's upper and lower surfaces against
// x/c. Other flows have no body.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "document/construction.h"
#include "flow/airfoil/airfoil_summary.h"
#include "flow/landmarks/landmark.h"
#include "flow/maps/surface_pressure.h"
#include "flow/setting_values.h"

enum class BodyKind { Cylinder, HalfBody, RankineOval, Airfoil };

struct BodyPressure {
    BodyKind kind = BodyKind::Cylinder;
    std::vector<flow::maps::PressurePoint> sampled;  // from the field
    std::vector<flow::maps::PressurePoint> exact;    // a cylinder's closed form; else empty
    std::vector<flow::maps::PressurePoint> stagnation;
    flow::maps::PressurePoint lowest;
    flow::maps::PicturePoint lowestAt;  // where the lowest lies on the picture
    flow::maps::PicturePoint centre;    // the cylinder's centre, or the source's (sink's)
    std::vector<flow::maps::PressurePoint> lower;  // an airfoil's lower surface; else empty
    // An airfoil's surface pressure integrated: its lift and the pressure
    // drag, nought as d'Alembert has it; nothing when the flow turns round
    // the sharp trailing edge, and for the other bodies.
    std::optional<flow::airfoil::PressureForce> force;
};

// The body of the elements in a picture `width` pixels wide: the cylinder
// when one is given, else a half-body or a Rankine oval the elements make.
std::optional<BodyPressure> bodyPressureOf(
    const std::vector<flow::superposition::Element>& elements,
    const std::optional<flow::maps::Cylinder>& cylinder, int width);

// The body of the construction's flow, its parameters as its steps last
// read them, otherwise as `base` holds them. Throws flow::ConversionError
// when a strength is no integer.
std::optional<BodyPressure> bodyPressureOf(const Construction& construction,
                                           const flow::SettingValues& base);

// The lowest pressure on the construction's body and where it is: about the
// body's centre, or a superposition's about the field's centre.
flow::Landmark lowestPressureLandmark(const BodyPressure& body, const Construction& construction);

// The settings as the live readers hold them now.
flow::SettingValues currentValues(const flow::Settings& live);

// "theta,cp" (a cylinder), "x,cp" or "x/c,cp,surface" (an airfoil's, upper
// then lower), then one line per sample, a '.' for the decimal point.
QString pressureCsv(const BodyPressure& body);
