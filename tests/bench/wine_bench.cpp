// The Windows program's own figures under Wine, measured and printed (make
// bench), never asserted: the default seed search from the press of "計算"
// until it has ended (its button reads "計算" again), how fast the window
// answers meanwhile and how soon "中止" ends a search, the stopwatch's
// accuracy against this program's clock, and how late the C-Gear timer
// started each beep by its own clock; the stats window's commands; the
// processor time of the program left idle; the start and the attempts window
// with an attempt log of 100 MB.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

// The control's stored caption, read without waiting for the program (a
// WM_GETTEXT would wake its window's thread at every look, and the search
// shares the processors with it).
std::string caption(const Program& p, int id) {
    wchar_t text[64];
    const int n = GetWindowTextW(p.control(id), text, 64);
    return driver::to_cp932(std::wstring(text, static_cast<size_t>(n > 0 ? n : 0)));
}

// From the press until the button reads "計算" again, looked at every 5 ms;
// with longest_answer, the window is also sent WM_NULL at each look and the
// longest round trip kept there. The viewer the search then starts (a new
// process, tens of milliseconds under Wine) is waited for outside the time,
// so that it does not run into the next search.
double milliseconds_of_search(Program& p, double* longest_answer = nullptr) {
    const size_t viewed = p.opened().size();
    const double start = driver::now_ms();
    p.press(kIdSearchButton);
    for (DWORD_PTR result; caption(p, kIdSearchButton) != "計算" && driver::now_ms() - start < 60000; Sleep(5)) {
        if (!longest_answer) continue;
        const double asked = driver::now_ms();
        SendMessageTimeoutA(p.window(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
        *longest_answer = std::max(*longest_answer, driver::now_ms() - asked);
    }
    const double ms = driver::now_ms() - start;
    p.wait_search_end();
    p.wait_opened(viewed + 1);
    return ms;
}

// The default search: the window's search fields with minimum IVs
// 31,31,31,0,31,31: low values 600..1000 (15,734,784 raw seeds), frame limit
// 30, no type, power 30.
void set_default_search(Program& p) {
    const char* ivs[6] = {"31", "31", "31", "0", "31", "31"};
    for (int i = 0; i < 6; ++i) p.set_text(kIdSearchIvFirst + i, ivs[i]);
}

// The default search on the given threads (0: one per core, as shipped).
// The empty range 1000..600 runs everything but the scan, for comparison.
void default_search(int runs, const char* threads) {
    SetEnvironmentVariableA("KIVREL_TEST_SCAN_THREADS", threads);
    Program p("Kivrel.exe");
    SetEnvironmentVariableA("KIVREL_TEST_SCAN_THREADS", nullptr);
    set_default_search(p);
    std::vector<double> full;
    for (int run = 0; run < runs; ++run) full.push_back(milliseconds_of_search(p));
    const std::string result = p.file("result.txt");
    p.set_text(kIdSearchLowMin, "1000");
    p.set_text(kIdSearchLowMax, "600");
    std::vector<double> empty;
    for (int run = 0; run < runs; ++run) empty.push_back(milliseconds_of_search(p));
    std::printf("Kivrel.exe default search, %s, press until it has ended: best of %zu %.0f ms; runs:",
                std::string(threads) == "0" ? "all threads" : "1 thread", full.size(), *std::min_element(full.begin(), full.end()));
    for (double ms : full) std::printf(" %.0f", ms);
    std::printf("; %zu lines; empty range best %.0f ms\n", static_cast<size_t>(std::count(result.begin(), result.end(), '\n')),
                *std::min_element(empty.begin(), empty.end()));
}

// "WHAT: best (or worst) of N ms; runs: ..."
void print_runs(const char* what, bool worst, const std::vector<double>& runs) {
    const auto [least, most] = std::minmax_element(runs.begin(), runs.end());
    std::printf("%s: %s of %zu %.1f ms; runs:", what, worst ? "worst" : "best", runs.size(), worst ? *most : *least);
    for (double ms : runs) std::printf(" %.1f", ms);
    std::printf("\n");
}

// The window while a search runs: the longest WM_NULL round trip during the
// default search, and from the press of "中止" until the button reads "計算"
// again, on the fields as the window starts (every frame a hit: a search far
// longer than half a second).
void answers_during_search(int runs) {
    Program p("Kivrel.exe");
    set_default_search(p);
    std::vector<double> longest(static_cast<size_t>(runs));
    for (double& worst : longest) milliseconds_of_search(p, &worst);
    print_runs("Kivrel.exe default search, longest WM_NULL answer while it runs", true, longest);

    Program q("Kivrel.exe");
    std::vector<double> stops;
    for (int run = 0; run < runs; ++run) {
        q.press(kIdSearchButton);
        Sleep(500);
        const double pressed = driver::now_ms();
        q.press(kIdSearchButton);
        while (caption(q, kIdSearchButton) != "計算" && driver::now_ms() - pressed < 60000) Sleep(1);
        stops.push_back(driver::now_ms() - pressed);
        q.wait_search_end();
    }
    print_runs("Kivrel.exe search stopped after 500 ms, stop press until the button is back", false, stops);
}

// The reading frozen by the stop press against the time between the two
// presses by this program's clock, and how late each new hundredth reached
// the display.
void stopwatch_accuracy() {
    Program p("Kivrel.exe");
    const int intervals_ms[] = {1000, 1000, 1000, 5000, 5000, 5000, 20000};
    for (int interval : intervals_ms) {
        std::string last = caption(p, kIdStopwatchDisplay);
        const double s0 = driver::now_ms();
        p.press(kIdStopwatchButton);
        const double s1 = driver::now_ms();
        // reading r shows at the first pass at least 10 r ms after the start:
        // the least (time seen - 10 r) is the start as the program took it
        double start = 1e300, latest = -1e300;
        std::vector<std::pair<double, int>> seen;
        while (driver::now_ms() - s0 < interval - 15) {
            const std::string text = caption(p, kIdStopwatchDisplay);
            const double t = driver::now_ms();
            if (text != last && driver::is_reading(text)) {
                seen.emplace_back(t, driver::hundredths_of(text));
                last = text;
            }
            Sleep(1);
        }
        while (driver::now_ms() - s0 < interval) {
        }
        const double e0 = driver::now_ms();
        p.press(kIdStopwatchButton);
        const double e1 = driver::now_ms();
        Sleep(60);
        const std::string shown = p.text(kIdStopwatchDisplay);
        if (!driver::is_reading(shown) || seen.empty()) {
            std::printf("stopwatch accuracy: interval %d ms: no reading (display \"%s\")\n", interval, shown.c_str());
            continue;
        }
        for (const auto& [t, r] : seen) start = std::min(start, t - 10.0 * r);
        for (const auto& [t, r] : seen) latest = std::max(latest, t - 10.0 * r - start);
        // the presses take effect somewhere inside their round trips
        const double elapsed = (e0 + e1) / 2 - (s0 + s1) / 2;
        const double error = driver::hundredths_of(shown) * 10.0 - elapsed;
        std::printf("stopwatch accuracy: interval %5d ms: shown %s s, elapsed %.2f ms, error %+.2f ms (press round "
                    "trips %.2f and %.2f ms); start taken %.2f ms after the start press; new hundredths up to %.2f ms "
                    "late (%zu seen)\n",
                    interval, shown.c_str(), elapsed, error, s1 - s0, e1 - e0, start - (s0 + s1) / 2, latest, seen.size());
    }
}

// Lateness in milliseconds of each beep of the runs, from the log the program
// writes when KIVREL_TEST_TIMER_LOG is set: "kind,due,started" per beep.
void add_lateness(const std::string& log, std::vector<double>& short_beeps, std::vector<double>& phase_ends) {
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        char kind[16];
        unsigned due = 0, started = 0;
        if (std::sscanf(line.c_str(), "%15[a-z],%u,%u", kind, &due, &started) != 3) continue;
        const double late = static_cast<double>(static_cast<int>(started - due));
        (std::string(kind) == "long" ? phase_ends : short_beeps).push_back(late);
    }
}

void print_lateness(const char* what, std::vector<double> late) {
    if (late.empty()) {
        std::printf("timer accuracy: %s: none recorded\n", what);
        return;
    }
    std::sort(late.begin(), late.end());
    std::printf("timer accuracy: %s: %zu, late by median %.0f ms, worst %.0f ms, least %.0f ms\n", what, late.size(),
                late[late.size() / 2], late.back(), late.front());
}

// Runs of a countdown of 10 s to the boot and 4 s to the switch-on (target
// 7A0C0600, 4.00 s, low 0600, 9/12: boot 12:00:10, D 4.00), eight beeps each;
// the lateness of each against its schedule on the program's millisecond clock.
void timer_accuracy(int runs) {
    SetEnvironmentVariableA("KIVREL_TEST_TIMER_LOG", "1");
    Program p("Kivrel.exe");
    SetEnvironmentVariableA("KIVREL_TEST_TIMER_LOG", nullptr);
    p.set_text(kIdTargetSeed, "7A0C0600");
    p.set_text(kIdMeasuredSeconds, "4.00");
    p.set_text(kIdObtainedLow, "0600");
    p.press(kIdTimingButton);
    std::vector<double> short_beeps, phase_ends;
    for (int run = 0; run < runs; ++run) {
        p.press(kIdTimerButton);
        const double start = driver::now_ms();
        while (p.text(kIdTimerDisplay) != "完了" && driver::now_ms() - start < 30000) Sleep(50);
        Sleep(100);  // the log is written right after the last beep
        const std::string log = p.file("timer-log.txt");
        std::printf("timer run %d: %s", run + 1, log.empty() ? "no log\n" : "");
        for (char c : log) std::putchar(c == '\n' ? ' ' : c);
        std::printf("\n");
        add_lateness(log, short_beeps, phase_ends);
    }
    print_lateness("short beeps", short_beeps);
    print_lateness("phase ends (long beeps)", phase_ends);
    std::vector<double> all = short_beeps;
    all.insert(all.end(), phase_ends.begin(), phase_ends.end());
    print_lateness("all beeps", all);
}

// The stats window's commands, each from its press until it has returned
// (SendMessage): the widest possible-IVs case (nature unknown, a
// characteristic, a type, three rows of アチャモ at levels 30, 40, 50 with
// IVs 20,10,25,28,5,15 and のんき), the candidates from those stats against
// 211 with the same six IVs typed, and the hit search with ranges 1000 and 10.
void stats_window(int runs) {
    Program p("Kivrel.exe");
    p.press(kIdStatsButton);
    const HWND stats = p.top_window(kStatsWindowClass);
    if (!stats) {
        std::printf("stats window: not found\n");
        return;
    }
    const auto set = [&](int id, const std::string& text) {
        SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(driver::to_wide(text).c_str()));
    };
    const auto timed = [&](HWND window, int id) {
        std::vector<double> ms;
        for (int run = 0; run < runs; ++run) {
            const double start = driver::now_ms();
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
            ms.push_back(driver::now_ms() - start);
        }
        return ms;
    };
    const int base[6] = {45, 60, 40, 70, 50, 45}, iv[6] = {20, 10, 25, 28, 5, 15};
    set(kIdStatsName, "アチャモ");
    for (int r = 0; r < 3; ++r) {
        const int level = 30 + 10 * r;
        set(kIdStatsLevelFirst + 10 * r, std::to_string(level));
        for (int s = 0; s < 6; ++s) {
            int stat = (2 * base[s] + iv[s]) * level / 100 + (s == 0 ? level + 10 : 5);
            if (s == 2) stat = stat * 110 / 100;  // のんき raises B
            if (s == 5) stat = stat * 90 / 100;   // and lowers S
            set(kIdStatsLevelFirst + 10 * r + 1 + s, std::to_string(stat));
        }
    }
    SendMessageW(GetDlgItem(stats, kIdStatsCharacteristicList), CB_SETCURSEL, 24, 0);  // C 28: remainder 3
    // Hidden Power type of the IVs (H, A, B, S, C, D weighted 1, 2, 4, 8, 16, 32 by bit 0)
    const int bits = (iv[0] & 1) | (iv[1] & 1) << 1 | (iv[2] & 1) << 2 | (iv[5] & 1) << 3 | (iv[3] & 1) << 4 | (iv[4] & 1) << 5;
    SendMessageW(GetDlgItem(stats, kIdStatsTypeList), CB_SETCURSEL, 15 * bits / 63 + 1, 0);
    print_runs("Kivrel.exe 個体値計算, widest case", false, timed(stats, kIdStatsIvButton));

    const char* when[] = {"9", "12", "12", "30"};
    for (int i = 0; i < 4; ++i) p.set_text(kIdSwitchOnFirst + i, when[i]);
    for (int s = 0; s < 6; ++s) p.set_text(kIdKnownIvFirst + s, std::to_string(iv[s]));
    print_runs("Kivrel.exe 初期seed候補 from those stats (frame limit 20)", false, timed(stats, kIdStatsCandidatesButton));
    print_runs("Kivrel.exe 初期seed計算 with those IVs (frame limit 20)", false, timed(p.window(), kIdCandidatesButton));

    p.set_text(kIdTargetSeed, "8A0C05F0");
    set(kIdStatsLowRange, "1000");
    set(kIdStatsSecondRange, "10");
    print_runs("Kivrel.exe 当たりを探す, ranges 1000 and 10 (42,021 raw seeds, frame limit 20)", false,
               timed(stats, kIdStatsHitsButton));

    driver::type_widest_hit_search(p, stats);
    std::vector<double> longest;
    for (int run = 0; run < runs; ++run)
        longest.push_back(driver::longest_answer_while_filling(stats, kIdStatsHitsButton, kIdStatsHitList, 60000));
    print_runs("Kivrel.exe 当たりを探す, widest (every frame fits, frame limit 616), longest WM_NULL answer", false, longest);
}

// The processor time, user and kernel, an idle Kivrel.exe takes in 20 s once
// its window is up, as the system's process list counts it (Wine answers
// GetProcessTimes on another process with zeros).
void idle_cost() {
    Program p("Kivrel.exe");
    using Query = NTSTATUS(WINAPI*)(SYSTEM_INFORMATION_CLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation"));
    const auto cpu_ms = [&] {
        std::vector<char> list(1 << 22);
        if (query(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()), nullptr) < 0) return -1.0;
        for (const char* at = list.data();;) {
            const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(at);
            if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == p.process_id())
                return static_cast<double>(entry->UserTime.QuadPart + entry->KernelTime.QuadPart) / 1e4;
            if (entry->NextEntryOffset == 0) return -1.0;
            at += entry->NextEntryOffset;
        }
    };
    const double before = cpu_ms();
    Sleep(20000);
    std::printf("Kivrel.exe idle for 20 s: %.1f ms processor time\n", cpu_ms() - before);
}

// A log of three attempts and one of about 100 MB (1,900,000 attempts): the
// start until the window's controls exist, and the press of 試行記録 until the
// attempts window is filled.
void attempt_log(int attempts) {
    std::string log = "日時,狙うseed,秒数,当たりseed,下位,秒,消費数\r\n";
    const std::string line = "2026-12-10 12:34:56,8A0C05F0,20.76,8A0C05F3,+3,+0,21\r\n";
    for (int i = 0; i < attempts; ++i) log += line;
    double start = driver::now_ms();
    Program p("Kivrel.exe", {{"attempts.txt", log}});
    std::printf("Kivrel.exe start with %d attempts in attempts.txt (%.1f MB): %.0f ms\n", attempts, log.size() / 1e6,
                driver::now_ms() - start);
    p.press(kIdStatsButton);
    const HWND stats = p.top_window(kStatsWindowClass);
    start = driver::now_ms();
    SendMessageW(stats, WM_COMMAND, MAKEWPARAM(kIdStatsAttempts, BN_CLICKED), 0);
    std::printf("Kivrel.exe 試行記録 opened on that log: %.0f ms\n", driver::now_ms() - start);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "search") {
        default_search(3, "1");
        default_search(5, "0");
    }
    if (only.empty() || only == "answers") answers_during_search(5);
    if (only.empty() || only == "stopwatch") stopwatch_accuracy();
    if (only.empty() || only == "timer") timer_accuracy(5);
    if (only.empty() || only == "stats") stats_window(10);
    if (only.empty() || only == "idle") idle_cost();
    if (only.empty() || only == "attempts") attempt_log(3), attempt_log(1900000);
    return 0;
}
