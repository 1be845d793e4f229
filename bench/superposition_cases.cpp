#include "superposition_cases.h"

#include <cmath>
#include <random>

namespace bench {

namespace sp = flow::superposition;

namespace {
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
}  // namespace

std::vector<sp::Element> tenElements() {
    return {sp::stream(1, 0),
            sp::source(200, 250, 1500),
            sp::source(300, 420, 900),
            sp::sink(600, 300, 1500),
            sp::sink(450, 150, 700),
            sp::vortex(380, 300, 800),
            sp::vortex(650, 480, -600),
            sp::dipole(120, 120, 60000, 30),
            sp::vortexSource(520, 420, 1000, 400),
            sp::source(700, 120, 600)};
}

std::vector<sp::Element> hundredElements() {
    std::mt19937 random(100);
    std::uniform_real_distribution<double> x(0, kPictureWidth), y(0, kPictureHeight),
        q(-2000, 2000);
    std::vector<sp::Element> elements{sp::stream(1, 15)};
    for (int i = 1; i < 100; ++i) {
        const double px = x(random), py = y(random), s = q(random);
        elements.push_back(i % 3 == 0   ? sp::vortex(px, py, s)
                           : i % 3 == 1 ? sp::source(px, py, std::abs(s))
                                        : sp::sink(px, py, std::abs(s)));
    }
    return elements;
}

}  // namespace bench
