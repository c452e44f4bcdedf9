// The main window's controls and painted items, and the texts of the results it paints.
#pragma once

#include "app/window_table.h"

extern const WindowTable kMainWindowTable;

// Texts of the painted results, formatted into buffer (256 bytes).
void format_candidate_row(int n, char* buffer);  // "%08X" of candidate n
void format_boot_line(char* buffer);             // kBootLine
void format_cgear_line(char* buffer);            // kCGearLine
void format_clock_line(char* buffer);            // kClockLine, the clock setting
