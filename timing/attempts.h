// The attempt log: every adopted hit recorded as one line of attempts.txt,
// read back at start, and what all attempts together say of the player's
// timing: the typical offset (the median attempt), its scatter and the chance
// that the next attempt hits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr char kAttemptLogName[] = "attempts.txt";

// A local date and time to the second.
struct LocalTime {
    int32_t year, month, day, hour, minute, second;
};

// The local time now.
LocalTime local_time_now();

// One attempt: when its hit was adopted, what it aimed at, the interval it was
// timed with (the stopwatch display's text as it stood) and the hit it gave.
struct Attempt {
    LocalTime time;
    uint32_t target_seed;
    std::string interval;
    uint32_t hit_seed;
    int32_t low_offset;
    int32_t second_offset;
    int32_t frame;
};

// The longest interval text a log line holds.
constexpr size_t kMaxIntervalChars = 32;

// The attempt as one line of the log, without its line end:
// "%04d-%02d-%02d %02d:%02d:%02d,%08X,%s,%08X,%+d,%+d,%d".
std::string format_attempt_line(const Attempt& a);

// Reads a line (without its line end) written by format_attempt_line: every
// field present, in range and nothing more; the interval 1..kMaxIntervalChars
// printable ASCII characters without a comma. False, *a unchanged, otherwise.
bool parse_attempt_line(const char* line, size_t length, Attempt* a);

// The attempts of a log, oldest first, and how many of its lines could not be read.
struct AttemptLog {
    std::vector<Attempt> attempts;
    int32_t unreadable = 0;
};

// Reads the log name piece by piece, never the whole file at once: lines of
// any length, each CR LF or LF ended. The first line is the header unless it
// reads as an attempt; empty lines are passed over; any other line that does
// not read as an attempt is counted in unreadable. A missing or unreadable
// file gives an empty log.
AttemptLog read_attempt_log(const char* name);

// Adds a as the last line of name, the header first when name is new or
// empty, the line written whole and flushed. Earlier lines stay as they are
// (a last line without its line end gets one first). False when it failed.
bool append_attempt(const char* name, const Attempt& a);

// Puts a in place of the last line of name that reads exactly as old was
// written (lines added after it, by another copy, stay after it): a copy with
// that line replaced is written beside name and put in place of it whole. With
// no such line, a is added as append_attempt adds it. False, name unchanged,
// when it failed.
bool replace_attempt(const char* name, const Attempt& old, const Attempt& a);

// Moves name aside to "attempts-YYYYMMDD-HHMMSS.txt" (stamped with now), or
// "attempts-YYYYMMDD-HHMMSS (2).txt" and on when that is taken. True when
// moved or when there was nothing to move.
bool move_attempt_log_aside(const char* name, const LocalTime& now);

// The attempt's offset: low × 100 − interval × 60, with low the hit's low 16
// bits and the interval read as the timing calculation reads its seconds, in
// hundredths: 100 times the delay the player's hands added beyond the interval.
int64_t attempt_offset(const Attempt& a);

// What the attempts say together.
struct AttemptSummary {
    int32_t count = 0;          // n
    int32_t median = -1;        // index of the median attempt: the middle by offset (ties by age),
                                // the lower middle when n is even; -1 with no attempt
    int64_t deviation = 0;      // median of |offset − the median's offset|, lower middle, in hundredths of delays
    double scatter = 0.0;       // σ in delays: 1.4826 × deviation / 100, at least 0.5
    int32_t second_missed = 0;  // k: attempts whose second offset is not 0
    double chance = 0.0;        // P: (Φ(0.5/σ) − Φ(−0.5/σ)) × (n − k) / n
};

// P for scatter σ over n attempts of which k missed the second: (Φ(0.5/σ) − Φ(−0.5/σ)) × (n − k) / n.
double hit_chance(double scatter, int32_t count, int32_t second_missed);

AttemptSummary summarize_attempts(const std::vector<Attempt>& attempts);

// The window lists the newest attempts only, so that a log of any length opens
// at once; the summary counts them all.
constexpr size_t kListedAttempts = 1000;

// The attempts window's texts.
struct AttemptTexts {
    std::vector<std::string> lines;  // one per attempt of the newest kListedAttempts, oldest first
    std::string summary;             // n, σ and k; empty with no attempt
    std::string chance;              // the chance, or why there is none yet
    std::string unreadable;          // the unreadable lines' count; empty with none
};

AttemptTexts attempt_texts(const AttemptLog& log);
