// The seed search on a thread of its own: the window goes on answering and
// painting, the search button turns into the stop button, and the buttons
// whose commands would change the search's inputs wait until it has ended.
#include <windows.h>
#include <process.h>

#include <atomic>
#include <memory>

#include "app/ids.h"
#include "app/shell_win.h"
#include "tools/seed_search.h"

namespace {

// The words the window's thread shares with the search threads.
struct SearchWords {
    // written by the window's thread (a press of 「中止」, the window closed); read by the search and its scan threads
    std::atomic<int32_t> stop{0};
    // written by the window's thread (a search handed out) and each search thread (its end); read by the window's thread
    std::atomic<int32_t> live{0};  // a thread lives on while it removes a dropped file
} g_words;

// The window's thread's own.
struct SearchState {
    bool running;             // from the press until the search has ended
    bool close_after_search;  // the window was closed during a search
} g_search;

std::atomic<int32_t>& stop_word() { return g_words.stop; }
std::atomic<int32_t>& live_threads() { return g_words.live; }

void tell_window_search_ended() { PostMessageW(g_window.main, kMsgSearchDone, 0, 0); }

unsigned __stdcall search_thread(void* inputs) {
    // the thread owns its copy of the inputs; it shares only the words above
    const std::unique_ptr<SeedSearchInputs> in(static_cast<SeedSearchInputs*>(inputs));
    run_seed_search(*in);
    live_threads().fetch_sub(1);
    return 0;
}

// One search thread kept for the program's life, asleep between searches:
// under Wine making a thread costs milliseconds of every press. A search
// started while it is still busy with the last one's end (the viewer, a
// dropped file going) gets a thread of its own.
struct KeptThread {
    HANDLE start = nullptr;       // auto-reset: a search is waiting in inputs
    SeedSearchInputs* inputs = nullptr;
    std::atomic<bool> idle{false};
} g_kept;

unsigned __stdcall kept_search_thread(void*) {
    for (;;) {
        WaitForSingleObject(g_kept.start, INFINITE);
        search_thread(g_kept.inputs);
        g_kept.idle.store(true);
    }
}

// Hands the search to the kept thread, making it at the first search; false
// when it is busy or cannot be made.
bool hand_to_kept_thread(SeedSearchInputs* inputs) {
    if (!g_kept.start) {
        g_kept.start = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        const uintptr_t thread = g_kept.start ? _beginthreadex(nullptr, 0, kept_search_thread, nullptr, 0, nullptr) : 0;
        if (thread == 0) {
            if (g_kept.start) CloseHandle(g_kept.start);
            g_kept.start = nullptr;
            return false;
        }
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    } else if (!g_kept.idle.exchange(false)) {
        return false;
    }
    g_kept.inputs = inputs;
    SetEvent(g_kept.start);
    return true;
}

void show_search_running(bool running) {
    set_window_text(main_control(kIdSearchButton), tr(running ? TextId::kStopButton : TextId::kSearchButton));
    lock_commands_for_search(running);
}

}  // namespace

bool search_running() { return g_search.running; }

void stop_search() { stop_word().store(1); }

void start_search(const SeedSearchInputs& search) {
    stop_word().store(0);
    auto* inputs = new SeedSearchInputs(search);
    inputs->guard_bytes = g_window.search_guard_bytes;
    inputs->stop = &stop_word();
    inputs->ended = tell_window_search_ended;
    g_search.running = true;
    show_search_running(true);
    live_threads().fetch_add(1);
    if (hand_to_kept_thread(inputs)) return;
    const uintptr_t thread = _beginthreadex(nullptr, 0, search_thread, inputs, 0, nullptr);
    if (thread == 0) {
        // no thread to be had: the search runs here, as it always could
        search_thread(inputs);
        return;
    }
    // the thread runs on by itself; the program waits for it only at its end
    CloseHandle(reinterpret_cast<HANDLE>(thread));
}

void stop_search_and_close() {
    g_search.close_after_search = true;
    stop_word().store(1);
}

void finish_search() {
    if (!search_running()) return;
    // the title the search set last (the main title) shows before the button
    show_posted_title();
    g_search.running = false;
    show_search_running(false);
    if (g_search.close_after_search) DestroyWindow(g_window.main);
}

void wait_for_search_threads() {
    // the window is gone: what is left is a dropped file being removed
    while (live_threads().load() != 0) Sleep(10);
}
