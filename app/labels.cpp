#include "app/labels.h"

#include <cstdio>

#include "core/state.h"
#include "app/layout.h"
#include "timing/timer_schedule.h"

namespace {
constexpr PaintItem line(int x, int y, int x2, int y2) { return {PaintKind::kLine, x, y, x2, y2, nullptr}; }
constexpr PaintItem text(int x, int y, const char* t) { return {PaintKind::kText, x, y, 0, 0, t}; }
}  // namespace

const PaintItem kPaintItems[] = {
    line(0, 30, 800, 30),
    text(150, 3, "MACアドレス右側3つ:"),
    line(400, 30, 400, 800),
    // seed search area
    text(0, 31, "初期seed絞り込み"),
    text(10, 65, "個体値:"),
    text(66, 65, "H"), text(106, 65, "A"), text(146, 65, "B"),
    text(186, 65, "C"), text(226, 65, "D"), text(266, 65, "S"),
    text(306, 65, "以上"),
    text(10, 145, "下位2byte:0x"),
    text(150, 145, "～"),
    text(220, 145, "最大消費回数:"),
    text(10, 105, "めざパ:"),
    text(230, 105, "以上"),
    // frame list area
    text(401, 31, "リスト出力"),
    text(410, 55, "raw初期seed:0x"),
    text(410, 95, "個体値:"),
    text(466, 95, "H"), text(506, 95, "A"), text(546, 95, "B"),
    text(586, 95, "C"), text(626, 95, "D"), text(666, 95, "S"),
    text(706, 95, "以上"),
    text(450, 175, "回まで出力"),
    text(410, 135, "めざパ:"),
    text(630, 135, "以上"),
    line(0, 249, 800, 249),
    // boot to C-Gear measurement area
    text(0, 250, "起動→Cギアフレーム測定"),
    text(10, 340, "個体値:"),
    text(66, 340, "H"), text(106, 340, "A"), text(146, 340, "B"),
    text(186, 340, "C"), text(226, 340, "D"), text(266, 340, "S"),
    text(10, 310, "CギアON:"),
    text(116, 310, "月"), text(166, 310, "日"), text(216, 310, "時"), text(266, 310, "分"),
    text(10, 405, "raw初期seed候補:"),
    text(10, 370, "最大消費回数:"),
    {PaintKind::kCandidateRows, kCandidateRowX, kCandidateRowY, 0, kCandidateRowSpacing, nullptr},  // y2: row spacing
    // confirmation list and timing area
    text(401, 250, "初期seed確認リスト"),
    text(420, 280, "狙うraw初期seed:0x"),
    text(520, 310, "月"),
    text(570, 310, "日"),
    text(520, 340, "秒で下位0x"),
    {PaintKind::kBootLine, 440, 380, 0, 0, nullptr},
    {PaintKind::kCGearLine, 440, 410, 0, 0, nullptr},
    {PaintKind::kClockLine, 440, 430, 0, 0, nullptr},
    text(460, 450, "個消費"),
    text(650, 450, "Lv"),
    text(595, 481, "性格:"),
};
const int kPaintItemCount = static_cast<int>(sizeof kPaintItems / sizeof kPaintItems[0]);

const char kNoCandidatesText[] = "候補なし";

void format_candidate_row(int n, char* buffer) {
    std::snprintf(buffer, 256, "%08X", static_cast<unsigned>(g_app.candidates.seeds[n]));
}

void format_boot_line(char* buffer) {
    std::snprintf(buffer, 256, "起動:%d月%d日%d時%d分%d秒", g_app.timing.boot_month, g_app.timing.boot_day, g_app.timing.boot_hour,
                  g_app.timing.boot_minute, g_app.timing.boot_second);
}

void format_cgear_line(char* buffer) {
    std::snprintf(buffer, 256, "Cギア:%d月%d日%d時%d分%.2f秒", g_app.timing.cgear_month, g_app.timing.cgear_day, g_app.timing.cgear_hour,
                  g_app.timing.cgear_minute, static_cast<double>(g_app.timing.cgear_centiseconds) / 100.0);
}

void format_clock_line(char* buffer) {
    const ClockSetting c = clock_setting(g_app.timing);
    std::snprintf(buffer, 256, "時計合わせ:%d月%d日%d時%d分", c.month, c.day, c.hour, c.minute);
}
