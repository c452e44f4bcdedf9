#include "app/commands.h"

void dispatch_command(uint16_t id) {
    switch (id) {
    case kCmdSeedSearch: seed_search_command(); break;
    case kCmdFrameList: frame_list_command(); break;
    case kCmdStopwatch: stopwatch_command(); break;
    case kCmdCandidates: candidates_command(); break;
    case kCmdCGearTiming: cgear_timing_command(); break;
    case kCmdConfirmationList: confirmation_list_command(); break;
    default: break;
    }
    // every command then meets the adopt test, which picks out 1001..1010
    adopt_command(id);
}
