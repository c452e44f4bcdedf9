#include "tools/seed_search.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "app/platform.h"
#include "app/text_file.h"
#include "tools/seed_scan.h"

namespace {

constexpr char kResultFile[] = "result.txt";
constexpr char kMainTitle[] = "Kivrel ver1.01";

// The title while hour h runs: the hour and the lines of the hours before it.
void show_hour_progress(int32_t hour, int64_t lines) {
    char title[256];
    std::snprintf(title, sizeof title, "%d時計算中 候補:%" PRId64 "個", hour, lines);
    set_main_title(title);
}

}  // namespace

void run_seed_search() {
    // static: the writer's 64 KiB buffer stays off the user-interface thread's stack
    static TextWriter out;
    if (!open_text_writer(&out, kResultFile)) return;
    write_line(&out, "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\n");
    // the hit lines in loop order (hour, top byte, low value, frame) from the engine
    scan_seed_search(&out, show_hour_progress);
    const bool complete = close_text_writer(&out);
    set_main_title(kMainTitle);
    // a file cut short (full disk) is not shown as if it were the whole result
    if (complete) open_output_file(kResultFile);
}
