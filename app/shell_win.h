// What the pieces of the Windows front end give each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Creates every child control, then reads config.txt. First paint only.
void create_controls();

// Reads the MAC fields and the roaming box into mac_offset and the roaming flag.
void refresh_mac_and_roaming();

// A control's whole text, as CP932 bytes.
std::string window_text(HWND control);

// Index of a list's selected entry.
int32_t selected_entry(HWND list);

// Draws the client area into the paint's device context.
void paint_window(HDC dc);

// Runs the command a button (or any control) sent.
void dispatch_command(uint16_t id);

// Starts the stopwatch thread with a 1 ms timer resolution for the program's
// life; end_stopwatch gives the resolution back.
uintptr_t start_stopwatch();
void end_stopwatch(uintptr_t thread);
