// Settings with the dialogs' defaults as plain fields, for core tests. Every
// read is logged by name in `reads`, so tests can check when a routine reads
// a setting.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "flow/geometry.h"
#include "flow/settings.h"

namespace flow::test {

// The names are literals, so views of them stay valid; a log of views costs
// no allocation per read, which runs of millions of reads notice.
using ReadLog = std::vector<std::string_view>;

template <typename T>
T logged(ReadLog* log, const char* name, T value) {
    if (log) log->emplace_back(name);
    return value;
}

struct FakeStreamlines : StreamlineSettings {
    ReadLog* log = nullptr;
    int width = 1, count = 20, step = 50;
    Color color = Color::fromRgb(255, 0, 0);
    bool arrows = true;
    bool evenly = false;
    int interval = 20, size = 3;
    Color markColour = kBlack;
    int lineWidth() const override { return logged(log, "stream.width", width); }
    Color lineColor() const override { return logged(log, "stream.color", color); }
    int lineCount() const override { return logged(log, "stream.count", count); }
    int increment() const override { return logged(log, "stream.increment", step); }
    bool directionArrows() const override { return logged(log, "stream.arrows", arrows); }
    bool evenlySpaced() const override { return logged(log, "stream.evenly", evenly); }
    int markInterval() const override { return logged(log, "stream.markInterval", interval); }
    int markSize() const override { return logged(log, "stream.markSize", size); }
    Color markColor() const override { return logged(log, "stream.markColor", markColour); }
};

struct FakeEquipotentials : EquipotentialSettings {
    ReadLog* log = nullptr;
    int width = 1, count = 40, step = 50;
    Color color = kBlack;
    int lineWidth() const override { return logged(log, "equi.width", width); }
    Color lineColor() const override { return logged(log, "equi.color", color); }
    int lineCount() const override { return logged(log, "equi.count", count); }
    int increment() const override { return logged(log, "equi.increment", step); }
};

// Field texts go through the strict conversion, as the dialog's do.
struct FakeField : FieldSettings {
    ReadLog* log = nullptr;
    std::string widthText = "800", heightText = "600";
    int width() const override { return logged(log, "field.width", strToInt(widthText)); }
    int height() const override { return logged(log, "field.height", strToInt(heightText)); }
};

struct FakeSourceSink : SourceSinkSettings {
    ReadLog* log = nullptr;
    Color region = Color::fromRgb(0, 0, 255);
    int source = 1500;
    Color regionColor() const override { return logged(log, "sourceSink.region", region); }
    int sourceStrength() const override { return logged(log, "sourceSink.source", source); }
};

struct FakeStreamSpeed : StreamSpeedSettings {
    ReadLog* log = nullptr;
    int u = 1;
    int speed() const override { return logged(log, "streamSpeed", u); }
};

struct FakeVortexSource : VortexSourceSettings {
    ReadLog* log = nullptr;
    int q = 1000, gamma = 1000;
    int strength() const override { return logged(log, "vortexSource.strength", q); }
    int circulation() const override { return logged(log, "vortexSource.circulation", gamma); }
};

struct FakeCylinder : CylinderSettings {
    ReadLog* log = nullptr;
    int gamma = 1000;
    bool with = false;
    int circulation() const override { return logged(log, "cylinder.circulation", gamma); }
    bool withCirculation() const override { return logged(log, "cylinder.with", with); }
};

struct FakeVectorStyle : VectorStyleSettings {
    ReadLog* log = nullptr;
    int resultant = 1, component = 1;
    Color resultantC = Color::fromRgb(255, 0, 0);
    Color componentC = Color::fromRgb(0, 128, 0);
    Color connectingC = Color::fromRgb(0, 0, 128);
    int resultantWidth() const override { return logged(log, "vector.resultantWidth", resultant); }
    int componentWidth() const override { return logged(log, "vector.componentWidth", component); }
    Color resultantColor() const override {
        return logged(log, "vector.resultantColor", resultantC);
    }
    Color componentColor() const override {
        return logged(log, "vector.componentColor", componentC);
    }
    Color connectingColor() const override {
        return logged(log, "vector.connectingColor", connectingC);
    }
};

struct FakeVectorScale : VectorScaleSettings {
    ReadLog* log = nullptr;
    int k = 10;
    int scale() const override { return logged(log, "vectorScale", k); }
};

struct FakeGauge : Gauge {
    int position = 0;
    int total = 0;  // unclamped sum, to check the step count
    void advance(int steps) override {
        total += steps;
        position = std::min(80, position + steps);
    }
};

// All fakes together, with one shared read log.
struct FakeSettings {
    ReadLog reads;
    FakeStreamlines stream;
    FakeEquipotentials equi;
    FakeField field;
    FakeSourceSink sourceSink;
    FakeStreamSpeed streamSpeed;
    FakeVortexSource vortexSource;
    FakeCylinder cylinder;
    FakeVectorStyle vectorStyle;
    FakeVectorScale vectorScale;
    FakeGauge gauge;

    FakeSettings() { logInto(&reads); }
    // Reads go unlogged, for runs of millions of reads no test looks at.
    void stopLogging() { logInto(nullptr); }
    FakeSettings(const FakeSettings&) = delete;
    FakeSettings& operator=(const FakeSettings&) = delete;

    Settings settings() const {
        return Settings{stream,       equi,     field,       sourceSink, streamSpeed,
                        vortexSource, cylinder, vectorStyle, vectorScale};
    }

  private:
    void logInto(ReadLog* log) {
        stream.log = equi.log = field.log = sourceSink.log = streamSpeed.log = vortexSource.log =
            cylinder.log = vectorStyle.log = vectorScale.log = log;
    }
};

}  // namespace flow::test
