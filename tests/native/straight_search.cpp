#include "tests/native/straight_search.h"

#include "app/app_state.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

namespace {

// Power first, then the type filter, then the minimum IVs, as the search tests them.
bool passes_search_tests(const IvSet& s, int32_t* power) {
    const int32_t p = hidden_power_power_of(s);
    if (p < g_app.hp_min_power) return false;
    if (g_app.hp_type_filter != -1 && hidden_power_type_of(s) != g_app.hp_type_filter) return false;
    for (int i = 0; i < kStatCount; ++i)
        if (s.iv[i] < g_app.iv_thresholds[i]) return false;
    *power = p;
    return true;
}

void write_search_hit(TextWriter* out, uint32_t r, int32_t f, const IvSet& s, int32_t power) {
    char name[256];
    hidden_power_type_name(hidden_power_type_of(s), name);
    write_line(out, "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d\n", static_cast<unsigned>(r), f, s.iv[kH], s.iv[kA], s.iv[kB],
               s.iv[kC], s.iv[kD], s.iv[kS], name, power);
}

}  // namespace

int64_t straight_seed_search_part(TextWriter* out, int32_t hour, int32_t first_top, int32_t last_top) {
    const int32_t last = last_served_frame(g_app.frame_limit, g_app.roaming);
    int64_t lines = 0;
    for (int32_t t = first_top; t <= last_top; ++t) {
        for (int32_t w = g_app.low_min; w <= g_app.low_max; ++w) {
            const uint32_t r = (static_cast<uint32_t>(t) << 24) | (static_cast<uint32_t>(hour) << 16) |
                               static_cast<uint32_t>(w);
            prepare_generator(r);
            for (int32_t f = 0; f <= last; ++f) {
                const IvSet s = read_iv_set(f, g_app.roaming);
                int32_t power;
                if (!passes_search_tests(s, &power)) continue;
                write_search_hit(out, r, f, s, power);
                ++lines;
            }
        }
    }
    return lines;
}

int64_t straight_seed_search(TextWriter* out, HourStarted hour_started) {
    int64_t lines = 0;
    for (int32_t h = 0; h < 24; ++h) {
        hour_started(h, lines);
        lines += straight_seed_search_part(out, h, 0, 255);
    }
    return lines;
}

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

int32_t straight_candidate_seeds(uint32_t* seeds, int32_t max) {
    g_app.candidate_count = 0;
    for (int32_t s = 0; s < 60; ++s) {
        for (int32_t d = 0x300; d <= 0x1000; ++d) {
            const uint32_t r = candidate_raw_seed(s, d);
            prepare_generator(r);
            collect_candidate_matches(r);
        }
    }
    // the list keeps the first twenty; a shorter list is their first entries
    const int32_t count = g_app.candidate_count < max ? g_app.candidate_count : max;
    for (int32_t n = 0; n < count; ++n) seeds[n] = g_app.candidate_seeds[n];
    return count;
}
