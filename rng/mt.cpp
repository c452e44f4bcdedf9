#include "rng/mt.h"

void mt_seed(uint32_t* w, uint32_t g) {
    w[0] = g;
    for (int32_t i = 1; i < kStateWords; ++i) w[i] = mt_seed_step(w[i - 1], static_cast<uint32_t>(i));
}

namespace {

// Regenerates all kStateWords words of w once, in place.
void mt_twist(uint32_t* w) {
    // In place and in order, split where the indices wrap so that no modulo is
    // needed: the words from kTwistSplit on mix in words 0.. already renewed
    // by this pass, and the last word mixes in the renewed word 0.
    for (int32_t i = 0; i < kTwistSplit; ++i) w[i] = mt_twist_step(w[i], w[i + 1], w[i + kMtMiddle]);
    for (int32_t i = kTwistSplit; i < kStateWords - 1; ++i) w[i] = mt_twist_step(w[i], w[i + 1], w[i - kTwistSplit]);
    w[kStateWords - 1] = mt_twist_step(w[kStateWords - 1], w[0], w[kMtMiddle - 1]);
}

}  // namespace

void prepare_generator(uint32_t* w, uint32_t raw_seed, uint32_t mac_offset) {
    mt_seed(w, raw_seed + mac_offset);
    mt_twist(w);
}
