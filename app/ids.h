// The identifier of every child control of the main window. A push button's
// identifier is also the command it sends.
#pragma once

#include <cstdint>

enum ControlId : int32_t {
    // top strip
    kIdMacByte1 = 109,
    kIdMacByte2 = 110,
    kIdMacByte3 = 111,
    kIdRoamingBox = 201,

    // seed search
    kIdSearchIvFirst = 100,  // H; A..S follow at 101..105
    kIdSearchTypeList = 303,
    kIdSearchMinPower = 150,
    kIdSearchLowMin = 108,
    kIdSearchLowMax = 106,
    kIdSearchLastFrame = 107,
    kIdSearchButton = 200,

    // frame list
    kIdListSeed = 119,
    kIdListIvFirst = 112,  // H; A..S follow at 113..117
    kIdListTypeList = 304,
    kIdListMinPower = 120,
    kIdListFrameCount = 118,
    kIdListButton = 202,

    // stopwatch and candidates
    kIdStopwatchDisplay = 930,
    kIdStopwatchButton = 210,
    kIdSwitchOnFirst = 130,  // month; day, hour, minute follow at 131..133
    kIdKnownIvFirst = 134,   // H; A..S follow at 135..139
    kIdCandidatesButton = 211,
    kIdCandidatesLastFrame = 154,
    kIdFirstAdopt = 1001,  // the adopt button of candidate n is 1001 + n, n < kAdoptButtons

    // C-Gear timing
    kIdTargetSeed = 140,
    kIdTimingMonth = 142,
    kIdTimingDay = 143,
    kIdDateModeList = 311,
    kIdMeasuredSeconds = 144,
    kIdObtainedLow = 145,
    kIdTimingButton = 212,

    // confirmation list
    kIdConfirmFrames = 146,
    kIdSpeciesName = 147,
    kIdLevel = 148,
    kIdConfirmButton = 213,
    kIdNatureList = 312,

    // C-Gear timer
    kIdTimerButton = 214,
    kIdTimerDisplay = 931,

    // the stats window: its button in the main window, then its own controls
    kIdStatsButton = 215,
    kIdLanguageButton = 216,
    kIdStatsName = 401,
    kIdStatsNatureList = 402,
    kIdStatsCharacteristicList = 403,
    kIdStatsTypeList = 404,
    kIdStatsLevelFirst = 410,  // level of row r at 410 + 10 r; its stats H..S follow at 411 + 10 r ..
    kIdStatsRowStep = 10,
    kIdStatsIvFirst = 441,  // the possible IVs of H; A..S follow at 442..446
    kIdStatsStatus = 447,
    kIdStatsIvButton = 450,
    kIdStatsCandidatesButton = 451,
    kIdStatsHitsButton = 452,
    kIdStatsLowRange = 453,
    kIdStatsSecondRange = 454,
    kIdStatsHitList = 460,
    kIdStatsAdopt = 461,
    kIdStatsAttempts = 462,

    // the attempts window
    kIdAdoptMedian = 463,
    kIdClearAttempts = 464,
    kIdAttemptList = 470,
    kIdAttemptSummary = 471,
    kIdAttemptChance = 472,
    kIdAttemptUnreadable = 473,
};

// The stats window's class name.
constexpr wchar_t kStatsWindowClass[] = L"KivrelStats";
// The attempts window's class name.
constexpr wchar_t kAttemptsWindowClass[] = L"KivrelAttempts";
