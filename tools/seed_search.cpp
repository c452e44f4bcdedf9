#include "tools/seed_search.h"

#include <cstdio>

#include "app/platform.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

namespace {
constexpr int32_t kHours = 24;
constexpr int32_t kTopBytes = 256;
constexpr char kResultFile[] = "result.txt";
constexpr char kMainTitle[] = "Kivrel ver1.01";
}  // namespace

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

void search_hour(TextWriter* out, int32_t hour, int32_t* lines) {
    // a roaming walk at the largest limit stops at 615, the last frame the state serves
    const int32_t last = last_served_frame(g_app.frame_limit, g_app.roaming);
    for (int32_t t = 0; t < kTopBytes; ++t) {
        for (int32_t w = g_app.low_min; w <= g_app.low_max; ++w) {
            const uint32_t r = (static_cast<uint32_t>(t) << 24) | (static_cast<uint32_t>(hour) << 16) |
                               static_cast<uint32_t>(w);
            prepare_generator(r);
            for (int32_t f = 0; f <= last; ++f) {
                const IvSet s = read_iv_set(f, g_app.roaming);
                int32_t power;
                if (!passes_search_tests(s, &power)) continue;
                write_search_hit(out, r, f, s, power);
                ++*lines;
            }
        }
    }
}

void run_seed_search() {
    // static: the writer's 64 KiB buffer stays off the user-interface thread's stack
    static TextWriter out;
    if (!open_text_writer(&out, kResultFile)) return;
    write_line(&out, "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\n");
    int32_t lines = 0;
    char title[256];
    for (int32_t h = 0; h < kHours; ++h) {
        std::snprintf(title, sizeof title, "%d時計算中 候補:%d個", h, lines);
        set_main_title(title);
        search_hour(&out, h, &lines);
    }
    const bool complete = close_text_writer(&out);
    set_main_title(kMainTitle);
    // a file cut short (full disk) is not shown as if it were the whole result
    if (complete) open_output_file(kResultFile);
}
