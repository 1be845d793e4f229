#include "flow/vector_state.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

namespace flow {

namespace {

__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}

bool hasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}  // namespace

void clearUpperVectorState() {
    static const bool avx = hasAvx();
    if (avx) zeroUpperHalves();
}

}  // namespace flow

#else

namespace flow {

void clearUpperVectorState() {}

}  // namespace flow

#endif
