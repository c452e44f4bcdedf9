// The searches every benchmark times, natively and under Wine: the window's
// default seed search and a candidate search that matches nowhere.
#pragma once

#include <cstdint>

#include "engine/scan_settings.h"
#include "tools/candidates.h"
#include "tools/seed_search.h"

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
inline SeedSearchInputs default_search(int32_t low_min = 0x600, int32_t low_max = 0x1000, int32_t frame_limit = 30,
                                       ScanSettings scan = {}) {
    SeedSearchInputs in{{31, 31, 31, 0, 31, 31}, low_min, low_max, frame_limit, -1, 30, 0x123456, false, scan, Language::kJapanese, 0,
                        nullptr, nullptr};
    return in;
}

// Known IVs that match nowhere, so the whole window of 199,740 raw seeds is searched.
constexpr int32_t kNowhereIvs[kStatCount] = {31, 30, 29, 28, 27, 26};

// The candidate fields as the window starts (frame limit 20) with kNowhereIvs.
inline CandidateInputs default_candidates(ScanSettings scan = {}) {
    CandidateInputs in{6, 15, 12, 30, {}, 20, 0x123456, false, scan};
    for (int i = 0; i < kStatCount; ++i) in.match.allowed[i] = uint32_t{1} << kNowhereIvs[i];
    return in;
}

}  // namespace bench
