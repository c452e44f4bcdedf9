// The searches every benchmark times, natively and under Wine: the window's
// default seed search and a candidate search that matches nowhere.
#pragma once

#include <cstdint>

#include "core/state.h"

namespace bench {

// Every kernel by name, the widest first; automatic takes the widest there is.
struct NamedKernel {
    const char* name;
    ScanKernel kernel;
};
constexpr NamedKernel kKernels[] = {
    {"automatic", kKernelAutomatic}, {"AVX-512", kKernelAvx512}, {"AVX2", kKernelAvx2}, {"SSE2", kKernelSse2}};

// Raw seeds of one seed search per low value: 24 hours x 256 top bytes.
constexpr double kSeedsPerLow = 24.0 * 256.0;
// Raw seeds of the default search: low values 0x600..0x1000.
constexpr double kDefaultSearchSeeds = 2561 * kSeedsPerLow;
// Raw seeds of the candidate search's window: 60 seconds x low values 0x300..0x1000.
constexpr double kCandidateSeeds = 199740;

// The search fields as the window starts: low 600..1000 (hex), frame limit
// 30, minimum IVs 31,31,31,0,31,31, no Hidden Power type, minimum power 30.
inline void set_default_search(int32_t low_min = 0x600, int32_t low_max = 0x1000, int32_t frame_limit = 30) {
    const int32_t iv[kStatCount] = {31, 31, 31, 0, 31, 31};
    for (int i = 0; i < kStatCount; ++i) g_app.iv_minimums[i] = iv[i];
    g_app.low_min = low_min;
    g_app.low_max = low_max;
    g_app.last_frame = frame_limit;
    g_app.hp_type_filter = -1;
    g_app.hp_min_power = 30;
    g_app.mac_offset = 0x123456;
    g_app.roaming = false;
}

// The candidate fields as the window starts (frame limit 20) with known IVs
// that match nowhere, so the whole window of 199,740 raw seeds is searched.
inline void set_default_candidates() {
    const int32_t iv[kStatCount] = {31, 30, 29, 28, 27, 26};
    for (int i = 0; i < kStatCount; ++i) g_app.known_ivs[i] = iv[i];
    g_app.switch_on_month = 6;
    g_app.switch_on_day = 15;
    g_app.switch_on_hour = 12;
    g_app.switch_on_minute = 30;
    g_app.last_frame = 20;
    g_app.mac_offset = 0x123456;
    g_app.roaming = false;
}

}  // namespace bench
