#include "flow/bounded_settings.h"

#include <gtest/gtest.h>

#include <climits>

#include "fake_settings.h"
#include "flow/setting_values.h"

namespace flow {
namespace {

// The settings held within the dialogs' ranges, both ways the program holds
// them: by BoundedSettings, and by a recording that takes them bounded.
class Bounded {
  public:
    Bounded(const Settings& raw, bool recording)
        : bounded_(raw), recording_(raw, record_, ReadBounds::DialogRanges), recorded_(recording) {}
    const Settings& settings() const {
        return recorded_ ? recording_.settings() : bounded_.settings();
    }
    bool fieldLimited() const {
        return recorded_ ? recording_.fieldLimited() : bounded_.fieldLimited();
    }

  private:
    const BoundedSettings bounded_;
    SettingValues record_;
    const RecordingSettings recording_;
    const bool recorded_;
};

class BoundedSettingsTest : public ::testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(BoundedOrRecorded, BoundedSettingsTest, ::testing::Bool());

TEST_P(BoundedSettingsTest, ValuesBeyondTheDialogsAreHeldAtTheirEnds) {
    test::FakeSettings fake;
    const Settings raw = fake.settings();
    const Bounded bounded(raw, GetParam());
    const Settings& s = bounded.settings();
    struct Limit {
        int* value;
        int (*read)(const Settings&);
        int low, high;
    };
    const Limit limits[] = {
        {&fake.stream.width, [](const Settings& x) { return x.streamlines.lineWidth(); }, 1, 5},
        {&fake.stream.count, [](const Settings& x) { return x.streamlines.lineCount(); }, 1, 150},
        {&fake.stream.step, [](const Settings& x) { return x.streamlines.increment(); }, 5, 100},
        {&fake.equi.width, [](const Settings& x) { return x.equipotentials.lineWidth(); }, 1, 5},
        {&fake.equi.count, [](const Settings& x) { return x.equipotentials.lineCount(); }, 1, 100},
        {&fake.equi.step, [](const Settings& x) { return x.equipotentials.increment(); }, 5, 50},
        {&fake.sourceSink.source, [](const Settings& x) { return x.sourceSink.sourceStrength(); },
         1000, 3000},
        {&fake.streamSpeed.u, [](const Settings& x) { return x.streamSpeed.speed(); }, 1, 10},
        {&fake.vortexSource.q, [](const Settings& x) { return x.vortexSource.strength(); }, 100,
         1000},
        {&fake.vortexSource.gamma, [](const Settings& x) { return x.vortexSource.circulation(); },
         30, 3000},
        {&fake.cylinder.gamma, [](const Settings& x) { return x.cylinder.circulation(); }, 100,
         2000},
        {&fake.vectorStyle.resultant,
         [](const Settings& x) { return x.vectorStyle.resultantWidth(); }, 1, 3},
        {&fake.vectorStyle.component,
         [](const Settings& x) { return x.vectorStyle.componentWidth(); }, 1, 3},
        {&fake.vectorScale.k, [](const Settings& x) { return x.vectorScale.scale(); }, 1, 100},
    };
    for (const Limit& limit : limits) {
        const int inside = *limit.value;
        EXPECT_EQ(limit.read(s), inside);
        *limit.value = INT_MIN;
        EXPECT_EQ(limit.read(s), limit.low);
        *limit.value = INT_MAX;
        EXPECT_EQ(limit.read(s), limit.high);
        *limit.value = inside;
    }
    EXPECT_FALSE(bounded.fieldLimited());
}

TEST_P(BoundedSettingsTest, OnlyAFieldLargerThanThePictureLimitIsCutAndThatIsTold) {
    test::FakeSettings fake;
    const Settings raw = fake.settings();
    const Bounded bounded(raw, GetParam());
    const FieldSettings& field = bounded.settings().field;
    for (const char* text : {"0", "-5", "-2147483648", "16384"}) {
        fake.field.widthText = fake.field.heightText = text;
        EXPECT_EQ(field.width(), strToInt(text));
        EXPECT_EQ(field.height(), strToInt(text));
    }
    EXPECT_FALSE(bounded.fieldLimited());
    fake.field.widthText = "$7FFFFFFF";
    EXPECT_EQ(field.width(), 16384);
    EXPECT_TRUE(bounded.fieldLimited());
    fake.field.widthText = "abc";
    EXPECT_THROW(field.width(), ConversionError);
}

}  // namespace
}  // namespace flow
