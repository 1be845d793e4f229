// The contour command: one step of the history that draws a contour and
// its numbers over the picture.
#include "document/document.h"

Document::ContourOutcome Document::drawContour(const ContourShape& shape, double density,
                                               const flow::Settings& live, bool keepUndefined) {
    std::vector<ConstructionStep> made;
    std::optional<ContourFlow> flow;
    // The flow is read as a replay reads it, so that the step keeps the settings.
    recordStep(made, {ContourStep{shape, density, surface_.qfont()}, {}}, live,
               [&](const flow::Settings& s) {
                   if (!superposition_)
                       flow = contourFlowOf(configuration(), s);
                   else if (const auto elements = superpositionElements(); !elements.empty())
                       flow = superpositionContourFlow(elements);
               });
    ContourOutcome outcome;
    if (!flow) return outcome;
    outcome.reading = readContour(*flow, shape, density);
    if (outcome.reading->integrals.problem != flow::maps::ContourProblem::None && !keepUndefined)
        return outcome;
    const std::size_t at = steps_.size();
    replaceSteps(at, 0, made);
    keepChange("контур", at, {}, made);
    outcome.kept = true;
    return outcome;
}
