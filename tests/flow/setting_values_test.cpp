// Settings as named values: what a run reads is kept, and running again on
// the kept values draws the same; the catalogue's checks and the routines by
// name.
#include "flow/setting_values.h"

#include <gtest/gtest.h>

#include <set>

#include "fake_settings.h"
#include "flow/bounded_settings.h"
#include "flow/geometry.h"
#include "flow/routines.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::FakeSettings;
using test::RecordingSurface;

int argumentFor(std::string_view parameter) {
    if (parameter == "X") return 400;
    if (parameter == "Y") return 300;
    if (parameter == "R") return 100;
    if (parameter == "M") return 50;
    if (parameter == "D") return 200;
    if (parameter == "boundary") return 10;
    return 1500;  // strengths
}

RoutineCall callOf(const RoutineInfo& routine) {
    std::vector<int> arguments;
    for (std::string_view parameter : routine.parameters)
        arguments.push_back(argumentFor(parameter));
    return routineCall(routine.name, arguments);
}

TEST(SettingValues, EveryRoutineDrawsTheSameFromWhatItRead) {
    FakeSettings live;
    live.stream.count = 7;
    live.stream.arrows = false;
    live.equi.count = 5;
    live.equi.color = Color::fromRgb(1, 2, 3);
    live.streamSpeed.u = 3;
    for (const RoutineInfo& routine : routineCatalogue()) {
        SCOPED_TRACE(std::string(routine.name));
        const RoutineCall call = callOf(routine);
        SettingValues read;
        RecordingSurface first;
        {
            const RecordingSettings recording(live.settings(), read);
            runRoutine(Canvas{first, recording.settings(), live.gauge}, call);
        }
        EXPECT_FALSE(read.values().empty());
        RecordingSurface again;
        runRoutine(Canvas{again, read.settings(), live.gauge}, call);
        EXPECT_EQ(again.ops().size(), first.ops().size());
        EXPECT_EQ(again.segments(), first.segments());
    }
}

TEST(SettingValues, ATextThatIsNoIntegerIsKeptAndFailsAgain) {
    FakeSettings live;
    live.field.widthText = "8O0";
    SettingValues read;
    const RecordingSettings recording(live.settings(), read);
    EXPECT_EQ(recording.settings().field.height(), 600);
    EXPECT_THROW(recording.settings().field.width(), ConversionError);
    EXPECT_EQ(read.value("field.width"), SettingValue(InvalidText{"8O0"}));
    EXPECT_EQ(read.value("field.height"), SettingValue(600));
    try {
        read.settings().field.width();
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'8O0' is not a valid integer value");
    }
}

TEST(SettingValues, ARecordKeepsWhatEachSettingGaveLast) {
    FakeSettings live;
    SettingValues read;
    const RecordingSettings recording(live.settings(), read);
    const Settings& settings = recording.settings();
    EXPECT_EQ(settings.field.width(), 800);
    live.field.widthText = "640";
    EXPECT_EQ(settings.field.width(), 640);
    EXPECT_EQ(read.value("field.width"), SettingValue(640));
    live.field.widthText = "x";
    EXPECT_THROW(settings.field.width(), ConversionError);
    EXPECT_EQ(read.value("field.width"), SettingValue(InvalidText{"x"}));
    live.field.widthText = "700";
    EXPECT_EQ(settings.field.width(), 700);
    EXPECT_EQ(read.value("field.width"), SettingValue(700));
    EXPECT_EQ(read.values().size(), 1u);
}

TEST(SettingValues, EachReaderAnswersForItsOwnSetting) {
    FakeSettings live;
    for (const SettingInfo& info : settingCatalogue()) {
        SCOPED_TRACE(std::string(info.name));
        SettingValues read;
        const RecordingSettings recording(live.settings(), read);
        EXPECT_EQ(info.read(recording.settings()), info.read(live.settings()));
        ASSERT_EQ(read.values().size(), 1u);
        EXPECT_EQ(read.values().begin()->first, info.name);

        // A value other than the default comes back through the values' reader.
        SettingValue other = Color::fromRgb(1, 2, 3);
        if (info.kind == SettingKind::Flag) other = !std::get<bool>(info.defaultValue);
        if (info.kind == SettingKind::Integer)
            other = info.defaultValue == SettingValue(info.minimum) ? info.maximum : info.minimum;
        SettingValues values;
        values.set(info.name, other);
        EXPECT_EQ(info.read(values.settings()), other);
    }
}

TEST(SettingValues, ABoundedRecordKeepsTheValuesAsTheRunGotThem) {
    FakeSettings live;
    live.stream.count = 1000;
    live.field.widthText = "20000";
    SettingValues read;
    const RecordingSettings recording(live.settings(), read, ReadBounds::DialogRanges);
    EXPECT_EQ(recording.settings().streamlines.lineCount(), 150);
    EXPECT_FALSE(recording.fieldLimited());
    EXPECT_EQ(recording.settings().field.width(), kMaxFieldSide);
    EXPECT_TRUE(recording.fieldLimited());
    EXPECT_EQ(read.value("streamlines.count"), SettingValue(150));
    EXPECT_EQ(read.value("field.width"), SettingValue(kMaxFieldSide));
}

TEST(SettingValues, UnsetValuesReadAsTheDialogsDefaults) {
    const SettingValues none;
    FakeSettings defaults;
    for (const SettingInfo& info : settingCatalogue()) {
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(none.value(info.name), info.read(defaults.settings()));
    }
    SettingValues copy;
    copy.set("streamlines.count", 9);
    const SettingValues copied = copy;  // its readers read its own values
    EXPECT_EQ(copied.settings().streamlines.lineCount(), 9);
}

TEST(SettingValues, ProblemsAreNamed) {
    EXPECT_FALSE(settingProblem("streamlines.count", 150));
    EXPECT_FALSE(settingProblem("field.width", InvalidText{"abc"}));
    EXPECT_FALSE(settingProblem("field.width", -5));
    EXPECT_TRUE(settingProblem("field.width", kMaxCoordinate + 1));
    EXPECT_EQ(settingProblem("streamlines.count", 151), "151 вне пределов 1..150");
    EXPECT_TRUE(settingProblem("streamlines.count", true));
    EXPECT_TRUE(settingProblem("streamlines.color", 5));
    EXPECT_TRUE(settingProblem("streamlines.arrows", InvalidText{"x"}));
    EXPECT_TRUE(settingProblem("no.such", 1));

    std::set<std::string_view> names;
    for (const SettingInfo& info : settingCatalogue()) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_FALSE(settingProblem(info.name, info.defaultValue)) << info.name;
    }
}

TEST(SettingValues, ColoursByName) {
    EXPECT_EQ(colourName(Color::fromRgb(255, 0, 128)), "#ff0080");
    EXPECT_EQ(colourNamed("#FF0080"), Color::fromRgb(255, 0, 128));
    for (const char* bad : {"", "ff0080", "#ff008", "#ff0080a", "#gg0080"})
        EXPECT_FALSE(colourNamed(bad)) << bad;
}

TEST(Routines, FoundByNameWithTheirParameterRanges) {
    std::set<std::string_view> names;
    for (const RoutineInfo& routine : routineCatalogue()) {
        EXPECT_TRUE(names.insert(routine.name).second);
        EXPECT_EQ(findRoutine(routine.name), &routine);
        for (std::string_view parameter : routine.parameters)
            EXPECT_FALSE(parameterProblem(parameter, argumentFor(parameter))) << parameter;
    }
    EXPECT_EQ(findRoutine("NoSuchRoutine"), nullptr);
    EXPECT_EQ(parameterProblem("R", -100), "-100 вне пределов 50..150");
    EXPECT_TRUE(parameterProblem("Q", 3001));
    EXPECT_TRUE(parameterProblem("X", kMaxCoordinate + 1));
    EXPECT_TRUE(parameterProblem("nothing", 1));
}

}  // namespace
}  // namespace flow
