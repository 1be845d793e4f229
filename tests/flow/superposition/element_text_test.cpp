#include "flow/superposition/element_text.h"

#include <gtest/gtest.h>

#include <numbers>

#include "flow/superposition/velocity_vector.h"

namespace flow::superposition {
namespace {

Element parsed(std::string_view text) {
    const auto result = parseElement(text);
    if (const auto* problem = std::get_if<std::string>(&result))
        ADD_FAILURE() << text << ": " << *problem;
    return std::get_if<Element>(&result) ? std::get<Element>(result) : Element{};
}

std::string problemOf(std::string_view text) {
    const auto result = parseElement(text);
    return std::holds_alternative<std::string>(result) ? std::get<std::string>(result)
                                                       : std::string("(accepted)");
}

TEST(ElementText, EveryKindParses) {
    struct Case {
        const char* text;
        ElementKind kind;
        double x, y, strength, circulation, angle;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"source,300,250,1500", ElementKind::Source, 300, 250, 1500, 0, 0},
             {"sink, 500 ,250,+1500", ElementKind::Sink, 500, 250, 1500, 0, 0},
             {"vortex,400,300,-800.5", ElementKind::Vortex, 400, 300, 0, -800.5, 0},
             {"dipole,400,300,62800,180", ElementKind::Dipole, 400, 300, 62800, 0, 180},
             {"vortex-source,10,20,-1000,1000", ElementKind::VortexSource, 10, 20, -1000, 1000, 0},
             {"stream,2,-30", ElementKind::Stream, 0, 0, 2, 0, -30},
             {"source,-5000,1e4,0", ElementKind::Source, -5000, 10000, 0, 0, 0},
         }) {
        const Element e = parsed(c.text);
        EXPECT_EQ(e.kind, c.kind) << c.text;
        EXPECT_EQ(e.x, c.x) << c.text;
        EXPECT_EQ(e.y, c.y) << c.text;
        EXPECT_EQ(e.strength, c.strength) << c.text;
        EXPECT_EQ(e.circulation, c.circulation) << c.text;
        EXPECT_EQ(e.angle, c.angle) << c.text;
        EXPECT_EQ(kindNamed(kindName(c.kind)), c.kind);
    }
}

TEST(ElementText, ProblemsAreOneLineAndNameTheFault) {
    const std::string unknown =
        "»: ожидался source, sink, vortex, dipole, vortex-source или stream";
    const std::pair<std::string, std::string> cases[] = {
        {"whirl,1,2,3", "неизвестный элемент «whirl" + unknown},
        {"", "неизвестный элемент «" + unknown},
        {"source,1,2", "«source,1,2»: ожидалось source,X,Y,Q"},
        {"stream,1,2,3", "«stream,1,2,3»: ожидалось stream,U,ANGLE"},
        {"dipole,1,2,x,0", "«dipole,1,2,x,0»: «x» не число (ожидалось dipole,X,Y,M,ANGLE)"},
        {"vortex,1,2,", "«vortex,1,2,»: «» не число (ожидалось vortex,X,Y,Г)"},
        {"vortex,1,2,nan", "«vortex,1,2,nan»: «nan» не число (ожидалось vortex,X,Y,Г)"},
        {"source,1,2,3 4", "«source,1,2,3 4»: «3 4» не число (ожидалось source,X,Y,Q)"},
        {"sink,1,2,-5", "«sink,1,2,-5»: Q: -5 вне пределов 0..1000000"},
        {"source,2e6,0,5", "«source,2e6,0,5»: x: 2000000 вне пределов -1000000..1000000"},
        {"stream,1,361", "«stream,1,361»: угол: 361 вне пределов -360..360"},
        // Quoted short, control characters and stray bytes shown, a letter kept whole.
        {"ж\n\x7f\xff" + std::string(70, 'a'),
         "неизвестный элемент «ж\\n\\x7F\\xFF" + std::string(56, 'a') + "…" + unknown},
    };
    for (const auto& [text, problem] : cases) EXPECT_EQ(problemOf(text), problem) << text;
}

TEST(ElementText, RangesFollowTheKind) {
    EXPECT_FALSE(elementProblem(vortexSource(0, 0, -1000, -2000)));
    EXPECT_TRUE(elementProblem(source(0, 0, -1)));
    EXPECT_TRUE(elementProblem(dipole(0, 0, -1, 0)));
    EXPECT_TRUE(elementProblem(stream(kMaxSpeed + 1, 0)));
    Element far = stream(1, 0);
    far.y = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(elementProblem(far));
    EXPECT_TRUE(hasPosition(ElementKind::Dipole) && !hasPosition(ElementKind::Stream));
    EXPECT_TRUE(hasCirculation(ElementKind::VortexSource) && !hasStrength(ElementKind::Vortex));
}

// The velocity click's numbers: a stream to the right with a source behind
// it, nothing at the source itself or where nothing flows.
TEST(SuperpositionVelocity, NumbersOfTheSum) {
    const std::vector<Element> halfBody{source(400, 300, 2 * std::numbers::pi * 100), stream(1, 0)};
    const auto ahead = velocityNumbersAt(halfBody, {500, 300});
    ASSERT_TRUE(ahead);
    EXPECT_NEAR(ahead->vx, 2, 1e-3);  // the source adds Q / (2 pi r) = 1
    EXPECT_NEAR(ahead->vy, 0, 1e-9);
    EXPECT_NEAR(ahead->angle, 0, 1e-6);
    const auto above = velocityNumbersAt(halfBody, {400, 200});
    ASSERT_TRUE(above);
    EXPECT_NEAR(above->vy, 1, 1e-3);  // upwards on the screen
    EXPECT_NEAR(above->angle, 45, 1e-3);
    EXPECT_FALSE(velocityNumbersAt(halfBody, {400, 300}));
    EXPECT_FALSE(velocityNumbersAt({source(1, 1, 0)}, {400, 300}));
    // The stagnation point of the half-body: no velocity to draw.
    EXPECT_FALSE(velocityNumbersAt(halfBody, {300, 300}));
}

}  // namespace
}  // namespace flow::superposition
