// Helpers for the streamline routine tests: a field whose width text goes bad
// after a number of reads, and a way to pick the arrowheads out of a drawing
// by comparing it with the same drawing made with direction arrows off.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "fake_settings.h"
#include "flow/geometry.h"
#include "flow/settings.h"
#include "recording_surface.h"

namespace flow::test {

// Field width "800" for the first `goodReads` reads, then "abc".
struct FieldGoingBad : FieldSettings {
    explicit FieldGoingBad(int goodReads) : goodReads(goodReads) {}
    int width() const override { return strToInt(++widthReads > goodReads ? "abc" : "800"); }
    int height() const override { return 600; }
    int goodReads;
    mutable int widthReads = 0;
};

inline Settings withField(const FakeSettings& f, const FieldSettings& field) {
    return Settings{f.stream,       f.equi,     field,         f.sourceSink, f.streamSpeed,
                    f.vortexSource, f.cylinder, f.vectorStyle, f.vectorScale};
}

struct Arrowhead {
    Point tip, cornerPlus, cornerMinus;
};

using Routine = std::function<void(const Canvas&)>;

// Segments of one run of a routine with the given settings.
inline std::vector<Segment> drawn(FakeSettings& fake, const Routine& routine) {
    RecordingSurface surface;
    const Settings settings = fake.settings();
    routine(Canvas{surface, settings, fake.gauge});
    return surface.segments();
}

// Runs the routine with arrows on and off. Everything drawn with arrows off
// must also be drawn, in the same order, with them on; what the arrows-on
// run draws besides must be whole arrowheads (tip to C+, tip to C-, C+ to
// C-). Returns those arrowheads in drawing order.
inline std::vector<Arrowhead> arrowheadsOf(FakeSettings& fake, const Routine& routine) {
    fake.stream.arrows = true;
    const std::vector<Segment> with = drawn(fake, routine);
    fake.stream.arrows = false;
    const std::vector<Segment> without = drawn(fake, routine);
    fake.stream.arrows = true;

    std::vector<Arrowhead> heads;
    std::size_t i = 0, j = 0;
    while (i < with.size()) {
        if (j < without.size() && with[i] == without[j]) {
            ++i, ++j;
            continue;
        }
        const bool whole = i + 2 < with.size() && with[i].from == with[i + 1].from &&
                           with[i + 2].from == with[i].to && with[i + 2].to == with[i + 1].to;
        if (!whole) {
            ADD_FAILURE() << "segment " << i << " is neither a line nor an arrowhead: " << with[i];
            return heads;
        }
        heads.push_back({with[i].from, with[i].to, with[i + 1].to});
        i += 3;
    }
    EXPECT_EQ(j, without.size()) << "arrows on dropped lines drawn with arrows off";
    return heads;
}

inline double distance(Point a, Point b) {
    return std::hypot(static_cast<double>(a.x - b.x), static_cast<double>(a.y - b.y));
}

}  // namespace flow::test
