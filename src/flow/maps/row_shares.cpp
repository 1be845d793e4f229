#include "flow/maps/row_shares.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace flow::maps {

void shareRows(int rows, int threads, const std::function<void(int, int)>& work) {
    const int shares = std::clamp(threads, 1, std::max(rows, 1));
    std::vector<std::jthread> helpers;
    for (int s = 1; s < shares; ++s)
        helpers.emplace_back(work, rows * s / shares, rows * (s + 1) / shares);
    work(0, rows / shares);
}

}  // namespace flow::maps
