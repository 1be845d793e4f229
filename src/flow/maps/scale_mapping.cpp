#include "flow/maps/scale_mapping.h"

#include <algorithm>
#include <cmath>

namespace flow::maps {

ScaleMapping::ScaleMapping(MapQuantity quantity, MapRange range, int bands)
    : quantity_(quantity),
      range_(range),
      bands_(bands <= 0 ? 0 : std::clamp(bands, kFewestBands, kMostBands)) {
    if (!(range_.high > range_.low))
        range_.high = range_.low + std::max(1e-9, std::abs(range_.low) * 1e-6);
}

ColourScale ScaleMapping::scale() const {
    return quantity_ == MapQuantity::Pressure ? ColourScale::Diverging : ColourScale::Sequential;
}

double ScaleMapping::valueAt(double position) const {
    const double p = std::clamp(position, 0.0, 1.0);
    if (!centred()) return range_.low + p * (range_.high - range_.low);
    return p < 0.5 ? (1 - 2 * p) * range_.low : (2 * p - 1) * range_.high;
}

std::vector<std::uint32_t> ScaleMapping::colours() const {
    if (bands_ == 0) {
        const auto& table = scaleTable(scale());
        return {table.begin(), table.end()};
    }
    std::vector<std::uint32_t> colours;
    for (int k = 0; k < bands_; ++k) colours.push_back(scaleColour(scale(), (k + 0.5) / bands_));
    return colours;
}

std::vector<double> ScaleMapping::bandEdges() const {
    std::vector<double> edges;
    for (int k = 0; bands_ > 0 && k <= bands_; ++k)
        edges.push_back(valueAt(static_cast<double>(k) / bands_));
    return edges;
}

}  // namespace flow::maps
