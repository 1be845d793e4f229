// Time marks drawn on a construction's streamlines: a time-marks step marks
// every streamline step before it, and from then on each streamline step is
// marked as it is drawn. A step's lines are traced again as it drew them
// (without arrowheads) and marked with the speed of the flow they belong to:
// a superposition's elements, the configuration its steps had left, or the
// airfoil's flow.
#pragma once

#include <QSize>
#include <optional>
#include <variant>
#include <vector>

#include "document/construction.h"
#include "document/streamline_lines.h"
#include "flow/airfoil/airfoil_flow.h"
#include "flow/time_marks/time_marks.h"

// What a step's lines belong to.
using MarkedFlow = std::variant<Configuration, std::vector<flow::superposition::Element>,
                                flow::airfoil::AirfoilFlow>;

// What marks read with the settings: the flow's elements (or the airfoil's
// flow) and the marks' style; nothing when the flow has no element. Throws
// flow::ConversionError when a strength is no integer.
struct MarkReading {
    LinesFlow flow;
    flow::time_marks::MarkStyle style;
};
std::optional<MarkReading> readMarks(const MarkedFlow& flow, const flow::Settings& settings);

bool isStreamlineStep(const ConstructionStep& step);
bool isTimeMarksStep(const ConstructionStep& step);
// Whether the marks are on for the step at `index`: a time-marks step is before it.
bool marksOnAt(const std::vector<ConstructionStep>& steps, std::size_t index);
// The flow of the step at `index` on a picture of the given size.
MarkedFlow markedFlowAt(const std::vector<ConstructionStep>& steps, std::size_t index,
                        bool superposition, QSize picture);

// Marks on the lines of a streamline step within the picture.
flow::time_marks::MarkCount drawTimeMarks(flow::Surface& surface, const ConstructionStep& lines,
                                          const MarkReading& reading, QSize picture);

// What a time-marks step at `index` draws: marks on every streamline step
// before it, read with the settings.
flow::time_marks::MarkCount markLinesBefore(flow::Surface& surface,
                                            const std::vector<ConstructionStep>& steps,
                                            std::size_t index, bool superposition, QSize picture,
                                            const flow::Settings& settings);
