#include "core/texts.h"

namespace {

struct Entry {
    TextId id;
    const char* japanese;
};

// In the order of TextId, checked as the table is read.
constexpr Entry kTexts[] = {
    {TextId::kNone, ""},

    {TextId::kMacLabel, "MACアドレス右側3つ:"},
    {TextId::kSeedSearchLabel, "初期seed絞り込み"},
    {TextId::kIvsLabel, "個体値:"},
    {TextId::kStatH, "H"},
    {TextId::kStatA, "A"},
    {TextId::kStatB, "B"},
    {TextId::kStatC, "C"},
    {TextId::kStatD, "D"},
    {TextId::kStatS, "S"},
    {TextId::kOrMoreLabel, "以上"},
    {TextId::kLowBytesLabel, "下位2byte:0x"},
    {TextId::kRangeToLabel, "～"},
    {TextId::kMaxFrameLabel, "最大消費回数:"},
    {TextId::kHiddenPowerLabel, "めざパ:"},
    {TextId::kFrameListLabel, "リスト出力"},
    {TextId::kRawSeedLabel, "raw初期seed:0x"},
    {TextId::kFramesLabel, "回まで出力"},
    {TextId::kTimingLabel, "起動→Cギアフレーム測定"},
    {TextId::kCGearOnLabel, "CギアON:"},
    {TextId::kMonthLabel, "月"},
    {TextId::kDayLabel, "日"},
    {TextId::kHourLabel, "時"},
    {TextId::kMinuteLabel, "分"},
    {TextId::kCandidatesLabel, "raw初期seed候補:"},
    {TextId::kConfirmationLabel, "初期seed確認リスト"},
    {TextId::kTargetLabel, "狙うraw初期seed:0x"},
    {TextId::kSecondsGaveLabel, "秒で下位0x"},
    {TextId::kFrameConsumedLabel, "個消費"},
    {TextId::kLevelLabel, "Lv"},
    {TextId::kNatureLabel, "性格:"},

    {TextId::kRoamingBox, "徘徊"},
    {TextId::kSearchButton, "計算"},
    {TextId::kListButton, "リスト出力"},
    {TextId::kCandidatesButton, "初期seed計算"},
    {TextId::kTimingButton, "計算"},
    {TextId::kConfirmButton, "初期seed確認リスト"},
    {TextId::kTimerButton, "タイマー"},
    {TextId::kStatsButton, "実数値から"},
    {TextId::kSpeciesField, "ポケモン名"},
    {TextId::kAnyTypeEntry, "指定無し"},
    {TextId::kOnOrAfterEntry, "以降"},
    {TextId::kNoNatureEntry, "補正なし"},
    {TextId::kAdoptButton, "採用"},
    {TextId::kStopwatchIdle, "起動"},
    {TextId::kStopwatchRunning, "Cギア起動"},

    {TextId::kStatsTitle, "実数値から個体値"},
    {TextId::kStatsSpeciesLabel, "ポケモン名"},
    {TextId::kStatsNatureLabel, "性格"},
    {TextId::kStatsCharacteristicLabel, "個性"},
    {TextId::kStatsHiddenPowerLabel, "めざパ"},
    {TextId::kStatsIvsLabel, "個体値"},
    {TextId::kStatsLowRangeLabel, "下位±"},
    {TextId::kStatsSecondRangeLabel, "秒±"},
    {TextId::kUnknownEntry, "不明"},
    {TextId::kIvsButton, "個体値計算"},
    {TextId::kStatsCandidatesButton, "初期seed候補"},
    {TextId::kHitsButton, "当たりを探す"},
    {TextId::kHitAdoptButton, "採用"},

    {TextId::kMissingSpecies, "ポケモン名「%s」はpokemon.datにありません"},

    {TextId::kAttemptsButton, "試行記録"},
    {TextId::kAttemptsTitle, "試行記録"},
    {TextId::kAdoptMedianButton, "中央値で採用"},
    {TextId::kClearAttemptsButton, "記録を消す"},
    {TextId::kClearAttemptsQuestion, "試行記録を消しますか?"},
    {TextId::kAttemptsSummary, "試行 %d 回 ばらつき ±%.1f 秒ずれ %d 回"},
    {TextId::kAttemptsChance, "次に当たる見込み %d%%(およそ %d 回に 1 回)"},
    {TextId::kAttemptsChanceLater, "3 回試すと見込みが出ます"},
    {TextId::kAttemptsChanceZero, "次に当たる見込み 0%"},
    {TextId::kAttemptsUnreadable, "読めない行 %d"},
    {TextId::kAttemptLine, "%08X 下位%+d 秒%+d 消費%d %s秒"},
    {TextId::kAttemptsHeader, "日時,狙うseed,秒数,当たりseed,下位,秒,消費数"},
    {TextId::kAttemptsWriteFailed, "試行記録attempts.txtに書き込めませんでした。書き込めないファイルか、同じ名前のフォルダーです。"
                                   "採用はしました。"},
    {TextId::kAttemptsMoveFailed, "試行記録attempts.txtを移せませんでした。記録はそのままです。"},
};
constexpr int kTextCount = static_cast<int>(TextId::kCount);
static_assert(sizeof kTexts / sizeof kTexts[0] == kTextCount, "one entry per id");

constexpr bool in_id_order() {
    for (int i = 0; i < kTextCount; ++i)
        if (static_cast<int>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(in_id_order(), "the entries stand in the order of their ids");

}  // namespace

const char* tr(TextId id) {
    const int i = static_cast<int>(id);
    return i >= 0 && i < kTextCount ? kTexts[i].japanese : "";
}
