// Work on the rows of a picture shared between threads: each thread takes
// an equal run of rows, the first run on the calling thread.
#pragma once

#include <functional>

namespace flow::maps {

// Calls work(first, last) for the runs [first, last) of [0, rows) and
// returns when all are done.
void shareRows(int rows, int threads, const std::function<void(int, int)>& work);

}  // namespace flow::maps
