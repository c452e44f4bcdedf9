#include "tools/seed_search.h"

#include <array>
#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "core/fields.h"
#include "core/texts.h"
#include "core/platform.h"
#include "core/version.h"
#include "engine/seed_scan.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "tools/output_file.h"

namespace {

constexpr char kResultFile[] = "result.txt";
// result.txt past this asks the player first: nobody writes 17 GiB by accident.
// Whole GiB, as the question names it.
constexpr uint64_t kSearchGuardBytes = uint64_t{1} << 30;
static_assert(kSearchGuardBytes % (uint64_t{1} << 30) == 0, "the question says whole GB");
constexpr int32_t kHours = 24;
constexpr uint64_t kTopBytes = 256;
// Longest hit line: "FFFFFFFF,616,31,31,31,31,31,31," + the longest type name + ",70\r\n".
constexpr size_t kHitLineBytes = sizeof "FFFFFFFF,616,31,31,31,31,31,31," - 1 + longest_type_name() + sizeof ",70\r\n" - 1;

// The title while hour h runs: the hour and the lines of the hours before it.
void show_hour_progress(int32_t hour, int64_t lines) {
    char title[256];
    std::snprintf(title, sizeof title, tr(TextId::kSearchProgress), hour, static_cast<long long>(lines));
    set_main_title(title);
}

char* put_small(char* p, int32_t v) {
    if (v >= 100) *p++ = static_cast<char>('0' + v / 100);
    if (v >= 10) *p++ = static_cast<char>('0' + v / 10 % 10);
    *p++ = static_cast<char>('0' + v % 10);
    return p;
}

// The type names with their lengths, measured once, by language.
struct TypeText {
    const char* text;
    size_t length;
};
const TypeText* type_texts(Language language) {
    static const auto texts = [] {
        std::array<std::array<TypeText, kHiddenPowerTypes>, kLanguageCount> t{};
        for (int32_t l = 0; l < kLanguageCount; ++l) {
            for (int32_t type = 0; type < kHiddenPowerTypes; ++type) {
                const char* name = hidden_power_type_text(type, static_cast<Language>(l));
                t[l][type] = {name, std::strlen(name)};
            }
        }
        return t;
    }();
    return texts[static_cast<int>(language)].data();
}

// One hit line as "%08X,%d,%d,%d,%d,%d,%d,%d,%s,%d" writes it, with CR LF.
size_t format_hit(const ScanHit& hit, const TypeText* types, char* out) {
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
    const TypeText& name = types[hidden_power_type_of(hit.ivs)];
    std::memcpy(p, name.text, name.length);
    p += name.length;
    *p++ = ',';
    p = put_small(p, hidden_power_power_of(hit.ivs));
    *p++ = '\r';
    *p++ = '\n';
    return static_cast<size_t>(p - out);
}

// The engine keeps hits through a plain function: one per language.
template <Language kLanguage>
size_t format_hit_in(const ScanHit& hit, char* out) {
    static const TypeText* const kTypes = type_texts(kLanguage);
    return format_hit(hit, kTypes, out);
}

struct SearchProgress {
    OutputFile* out;
    uint64_t guard_bytes;
    int32_t hours_shown;
    int64_t lines;
    bool asked;    // the player has agreed to a result.txt past the guard
    bool refused;  // the player said no
};

// Asks whether result.txt may pass the shipped guard, saying how many lines it has.
bool player_allows_large_result(int64_t lines) {
    char question[256];
    std::snprintf(question, sizeof question, tr(TextId::kResultPassesSize),
                  static_cast<unsigned long long>(kSearchGuardBytes >> 30), static_cast<long long>(lines));
    return ask_yes_no(question);
}

bool take_lines(void* context, int32_t hour, const char* lines, size_t size, int64_t count) {
    auto* progress = static_cast<SearchProgress*>(context);
    TextWriter& text = progress->out->text;
    // the title of an hour is set before its first line is written
    while (progress->hours_shown <= hour) show_hour_progress(progress->hours_shown++, progress->lines);
    if (!progress->asked && text.written + size > progress->guard_bytes) {
        progress->asked = true;
        if (!player_allows_large_result(progress->lines)) {
            progress->refused = true;
            return false;
        }
    }
    write_bytes(&text, lines, size);
    progress->lines += count;
    return !text.failed;  // the first failed write ends the search
}

}  // namespace

SeedSearchInputs read_seed_search_inputs(const SeedSearchTexts& t, const GeneratorSetting& generator) {
    SeedSearchInputs in{};
    read_iv_fields(t.ivs, in.iv_minimums);
    in.low_min = clamp_int(field_hex(t.low_min, kLowValueChars), 0, 0xFFFF);
    in.low_max = clamp_int(field_hex(t.low_max, kLowValueChars), 0, 0xFFFF);
    in.last_frame = clamp_int(field_int(t.last_frame, kFrameChars), 0, final_frame(false));
    in.hp_type_filter = t.type_entry - 1;
    in.hp_min_power = clamp_int(field_int(t.min_power, kPowerChars), kLowestPower, kHighestPower);
    in.mac_offset = generator.mac_offset;
    in.roaming = generator.roaming;
    in.scan = g_scan_settings;
    in.language = shown_language();
    return in;
}

int64_t run_seed_search(const SeedSearchInputs& in) {
    OutputFile out;
    if (!begin_output(&out, kResultFile, tr(TextId::kResultHeader, in.language))) {
        if (in.ended) in.ended();
        return 0;
    }

    // the lines follow the loops: hour, top byte, low value, frame
    ScanJob job{};
    job.block_count = kHours;
    for (int32_t h = 0; h < kHours; ++h) job.blocks[h] = {0, static_cast<uint32_t>(h), static_cast<uint32_t>(in.low_min)};
    const int64_t width = static_cast<int64_t>(in.low_max) - in.low_min + 1;
    job.tops = kTopBytes;
    job.width = width > 0 ? static_cast<uint64_t>(width) : 0;
    job.last_frame = in.last_frame;
    job.roaming = in.roaming;
    job.mac_offset = static_cast<uint32_t>(in.mac_offset);
    job.match_allowed = false;
    for (int32_t s = 0; s < kStatCount; ++s) job.ivs[s] = in.iv_minimums[s];
    job.min_power = in.hp_min_power;
    job.type_filter = in.hp_type_filter;
    job.hit_bytes = kHitLineBytes;
    job.keep_hit = in.language == Language::kEnglish ? format_hit_in<Language::kEnglish> : format_hit_in<Language::kJapanese>;
    SearchProgress progress{&out, in.guard_bytes != 0 ? in.guard_bytes : kSearchGuardBytes, 0, 0, false, false};
    job.take = take_lines;
    job.context = &progress;
    job.kernel = in.scan.kernel;
    job.threads = in.scan.threads;
    job.stop = in.stop;
    run_scan(job);

    const bool stopped = progress.refused || (in.stop && in.stop->load() != 0);
    if (!stopped && !out.text.failed) {
        // every hour is shown, also those that had nothing to scan
        while (progress.hours_shown < kHours) show_hour_progress(progress.hours_shown++, progress.lines);
    }
    set_main_title(kMainTitle);
    if (stopped) {
        if (in.ended) in.ended();
        drop_output(&out, false);
    } else {
        // the window may go on before the viewer has started (under Wine a
        // new process takes tens of milliseconds); a failed write is dropped
        // and reported before
        const bool placed = place_output(&out);
        if (in.ended) in.ended();
        if (placed) show_output(out);
    }
    return progress.lines;
}
