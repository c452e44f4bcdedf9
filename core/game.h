// The game's facts that the whole program shares: the generator's size, the
// six stats, the species record and the limits of the lists the window shows.
#pragma once

#include <cstdint>

// MT19937 state words: one seeding and one twist give outputs 0..623.
constexpr int32_t kStateWords = 624;

// Stats in IvSet order.
enum Stat : int32_t { kH, kA, kB, kC, kD, kS, kStatCount };

constexpr int32_t kMaxIv = 31;

struct IvSet {
    int32_t iv[kStatCount];  // H, A, B, C, D, S, each 0..31
};

constexpr int32_t kSpeciesCount = 649;

struct SpeciesRecord {
    int32_t base[kStatCount];  // base stats H, A, B, C, D, S
    char name[256];            // CP932, zero-ended
};

// Candidate seeds kept by one candidate search; the first ones get an adopt button.
constexpr int32_t kMaxCandidates = 20;
constexpr int32_t kAdoptButtons = 10;

// The stopwatch state word shared with the stopwatch thread.
enum StopwatchState : int32_t { kStopwatchIdle = 0, kStopwatchStartRequested = 1, kStopwatchRunning = 2 };

// The C-Gear timer's state word, shared with the same thread. A stopped run
// is idle only once the thread has seen the stop, so that a new run never
// overwrites a schedule the thread may still be reading.
enum TimerState : int32_t { kTimerIdle = 0, kTimerStartRequested = 1, kTimerRunning = 2, kTimerStopRequested = 3 };

// Beeps of one timer run: three short ones before the end of each phase and a
// long one at each end.
constexpr int32_t kTimerMaxEvents = 8;
enum BeepKind : int32_t { kShortBeep = 0, kLongBeep = 1 };

// Which seed scan kernel the searches use; automatic takes the widest the
// processor and the system support.
enum ScanKernel : int32_t { kKernelAutomatic = 0, kKernelSse2, kKernelAvx2, kKernelAvx512 };
