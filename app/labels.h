// What every paint draws besides the controls, in drawing order.
#pragma once

enum class PaintKind { kLine, kText, kCandidateRows, kBootLine, kCGearLine, kClockLine };

struct PaintItem {
    PaintKind kind;
    int x, y;        // start of a line, or top left of a text
    int x2, y2;      // end of a line
    const char* text;  // CP932; drawn with its whole length
};

extern const PaintItem kPaintItems[];
extern const int kPaintItemCount;

// Painted in place of the candidate rows after a search that found none.
extern const char kNoCandidatesText[];  // "候補なし"

// Texts of the painted results, formatted into buffer (256 bytes).
void format_candidate_row(int n, char* buffer);  // "%08X" of candidate n
void format_boot_line(char* buffer);             // "起動:%d月%d日%d時%d分%d秒"
void format_cgear_line(char* buffer);            // "Cギア:%d月%d日%d時%d分%.2f秒"
void format_clock_line(char* buffer);            // "時計合わせ:%d月%d日%d時%d分", the clock setting
