// Routines leave out lines that cannot reach the picture: the lines of a
// source or sink in a stream pass over such radii, the vortex-source's
// spirals end where they leave the picture for good. These tests hold the
// drawing to what drawing everything gives: the same chords wherever they
// touch the picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fake_settings.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/single_elements.h"
#include "recording_surface.h"

namespace flow {
namespace {

struct Case {
    const char* width;
    int increment, speed, Q, X, Y;
    bool sink;
};

const Box kPicture{-4, -4, 803, 603};

// Keeps just the segments that touch the picture, in order, and counts the
// lines: the runs here draw millions, too many to record whole.
class PictureSurface : public test::RecordingSurface {
  public:
    explicit PictureSurface(bool reaching) : RecordingSurface(Keep::CountOnly) {
        if (reaching) reachBox = kPicture;
    }
    void moveTo(std::int64_t x, std::int64_t y) override { pen_ = {x, y}; }
    void lineTo(std::int64_t x, std::int64_t y) override {
        RecordingSurface::lineTo(x, y);
        const test::Segment s{pen_, {x, y}, penColor(), penWidth(), penStyle()};
        if (touches(s, kPicture)) drawn.push_back(s);
        pen_ = {x, y};
    }
    std::vector<test::Segment> drawn;

  private:
    Point pen_;
};

// Drawing everything and drawing what can reach the picture give the same
// segments there, and the latter draws fewer lines.
void expectSamePicture(const PictureSurface& everything, const PictureSurface& reaching) {
    EXPECT_EQ(reaching.drawn, everything.drawn);
    EXPECT_FALSE(reaching.drawn.empty());
    EXPECT_LT(reaching.lineCount(), everything.lineCount());
}

void run(test::RecordingSurface& surface, const Case& k) {
    test::FakeSettings fake;
    fake.field.widthText = k.width;
    fake.equi.step = k.increment;
    fake.streamSpeed.u = k.speed;
    const Settings settings = fake.settings();
    const Canvas canvas{surface, settings, fake.gauge};
    if (k.sink)
        EquipotentialSinkInStream(canvas, k.X, k.Y, k.Q);
    else
        EquipotentialSourceInStream(canvas, k.X, k.Y, k.Q);
}

// Every move and line in order, folded into one number.
class HashingSurface : public test::RecordingSurface {
  public:
    void moveTo(std::int64_t x, std::int64_t y) override { mix(test::Op::MoveTo, x, y); }
    void lineTo(std::int64_t x, std::int64_t y) override { mix(test::Op::LineTo, x, y); }
    std::uint64_t hash = 1469598103934665603ull;
    std::size_t count = 0;

  private:
    void mix(std::int64_t kind, std::int64_t x, std::int64_t y) {
        for (const std::int64_t v : {kind, x, y})
            hash = (hash ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
        ++count;
    }
};

TEST(SourceInStreamReachTest, WithoutAPictureEveryRadiusIsDrawnAsBefore) {
    // Drawings of the tracer that looked at every radius of every line.
    struct Known {
        Case k;
        std::size_t ops;
        std::uint64_t hash;
    };
    const Known known[] = {
        {{"800", 50, 1, 1500, 400, 300, false}, 47022, 0x970524ab54dc1e52ull},
        {{"800", 5, 1, 3000, 400, 300, true}, 475405, 0x51dc77f37c12aef3ull},
        {{"2000", 5, 3, 3000, 100, 300, false}, 2924700, 0xb4f7bfa9237f26ccull},
        {{"2000", 5, 10, 1000, 1900, 50, true}, 1768860, 0x56964f710f305119ull},
        {{"1500", 7, 2, 2000, -300, 700, false}, 1251078, 0xff6458f234480643ull},
        {{"1500", 5, 1, 3000, 1700, -100, true}, 1801772, 0xa74cc880e527b40aull},
    };
    for (const Known& known : known) {
        HashingSurface surface;
        run(surface, known.k);
        EXPECT_EQ(surface.count, known.ops) << known.k.X << " " << known.k.width;
        EXPECT_EQ(surface.hash, known.hash) << known.k.X << " " << known.k.width;
    }
}

TEST(SourceInStreamReachTest, WhatTouchesThePictureIsWhatEveryRadiusGives) {
    for (const Case& k :
         {Case{"800", 5, 1, 3000, 400, 300, false}, Case{"800", 5, 1, 3000, 400, 300, true},
          Case{"1200", 13, 4, 1000, 20, -50, false}, Case{"1200", 5, 10, 3000, 780, 650, true},
          Case{"1200", 50, 1, 1000, -200, 300, false}, Case{"1200", 5, 1, 1000, 1500, 300, true},
          Case{"2500", 13, 1, 3000, 0, 300, false}, Case{"2500", 5, 4, 3000, 780, 300, true}}) {
        SCOPED_TRACE(testing::Message() << k.X << " " << k.Y << " " << k.sink);
        PictureSurface everything(false);
        PictureSurface reaching(true);
        run(everything, k);
        run(reaching, k);
        expectSamePicture(everything, reaching);
    }
}

TEST(SpiralReachTest, WhatTouchesThePictureIsWhatTheWholeSpiralGives) {
    for (const Point centre : {Point{400, 300}, Point{-300, 900}, Point{20, 20}}) {
        test::FakeSettings fake;
        fake.field.widthText = fake.field.heightText = "16384";
        fake.vortexSource.q = 100;
        fake.vortexSource.gamma = 3000;
        const Settings settings = fake.settings();
        SCOPED_TRACE(testing::Message() << centre);
        PictureSurface everything(false);
        PictureSurface reaching(true);
        for (PictureSurface* surface : {&everything, &reaching})
            StreamVortexSource(Canvas{*surface, settings, fake.gauge}, static_cast<int>(centre.x),
                               static_cast<int>(centre.y), 10);
        expectSamePicture(everything, reaching);
    }
}

}  // namespace
}  // namespace flow
