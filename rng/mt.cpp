#include "rng/mt.h"

#include "app/app_state.h"

namespace {
constexpr int kMiddle = 397;                 // MT19937 middle distance
constexpr uint32_t kMatrixA = 0x9908B0DFu;   // twist matrix constant
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;
}  // namespace

void mt_seed(uint32_t g) {
    uint32_t* w = g_app.mt;
    w[0] = g;
    for (uint32_t i = 1; i < kStateWords; ++i) w[i] = 1812433253u * (w[i - 1] ^ (w[i - 1] >> 30)) + i;
}

void mt_twist() {
    uint32_t* w = g_app.mt;
    // In place and in order: words 227..623 use words 0..396 already renewed.
    for (int i = 0; i < kStateWords; ++i) {
        const uint32_t y = (w[i] & kUpperMask) | (w[(i + 1) % kStateWords] & kLowerMask);
        w[i] = w[(i + kMiddle) % kStateWords] ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
    }
}

void prepare_generator(uint32_t raw_seed) {
    mt_seed(raw_seed + static_cast<uint32_t>(g_app.mac_offset));
    mt_twist();
}

int32_t iv_of_word(uint32_t x) {
    uint32_t y = x ^ (x >> 11);
    y ^= (y << 7) & 0x9D2C5680u;
    const uint32_t z = y ^ ((y << 15) & 0xEFC60000u);
    // the final z ^ (z >> 18) step touches no bit above 13, so it is left out
    return static_cast<int32_t>(z >> 27);
}
