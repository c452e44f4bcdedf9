#include "rng/mt.h"

#include "app/app_state.h"

namespace {
constexpr int kMiddle = 397;                 // MT19937 middle distance
constexpr uint32_t kMatrixA = 0x9908B0DFu;   // twist matrix constant
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;

// One step of the regeneration: the upper bit of `upper` joined to the lower
// 31 bits of `lower`, shifted and mixed into `middle`, the word 397 places on.
inline uint32_t twist_word(uint32_t upper, uint32_t lower, uint32_t middle) {
    const uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
    return middle ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
}
}  // namespace

void mt_seed(uint32_t g) {
    uint32_t* w = g_app.mt;
    w[0] = g;
    for (uint32_t i = 1; i < kStateWords; ++i) w[i] = 1812433253u * (w[i - 1] ^ (w[i - 1] >> 30)) + i;
}

void mt_twist() {
    uint32_t* w = g_app.mt;
    // In place and in order, split where the indices wrap so that no modulo is
    // needed: words 227..623 use words 0..396 already renewed by this pass,
    // and word 623 uses the renewed word 0.
    constexpr int kSplit = kStateWords - kMiddle;  // 227
    for (int i = 0; i < kSplit; ++i) w[i] = twist_word(w[i], w[i + 1], w[i + kMiddle]);
    for (int i = kSplit; i < kStateWords - 1; ++i) w[i] = twist_word(w[i], w[i + 1], w[i - kSplit]);
    w[kStateWords - 1] = twist_word(w[kStateWords - 1], w[0], w[kMiddle - 1]);
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
