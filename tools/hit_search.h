// The hit around the target: after an attempt, the raw seeds and frames near
// the target whose IVs fit what the game showed, closest first.
#pragma once

#include <cstdint>
#include <vector>

#include "core/game.h"
#include "engine/scan_settings.h"
#include "tools/frame_match.h"

// Ranges as the stats window's fields give them: low offsets up to
// kMaxLowRange, second offsets up to kMaxSecondRange each way.
constexpr int32_t kMaxLowRange = 1000;
constexpr int32_t kMaxSecondRange = 10;
constexpr int32_t kMaxHits = 100;

// The hit search's fields as the windows hold them.
struct HitSearchTexts {
    const char* target_seed;   // hexadecimal, the main window's target
    const char* low_range;     // the stats window's 「下位±」
    const char* second_range;  // and 「秒±」
    const char* last_frame;    // the main window's candidate limit
};

struct HitSearchInputs {
    uint32_t target_seed;
    int32_t low_range;     // 0..kMaxLowRange
    int32_t second_range;  // 0..kMaxSecondRange
    int32_t last_frame;    // frames 0..last_frame, never past the final frame
    int32_t mac_offset;
    bool roaming;
    FrameMatch match;
    ScanSettings scan;
};

// The fields as one search reads them: the target, the ranges as atoi reads
// their first 4 characters clamped to 0..kMaxLowRange and 0..kMaxSecondRange,
// the last frame 0 or more, with the generator setting and the scan settings;
// every frame matches until the caller sets match.
HitSearchInputs read_hit_search_inputs(const HitSearchTexts& t, const GeneratorSetting& generator);

// One raw seed and frame that fits: low offset d and second offset s from the target.
struct Hit {
    uint32_t raw_seed;
    int32_t low_offset;
    int32_t second_offset;
    int32_t frame;
};

// Up to kMaxHits hits: for each second offset s in offset order, each low
// offset d in offset order, the raw seed whose top byte is the target's + s
// (mod 256), whose hour byte is the target's and whose low 16 bits are the
// target's + d (mod 65536), and each of its frames in order.
std::vector<Hit> search_hits(const HitSearchInputs& in);

// The hit as its list line (kHitLine) into buffer (256 bytes).
void format_hit_line(const Hit& hit, char* buffer);
