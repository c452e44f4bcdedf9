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

// The text of id (CP932); "" for kNone.
const char* tr(TextId id);
