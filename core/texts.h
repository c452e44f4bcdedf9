// Every text of the windows the player reads, in one catalogue keyed by id:
// tables of controls and labels hold ids, and each text is looked up where
// it is shown.
#pragma once

#include <cstdint>

enum class TextId : uint16_t {
    kNone,  // no text: an empty field, a label-less item

    // main window: painted labels
    kMacLabel,
    kSeedSearchLabel,
    kIvsLabel,
    kStatH,
    kStatA,
    kStatB,
    kStatC,
    kStatD,
    kStatS,
    kOrMoreLabel,
    kLowBytesLabel,
    kRangeToLabel,
    kMaxFrameLabel,
    kHiddenPowerLabel,
    kFrameListLabel,
    kRawSeedLabel,
    kFramesLabel,
    kTimingLabel,
    kCGearOnLabel,
    kMonthLabel,
    kDayLabel,
    kHourLabel,
    kMinuteLabel,
    kCandidatesLabel,
    kConfirmationLabel,
    kTargetLabel,
    kSecondsGaveLabel,
    kFrameConsumedLabel,
    kLevelLabel,
    kNatureLabel,

    // main window: control texts
    kRoamingBox,
    kSearchButton,
    kListButton,
    kCandidatesButton,
    kTimingButton,
    kConfirmButton,
    kTimerButton,
    kStatsButton,
    kSpeciesField,
    kAnyTypeEntry,
    kOnOrAfterEntry,
    kNoNatureEntry,
    kAdoptButton,
    kStopwatchIdle,
    kStopwatchRunning,

    // stats window
    kStatsTitle,
    kStatsSpeciesLabel,
    kStatsNatureLabel,
    kStatsCharacteristicLabel,
    kStatsHiddenPowerLabel,
    kStatsIvsLabel,
    kStatsLowRangeLabel,
    kStatsSecondRangeLabel,
    kUnknownEntry,
    kIvsButton,
    kStatsCandidatesButton,
    kHitsButton,
    kHitAdoptButton,

    // what the tools say of a species name the table lacks (%s: the name)
    kMissingSpecies,

    // the language button, which names the other language, and what it says of a choice not kept
    kLanguageButton,
    kLanguageNotKept,

    // the seed search: its button while it runs, the title's progress
    kStopButton,
    kSearchProgress,

    // computed lines of the main window
    kNoCandidates,
    kBootLine,
    kCGearLine,
    kClockLine,
    kUnmakeableHour,
    kUnmakeableInterval,

    // the C-Gear timer's display
    kTimerUnmakeable,
    kTimerNotReady,
    kTimerBootIn,
    kTimerCGearIn,
    kTimerDone,
    kTimerStopped,

    // messages
    kSpeciesTableUnreadable,
    kResultPassesSize,
    kCreateFailed,
    kWriteFailed,
    kReplaceFailed,
    kTooLargeToOpen,

    // the stats window's computed texts
    kNoIvs,
    kNoIvSetFits,
    kTypeLevelAndStats,
    kLevelRange,
    kHitLine,
    kNoHits,

    // the output files' words
    kResultHeader,
    kListHeader,
    kConfirmationHeader,
    kFrameOutOfRange,

    // the attempt log and its window
    kAttemptsButton,
    kAttemptsTitle,
    kAdoptMedianButton,
    kClearAttemptsButton,
    kClearAttemptsQuestion,
    kAttemptsSummary,
    kAttemptsChance,
    kAttemptsChanceLater,
    kAttemptsChanceZero,
    kAttemptsUnreadable,
    kAttemptLine,
    kAttemptsHeader,
    kAttemptsWriteFailed,
    kAttemptsMoveFailed,

    kCount
};

enum class Language : uint8_t { kJapanese, kEnglish };
constexpr int32_t kLanguageCount = 2;

// The language both windows show: set by the window's thread, read by any.
Language shown_language();
void show_language(Language language);

// The text of id in language (CP932; English is ASCII); "" for kNone.
const char* tr(TextId id, Language language);
// The text of id in the shown language.
inline const char* tr(TextId id) { return tr(id, shown_language()); }

// The language a kivrel.ini value names ("ja", "en"); nullptr or anything else
// names none, and then the Windows display language decides.
bool language_of_setting(const char* value, Language* language);
Language starting_language(const char* setting, bool display_is_japanese);
const char* setting_of_language(Language language);  // "ja" or "en"
