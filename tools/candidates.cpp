#include "tools/candidates.h"

#include <cstring>

#include "core/fields.h"
#include "engine/seed_scan.h"

namespace {

constexpr int32_t kSeconds = 60;
constexpr uint32_t kFirstLow = 0x300;
constexpr uint32_t kLastLow = 0x1000;

size_t keep_raw_seed(const ScanHit& hit, char* out) {
    std::memcpy(out, &hit.raw_seed, sizeof hit.raw_seed);
    return sizeof hit.raw_seed;
}

bool take_candidates(void*, int32_t, const char* kept, size_t size, int64_t) {
    bool room = g_app.candidate_count < kMaxCandidates;
    for (size_t i = 0; i + sizeof(uint32_t) <= size && room; i += sizeof(uint32_t)) {
        uint32_t raw_seed;
        std::memcpy(&raw_seed, kept + i, sizeof raw_seed);
        room = add_candidate(raw_seed);
    }
    return room;
}

}  // namespace

bool add_candidate(uint32_t raw_seed) {
    AppState& a = g_app;
    if (a.candidate_count < kMaxCandidates) a.candidate_seeds[a.candidate_count++] = raw_seed;
    return a.candidate_count < kMaxCandidates;
}

void store_candidate_inputs(const CandidateTexts& t) {
    AppState& a = g_app;
    read_iv_fields(t.known_ivs, a.known_ivs);
    a.switch_on_month = clamp_int(field_int(t.switch_on[0], kSwitchOnMonthChars), 1, 12);
    a.switch_on_day = clamp_int(field_int(t.switch_on[1], kSwitchOnChars), 1, 31);
    a.switch_on_hour = clamp_int(field_int(t.switch_on[2], kSwitchOnChars), 0, 24);
    a.switch_on_minute = clamp_int(field_int(t.switch_on[3], kSwitchOnChars), 0, 59);
    const int32_t last = field_int(t.last_frame, kFrameChars);
    a.last_frame = last < 0 ? 0 : last;
}

void search_candidate_seeds() {
    AppState& a = g_app;
    a.candidate_count = 0;
    a.candidates_searched = true;
    // The top byte is (month x day + minute + second) mod 256: unsigned
    // arithmetic keeps it exact for any stored values.
    const uint32_t top_base = static_cast<uint32_t>(a.switch_on_month) * static_cast<uint32_t>(a.switch_on_day) +
                              static_cast<uint32_t>(a.switch_on_minute);
    ScanJob job{};
    job.block_count = 1;
    job.blocks[0] = {top_base, static_cast<uint32_t>(a.switch_on_hour), kFirstLow};
    job.tops = kSeconds;
    job.width = kLastLow - kFirstLow + 1;
    job.last_frame = a.last_frame;
    job.roaming = a.roaming;
    job.mac_offset = static_cast<uint32_t>(a.mac_offset);
    job.match_allowed = true;
    for (int32_t s = 0; s < kStatCount; ++s)
        job.allowed[s] = a.known_ivs[s] >= 0 && a.known_ivs[s] <= kMaxIv ? 1u << a.known_ivs[s] : 0;
    job.hit_bytes = sizeof(uint32_t);
    job.keep_hit = keep_raw_seed;
    job.take = take_candidates;
    job.kernel = a.scan_kernel;
    job.threads = a.scan_threads;
    run_scan(job);
}
