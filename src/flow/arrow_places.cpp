#include "flow/arrow_places.h"

namespace flow {

namespace {

constexpr double kFirstArrow = 100;  // arc length to the first arrowhead, pixels
constexpr double kArrowSpacing = 200;
constexpr double kShortestArrowed = 40;  // shorter curves get none

}  // namespace

void forEachArrowPlace(std::size_t count, const std::function<double(std::size_t)>& chord,
                       const std::function<void(std::size_t, double)>& place) {
    double length = 0;
    for (std::size_t k = 1; k < count; ++k) length += chord(k);
    if (length < kShortestArrowed) return;
    double next = length < kFirstArrow ? length / 2 : kFirstArrow;
    double walked = 0;
    for (std::size_t k = 1; k < count; ++k) {
        const double c = chord(k);
        for (; c > 0 && walked + c >= next; next += kArrowSpacing) place(k, (next - walked) / c);
        walked += c;
    }
}

}  // namespace flow
