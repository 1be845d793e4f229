// Time marks along drawn streamlines: points a fluid particle passes every
// dt, found by integrating the time t = integral of ds / |V| along the line
// as drawn with the exact speed of the flow, so that the marks lie on the
// line and lie apart by the distance travelled in dt.
#pragma once

#include <vector>

#include "flow/surface.h"
#include "flow/time_marks/line_capture.h"
#include "flow/velocity/picture_flow.h"

namespace flow::time_marks {

struct LineMarks {
    std::vector<maps::PicturePoint> marks;
    bool stagnated = false;  // the flow stopped on the line before its end
};

// The marks every dt (the flow's speeds in pixels per unit of time) from
// the line's upstream end: the first at that end. The line is cut within a
// pixel of a singular point; the marks end where the flow stops, where a
// particle would need unbounded time to go on, and where the line enters a
// body.
// Steps along the line shrink where the speed changes fast or an element
// is near, so no step reaches past one.
LineMarks marksAlong(const PictureFlow& flow, const Polyline& line, double dt);

// The parts of the lines inside the box, each part a line of its own.
std::vector<Polyline> partsWithin(const std::vector<Polyline>& lines, const Box& box);

struct MarkStyle {
    double dt = 0;
    int size = 1;  // the dots' diameter in pixels
    Color colour;
};

struct MarkCount {
    int marks = 0;
    int stopped = 0;  // lines whose marks end at a stagnation point
};

// Marks along every line's parts within the box (the picture: a particle's
// time starts where its line enters it) as dots in the style; the pen is
// left as it was, the brush untouched.
MarkCount drawMarks(Surface& surface, const PictureFlow& flow, const std::vector<Polyline>& lines,
                    const Box& box, const MarkStyle& style);

}  // namespace flow::time_marks
