// The time-marks command: one step of the history that puts marks on the
// streamlines drawn so far and turns the marks on for those drawn later.
#include <algorithm>

#include "document/document.h"
#include "document/time_marks_drawing.h"

Document::MarksOutcome Document::drawTimeMarks(const flow::Settings& live) {
    const bool anyLines = std::any_of(steps_.begin(), steps_.end(), isStreamlineStep);
    std::vector<ConstructionStep> made;
    std::optional<MarkReading> reading;
    flow::time_marks::MarkCount count;
    const QSize picture = surface_.size();
    // Read as a replay reads it, so that the step keeps the settings; the
    // marks are counted on a surface that keeps no pixels.
    recordStep(made, {TimeMarksStep{}, {}}, live, [&](const flow::Settings& s) {
        reading = readMarks(markedFlowAt(steps_, steps_.size(), superposition_, picture), s);
        if (!reading || !anyLines) return;
        flow::time_marks::LineCapture counting;
        count = markLinesBefore(counting, steps_, steps_.size(), superposition_, picture, s);
    });
    if (!reading) return {MarksOutcome::NoElement, count};
    if (!anyLines) return {MarksOutcome::NoStreamlines, count};
    const std::size_t at = steps_.size();
    replaceSteps(at, 0, made);
    keepChange("метки времени", at, {}, made);
    return {MarksOutcome::Drawn, count};
}
