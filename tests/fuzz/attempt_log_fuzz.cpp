// attempts.txt as any bytes: every attempt read writes back as a line that
// reads the same, the window's texts come out, and putting a new attempt in
// place of the last one read loses no other attempt.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_file.h"
#include "timing/attempts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = write_fuzz_file("attempts.txt", data, size);
    const AttemptLog log = read_attempt_log(path.c_str());
    for (const Attempt& a : log.attempts) {
        const std::string line = format_attempt_line(a);
        Attempt again;
        if (!parse_attempt_line(line.data(), line.size(), &again) || format_attempt_line(again) != line) std::abort();
    }
    if (attempt_texts(log).lines.size() > kListedAttempts) std::abort();
    if (log.attempts.empty()) return 0;
    const Attempt added = {{2026, 12, 10, 1, 2, 3}, 1, "20.76", 2, -3, 0, 21};
    if (!replace_attempt(path.c_str(), log.attempts.back(), added)) std::abort();
    const AttemptLog after = read_attempt_log(path.c_str());
    const size_t n = log.attempts.size(), m = after.attempts.size();
    const bool appended = m == n + 1 && format_attempt_line(after.attempts.back()) == format_attempt_line(added);
    if ((m != n && !appended) || after.unreadable != log.unreadable) std::abort();
    return 0;
}
