// The main window's controls and painted items, and the texts of the results it paints.
#pragma once

#include "app/window_table.h"

extern const WindowTable kMainWindowTable;

// Painted in place of the candidate rows after a search that found none.
extern const char kNoCandidatesText[];  // "候補なし"

// Texts of the painted results, formatted into buffer (256 bytes).
void format_candidate_row(int n, char* buffer);  // "%08X" of candidate n
void format_boot_line(char* buffer);             // "起動:%d月%d日%d時%d分%d秒"
void format_cgear_line(char* buffer);            // "Cギア:%d月%d日%d時%d分%.2f秒"
void format_clock_line(char* buffer);            // "時計合わせ:%d月%d日%d時%d分", the clock setting
