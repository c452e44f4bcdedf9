// Small helpers of the Windows front end shared by the command handlers.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/app_state.h"
#include "app/convert.h"

// Reads at most length - 1 characters of a control's text into buffer (256 bytes).
inline void read_field(HWND field, int length, char* buffer) {
    buffer[0] = '\0';
    GetWindowTextA(field, buffer, length);
}

// Index of a list's selected entry minus 1: -1 for "指定無し", else the type.
inline int32_t read_type_filter(HWND list) {
    return static_cast<int32_t>(SendMessageA(list, CB_GETCURSEL, 0, 0)) - 1;
}

inline int32_t clamp_int(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

// atoi of at most length - 1 characters of a field.
inline int32_t read_int_field(HWND field, int length) {
    char buffer[256];
    read_field(field, length, buffer);
    return ms_atoi(buffer);
}

// One row of six IV fields (H, A, B, C, D, S) into the thresholds, each 0..31.
inline void read_iv_thresholds(const WindowHandle fields[kStatCount]) {
    for (int i = 0; i < kStatCount; ++i) g_app.iv_thresholds[i] = clamp_int(read_int_field(fields[i], 4), 0, 31);
}

// Minimum Hidden Power power of a field, 30..70.
inline int32_t read_min_power(HWND field) { return clamp_int(read_int_field(field, 5), 30, 70); }

// Reads the MAC fields and the roaming box into MacOffset and the roaming flag.
void refresh_mac_and_roaming();

// Creates every child control, then reads config.txt. First paint only.
void create_controls();

// Draws the client area into the paint's device context.
void paint_window(HDC dc);
