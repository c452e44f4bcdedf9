// The C-Gear timer on Windows: its beeps through WINMM, its pass on the timing
// thread, and its display, which shows the countdown and flashes with each beep.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "app/ids.h"
#include "app/shell_win.h"
#include "timing/cgear_timer.h"
#include "timing/stopwatch.h"

namespace {

// What the display shows, to show it again in another language: a word, or
// the countdown's last reading; the window's thread only.
struct TimerDisplay {
    TextId word;
    TimerShown shown;
    bool counted;
};
TimerDisplay g_timer_display;

// The sound device and what it plays, made at the first run and kept for the
// program's life (the device and its headers are Windows objects, which the
// portable state record cannot hold). The command writes them while the timer
// is idle; the timing thread only plays them while it runs, after the hand-over
// through the state word. Without a device the timer runs silent.
HWAVEOUT wave_out = nullptr;
bool sound_tried = false;
int16_t short_samples[beep_sample_count(kShortBeep)];
int16_t long_samples[beep_sample_count(kLongBeep)];
WAVEHDR headers[kTimerMaxEvents];  // one per beep of the run, so none is queued twice

constexpr char kTimerLogName[] = "timer-log.txt";

// When the timing thread started each beep of the run, for the test log: the
// timing thread's own.
struct BeepRecord {
    BeepKind kind;
    uint32_t due_ms;      // after the press, as scheduled
    uint32_t started_ms;  // after the press, by the clock once the sound was started
};
BeepRecord beep_records[kTimerMaxEvents];
int32_t beeps_recorded = 0;

bool open_sound() {
    if (sound_tried) return wave_out != nullptr;
    sound_tried = true;
    fill_beep(kShortBeep, short_samples);
    fill_beep(kLongBeep, long_samples);
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kBeepSampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = sizeof(int16_t);
    format.nAvgBytesPerSec = kBeepSampleRate * sizeof(int16_t);
    if (waveOutOpen(&wave_out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) wave_out = nullptr;
    return wave_out != nullptr;
}

void post(UINT message, uint32_t run, LPARAM value) { PostMessageW(g_window.main, message, run, value); }

// Tests only: each beep of the run just ended, due and started, in
// milliseconds after the press.
void write_timer_log() {
    std::FILE* f = std::fopen(kTimerLogName, "w");
    if (!f) return;
    for (int32_t i = 0; i < beeps_recorded; ++i) {
        const BeepRecord& r = beep_records[i];
        std::fprintf(f, "%s,%u,%u\n", r.kind == kLongBeep ? "long" : "short", static_cast<unsigned>(r.due_ms),
                     static_cast<unsigned>(r.started_ms));
    }
    std::fclose(f);
}

// Cuts off every beep started or queued; the timing thread's, when it takes up a stop.
void silence_beeps() {
    if (wave_out) waveOutReset(wave_out);
}

bool is_current(WPARAM run) { return static_cast<uint32_t>(run) == current_timer_run(); }

void set_flash(bool on) {
    g_window.timer_flash = on;
    InvalidateRect(main_control(kIdTimerDisplay), nullptr, TRUE);
}

}  // namespace

void prepare_beeps(const TimerSchedule& s) {
    if (!open_sound()) return;
    waveOutReset(wave_out);  // every header of an earlier run is done now
    for (int32_t i = 0; i < kTimerMaxEvents; ++i) {
        WAVEHDR& h = headers[i];
        if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(wave_out, &h, sizeof h);
        h = {};
        if (i >= s.event_count) continue;
        const BeepKind kind = s.event_kind[i];
        h.lpData = reinterpret_cast<LPSTR>(kind == kLongBeep ? long_samples : short_samples);
        h.dwBufferLength = static_cast<DWORD>(sizeof(int16_t) * beep_sample_count(kind));
        waveOutPrepareHeader(wave_out, &h, sizeof h);
    }
}

void run_timer_pass(uint32_t now_ms) {
    TimerStep step;
    // a stop silences the device here, on the thread that starts the beeps, so that none can follow
    if (!timer_pass(now_ms, &step, silence_beeps)) return;
    if (step.stopped) {
        post(kMsgTimerStopped, step.run, 0);
        return;
    }
    if (step.event >= 0) {
        // the sound first: nothing else this pass does may delay it
        if (wave_out) waveOutWrite(wave_out, &headers[step.event], sizeof(WAVEHDR));
        if (step.event == 0) beeps_recorded = 0;
        beep_records[step.event] = {step.kind, step.due_ms, timing_clock_ms() - step.press_ms};
        beeps_recorded = step.event + 1;
        post(kMsgTimerBeep, step.run, step.kind);
    }
    // posted, never sent: a busy window must not hold up the next beep. The
    // stopwatch reading goes first, so it is in place once the display says "完了".
    if (step.done) post(kMsgTimerDone, step.run, step.interval_centiseconds);
    if (step.show) post(kMsgTimerText, step.run, static_cast<LPARAM>(pack_timer_shown(step.shown)));
    if (step.done && g_window.timer_log) write_timer_log();
}

void show_timer_word(TextId word) {
    g_timer_display = {word, {}, false};
    set_window_text(main_control(kIdTimerDisplay), tr(word));
}

void show_timer_stopped(WPARAM run) {
    if (!is_current(run)) return;
    KillTimer(g_window.main, kTimerFlashId);
    set_flash(false);
    show_timer_word(TextId::kTimerStopped);
}

void show_timer_text(WPARAM run, LPARAM shown) {
    if (!is_current(run)) return;  // a stopped run's late message
    g_timer_display = {TextId::kNone, unpack_timer_shown(shown), true};
    char text[256];
    format_timer_text(g_timer_display.shown, text);
    set_window_text(main_control(kIdTimerDisplay), text);
}

void show_timer_display_again() {
    if (g_timer_display.word != TextId::kNone) {
        show_timer_word(g_timer_display.word);
    } else if (g_timer_display.counted) {
        char text[256];
        format_timer_text(g_timer_display.shown, text);
        set_window_text(main_control(kIdTimerDisplay), text);
    }
}

void flash_timer_display(WPARAM run, LPARAM kind) {
    if (!is_current(run)) return;
    set_flash(true);
    // the flash lasts as long as the beep
    SetTimer(g_window.main, kTimerFlashId, static_cast<UINT>(kBeepTones[kind].milliseconds), nullptr);
}

void finish_timer(WPARAM run, LPARAM interval_centiseconds) {
    if (!is_current(run)) return;
    char reading[256];
    record_measured_interval(static_cast<uint32_t>(interval_centiseconds), reading);
    set_window_text(main_control(kIdStopwatchDisplay), reading);
}

void end_timer_flash(WPARAM timer_id) {
    if (timer_id != kTimerFlashId) return;
    KillTimer(g_window.main, kTimerFlashId);
    set_flash(false);
}

HBRUSH timer_display_brush(HDC dc, HWND control) {
    if (control != main_control(kIdTimerDisplay) || !g_window.timer_flash) return nullptr;
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}
