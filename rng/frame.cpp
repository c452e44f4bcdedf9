#include "rng/frame.h"

#include <cstdlib>

#include "rng/mt.h"

IvSet read_iv_set(int32_t k, bool roaming) {
    // A frame past the state would read words that do not exist; callers bound
    // their walks with last_served_frame, so this is a programming error.
    if (k < 0 || k > last_frame(roaming)) std::abort();
    const uint32_t* w = g_app.mt;
    IvSet s;
    if (!roaming) {
        for (int i = 0; i < kStatCount; ++i) s.iv[i] = iv_of_word_short(w[k + 2 + i]);
    } else {
        s.iv[kH] = iv_of_word_short(w[k + 3]);
        s.iv[kA] = iv_of_word_short(w[k + 4]);
        s.iv[kB] = iv_of_word_short(w[k + 5]);
        s.iv[kD] = iv_of_word_short(w[k + 6]);
        s.iv[kS] = iv_of_word_short(w[k + 7]);
        s.iv[kC] = iv_of_word_short(w[k + 8]);  // special attack is drawn last
    }
    return s;
}
