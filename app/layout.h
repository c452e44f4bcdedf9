// Where the window and the controls the program makes after the first paint
// stand: one place for the figures the window, the painting and the tests share.
#pragma once

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

constexpr int kFieldHeight = 22;
constexpr int kButtonHeight = 25;
constexpr int kListDroppedHeight = 350;  // a drop-down list, its dropped part included

// Candidate n is painted at (kCandidateRowX, kCandidateRowY + kCandidateRowSpacing * n);
// its adopt button, for the first kAdoptButtons, stands beside it.
constexpr int kCandidateRowX = 144;
constexpr int kCandidateRowY = 405;
constexpr int kCandidateRowSpacing = 25;
constexpr int kAdoptButtonX = 235;
constexpr int kAdoptButtonWidth = 45;
// In English the rows stand right of their longer label, with wider buttons.
constexpr int kEnglishCandidateRowX = 172;
constexpr int kEnglishAdoptButtonX = 240;
constexpr int kEnglishAdoptButtonWidth = 52;

// The language button, right of the roaming box in the top strip.
constexpr int kLanguageButtonX = 610;
constexpr int kLanguageButtonWidth = 80;
constexpr int kAdoptButtonHeight = 22;

// The C-Gear timer's display: its longest text, 「先に計算して下さい」, is 144 pixels.
constexpr int kTimerDisplayWidth = 155;
// In English its longest, "This seed cannot be made", is 192 pixels.
constexpr int kEnglishTimerDisplayWidth = 196;
