// The colour map command: one step of the history that draws the picture
// again, the new map under everything.
#include "document/colour_map.h"
#include "document/document.h"
#include "flow/maps/value_map.h"

Document::MapOutcome Document::drawMap(flow::maps::MapQuantity quantity, const MapOptions& options,
                                       const flow::Settings& live) {
    std::vector<ConstructionStep> made;
    std::optional<MapFlow> flow;
    // The flow is read as a replay reads it, so that the step keeps the settings.
    recordStep(made, {MapStep{quantity, options}, {}}, live, [&](const flow::Settings& s) {
        if (isAirfoil()) {
            flow = MapFlow{{}, {}, airfoilFlow()};
        } else if (superposition_) {
            if (const auto elements = superpositionElements(); !elements.empty())
                flow = MapFlow{elements, {}, {}};
        } else {
            flow = mapFlowOf(configuration(), s);
        }
    });
    if (!flow) return MapOutcome::NoElement;
    if (quantity == flow::maps::MapQuantity::Pressure && !hasStream(*flow))
        return MapOutcome::NoStream;
    const std::size_t at = steps_.size();
    replaceSteps(at, 0, made);
    keepChange(quantity == flow::maps::MapQuantity::Speed ? "поле скорости" : "поле давления", at,
               {}, made);
    return MapOutcome::Drawn;
}
