// Which generator outputs give which stat of a frame, and how far one
// prepared generator reaches.
#pragma once

#include <cstdint>

#include "core/game.h"

// Output of each stat of frame 0 in IvSet order (H, A, B, C, D, S); frame k
// reads k places further. Normal order: H..S from outputs 2..7. Roaming
// order: H, A, B, D, S from 3..7 and special attack, drawn last, from 8.
constexpr int32_t kFrameOffsets[2][kStatCount] = {{2, 3, 4, 5, 6, 7}, {3, 4, 5, 8, 6, 7}};

constexpr const int32_t* frame_offsets(bool roaming) { return kFrameOffsets[roaming ? 1 : 0]; }

// Lowest and highest output that frame 0 reads.
constexpr int32_t lowest_frame_offset(bool roaming) {
    int32_t m = frame_offsets(roaming)[0];
    for (int32_t s = 1; s < kStatCount; ++s) m = frame_offsets(roaming)[s] < m ? frame_offsets(roaming)[s] : m;
    return m;
}
constexpr int32_t highest_frame_offset(bool roaming) {
    int32_t m = frame_offsets(roaming)[0];
    for (int32_t s = 1; s < kStatCount; ++s) m = frame_offsets(roaming)[s] > m ? frame_offsets(roaming)[s] : m;
    return m;
}

// Highest frame one prepared generator serves: its last stat reads the last word.
constexpr int32_t final_frame(bool roaming) { return kStateWords - 1 - highest_frame_offset(roaming); }

// Last frame of a walk 0..last that stays inside the state.
constexpr int32_t last_served_frame(int32_t last, bool roaming) {
    return last < final_frame(roaming) ? last : final_frame(roaming);
}

// IvSet of frame k of the prepared generator state w. Requires 0 <= k <= final_frame.
IvSet read_iv_set(const uint32_t* w, int32_t k, bool roaming);
