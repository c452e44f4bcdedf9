#include "timing/attempts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "core/platform.h"
#include "core/texts.h"
#include "timing/cgear_timing.h"
#include "tools/output_file.h"

namespace {

namespace fs = std::filesystem;

// Longer lines are no attempt's: only their start is kept, to be counted.
constexpr size_t kMaxLineBytes = 160;
constexpr size_t kShortestLineBytes = 47;  // "2026-12-10 05:07:09,2A0C0500,0,C60C0503,+3,+0,0"
constexpr size_t kReadPiece = size_t{1} << 16;
constexpr uint32_t kAsideTries = 64;
constexpr char kLineEnd[] = "\r\n";

// Reads the file piece by piece and hands each line, without its line end and
// cut to kMaxLineBytes + 1 bytes, to take(text, length, start, next): start the
// offset of its first byte, next the offset after its line end.
template <typename Take>
void for_each_line(std::FILE* file, Take take) {
    std::vector<char> piece(kReadPiece);
    std::string line;
    bool open_line = false;
    uint64_t offset = 0, start = 0;  // of the piece, of the line
    const auto hand_over = [&](uint64_t next) {
        if (!line.empty() && line.back() == '\r' && line.size() <= kMaxLineBytes) line.pop_back();
        take(line.data(), line.size(), start, next);
        line.clear();
        open_line = false;
        start = next;
    };
    size_t got;
    while ((got = std::fread(piece.data(), 1, piece.size(), file)) > 0) {
        const char* at = piece.data();
        const char* const end = at + got;
        while (at < end) {
            const char* feed = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            const char* stop = feed ? feed : end;
            const size_t room = kMaxLineBytes + 1 - std::min(line.size(), kMaxLineBytes + 1);
            line.append(at, std::min(room, static_cast<size_t>(stop - at)));
            open_line = true;
            if (!feed) break;
            hand_over(offset + static_cast<uint64_t>(feed + 1 - piece.data()));
            at = feed + 1;
        }
        offset += got;
    }
    if (open_line) hand_over(offset);
}

// Digits only, exactly count of them (count 0: one or more), as a number in base.
template <typename T>
bool take_number(const char*& at, const char* end, size_t count, int base, T* value) {
    size_t n = 0;
    const auto is_digit = [base](char c) {
        return (c >= '0' && c <= '9') || (base == 16 && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')));
    };
    while (at + n < end && is_digit(at[n])) ++n;
    if (n == 0 || (count != 0 && n != count)) return false;
    const auto r = std::from_chars(at, at + n, *value, base);
    if (r.ec != std::errc{} || r.ptr != at + n) return false;
    at += n;
    return true;
}

bool take_char(const char*& at, const char* end, char c) {
    if (at >= end || *at != c) return false;
    ++at;
    return true;
}

// "+d" or "-d": the sign is always written.
bool take_signed(const char*& at, const char* end, int32_t* value) {
    if (at >= end || (*at != '+' && *at != '-')) return false;
    const bool minus = *at++ == '-';
    int64_t v = 0;
    if (!take_number(at, end, 0, 10, &v) || v > INT32_MAX) return false;
    *value = static_cast<int32_t>(minus ? -v : v);
    return true;
}

bool take_time(const char*& at, const char* end, LocalTime* t) {
    struct Part {
        int32_t* value;
        size_t digits;
        char after;
        int32_t low, high;
    };
    const Part parts[] = {{&t->year, 4, '-', 0, 9999},  {&t->month, 2, '-', 1, 12},  {&t->day, 2, ' ', 1, 31},
                          {&t->hour, 2, ':', 0, 23},    {&t->minute, 2, ':', 0, 59}, {&t->second, 2, ',', 0, 60}};
    for (const Part& p : parts)
        if (!take_number(at, end, p.digits, 10, p.value) || *p.value < p.low || *p.value > p.high ||
            !take_char(at, end, p.after))
            return false;
    return true;
}

bool take_interval(const char*& at, const char* end, std::string* interval) {
    const char* const start = at;
    while (at < end && *at > ' ' && *at < 0x7F && *at != ',') ++at;
    const size_t n = static_cast<size_t>(at - start);
    if (n == 0 || n > kMaxIntervalChars) return false;
    interval->assign(start, n);
    return true;
}

// The bytes of text written at the end of name, flushed; false when any failed.
bool append_bytes(const char* name, const std::string& text) {
    std::FILE* file = std::fopen(name, "ab");
    if (!file) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

// Whether name ends inside a line (its last byte is no line feed); false for an empty or missing file.
bool ends_inside_line(const char* name) {
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    int last = '\n';
    if (std::fseek(file, -1, SEEK_END) == 0) last = std::fgetc(file);
    std::fclose(file);
    return last != '\n' && last != EOF;
}

// Copies count bytes, or every byte left when count is kToTheEnd, to to, or
// reads and drops them when to is null.
constexpr uint64_t kToTheEnd = UINT64_MAX;
bool copy_bytes(std::FILE* from, std::FILE* to, uint64_t count) {
    std::vector<char> piece(kReadPiece);
    while (count > 0) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(count, piece.size()));
        const size_t got = std::fread(piece.data(), 1, want, from);
        if (to && std::fwrite(piece.data(), 1, got, to) != got) return false;
        if (got < want) return count == kToTheEnd && !std::ferror(from);
        if (count != kToTheEnd) count -= got;
    }
    return true;
}

}  // namespace

LocalTime local_time_now() {
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);
    if (!t) return {1970, 1, 1, 0, 0, 0};
    return {t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

std::string format_attempt_line(const Attempt& a) {
    char line[kMaxLineBytes + 64];
    const LocalTime& t = a.time;
    std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d:%02d,%08X,%s,%08X,%+d,%+d,%d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, static_cast<unsigned>(a.target_seed), a.interval.c_str(),
                  static_cast<unsigned>(a.hit_seed), a.low_offset, a.second_offset, a.frame);
    return line;
}

bool parse_attempt_line(const char* line, size_t length, Attempt* a) {
    const char* at = line;
    const char* const end = line + length;
    Attempt r;
    int64_t frame = 0;
    const bool read = take_time(at, end, &r.time) && take_number(at, end, 8, 16, &r.target_seed) &&
                      take_char(at, end, ',') && take_interval(at, end, &r.interval) && take_char(at, end, ',') &&
                      take_number(at, end, 8, 16, &r.hit_seed) && take_char(at, end, ',') &&
                      take_signed(at, end, &r.low_offset) && take_char(at, end, ',') &&
                      take_signed(at, end, &r.second_offset) && take_char(at, end, ',') &&
                      take_number(at, end, 0, 10, &frame) && frame <= INT32_MAX && at == end;
    if (!read) return false;
    r.frame = static_cast<int32_t>(frame);
    *a = std::move(r);
    return true;
}

AttemptLog read_attempt_log(const char* name) {
    AttemptLog log;
    std::error_code unknown;
    if (!fs::is_regular_file(name, unknown)) return log;
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return log;
    log.attempts.reserve(static_cast<size_t>(fs::file_size(name, unknown) / kShortestLineBytes));
    bool first = true;
    for_each_line(file, [&](const char* text, size_t length, uint64_t, uint64_t) {
        Attempt a;
        if (parse_attempt_line(text, length, &a)) log.attempts.push_back(std::move(a));
        else if (!first && length > 0) ++log.unreadable;
        first = false;
    });
    std::fclose(file);
    if (log.attempts.size() < log.attempts.capacity() / 2) log.attempts.shrink_to_fit();  // a log of mostly other lines
    return log;
}

bool append_attempt(const char* name, const Attempt& a) {
    std::error_code missing;
    const uintmax_t size = fs::file_size(name, missing);
    std::string text;
    if (missing || size == 0) text = std::string(tr(TextId::kAttemptsHeader)) + kLineEnd;
    else if (ends_inside_line(name)) text = kLineEnd;  // a line cut short stays as it is, apart
    text += format_attempt_line(a) + kLineEnd;
    return append_bytes(name, text);
}

bool replace_attempt(const char* name, const Attempt& old, const Attempt& a) {
    std::error_code unknown;
    if (!fs::is_regular_file(name, unknown)) return false;
    std::FILE* in = std::fopen(name, "rb");
    if (!in) return false;
    const std::string old_line = format_attempt_line(old);
    bool found = false;
    uint64_t start = 0, next = 0;  // of old's last line
    for_each_line(in, [&](const char* text, size_t length, uint64_t at, uint64_t after) {
        if (length == old_line.size() && std::memcmp(text, old_line.data(), length) == 0) found = true, start = at, next = after;
    });
    if (!found || std::ferror(in)) {  // an attempt no line holds is added
        const bool read = !std::ferror(in);
        std::fclose(in);
        return read && append_attempt(name, a);
    }
    std::string temp_name;
    std::FILE* out = nullptr;
    const std::string line = format_attempt_line(a) + kLineEnd;
    bool written = std::fseek(in, 0, SEEK_SET) == 0 && (out = create_temporary_beside(name, &temp_name)) != nullptr &&
                   copy_bytes(in, out, start) && std::fwrite(line.data(), 1, line.size(), out) == line.size() &&
                   copy_bytes(in, nullptr, next - start) && copy_bytes(in, out, kToTheEnd);
    std::fclose(in);
    if (!out) return false;
    written = std::fflush(out) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (written && replace_file(temp_name.c_str(), name)) return true;
    std::remove(temp_name.c_str());
    return false;
}

bool move_attempt_log_aside(const char* name, const LocalTime& now) {
    std::error_code unknown;
    if (!fs::exists(name, unknown)) return !unknown;
    if (!fs::is_regular_file(name, unknown)) return false;
    const std::string whole = name;
    const size_t dot = whole.rfind('.');
    const std::string stem = whole.substr(0, dot), extension = dot == std::string::npos ? "" : whole.substr(dot);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    for (uint32_t k = 1; k <= kAsideTries; ++k) {
        const std::string aside =
            stem + stamp + (k == 1 ? std::string() : " (" + std::to_string(k) + ")") + extension;
        // the free name is made first, so that no other copy takes it meanwhile
        std::FILE* made = create_new_file(aside.c_str());
        if (!made) continue;
        std::fclose(made);
        if (replace_file(name, aside.c_str())) return true;
        std::remove(aside.c_str());
        return false;
    }
    return false;
}

namespace {

// low × 100 − interval × 60, the interval in hundredths.
int64_t offset_of(uint32_t hit_seed, int32_t interval) { return int64_t{hit_seed & 0xFFFFu} * 100 - int64_t{interval} * 60; }

}  // namespace

int64_t attempt_offset(const Attempt& a) {
    return offset_of(a.hit_seed, read_measured_centiseconds(a.interval.c_str()));
}

double hit_chance(double scatter, int32_t count, int32_t second_missed) {
    // Φ(x) − Φ(−x) = erf(x / √2)
    return std::erf(0.5 / (scatter * std::sqrt(2.0))) * (count - second_missed) / count;
}

AttemptSummary summarize_attempts(const std::vector<Attempt>& attempts) {
    AttemptSummary s;
    s.count = static_cast<int32_t>(attempts.size());
    if (attempts.empty()) return s;
    std::vector<int64_t> offsets(attempts.size());
    const std::string* read = nullptr;  // attempts in a row mostly share their interval: each text read once
    int32_t interval = 0;
    for (size_t i = 0; i < attempts.size(); ++i) {
        if (!read || *read != attempts[i].interval)
            read = &attempts[i].interval, interval = read_measured_centiseconds(read->c_str());
        offsets[i] = offset_of(attempts[i].hit_seed, interval);
    }
    // the middle of the attempts ordered by offset, ties by age
    std::vector<std::pair<int64_t, int32_t>> order(attempts.size());
    for (size_t i = 0; i < attempts.size(); ++i) order[i] = {offsets[i], static_cast<int32_t>(i)};
    const size_t middle = (attempts.size() - 1) / 2;
    std::nth_element(order.begin(), order.begin() + static_cast<ptrdiff_t>(middle), order.end());
    s.median = order[middle].second;
    std::vector<int64_t> deviations(attempts.size());
    for (size_t i = 0; i < attempts.size(); ++i) deviations[i] = std::llabs(offsets[i] - offsets[s.median]);
    std::nth_element(deviations.begin(), deviations.begin() + static_cast<ptrdiff_t>(middle), deviations.end());
    s.deviation = deviations[middle];
    s.scatter = std::max(0.5, 1.4826 * static_cast<double>(s.deviation) / 100.0);
    s.second_missed = static_cast<int32_t>(
        std::count_if(attempts.begin(), attempts.end(), [](const Attempt& a) { return a.second_offset != 0; }));
    s.chance = hit_chance(s.scatter, s.count, s.second_missed);
    return s;
}

AttemptTexts attempt_texts(const AttemptLog& log) {
    AttemptTexts t;
    char text[512];
    const size_t listed = std::min(log.attempts.size(), kListedAttempts);
    for (auto a = log.attempts.end() - static_cast<ptrdiff_t>(listed); a != log.attempts.end(); ++a) {
        std::snprintf(text, sizeof text, tr(TextId::kAttemptLine), static_cast<unsigned>(a->hit_seed), a->low_offset,
                      a->second_offset, a->frame, a->interval.c_str());
        t.lines.emplace_back(text);
    }
    const AttemptSummary s = summarize_attempts(log.attempts);
    if (s.count > 0) {
        std::snprintf(text, sizeof text, tr(TextId::kAttemptsSummary), s.count, s.scatter, s.second_missed);
        t.summary = text;
    }
    constexpr int32_t kAttemptsForChance = 3;
    if (s.count < kAttemptsForChance) {
        t.chance = tr(TextId::kAttemptsChanceLater);
    } else if (s.chance <= 0.0) {
        t.chance = tr(TextId::kAttemptsChanceZero);
    } else {
        std::snprintf(text, sizeof text, tr(TextId::kAttemptsChance), static_cast<int>(std::lround(s.chance * 100.0)),
                      static_cast<int>(std::lround(1.0 / s.chance)));
        t.chance = text;
    }
    if (log.unreadable > 0) {
        std::snprintf(text, sizeof text, tr(TextId::kAttemptsUnreadable), log.unreadable);
        t.unreadable = text;
    }
    return t;
}
