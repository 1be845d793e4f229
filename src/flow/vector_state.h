// The program is built for plain SSE. On processors with AVX, such code runs
// up to two and a half times slower while the upper halves of the vector
// registers hold data, and some of Qt's drawing helpers (filling a picture,
// drawing a batch of lines) return leaving them so. Clearing them before a
// run and after each such call keeps the flow routines at full speed.
#pragma once

namespace flow {

// Clears the upper halves of the vector registers where the processor has
// them; does nothing elsewhere.
void clearUpperVectorState();

}  // namespace flow
