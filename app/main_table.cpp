#include "app/main_table.h"

#include <cstdio>

#include "app/ids.h"
#include "core/game.h"
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
    in_english(field(kIdSearchIvFirst + 0, 78, 64, 20, "0"), 78, 68, 20),
    in_english(field(kIdSearchIvFirst + 1, 118, 64, 20, "0"), 118, 68, 20),
    in_english(field(kIdSearchIvFirst + 2, 158, 64, 20, "0"), 158, 68, 20),
    in_english(field(kIdSearchIvFirst + 3, 198, 64, 20, "0"), 198, 68, 20),
    in_english(field(kIdSearchIvFirst + 4, 238, 64, 20, "0"), 238, 68, 20),
    in_english(field(kIdSearchIvFirst + 5, 278, 64, 20, "0"), 278, 68, 20),
    in_english(list(kIdSearchTypeList, 65, 103, 120, ListEntries::kTypeFilter), 118, 103, 120),
    in_english(field(kIdSearchMinPower, 200, 104, 24, "30"), 245, 104, 24),
    in_english(field(kIdSearchLowMin, 105, 145, 40, "600"), 130, 145, 40),
    in_english(field(kIdSearchLowMax, 170, 145, 40, "1000"), 194, 145, 40),
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
    in_english(list(kIdListTypeList, 465, 134, 120, ListEntries::kTypeFilter), 518, 134, 120),
    in_english(field(kIdListMinPower, 600, 134, 24, "30"), 645, 134, 24),
    field(kIdListFrameCount, 410, 174, 40, "100"),
    button(kIdListButton, kBordered, 580, 200, 100, TextId::kListButton),

    // stopwatch and candidates
    display(kIdStopwatchDisplay, 20, 274, 60, "0"),
    button(kIdStopwatchButton, kMouse, 100, 274, 100, TextId::kStopwatchIdle),
    in_english(field(kIdSwitchOnFirst + 0, 90, 309, 24), 90, 300, 24),
    in_english(field(kIdSwitchOnFirst + 1, 140, 309, 24), 140, 300, 24),
    in_english(field(kIdSwitchOnFirst + 2, 190, 309, 24), 190, 300, 24),
    in_english(field(kIdSwitchOnFirst + 3, 240, 309, 24), 240, 300, 24),
    in_english(field(kIdKnownIvFirst + 0, 78, 339, 20), 78, 341, 20),
    in_english(field(kIdKnownIvFirst + 1, 118, 339, 20), 118, 341, 20),
    in_english(field(kIdKnownIvFirst + 2, 158, 339, 20), 158, 341, 20),
    in_english(field(kIdKnownIvFirst + 3, 198, 339, 20), 198, 341, 20),
    in_english(field(kIdKnownIvFirst + 4, 238, 339, 20), 238, 341, 20),
    in_english(field(kIdKnownIvFirst + 5, 278, 339, 20), 278, 341, 20),
    in_english(button(kIdCandidatesButton, kButton, 270, 369, 120, TextId::kCandidatesButton), 250, 369, 140),
    field(kIdCandidatesLastFrame, 120, 369, 40, "20"),

    // C-Gear timing
    field(kIdTargetSeed, 570, 279, 96),
    field(kIdTimingMonth, 490, 309, 24, "9"),
    field(kIdTimingDay, 540, 309, 24, "12"),
    in_english(list(kIdDateModeList, 600, 309, 100, ListEntries::kDateModes), 600, 309, 120),
    in_english(field(kIdMeasuredSeconds, 420, 339, 100), 420, 339, 80),
    in_english(field(kIdObtainedLow, 600, 339, 48), 610, 339, 48),
    button(kIdTimingButton, kButton, 680, 339, 100, TextId::kTimingButton),

    // confirmation list
    field(kIdConfirmFrames, 420, 450, 36),
    worded_field(kIdSpeciesName, 550, 450, 90, TextId::kSpeciesField),
    field(kIdLevel, 670, 450, 36),
    in_english(button(kIdConfirmButton, kButton, 580, 510, 180, TextId::kConfirmButton), 620, 510, 160),

    // added later, after the controls above so that their Tab order stays as it was
    list(kIdNatureList, 640, 478, 120, ListEntries::kNatureModifiers),
    // like the stopwatch's, the timer's button is pressed with the mouse at a moment, never by Tab
    button(kIdTimerButton, kMouse, 420, 478, 100, TextId::kTimerButton),
    in_english(display(kIdTimerDisplay, 420, 510, kTimerDisplayWidth), 420, 510, kEnglishTimerDisplayWidth),
    in_english(button(kIdStatsButton, kButton, 290, 405, 100, TextId::kStatsButton), 300, 405, 96),
    // the language button, last of all so that it is the last Tab stop
    button(kIdLanguageButton, kButton, kLanguageButtonX, 2, kLanguageButtonWidth, TextId::kLanguageButton),
};

// The stat letters of a row of IV fields whose first stands at x: beside each
// field in Japanese, above it in English, where the heads are wider.
constexpr TextId kStatHeads[kStatCount] = {TextId::kStatH, TextId::kStatA, TextId::kStatB,
                                           TextId::kStatC, TextId::kStatD, TextId::kStatS};
constexpr PaintItem stat_head(int32_t s, int16_t first_field_x, int16_t y, int16_t english_y) {
    const int16_t field_x = static_cast<int16_t>(first_field_x + 40 * s);
    return in_english(painted_text(static_cast<int16_t>(field_x - 12), y, kStatHeads[s]),
                      static_cast<int16_t>(s == 0 ? field_x + 2 : field_x - 2), english_y);
}
#define STAT_HEADS(first_field_x, y, english_y)                                                              \
    stat_head(0, first_field_x, y, english_y), stat_head(1, first_field_x, y, english_y),                     \
        stat_head(2, first_field_x, y, english_y), stat_head(3, first_field_x, y, english_y),                 \
        stat_head(4, first_field_x, y, english_y), stat_head(5, first_field_x, y, english_y)

// In drawing order.
constexpr PaintItem kItems[] = {
    painted_line(0, 30, 800, 30),
    painted_text(150, 3, TextId::kMacLabel),
    painted_line(400, 30, 400, 800),
    // seed search
    painted_text(0, 31, TextId::kSeedSearchLabel),
    in_english(painted_text(10, 65, TextId::kIvsLabel), 10, 69),
    STAT_HEADS(78, 65, 50),
    in_english(painted_text(306, 65, TextId::kOrMoreLabel), 306, 69),
    painted_text(10, 145, TextId::kLowBytesLabel),
    in_english(painted_text(150, 145, TextId::kRangeToLabel), 174, 145),
    in_english(painted_text(220, 145, TextId::kMaxFrameLabel), 240, 145),
    painted_text(10, 105, TextId::kHiddenPowerLabel),
    in_english(painted_text(230, 105, TextId::kOrMoreLabel), 275, 105),
    // frame list
    painted_text(401, 31, TextId::kFrameListLabel),
    painted_text(410, 55, TextId::kRawSeedLabel),
    painted_text(410, 95, TextId::kIvsLabel),
    STAT_HEADS(478, 95, 76),
    painted_text(706, 95, TextId::kOrMoreLabel),
    painted_text(450, 175, TextId::kFramesLabel),
    painted_text(410, 135, TextId::kHiddenPowerLabel),
    in_english(painted_text(630, 135, TextId::kOrMoreLabel), 675, 135),
    painted_line(0, 249, 800, 249),
    // boot to C-Gear measurement
    painted_text(0, 250, TextId::kTimingLabel),
    in_english(painted_text(10, 340, TextId::kIvsLabel), 10, 342),
    STAT_HEADS(78, 340, 322),
    in_english(painted_text(10, 310, TextId::kCGearOnLabel), 10, 301),
    in_english(painted_text(116, 310, TextId::kMonthLabel), 116, 301),
    in_english(painted_text(166, 310, TextId::kDayLabel), 166, 301),
    in_english(painted_text(216, 310, TextId::kHourLabel), 216, 301),
    in_english(painted_text(266, 310, TextId::kMinuteLabel), 266, 301),
    painted_text(10, 405, TextId::kCandidatesLabel),
    painted_text(10, 370, TextId::kMaxFrameLabel),
    in_english(painted_result(PaintKind::kCandidateRows, kCandidateRowX, kCandidateRowY, kCandidateRowSpacing),
               kEnglishCandidateRowX, kCandidateRowY),
    // confirmation list and timing
    painted_text(401, 250, TextId::kConfirmationLabel),
    in_english(painted_text(420, 280, TextId::kTargetLabel), 414, 280),
    painted_text(520, 310, TextId::kMonthLabel),
    painted_text(570, 310, TextId::kDayLabel),
    in_english(painted_text(520, 340, TextId::kSecondsGaveLabel), 504, 340),
    // in English the lines start further left, for the longest reason a plan cannot be made
    in_english(painted_result(PaintKind::kBootLine, 440, 380), 410, 380),
    in_english(painted_result(PaintKind::kCGearLine, 440, 410), 410, 410),
    in_english(painted_result(PaintKind::kClockLine, 440, 430), 410, 430),
    painted_text(460, 450, TextId::kFrameConsumedLabel),
    painted_text(650, 450, TextId::kLevelLabel),
    in_english(painted_text(595, 481, TextId::kNatureLabel), 580, 481),
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
