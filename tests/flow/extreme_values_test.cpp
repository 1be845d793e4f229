// Every construction routine ends, whatever int values its settings readers
// and its element hold, once the readers are bounded to the dialogs' ranges.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "fake_settings.h"
#include "flow/bounded_settings.h"
#include "flow/equipotentials/cylinder.h"
#include "flow/equipotentials/cylinder_circulation.h"
#include "flow/equipotentials/single_elements.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "flow/streamlines/single_elements.h"
#include "recording_surface.h"

namespace flow {
namespace {

// Counts the lines instead of keeping them; its picture is 800 x 600.
class CountingSurface : public test::RecordingSurface {
  public:
    CountingSurface() { reachBox = Box{-8, -8, 808, 608}; }
    void moveTo(std::int64_t, std::int64_t) override {}
    void lineTo(std::int64_t, std::int64_t) override { ++lines; }
    void ellipse(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override { ++lines; }
    long long lines = 0;
};

using Routine = std::function<void(const Canvas&, int x, int y, int element)>;

struct Named {
    const char* name;
    Routine draw;
};

// Hangs are caught by a bound far above any real run, even under the
// sanitizers; the test then stops the whole program.
constexpr auto kHang = std::chrono::seconds(60);

void endsInTime(const std::string& what, const std::function<void()>& run) {
    std::packaged_task<void()> task(run);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    if (done.wait_for(kHang) == std::future_status::timeout) {
        std::fprintf(stderr, "Still running after %lld s: %s\n",
                     static_cast<long long>(kHang.count()), what.c_str());
        std::_Exit(EXIT_FAILURE);
    }
    worker.join();
    done.get();
}

// Sets every int a reader returns to `value`; field texts to `field`.
void setAll(test::FakeSettings& f, int value, const char* field) {
    f.stream.width = f.stream.count = f.stream.step = value;
    f.equi.width = f.equi.count = f.equi.step = value;
    f.sourceSink.source = f.streamSpeed.u = value;
    f.vortexSource.q = f.vortexSource.gamma = value;
    f.cylinder.gamma = value;
    f.vectorStyle.resultant = f.vectorStyle.component = f.vectorScale.k = value;
    f.field.widthText = f.field.heightText = field;
}

// The slowest corner the dialogs allow: many lines close together, weak
// sources, strong circulation, the widest field.
void setSlowest(test::FakeSettings& f) {
    setAll(f, INT_MAX, "$7FFFFFFF");
    f.stream.step = f.equi.step = INT_MIN;
    f.vortexSource.q = INT_MIN;
    f.streamSpeed.u = INT_MIN;
}

const Named kRoutines[] = {
    {"StreamPointSource", [](const Canvas& c, int x, int y, int) { StreamPointSource(c, x, y); }},
    {"StreamVortex", [](const Canvas& c, int x, int y, int) { StreamVortex(c, x, y); }},
    {"StreamDipole", [](const Canvas& c, int x, int y, int m) { StreamDipole(c, x, y, m); }},
    {"StreamVortexSource",
     [](const Canvas& c, int x, int y, int b) { StreamVortexSource(c, x, y, b); }},
    {"StreamCylinder", [](const Canvas& c, int x, int y, int r) { StreamCylinder(c, r, x, y); }},
    {"StreamCylinderCirculation",
     [](const Canvas& c, int x, int y, int r) { StreamCylinderCirculation(c, r, x, y); }},
    {"StreamSourceInStream", [](const Canvas& c, int x, int y,
                                int q) { StreamSourceInStream(c, x, y, q, kSourceInStream); }},
    {"StreamSinkInStream",
     [](const Canvas& c, int x, int y, int q) { StreamSourceInStream(c, x, y, q, kSinkInStream); }},
    {"StreamSourceSink",
     [](const Canvas& c, int x, int y, int q) { StreamSourceSink(c, x, y, q, q, q); }},
    {"EquipotentialSourceInStream",
     [](const Canvas& c, int x, int y, int q) { EquipotentialSourceInStream(c, x, y, q); }},
    {"EquipotentialSinkInStream",
     [](const Canvas& c, int x, int y, int q) { EquipotentialSinkInStream(c, x, y, q); }},
    {"EquipotentialVortex",
     [](const Canvas& c, int x, int y, int) { EquipotentialVortex(c, x, y); }},
    {"EquipotentialPointSource",
     [](const Canvas& c, int x, int y, int) { EquipotentialPointSource(c, x, y); }},
    {"EquipotentialCylinder",
     [](const Canvas& c, int x, int y, int r) { EquipotentialCylinder(c, x, y, r); }},
    {"EquipotentialCylinderCirculation",
     [](const Canvas& c, int x, int y, int r) { EquipotentialCylinderCirculation(c, r, x, y); }},
    {"EquipotentialVortexSource",
     [](const Canvas& c, int x, int y, int b) { EquipotentialVortexSource(c, x, y, b); }},
    {"EquipotentialDipole",
     [](const Canvas& c, int x, int y, int m) { EquipotentialDipole(c, x, y, m); }},
};

void runBounded(const Named& routine, void (*profile)(test::FakeSettings&), int x, int y,
                int element) {
    test::FakeSettings fake;
    fake.stopLogging();
    profile(fake);
    const Settings raw = fake.settings();
    const BoundedSettings bounded(raw);
    CountingSurface surface;
    endsInTime(routine.name + std::string(" at ") + std::to_string(x) + ", " + std::to_string(y) +
                   " with " + std::to_string(element),
               [&] {
                   routine.draw(Canvas{surface, bounded.settings(), fake.gauge}, x, y, element);
               });
}

void setLowest(test::FakeSettings& f) {
    setAll(f, INT_MIN, "-2147483648");
}
void setZero(test::FakeSettings& f) {
    setAll(f, 0, "0");
}
void setHighest(test::FakeSettings& f) {
    setAll(f, INT_MAX, "$7FFFFFFF");
}

constexpr void (*kProfiles[])(test::FakeSettings&) = {setLowest, setZero, setHighest, setSlowest};

TEST(ExtremeValuesTest, EveryRoutineEndsForAnyElement) {
    for (const Named& routine : kRoutines)
        for (const int element : {INT_MIN, 0, 50, INT_MAX})
            for (const auto profile : kProfiles) runBounded(routine, profile, 400, 300, element);
}

TEST(ExtremeValuesTest, EveryRoutineEndsForAnyPosition) {
    const int far[][2] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {-5, 16384}};
    for (const Named& routine : kRoutines)
        for (const auto& at : far)
            for (const auto profile : kProfiles) runBounded(routine, profile, at[0], at[1], 50);
}

}  // namespace
}  // namespace flow
