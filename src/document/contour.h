// Contour steps: the flow a contour measures, its circulation, flux, the
// elements inside and a cylinder's lift, their words for the picture, the
// status line and the landmarks, and the contour drawn on a picture.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "document/construction.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/maps/contour_integrals.h"

class PictureSurface;

// The elements a contour measures, each with the name the user knows it by
// (a cylinder's own elements are the cylinder), and the cylinder of a
// cylinder configuration.
struct ContourFlow {
    std::vector<flow::superposition::Element> elements;
    std::vector<QString> names;
    std::optional<flow::maps::Cylinder> cylinder;
};

ContourFlow superpositionContourFlow(const std::vector<flow::superposition::Element>& elements);
// The whole flow of the configuration read with the settings; nothing when
// it holds no element. Throws flow::ConversionError when a strength is no
// integer.
std::optional<ContourFlow> contourFlowOf(const Configuration& c, const flow::Settings& settings);
// The flow the contour step at `index` measures, as a replay reads it.
std::optional<ContourFlow> contourFlowAt(const Construction& construction, std::size_t index);

struct ContourReading {
    flow::maps::ContourIntegrals integrals;
    QStringList inside;          // the names of the elements inside, each once
    std::optional<double> lift;  // ρ U Г of a cylinder wholly inside
};

ContourReading readContour(const ContourFlow& flow, const ContourShape& shape, double density);

// "Г = …, Q = …" and, with a lift, "L′ = …, D = 0"; empty when the numbers
// are not defined.
QString contourLabel(const ContourReading& reading);
// The status line's words on a contour just drawn or refused.
QString contourReport(const ContourReading& reading);
// One line per contour step of the construction, for the landmarks.
QString contoursText(const Construction& construction);

// The contour as a thin black line, and its label beside it when its
// numbers are defined.
void drawContour(PictureSurface& surface, const ContourStep& step,
                 const std::optional<ContourReading>& reading, QSize field);
