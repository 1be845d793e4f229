// Where a value of a map falls on its colour scale, and the colour it gets:
// a speed along the sequential scale from the range's low end to its high
// end; a pressure coefficient along the diverging scale with Cp = 0 in the
// middle, each side stretched to its own end of the range (a range that does
// not hold 0 is spread evenly). With bands, the range is cut into equal
// parts of the scale, each in the scale's colour at its middle.
#pragma once

#include <cstdint>
#include <vector>

#include "flow/maps/colour_scale.h"
#include "flow/maps/value_map.h"

namespace flow::maps {

struct MapRange {
    double low = 0;
    double high = 1;
};

inline constexpr int kFewestBands = 5;
inline constexpr int kMostBands = 20;

class ScaleMapping {
  public:
    // bands: 0 for a continuous scale, otherwise held to 5..20. A range
    // that is empty or upside down is widened around its low end.
    ScaleMapping(MapQuantity quantity = MapQuantity::Speed, MapRange range = {}, int bands = 0);

    MapQuantity quantity() const { return quantity_; }
    ColourScale scale() const;
    MapRange range() const { return range_; }
    int bands() const { return bands_; }

    // The place of a value on the scale, 0 (low end) to 1 (high end);
    // values outside the range are clipped to its ends.
    double position(double value) const {
        const double v = value < range_.low    ? range_.low
                         : value > range_.high ? range_.high
                                               : value;
        if (!centred()) return (v - range_.low) / (range_.high - range_.low);
        return v < 0 ? 0.5 - 0.5 * v / range_.low : 0.5 + 0.5 * v / range_.high;
    }
    // The value at a place on the scale.
    double valueAt(double position) const;

    // The colours from the low end up: one per band, or kScaleSteps.
    std::vector<std::uint32_t> colours() const;
    // The band edges from the low end up (bands + 1 values); none when
    // the scale is continuous.
    std::vector<double> bandEdges() const;

  private:
    bool centred() const {
        return quantity_ == MapQuantity::Pressure && range_.low < 0 && range_.high > 0;
    }

    MapQuantity quantity_;
    MapRange range_;
    int bands_;
};

}  // namespace flow::maps
