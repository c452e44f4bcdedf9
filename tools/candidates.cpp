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

bool take_candidates(void* context, int32_t, const char* kept, size_t size, int64_t) {
    auto* list = static_cast<CandidateList*>(context);
    bool room = list->count < kMaxCandidates;
    for (size_t i = 0; i + sizeof(uint32_t) <= size && room; i += sizeof(uint32_t)) {
        uint32_t raw_seed;
        std::memcpy(&raw_seed, kept + i, sizeof raw_seed);
        room = add_candidate(list, raw_seed);
    }
    return room;
}

}  // namespace

bool add_candidate(CandidateList* list, uint32_t raw_seed) {
    if (list->count < kMaxCandidates) list->seeds[list->count++] = raw_seed;
    return list->count < kMaxCandidates;
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

CandidateInputs candidate_inputs() {
    const AppState& a = g_app;
    CandidateInputs in{a.switch_on_month, a.switch_on_day, a.switch_on_hour, a.switch_on_minute, {},
                       a.last_frame,      a.mac_offset,    a.roaming,        g_scan_settings};
    for (int32_t s = 0; s < kStatCount; ++s) in.match.allowed[s] = uint32_t{1} << a.known_ivs[s];
    return in;
}

CandidateList search_candidate_seeds(const CandidateInputs& in) {
    CandidateList list{};
    list.searched = true;
    // The top byte is (month x day + minute + second) mod 256: unsigned
    // arithmetic keeps it exact for any stored values.
    const uint32_t top_base = static_cast<uint32_t>(in.switch_on_month) * static_cast<uint32_t>(in.switch_on_day) +
                              static_cast<uint32_t>(in.switch_on_minute);
    ScanJob job{};
    job.block_count = 1;
    job.blocks[0] = {top_base, static_cast<uint32_t>(in.switch_on_hour), kFirstLow};
    job.tops = kSeconds;
    job.width = kLastLow - kFirstLow + 1;
    set_frames(&job, in.match, in.last_frame, in.mac_offset, in.roaming);
    job.hit_bytes = sizeof(uint32_t);
    job.keep_hit = keep_raw_seed;
    job.take = take_candidates;
    job.context = &list;
    job.kernel = in.scan.kernel;
    job.threads = in.scan.threads;
    run_scan(job);
    return list;
}
