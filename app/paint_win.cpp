// Painting the main window: its table's labels and dividers, and the results.
#include <windows.h>

#include "app/layout.h"
#include "app/main_table.h"
#include "app/shell_win.h"
#include "core/state.h"
#include "timing/timer_schedule.h"

namespace {

void draw_result(HDC dc, const PaintItem& item) {
    char buffer[256];
    switch (item.kind) {
    case PaintKind::kCandidateRows:
        // a search that found nothing says so, so that nothing found and nothing done look different
        if (g_app.candidates.searched && g_app.candidates.count == 0) draw_text(dc, item.x, item.y, tr(TextId::kNoCandidates));
        for (int n = 0; n < g_app.candidates.count && n < kMaxCandidates; ++n) {
            format_candidate_row(n, buffer);
            draw_text(dc, item.x, item.y + item.y2 * n, buffer);
        }
        break;
    case PaintKind::kBootLine:
        if (g_app.timing.shown != 1) break;
        format_boot_line(buffer);
        draw_text(dc, item.x, item.y, buffer);
        break;
    case PaintKind::kCGearLine:
        if (g_app.timing.shown != 1) break;
        format_cgear_line(buffer);
        draw_text(dc, item.x, item.y, buffer);
        break;
    case PaintKind::kClockLine:
        // where the clock line stands, the reason when no attempt can make the target
        if (unmakeable_line_shown(g_app.timing)) format_unmakeable_line(g_app.timing, buffer);
        else if (clock_setting_shown(g_app.timing)) format_clock_line(buffer);
        else break;
        draw_text(dc, item.x, item.y, buffer);
        break;
    default: break;
    }
}

}  // namespace

void paint_window(HDC dc) {
    // white fill with its outline just outside the first visible pixels
    Rectangle(dc, -1, -1, kWindowWidth + 1, kWindowHeight + 101);
    if (g_window.controls_created) paint_table(dc, kMainWindowTable, draw_result);
}
