#include "app/stats_table.h"

#include "app/ids.h"
#include "core/game.h"

namespace {

constexpr int16_t kStatX = 80;  // stat column s at kStatX + kStatSpacing * s
constexpr int16_t kStatSpacing = 60;
constexpr int16_t kRowY = 94;  // row r at kRowY + kRowSpacing * r
constexpr int16_t kRowSpacing = 28;
constexpr int16_t kIvY = 204;  // the possible IVs of stat s at kIvY + kIvSpacing * s
constexpr int16_t kIvSpacing = 24;

constexpr ControlSpec row_field(int32_t r, int32_t column) {
    const int32_t id = kIdStatsLevelFirst + kIdStatsRowStep * r + column;  // column 0: the level
    const int16_t x = column == 0 ? 10 : static_cast<int16_t>(kStatX + kStatSpacing * (column - 1));
    return field(id, x, static_cast<int16_t>(kRowY + kRowSpacing * r), 44);
}
constexpr ControlSpec iv_display(int32_t s) {
    return display(kIdStatsIvFirst + s, 40, static_cast<int16_t>(kIvY + kIvSpacing * s), 470);
}

// In ascending identifiers, so that Tab follows them.
constexpr ControlSpec kControls[] = {
    field(kIdStatsName, 100, 10, 110),
    list(kIdStatsNatureList, 260, 10, 120, ListEntries::kUnknownNature),
    in_english(list(kIdStatsCharacteristicList, 100, 40, 240, ListEntries::kUnknownCharacteristic), 126, 40, 204),
    in_english(list(kIdStatsTypeList, 410, 40, 100, ListEntries::kUnknownType), 432, 40, 86),
    row_field(0, 0), row_field(0, 1), row_field(0, 2), row_field(0, 3), row_field(0, 4), row_field(0, 5), row_field(0, 6),
    row_field(1, 0), row_field(1, 1), row_field(1, 2), row_field(1, 3), row_field(1, 4), row_field(1, 5), row_field(1, 6),
    row_field(2, 0), row_field(2, 1), row_field(2, 2), row_field(2, 3), row_field(2, 4), row_field(2, 5), row_field(2, 6),
    iv_display(0), iv_display(1), iv_display(2), iv_display(3), iv_display(4), iv_display(5),
    display(kIdStatsStatus, 10, 350, 500),
    in_english(button(kIdStatsIvButton, ControlKind::kButton, 10, 380, 110, TextId::kIvsButton), 10, 380, 120),
    in_english(button(kIdStatsCandidatesButton, ControlKind::kButton, 130, 380, 120, TextId::kStatsCandidatesButton), 136,
               380, 140),
    in_english(button(kIdStatsHitsButton, ControlKind::kButton, 260, 380, 120, TextId::kHitsButton), 282, 380, 120),
    field(kIdStatsLowRange, 70, 412, 44, "100"),
    field(kIdStatsSecondRange, 170, 412, 30, "1"),
    control(kIdStatsHitList, ControlKind::kListBox, 10, 442, 300, 124, TextId::kNone, ""),
    button(kIdStatsAdopt, ControlKind::kButton, 320, 442, 60, TextId::kHitAdoptButton),
    button(kIdStatsAttempts, ControlKind::kButton, 390, 442, 100, TextId::kAttemptsButton),
};

constexpr TextId kStatLetters[kStatCount] = {TextId::kStatH, TextId::kStatA, TextId::kStatB,
                                             TextId::kStatC, TextId::kStatD, TextId::kStatS};
constexpr PaintItem column_head(int32_t s) {
    return painted_text(static_cast<int16_t>(kStatX + kStatSpacing * s + 16), 72, kStatLetters[s]);
}
constexpr PaintItem iv_row_letter(int32_t s) {
    const int16_t y = static_cast<int16_t>(kIvY + kIvSpacing * s + 2);
    return in_english(painted_text(18, y, kStatLetters[s]), 12, y);
}

constexpr PaintItem kItems[] = {
    painted_text(10, 13, TextId::kStatsSpeciesLabel),
    in_english(painted_text(215, 13, TextId::kStatsNatureLabel), 212, 13),
    painted_text(10, 43, TextId::kStatsCharacteristicLabel),
    in_english(painted_text(350, 43, TextId::kStatsHiddenPowerLabel), 334, 43),
    painted_text(18, 72, TextId::kLevelLabel),
    painted_text(10, 182, TextId::kStatsIvsLabel),
    painted_text(10, 415, TextId::kStatsLowRangeLabel),
    in_english(painted_text(130, 415, TextId::kStatsSecondRangeLabel), 118, 415),
    column_head(0), iv_row_letter(0), column_head(1), iv_row_letter(1), column_head(2), iv_row_letter(2),
    column_head(3), iv_row_letter(3), column_head(4), iv_row_letter(4), column_head(5), iv_row_letter(5),
};

}  // namespace

const WindowTable kStatsWindowTable = window_table(kControls, kItems);
