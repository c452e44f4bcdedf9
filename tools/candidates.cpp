#include "tools/candidates.h"

#include "app/app_state.h"
#include "rng/frame.h"
#include "rng/mt.h"

namespace {
constexpr int32_t kSeconds = 60;
constexpr int32_t kLowFirst = 0x300;
constexpr int32_t kLowLast = 0x1000;
}  // namespace

uint32_t candidate_raw_seed(int32_t s, int32_t d) {
    const uint32_t top = static_cast<uint32_t>(g_app.switch_on_month * g_app.switch_on_day + g_app.switch_on_minute + s) & 0xFFu;
    return (top << 24) | (static_cast<uint32_t>(g_app.switch_on_hour) << 16) | static_cast<uint32_t>(d);
}

void collect_candidate_matches(uint32_t r) {
    // frames past the state's end have no IVs: the walk stops at 616 (roaming 615)
    const int32_t last = last_served_frame(g_app.frame_limit, g_app.roaming);
    for (int32_t f = 0; f <= last; ++f) {
        const IvSet s = read_iv_set(f, g_app.roaming);
        int i = 0;
        while (i < kStatCount && s.iv[i] == g_app.iv_thresholds[i]) ++i;
        if (i < kStatCount || g_app.candidate_count >= kMaxCandidates) continue;
        g_app.candidate_seeds[g_app.candidate_count++] = r;
    }
}

void search_candidate_seeds() {
    g_app.candidate_count = 0;
    for (int32_t s = 0; s < kSeconds; ++s) {
        for (int32_t d = kLowFirst; d <= kLowLast; ++d) {
            const uint32_t r = candidate_raw_seed(s, d);
            prepare_generator(r);
            collect_candidate_matches(r);
        }
    }
}
