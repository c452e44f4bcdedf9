#include "tools/frame_list.h"

#include "app/platform.h"
#include "app/text_file.h"
#include "rng/frame.h"
#include "rng/hidden_power.h"
#include "rng/mt.h"

namespace {
constexpr char kListFile[] = "list.txt";
}  // namespace

bool passes_list_tests(const IvSet& s, int32_t* power) {
    for (int i = 0; i < kStatCount; ++i)
        if (s.iv[i] < g_app.iv_thresholds[i]) return false;
    if (g_app.hp_type_filter != -1 && hidden_power_type_of(s) != g_app.hp_type_filter) return false;
    const int32_t p = hidden_power_power_of(s);
    if (p < g_app.hp_min_power) return false;
    *power = p;
    return true;
}

void write_frame_list() {
    prepare_generator(g_app.target_seed);
    // static: the writer's 64 KiB buffer stays off the user-interface thread's stack
    static TextWriter out;
    if (!open_text_writer(&out, kListFile)) return;
    write_line(&out, "消費数,H,A,B,C,D,S,めざパ,威力\n");
    // frames 0..N-1, but never past the last frame the prepared state serves
    const int32_t last = g_app.frame_limit > 0 ? last_served_frame(g_app.frame_limit - 1, g_app.roaming) : -1;
    char name[256];
    for (int32_t k = 0; k <= last; ++k) {
        const IvSet s = read_iv_set(k, g_app.roaming);
        int32_t power;
        if (!passes_list_tests(s, &power)) continue;
        hidden_power_type_name(hidden_power_type_of(s), name);
        write_line(&out, "%d,%d,%d,%d,%d,%d,%d,%s,%d\n", k, s.iv[kH], s.iv[kA], s.iv[kB], s.iv[kC], s.iv[kD],
                   s.iv[kS], name, power);
    }
    // a file cut short (full disk) is not shown as if it were the whole list
    if (close_text_writer(&out)) open_output_file(kListFile);
}
