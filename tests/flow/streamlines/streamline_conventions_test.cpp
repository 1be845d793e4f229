// Conventions every streamline routine of single elements and combined flows
// keeps: pen, line count, gauge and the direction arrows check box.
#include <gtest/gtest.h>

#include <string>

#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/single_elements.h"
#include "streamline_test_support.h"

namespace flow {
namespace {

using test::FakeSettings;
using test::RecordingSurface;

struct NamedRoutine {
    std::string name;
    test::Routine run;
    bool arrowsFollowCheckBox = true;
};

std::ostream& operator<<(std::ostream& os, const NamedRoutine& r) {
    return os << r.name;
}

class EveryRoutine : public testing::TestWithParam<NamedRoutine> {};

TEST_P(EveryRoutine, DrawsNothingForALineCountBelowOne) {
    for (int count : {0, -1}) {
        FakeSettings fake;
        fake.stream.count = count;
        RecordingSurface s;
        Settings set = fake.settings();
        GetParam().run(Canvas{s, set, fake.gauge});
        EXPECT_TRUE(s.ops().empty());
        EXPECT_EQ(fake.gauge.total, 0);
    }
}

TEST_P(EveryRoutine, AddsFourToTheGaugePerLine) {
    FakeSettings fake;
    fake.stream.count = 3;
    RecordingSurface s;
    Settings set = fake.settings();
    GetParam().run(Canvas{s, set, fake.gauge});
    EXPECT_EQ(fake.gauge.total, 12);
}

TEST_P(EveryRoutine, DrawsWithTheStreamlinePenWidth) {
    FakeSettings fake;
    fake.stream.count = 2;
    fake.stream.width = 3;
    const auto segs = test::drawn(fake, GetParam().run);
    ASSERT_FALSE(segs.empty());
    for (const auto& seg : segs) ASSERT_EQ(seg.width, 3);
}

TEST_P(EveryRoutine, TurningArrowsOffRemovesOnlyArrowheads) {
    FakeSettings fake;
    fake.stream.count = 3;
    const auto heads = test::arrowheadsOf(fake, GetParam().run);
    EXPECT_EQ(heads.empty(), !GetParam().arrowsFollowCheckBox);
}

INSTANTIATE_TEST_SUITE_P(
    Streamlines, EveryRoutine,
    testing::Values(
        NamedRoutine{"PointSource", [](const Canvas& c) { StreamPointSource(c, 400, 300); }},
        NamedRoutine{"Vortex", [](const Canvas& c) { StreamVortex(c, 400, 300); }},
        NamedRoutine{"Dipole", [](const Canvas& c) { StreamDipole(c, 400, 300, 50); }},
        NamedRoutine{"VortexSource", [](const Canvas& c) { StreamVortexSource(c, 400, 300, 10); }},
        NamedRoutine{"Cylinder", [](const Canvas& c) { StreamCylinder(c, 100, 400, 300); }},
        NamedRoutine{
            "SourceInStream",
            [](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, kSourceInStream); }},
        NamedRoutine{
            "SinkInStream",
            [](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, kSinkInStream); }},
        NamedRoutine{"SourceSink",
                     [](const Canvas& c) { StreamSourceSink(c, 300, 300, 200, 1500, 1500); },
                     false}),
    [](const testing::TestParamInfo<NamedRoutine>& info) { return info.param.name; });

}  // namespace
}  // namespace flow
