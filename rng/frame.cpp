#include "rng/frame.h"

#include <cstdlib>

#include "rng/mt.h"

IvSet read_iv_set(const uint32_t* w, int32_t k, bool roaming) {
    // A frame past the state would read words that do not exist; callers bound
    // their walks with last_served_frame, so this is a programming error.
    if (k < 0 || k > final_frame(roaming)) std::abort();
    const int32_t* offset = frame_offsets(roaming);
    IvSet s;
    for (int32_t i = 0; i < kStatCount; ++i) s.iv[i] = iv_of_word(w[k + offset[i]]);
    return s;
}
