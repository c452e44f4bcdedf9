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

// Appends one raw seed found, in loop order, while the list has room; false
// once it is full (nothing found later can change it).
bool add_candidate(CandidateList* list, uint32_t raw_seed) {
    if (list->count < kMaxCandidates) list->seeds[list->count++] = raw_seed;
    return list->count < kMaxCandidates;
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

CandidateInputs read_candidate_inputs(const CandidateTexts& t, const GeneratorSetting& generator) {
    CandidateInputs in{};
    in.switch_on_month = clamp_int(field_int(t.switch_on[0], kSwitchOnMonthChars), 1, 12);
    in.switch_on_day = clamp_int(field_int(t.switch_on[1], kSwitchOnChars), 1, 31);
    in.switch_on_hour = clamp_int(field_int(t.switch_on[2], kSwitchOnChars), 0, 24);
    in.switch_on_minute = clamp_int(field_int(t.switch_on[3], kSwitchOnChars), 0, 59);
    int32_t known[kStatCount];
    read_iv_fields(t.known_ivs, known);
    for (int32_t s = 0; s < kStatCount; ++s) in.match.allowed[s] = uint32_t{1} << known[s];
    in.last_frame = read_last_frame(t.last_frame);
    in.mac_offset = generator.mac_offset;
    in.roaming = generator.roaming;
    in.scan = g_scan_settings;
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
