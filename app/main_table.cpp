#include "app/main_table.h"

#include <cstdio>

#include "app/ids.h"
#include "core/state.h"
#include "timing/timer_schedule.h"

namespace {

constexpr ControlKind kButton = ControlKind::kButton;
constexpr ControlKind kBordered = ControlKind::kBorderedButton;
constexpr ControlKind kMouse = ControlKind::kMouseButton;

// In creation order, which is the order Tab follows.
constexpr ControlSpec kControls[] = {
    field(kIdMacByte1, 330, 2, 30),
    field(kIdMacByte2, 370, 2, 30),
    field(kIdMacByte3, 410, 2, 30),
    button(kIdRoamingBox, ControlKind::kCheckBox, 500, 2, 100, TextId::kRoamingBox),

    // seed search
    field(kIdSearchIvFirst + 0, 78, 64, 20, "0"),
    field(kIdSearchIvFirst + 1, 118, 64, 20, "0"),
    field(kIdSearchIvFirst + 2, 158, 64, 20, "0"),
    field(kIdSearchIvFirst + 3, 198, 64, 20, "0"),
    field(kIdSearchIvFirst + 4, 238, 64, 20, "0"),
    field(kIdSearchIvFirst + 5, 278, 64, 20, "0"),
    list(kIdSearchTypeList, 65, 103, 120, ListEntries::kTypeFilter),
    field(kIdSearchMinPower, 200, 104, 24, "30"),
    field(kIdSearchLowMin, 105, 145, 40, "600"),
    field(kIdSearchLowMax, 170, 145, 40, "1000"),
    field(kIdSearchLastFrame, 330, 145, 40, "30"),
    button(kIdSearchButton, kBordered, 240, 190, 100, TextId::kSearchButton),

    // frame list
    field(kIdListSeed, 530, 54, 96),
    field(kIdListIvFirst + 0, 478, 94, 20, "0"),
    field(kIdListIvFirst + 1, 518, 94, 20, "0"),
    field(kIdListIvFirst + 2, 558, 94, 20, "0"),
    field(kIdListIvFirst + 3, 598, 94, 20, "0"),
    field(kIdListIvFirst + 4, 638, 94, 20, "0"),
    field(kIdListIvFirst + 5, 678, 94, 20, "0"),
    list(kIdListTypeList, 465, 134, 120, ListEntries::kTypeFilter),
    field(kIdListMinPower, 600, 134, 24, "30"),
    field(kIdListFrameCount, 410, 174, 40, "100"),
    button(kIdListButton, kBordered, 580, 200, 100, TextId::kListButton),

    // stopwatch and candidates
    display(kIdStopwatchDisplay, 20, 274, 60, "0"),
    button(kIdStopwatchButton, kMouse, 100, 274, 100, TextId::kStopwatchIdle),
    field(kIdSwitchOnFirst + 0, 90, 309, 24),
    field(kIdSwitchOnFirst + 1, 140, 309, 24),
    field(kIdSwitchOnFirst + 2, 190, 309, 24),
    field(kIdSwitchOnFirst + 3, 240, 309, 24),
    field(kIdKnownIvFirst + 0, 78, 339, 20),
    field(kIdKnownIvFirst + 1, 118, 339, 20),
    field(kIdKnownIvFirst + 2, 158, 339, 20),
    field(kIdKnownIvFirst + 3, 198, 339, 20),
    field(kIdKnownIvFirst + 4, 238, 339, 20),
    field(kIdKnownIvFirst + 5, 278, 339, 20),
    button(kIdCandidatesButton, kButton, 270, 369, 120, TextId::kCandidatesButton),
    field(kIdCandidatesLastFrame, 120, 369, 40, "20"),

    // C-Gear timing
    field(kIdTargetSeed, 570, 279, 96),
    field(kIdTimingMonth, 490, 309, 24, "9"),
    field(kIdTimingDay, 540, 309, 24, "12"),
    list(kIdDateModeList, 600, 309, 100, ListEntries::kDateModes),
    field(kIdMeasuredSeconds, 420, 339, 100),
    field(kIdObtainedLow, 600, 339, 48),
    button(kIdTimingButton, kButton, 680, 339, 100, TextId::kTimingButton),

    // confirmation list
    field(kIdConfirmFrames, 420, 450, 36),
    worded_field(kIdSpeciesName, 550, 450, 90, TextId::kSpeciesField),
    field(kIdLevel, 670, 450, 36),
    button(kIdConfirmButton, kButton, 580, 510, 180, TextId::kConfirmButton),

    // added later, after the controls above so that their Tab order stays as it was
    list(kIdNatureList, 640, 478, 120, ListEntries::kNatureModifiers),
    // like the stopwatch's, the timer's button is pressed with the mouse at a moment, never by Tab
    button(kIdTimerButton, kMouse, 420, 478, 100, TextId::kTimerButton),
    display(kIdTimerDisplay, 420, 510, kTimerDisplayWidth),
    button(kIdStatsButton, kButton, 290, 405, 100, TextId::kStatsButton),
};

constexpr PaintItem result_item(PaintKind kind, int16_t x, int16_t y) { return {kind, x, y, 0, 0, TextId::kNone}; }

// In drawing order.
constexpr PaintItem kItems[] = {
    painted_line(0, 30, 800, 30),
    painted_text(150, 3, TextId::kMacLabel),
    painted_line(400, 30, 400, 800),
    // seed search
    painted_text(0, 31, TextId::kSeedSearchLabel),
    painted_text(10, 65, TextId::kIvsLabel),
    painted_text(66, 65, TextId::kStatH),
    painted_text(106, 65, TextId::kStatA),
    painted_text(146, 65, TextId::kStatB),
    painted_text(186, 65, TextId::kStatC),
    painted_text(226, 65, TextId::kStatD),
    painted_text(266, 65, TextId::kStatS),
    painted_text(306, 65, TextId::kOrMoreLabel),
    painted_text(10, 145, TextId::kLowBytesLabel),
    painted_text(150, 145, TextId::kRangeToLabel),
    painted_text(220, 145, TextId::kMaxFrameLabel),
    painted_text(10, 105, TextId::kHiddenPowerLabel),
    painted_text(230, 105, TextId::kOrMoreLabel),
    // frame list
    painted_text(401, 31, TextId::kFrameListLabel),
    painted_text(410, 55, TextId::kRawSeedLabel),
    painted_text(410, 95, TextId::kIvsLabel),
    painted_text(466, 95, TextId::kStatH),
    painted_text(506, 95, TextId::kStatA),
    painted_text(546, 95, TextId::kStatB),
    painted_text(586, 95, TextId::kStatC),
    painted_text(626, 95, TextId::kStatD),
    painted_text(666, 95, TextId::kStatS),
    painted_text(706, 95, TextId::kOrMoreLabel),
    painted_text(450, 175, TextId::kFramesLabel),
    painted_text(410, 135, TextId::kHiddenPowerLabel),
    painted_text(630, 135, TextId::kOrMoreLabel),
    painted_line(0, 249, 800, 249),
    // boot to C-Gear measurement
    painted_text(0, 250, TextId::kTimingLabel),
    painted_text(10, 340, TextId::kIvsLabel),
    painted_text(66, 340, TextId::kStatH),
    painted_text(106, 340, TextId::kStatA),
    painted_text(146, 340, TextId::kStatB),
    painted_text(186, 340, TextId::kStatC),
    painted_text(226, 340, TextId::kStatD),
    painted_text(266, 340, TextId::kStatS),
    painted_text(10, 310, TextId::kCGearOnLabel),
    painted_text(116, 310, TextId::kMonthLabel),
    painted_text(166, 310, TextId::kDayLabel),
    painted_text(216, 310, TextId::kHourLabel),
    painted_text(266, 310, TextId::kMinuteLabel),
    painted_text(10, 405, TextId::kCandidatesLabel),
    painted_text(10, 370, TextId::kMaxFrameLabel),
    {PaintKind::kCandidateRows, kCandidateRowX, kCandidateRowY, 0, kCandidateRowSpacing, TextId::kNone},
    // confirmation list and timing
    painted_text(401, 250, TextId::kConfirmationLabel),
    painted_text(420, 280, TextId::kTargetLabel),
    painted_text(520, 310, TextId::kMonthLabel),
    painted_text(570, 310, TextId::kDayLabel),
    painted_text(520, 340, TextId::kSecondsGaveLabel),
    result_item(PaintKind::kBootLine, 440, 380),
    result_item(PaintKind::kCGearLine, 440, 410),
    result_item(PaintKind::kClockLine, 440, 430),
    painted_text(460, 450, TextId::kFrameConsumedLabel),
    painted_text(650, 450, TextId::kLevelLabel),
    painted_text(595, 481, TextId::kNatureLabel),
};

}  // namespace

const WindowTable kMainWindowTable = window_table(kControls, kItems);

void format_candidate_row(int n, char* buffer) {
    std::snprintf(buffer, 256, "%08X", static_cast<unsigned>(g_app.candidates.seeds[n]));
}

void format_boot_line(char* buffer) {
    std::snprintf(buffer, 256, tr(TextId::kBootLine), g_app.timing.boot_month, g_app.timing.boot_day, g_app.timing.boot_hour,
                  g_app.timing.boot_minute, g_app.timing.boot_second);
}

void format_cgear_line(char* buffer) {
    std::snprintf(buffer, 256, tr(TextId::kCGearLine), g_app.timing.cgear_month, g_app.timing.cgear_day, g_app.timing.cgear_hour,
                  g_app.timing.cgear_minute, static_cast<double>(g_app.timing.cgear_centiseconds) / 100.0);
}

void format_clock_line(char* buffer) {
    const ClockSetting c = clock_setting(g_app.timing);
    std::snprintf(buffer, 256, tr(TextId::kClockLine), c.month, c.day, c.hour, c.minute);
}
