#include "data/stat_formula.h"

#include "data/natures.h"

namespace {

// The low 32 bits as a signed value: 32-bit arithmetic that wraps instead of
// overflowing, so a base stat edited into the millions gives a number, never
// undefined behaviour.
int32_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

int32_t stat_before_nature(Stat s, int32_t base, int32_t iv, int32_t level) {
    const int32_t sum = wrap32(static_cast<int64_t>(iv) + 2 * static_cast<int64_t>(base));
    const int32_t q = wrap32(static_cast<int64_t>(sum) * level) / 100;
    return wrap32(static_cast<int64_t>(q) + (s == kH ? level + 10 : 5));
}

int32_t neutral_stat(Stat s, int32_t base, int32_t iv, int32_t level) {
    if (s == kH && base == 1) return 1;
    return stat_before_nature(s, base, iv, level);
}

int32_t stat_with_nature(int32_t neutral, Stat s, int32_t nature) {
    if (nature < 0 || nature >= kNatureCount) return neutral;
    const Stat raised = nature_raised_stat(nature);
    const Stat lowered = nature_lowered_stat(nature);
    if (raised == lowered) return neutral;
    if (s == raised) return wrap32(static_cast<int64_t>(neutral) * 110 / 100);
    if (s == lowered) return wrap32(static_cast<int64_t>(neutral) * 90 / 100);
    return neutral;
}
