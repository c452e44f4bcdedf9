#include "tools/hit_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/fields.h"
#include "core/texts.h"
#include "engine/seed_scan.h"

namespace {

// The offsets in the order 0, -1, +1, -2, +2, ...: rank 0, 1, 2, 3, 4, ...
constexpr int32_t offset_rank(int32_t offset) { return offset == 0 ? 0 : offset < 0 ? -2 * offset - 1 : 2 * offset; }
constexpr int32_t offset_of_rank(int32_t rank) { return rank % 2 == 1 ? -(rank + 1) / 2 : rank / 2; }

struct KeptHit {
    uint32_t raw_seed;
    int32_t frame;
};

size_t keep_seed_and_frame(const ScanHit& hit, char* out) {
    const KeptHit kept{hit.raw_seed, hit.frame};
    std::memcpy(out, &kept, sizeof kept);
    return sizeof kept;
}

// The hits kept so far: those of the blocks (second offsets) already complete
// in `done`, ordered; of the block under way in `current`, only the ones that
// can still be among the first kMaxHits, as a heap whose top is the last of them.
struct Gathered {
    const HitSearchInputs* in;
    std::vector<Hit> done;
    std::vector<Hit> current;
    int32_t current_block = 0;
};

int32_t low_offset_of(uint32_t raw_seed, uint32_t target) {
    return static_cast<int16_t>(static_cast<uint16_t>((raw_seed & 0xFFFFu) - (target & 0xFFFFu)));
}

// The list's order within one second offset: low offset in offset order, then
// frame (one low offset is one raw seed, whose frames come in order).
bool listed_before(const Hit& a, const Hit& b) {
    const int32_t ra = offset_rank(a.low_offset), rb = offset_rank(b.low_offset);
    return ra != rb ? ra < rb : a.frame < b.frame;
}

// Puts the block under way in its order after the earlier ones.
void close_block(Gathered* g) {
    std::sort_heap(g->current.begin(), g->current.end(), listed_before);
    g->done.insert(g->done.end(), g->current.begin(), g->current.end());
    g->current.clear();
}

// Keeps h if it is among the first kMaxHits of the list, whatever comes later in the block.
void keep_if_listed(Gathered* g, const Hit& h) {
    const size_t room = static_cast<size_t>(kMaxHits) - g->done.size();
    if (g->current.size() == room) {
        if (room == 0 || !listed_before(h, g->current.front())) return;
        std::pop_heap(g->current.begin(), g->current.end(), listed_before);
        g->current.pop_back();
    }
    g->current.push_back(h);
    std::push_heap(g->current.begin(), g->current.end(), listed_before);
}

bool take_hits(void* context, int32_t block, const char* kept, size_t size, int64_t) {
    auto* g = static_cast<Gathered*>(context);
    if (block != g->current_block) {
        close_block(g);
        g->current_block = block;
        // the blocks come in second-offset order: a full list no later block changes
        if (static_cast<int32_t>(g->done.size()) == kMaxHits) return false;
    }
    const int32_t s = offset_of_rank(block);
    for (size_t i = 0; i + sizeof(KeptHit) <= size; i += sizeof(KeptHit)) {
        KeptHit k;
        std::memcpy(&k, kept + i, sizeof k);
        keep_if_listed(g, {k.raw_seed, low_offset_of(k.raw_seed, g->in->target_seed), s, k.frame});
    }
    return true;
}

}  // namespace

std::vector<Hit> search_hits(const HitSearchInputs& in) {
    ScanJob job{};
    const int32_t low_range = std::clamp(in.low_range, 0, kMaxLowRange);
    const int32_t second_range = std::clamp(in.second_range, 0, kMaxSecondRange);
    const uint32_t top = in.target_seed >> 24;
    const uint32_t hour = (in.target_seed >> 16) & 0xFFu;
    const uint32_t first_low = (in.target_seed - static_cast<uint32_t>(low_range)) & 0xFFFFu;
    // one block per second offset, in offset order: 0, -1, +1, ...
    job.block_count = 2 * second_range + 1;
    for (int32_t b = 0; b < job.block_count; ++b) {
        job.blocks[b] = {(top + static_cast<uint32_t>(offset_of_rank(b))) & 0xFFu, hour, first_low};
    }
    job.tops = 1;
    job.width = static_cast<uint64_t>(2 * low_range + 1);
    set_frames(&job, in.match, in.last_frame, in.mac_offset, in.roaming);
    job.hit_bytes = sizeof(KeptHit);
    job.keep_hit = keep_seed_and_frame;
    Gathered gathered{&in, {}, {}, 0};
    job.take = take_hits;
    job.context = &gathered;
    job.kernel = in.scan.kernel;
    job.threads = in.scan.threads;
    run_scan(job);
    close_block(&gathered);
    return gathered.done;
}

HitSearchInputs read_hit_search_inputs(const HitSearchTexts& t, const GeneratorSetting& generator) {
    HitSearchInputs in{};
    in.target_seed = field_hex_unsigned(t.target_seed, kWholeFieldChars);
    in.low_range = clamp_int(field_int(t.low_range, kRangeChars), 0, kMaxLowRange);
    in.second_range = clamp_int(field_int(t.second_range, kRangeChars), 0, kMaxSecondRange);
    in.last_frame = read_last_frame(t.last_frame);
    in.mac_offset = generator.mac_offset;
    in.roaming = generator.roaming;
    for (uint32_t& allowed : in.match.allowed) allowed = ~uint32_t{0};
    in.scan = g_scan_settings;
    return in;
}

void format_hit_line(const Hit& hit, char* buffer) {
    std::snprintf(buffer, 256, tr(TextId::kHitLine), static_cast<unsigned>(hit.raw_seed), hit.low_offset,
                  hit.second_offset, hit.frame);
}
