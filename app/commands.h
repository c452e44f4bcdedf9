// Command identifiers of the main window's buttons and the handlers they start.
// Each handler reads its own fields, then runs its calculation.
#pragma once

#include <cstdint>

enum CommandId : uint16_t {
    kCmdSeedSearch = 200,
    kCmdFrameList = 202,
    kCmdStopwatch = 210,
    kCmdCandidates = 211,
    kCmdCGearTiming = 212,
    kCmdConfirmationList = 213,
    kCmdFirstAdopt = 1001,  // adopt buttons 1001..1010 beside candidates 0..9
};

void dispatch_command(uint16_t id);

void seed_search_command();        // tools/seed_search_win.cpp
void frame_list_command();         // tools/frame_list_win.cpp
void stopwatch_command();          // timing/stopwatch_win.cpp
void candidates_command();         // tools/candidates_win.cpp
void cgear_timing_command();       // timing/cgear_timing_win.cpp
void confirmation_list_command();  // tools/confirmation_list_win.cpp
void adopt_command(uint16_t id);   // timing/stopwatch_win.cpp; acts on 1001..1010 only
