#include "tools/seed_search.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "core/fields.h"
#include "core/platform.h"
#include "core/text_file.h"
#include "core/version.h"
#include "engine/seed_scan.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"

namespace {

constexpr char kResultFile[] = "result.txt";
constexpr int32_t kHours = 24;
constexpr uint64_t kTopBytes = 256;
// Longest hit line: "FFFFFFFF,616,31,31,31,31,31,31," + a type name of 8 bytes + ",70\r\n".
constexpr size_t kHitLineBytes = 48;

// The title while hour h runs: the hour and the lines of the hours before it.
void show_hour_progress(int32_t hour, int64_t lines) {
    char title[256];
    std::snprintf(title, sizeof title, "%d時計算中 候補:%" PRId64 "個", hour, lines);
    set_main_title(title);
}

char* put_small(char* p, int32_t v) {
    if (v >= 100) *p++ = static_cast<char>('0' + v / 100);
    if (v >= 10) *p++ = static_cast<char>('0' + v / 10 % 10);
    *p++ = static_cast<char>('0' + v % 10);
    return p;
}

// One hit line as "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d" writes it, with CR LF.
size_t format_hit(const ScanHit& hit, char* out) {
    static const char kHex[] = "0123456789ABCDEF";
    char* p = out;
    for (int32_t shift = 28; shift >= 0; shift -= 4) *p++ = kHex[(hit.raw_seed >> shift) & 15u];
    *p++ = ',';
    p = put_small(p, hit.frame);
    for (int32_t s = 0; s < kStatCount; ++s) {
        *p++ = ',';
        p = put_small(p, hit.ivs.iv[s]);
    }
    *p++ = ',';
    const char* name = hidden_power_type_text(hidden_power_type_of(hit.ivs));
    const size_t length = std::strlen(name);
    std::memcpy(p, name, length);
    p += length;
    *p++ = ',';
    p = put_small(p, hidden_power_power_of(hit.ivs));
    *p++ = '\r';
    *p++ = '\n';
    return static_cast<size_t>(p - out);
}

struct SearchProgress {
    OutputFile* out;
    int32_t hours_shown;
    int64_t lines;
};

bool take_lines(void* context, int32_t hour, const char* lines, size_t size, int64_t count) {
    auto* progress = static_cast<SearchProgress*>(context);
    // the title of an hour is set before its first line is written
    while (progress->hours_shown <= hour) show_hour_progress(progress->hours_shown++, progress->lines);
    write_bytes(&progress->out->text, lines, size);
    progress->lines += count;
    return true;
}

}  // namespace

void store_seed_search_inputs(const SeedSearchTexts& t) {
    AppState& a = g_app;
    read_iv_fields(t.ivs, a.iv_minimums);
    a.low_min = clamp_int(field_hex(t.low_min, kLowValueChars), 0, 0xFFFF);
    a.low_max = clamp_int(field_hex(t.low_max, kLowValueChars), 0, 0xFFFF);
    a.last_frame = clamp_int(field_int(t.last_frame, kFrameChars), 0, final_frame(false));
    a.hp_type_filter = t.type_entry - 1;
    a.hp_min_power = clamp_int(field_int(t.min_power, kPowerChars), kLowestPower, kHighestPower);
}

int64_t run_seed_search() {
    const AppState& a = g_app;
    OutputFile out;
    if (!begin_output(&out, kResultFile, "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\n")) return 0;

    // the lines follow the loops: hour, top byte, low value, frame
    ScanJob job{};
    job.block_count = kHours;
    for (int32_t h = 0; h < kHours; ++h) job.blocks[h] = {0, static_cast<uint32_t>(h), static_cast<uint32_t>(a.low_min)};
    const int64_t width = static_cast<int64_t>(a.low_max) - a.low_min + 1;
    job.tops = kTopBytes;
    job.width = width > 0 ? static_cast<uint64_t>(width) : 0;
    job.last_frame = a.last_frame;
    job.roaming = a.roaming;
    job.mac_offset = static_cast<uint32_t>(a.mac_offset);
    job.exact = false;
    for (int32_t s = 0; s < kStatCount; ++s) job.ivs[s] = a.iv_minimums[s];
    job.min_power = a.hp_min_power;
    job.type_filter = a.hp_type_filter;
    job.hit_bytes = kHitLineBytes;
    job.keep_hit = format_hit;
    SearchProgress progress{&out, 0, 0};
    job.take = take_lines;
    job.context = &progress;
    run_scan(job);
    // every hour is shown, also those that had nothing to scan
    while (progress.hours_shown < kHours) show_hour_progress(progress.hours_shown++, progress.lines);

    set_main_title(kMainTitle);
    end_output(&out);
    return progress.lines;
}
