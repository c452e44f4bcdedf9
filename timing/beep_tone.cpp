#include "timing/beep_tone.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kBeepAmplitude = 12000.0;  // of 32767: clearly audible, far from clipping
constexpr int32_t kBeepRampSamples = kBeepSampleRate * 5 / 1000;
}  // namespace

void fill_beep(BeepKind kind, int16_t* samples) {
    const int32_t n = beep_sample_count(kind);
    const double step = 2.0 * 3.14159265358979323846 * kBeepTones[kind].hertz / kBeepSampleRate;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t edge = std::min(i, n - 1 - i);
        const double gain = edge < kBeepRampSamples ? static_cast<double>(edge) / kBeepRampSamples : 1.0;
        samples[i] = static_cast<int16_t>(std::lround(kBeepAmplitude * gain * std::sin(step * i)));
    }
}
