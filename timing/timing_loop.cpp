#include "timing/timing_loop.h"

#include "timing/stopwatch.h"
#include "timing/timing_words.h"

LoopPass timing_loop_pass(TimingLoop& loop, TimingHost& host) {
    const bool exiting = loop.exit_requested.load();
    const bool counting = !exiting && timing_counting();
    // the fine clock is in place before the first reading of a count
    if (counting != loop.fine_clock) {
        host.hold_fine_clock(counting);
        loop.fine_clock = counting;
    }
    if (exiting) return LoopPass::kExited;
    if (!counting) {
        // a press between the test above and the wait has already signalled it
        host.wait_for_wake();
        return LoopPass::kWaited;
    }
    const uint32_t now = host.now_ms();
    uint32_t hundredths;
    if (stopwatch_pass(now, &hundredths)) host.show_reading(hundredths);
    host.timer_pass(now);
    host.pause();
    return LoopPass::kCounted;
}

void run_timing_loop(TimingLoop& loop, TimingHost& host) {
    while (timing_loop_pass(loop, host) != LoopPass::kExited) {
    }
}

void request_timing_exit(TimingLoop& loop) {
    loop.exit_requested.store(true);
    wake_timing_thread();
}
