// Which generator outputs give which stat of a frame.
#pragma once

#include <cstdint>

#include "app/app_state.h"

// Highest frame one prepared generator can serve in the given order.
inline int32_t last_frame(bool roaming) { return roaming ? kLastFrameRoaming : kLastFrameNormal; }

// Last frame of a walk 0..limit that stays inside the state: min(limit, last_frame).
inline int32_t last_served_frame(int32_t limit, bool roaming) {
    return limit < last_frame(roaming) ? limit : last_frame(roaming);
}

// IvSet of frame k: normal order reads outputs k+2..k+7 as H,A,B,C,D,S;
// roaming order reads k+3..k+8 as H,A,B,D,S,C. Requires 0 <= k <= last_frame.
IvSet read_iv_set(int32_t k, bool roaming);
