// The timing thread's loop, once for every host: while the stopwatch or the
// timer counts it holds the fine clock and passes about every millisecond;
// otherwise it releases the clock and waits until a press wakes it.
#pragma once

#include <atomic>
#include <cstdint>

// What the loop needs of the system; each is called on the timing thread.
class TimingHost {
public:
    virtual ~TimingHost() = default;
    virtual uint32_t now_ms() = 0;                     // the millisecond clock
    virtual void wait_for_wake() = 0;                  // returns once wake_timing_thread() was called
    virtual void pause() = 0;                          // about a millisecond between passes
    virtual void hold_fine_clock(bool hold) = 0;       // the 1 ms clock resolution, on or off
    virtual void show_reading(uint32_t hundredths) = 0;  // a new stopwatch reading for the window
    virtual void timer_pass(uint32_t now_ms) = 0;      // the timer's work of one pass
};

// The loop's own state: whether it holds the fine clock, and the exit request.
struct TimingLoop {
    std::atomic<bool> exit_requested{false};
    bool fine_clock = false;
};

enum class LoopPass { kWaited, kCounted, kExited };

// One pass: exits (releasing the fine clock) once asked to, counts while the
// stopwatch or the timer is not idle, and waits otherwise.
LoopPass timing_loop_pass(TimingLoop& loop, TimingHost& host);

// Passes until an exit request.
void run_timing_loop(TimingLoop& loop, TimingHost& host);

// Asks the loop to end and wakes it; the caller then joins the thread.
void request_timing_exit(TimingLoop& loop);
