#include "core/texts.h"

#include <atomic>
#include <cstring>

namespace {

struct Entry {
    TextId id;
    const char* japanese;
    const char* english;
};

// In the order of TextId, checked as the table is read.
constexpr Entry kTexts[] = {
    {TextId::kNone, "", ""},

    {TextId::kMacLabel, "MACアドレス右側3つ:", "MAC, last 3 bytes:"},
    {TextId::kSeedSearchLabel, "初期seed絞り込み", "Seed search"},
    {TextId::kIvsLabel, "個体値:", "IVs:"},
    {TextId::kStatH, "H", "HP"},
    {TextId::kStatA, "A", "Atk"},
    {TextId::kStatB, "B", "Def"},
    {TextId::kStatC, "C", "SpA"},
    {TextId::kStatD, "D", "SpD"},
    {TextId::kStatS, "S", "Spe"},
    {TextId::kOrMoreLabel, "以上", "or more"},
    {TextId::kLowBytesLabel, "下位2byte:0x", "Low 16 bits: 0x"},
    {TextId::kRangeToLabel, "～", "to"},
    {TextId::kMaxFrameLabel, "最大消費回数:", "Max frame:"},
    {TextId::kHiddenPowerLabel, "めざパ:", "Hidden Power:"},
    {TextId::kFrameListLabel, "リスト出力", "Frame list"},
    {TextId::kRawSeedLabel, "raw初期seed:0x", "Raw seed: 0x"},
    {TextId::kFramesLabel, "回まで出力", "frames"},
    {TextId::kTimingLabel, "起動→Cギアフレーム測定", "Boot to C-Gear timing"},
    {TextId::kCGearOnLabel, "CギアON:", "C-Gear on:"},
    {TextId::kMonthLabel, "月", "M"},
    {TextId::kDayLabel, "日", "D"},
    {TextId::kHourLabel, "時", "h"},
    {TextId::kMinuteLabel, "分", "min"},
    {TextId::kCandidatesLabel, "raw初期seed候補:", "Raw seed candidates:"},
    {TextId::kConfirmationLabel, "初期seed確認リスト", "Seed confirmation list"},
    {TextId::kTargetLabel, "狙うraw初期seed:0x", "Target raw seed: 0x"},
    {TextId::kSecondsGaveLabel, "秒で下位0x", "s gave low 0x"},
    {TextId::kFrameConsumedLabel, "個消費", "frame"},
    {TextId::kLevelLabel, "Lv", "Lv"},
    {TextId::kNatureLabel, "性格:", "Nature:"},

    {TextId::kRoamingBox, "徘徊", "Roaming"},
    {TextId::kSearchButton, "計算", "Search"},
    {TextId::kListButton, "リスト出力", "List"},
    {TextId::kCandidatesButton, "初期seed計算", "Find candidates"},
    {TextId::kTimingButton, "計算", "Calculate"},
    {TextId::kConfirmButton, "初期seed確認リスト", "Confirmation list"},
    {TextId::kTimerButton, "タイマー", "Timer"},
    {TextId::kStatsButton, "実数値から", "From stats"},
    {TextId::kSpeciesField, "ポケモン名", "Species"},
    {TextId::kAnyTypeEntry, "指定無し", "Any"},
    {TextId::kOnOrAfterEntry, "以降", "on or after"},
    {TextId::kNoNatureEntry, "補正なし", "No nature"},
    {TextId::kAdoptButton, "採用", "Adopt"},
    {TextId::kStopwatchIdle, "起動", "Boot"},
    {TextId::kStopwatchRunning, "Cギア起動", "C-Gear on"},

    {TextId::kStatsTitle, "実数値から個体値", "IVs from stats"},
    {TextId::kStatsSpeciesLabel, "ポケモン名", "Species"},
    {TextId::kStatsNatureLabel, "性格", "Nature"},
    {TextId::kStatsCharacteristicLabel, "個性", "Characteristic"},
    {TextId::kStatsHiddenPowerLabel, "めざパ", "Hidden Power"},
    {TextId::kStatsIvsLabel, "個体値", "IVs"},
    {TextId::kStatsLowRangeLabel, "下位±", "Low ±"},
    {TextId::kStatsSecondRangeLabel, "秒±", "Sec ±"},
    {TextId::kUnknownEntry, "不明", "Unknown"},
    {TextId::kIvsButton, "個体値計算", "Calculate IVs"},
    {TextId::kStatsCandidatesButton, "初期seed候補", "Find candidates"},
    {TextId::kHitsButton, "当たりを探す", "Find the hit"},
    {TextId::kHitAdoptButton, "採用", "Adopt"},

    {TextId::kMissingSpecies, "ポケモン名「%s」はpokemon.datにありません", "Species \"%s\" is not in pokemon.dat"},

    {TextId::kLanguageButton, "English", "日本語"},
    {TextId::kLanguageNotKept, "kivrel.iniに言語を書き込めませんでした。次に起動したときは元の言語で表示されます。",
     "The language could not be written to kivrel.ini. Kivrel will start in the earlier language next time."},

    {TextId::kStopButton, "中止", "Stop"},
    {TextId::kSearchProgress, "%d時計算中 候補:%lld個", "Searching hour %d, %lld found"},

    {TextId::kNoCandidates, "候補なし", "No candidates"},
    {TextId::kBootLine, "起動:%d月%d日%d時%d分%d秒", "Boot: %d/%d %02d:%02d:%02d"},
    {TextId::kCGearLine, "Cギア:%d月%d日%d時%d分%.2f秒", "C-Gear: %d/%d %02d:%02d:%05.2f"},
    {TextId::kClockLine, "時計合わせ:%d月%d日%d時%d分", "Set clock: %d/%d %02d:%02d"},
    {TextId::kUnmakeableHour, "このseedは作れません(時が%d)", "This seed cannot be made (hour %d)"},
    {TextId::kUnmakeableInterval, "このseedは作れません(間隔が%.2f秒)", "This seed cannot be made (interval %.2f s)"},

    {TextId::kTimerUnmakeable, "このseedは作れません", "This seed cannot be made"},
    {TextId::kTimerNotReady, "先に計算して下さい", "Calculate first"},
    {TextId::kTimerBootIn, "起動まで", "Boot in"},
    {TextId::kTimerCGearIn, "Cギアまで", "C-Gear in"},
    {TextId::kTimerDone, "完了", "Done"},
    {TextId::kTimerStopped, "中止", "Stopped"},

    {TextId::kSpeciesTableUnreadable, "pokemon.datを読み込めませんでした", "pokemon.dat could not be read"},
    {TextId::kResultPassesSize, "result.txtが%lluGBを超えます(ここまでで %lld 行)。続けますか?",
     "result.txt will pass %llu GB (%lld lines so far). Go on?"},
    {TextId::kCreateFailed,
     "%sを作成できませんでした。書き込めないフォルダーか、同じ名前のフォルダーか、ほかのプログラムが開いているファイルです。",
     "%s could not be created: the folder is read-only, a folder has that name, or another program has the file open."},
    {TextId::kWriteFailed,
     "%sの書き込みに失敗しました(ディスクの空きが足りないか、ファイルの大きさの上限です)。以前の%sはそのままです。",
     "Writing %s failed (the disk is full or the file is too large). The earlier %s is kept."},
    {TextId::kReplaceFailed, "%sを置き換えられなかったため、結果を%sに保存しました。",
     "%s could not be replaced, so the result was saved as %s."},
    {TextId::kTooLargeToOpen, "%sは%.1fMBあり、大きすぎるため開きません。場所: ", "%s is %.1f MB, too large to open. It is in: "},

    {TextId::kNoIvs, "なし", "none"},
    {TextId::kNoIvSetFits, "当てはまる個体値がありません", "No IVs fit these stats"},
    {TextId::kTypeLevelAndStats, "レベルと実数値を入れて下さい", "Type a level and stats"},
    {TextId::kLevelRange, "レベルは1から%dで入れて下さい", "Levels are 1 to %d"},
    {TextId::kHitLine, "%08X 下位%+d 秒%+d 消費%d", "%08X low %+d sec %+d frame %d"},
    {TextId::kNoHits, "当たりなし", "No hit"},

    {TextId::kResultHeader, "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\n",
     "seed,frame,HP,Atk,Def,SpA,SpD,Spe,Hidden Power,Power\n"},
    {TextId::kListHeader, "消費数,H,A,B,C,D,S,めざパ,威力\n", "frame,HP,Atk,Def,SpA,SpD,Spe,Hidden Power,Power\n"},
    {TextId::kConfirmationHeader, "raw初期seed,H,A,B,C,D,S\n", "seed,HP,Atk,Def,SpA,SpD,Spe\n"},
    {TextId::kFrameOutOfRange, "消費数%dは範囲外です(0から%dまで)\n", "Frame %d is out of range (0 to %d)\n"},

    {TextId::kAttemptsButton, "試行記録", "Attempts"},
    {TextId::kAttemptsTitle, "試行記録", "Attempts"},
    {TextId::kAdoptMedianButton, "中央値で採用", "Adopt median"},
    {TextId::kClearAttemptsButton, "記録を消す", "Clear log"},
    {TextId::kClearAttemptsQuestion, "試行記録を消しますか?", "Clear the attempt log?"},
    {TextId::kAttemptsSummary, "試行 %d 回 ばらつき ±%.1f 秒ずれ %d 回", "%d attempts, scatter ±%.1f, second missed %d"},
    {TextId::kAttemptsChance, "次に当たる見込み %d%%(およそ %d 回に 1 回)", "Next attempt hits: %d%% (about 1 in %d)"},
    {TextId::kAttemptsChanceLater, "3 回試すと見込みが出ます", "3 attempts give the chance"},
    {TextId::kAttemptsChanceZero, "次に当たる見込み 0%", "Next attempt hits: 0%"},
    {TextId::kAttemptsUnreadable, "読めない行 %d", "Unreadable lines: %d"},
    {TextId::kAttemptLine, "%08X 下位%+d 秒%+d 消費%d %s秒", "%08X low %+d sec %+d frame %d %s s"},
    {TextId::kAttemptsHeader, "日時,狙うseed,秒数,当たりseed,下位,秒,消費数", "time,target,interval,hit,low,second,frame"},
    {TextId::kAttemptsWriteFailed,
     "試行記録attempts.txtに書き込めませんでした。読み取り専用か、ほかのプログラムが開いているか、同じ名前のフォルダーです。採用はしました。",
     "The attempt log attempts.txt could not be written: it is read-only or open in another program, or a folder has that name. The hit was adopted."},
    {TextId::kAttemptsMoveFailed, "試行記録attempts.txtを移せませんでした。記録はそのままです。",
     "The attempt log attempts.txt could not be moved aside. The log stays as it was."},
};
constexpr int kTextCount = static_cast<int>(TextId::kCount);
static_assert(sizeof kTexts / sizeof kTexts[0] == kTextCount, "one entry per id");

constexpr bool in_id_order() {
    for (int i = 0; i < kTextCount; ++i)
        if (static_cast<int>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(in_id_order(), "the entries stand in the order of their ids");

// Japanese until the window chooses: every test and tool sees the texts as before.
std::atomic<uint8_t> g_shown_language{static_cast<uint8_t>(Language::kJapanese)};

}  // namespace

const char* tr(TextId id, Language language) {
    const int i = static_cast<int>(id);
    const int l = static_cast<int>(language);
    if (i < 0 || i >= kTextCount || l < 0 || l >= kLanguageCount) return "";
    return language == Language::kEnglish ? kTexts[i].english : kTexts[i].japanese;
}

Language shown_language() { return static_cast<Language>(g_shown_language.load(std::memory_order_relaxed)); }
void show_language(Language language) { g_shown_language.store(static_cast<uint8_t>(language), std::memory_order_relaxed); }

bool language_of_setting(const char* value, Language* language) {
    if (value == nullptr) return false;
    for (int l = 0; l < kLanguageCount; ++l) {
        if (std::strcmp(value, setting_of_language(static_cast<Language>(l))) == 0) {
            *language = static_cast<Language>(l);
            return true;
        }
    }
    return false;
}

Language starting_language(const char* setting, bool display_is_japanese) {
    Language chosen = display_is_japanese ? Language::kJapanese : Language::kEnglish;
    language_of_setting(setting, &chosen);
    return chosen;
}

const char* setting_of_language(Language language) { return language == Language::kEnglish ? "en" : "ja"; }
