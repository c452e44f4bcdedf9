#include "app/attempts_table.h"

#include "app/ids.h"

namespace {

// In ascending identifiers, so that Tab follows them.
constexpr ControlSpec kControls[] = {
    button(kIdAdoptMedian, ControlKind::kButton, 10, 10, 120, TextId::kAdoptMedianButton),
    button(kIdClearAttempts, ControlKind::kButton, 140, 10, 110, TextId::kClearAttemptsButton),
    control(kIdAttemptList, ControlKind::kListBox, 10, 44, 440, 200, TextId::kNone, ""),
    display(kIdAttemptSummary, 10, 252, 440),
    display(kIdAttemptChance, 10, 276, 440),
    display(kIdAttemptUnreadable, 10, 300, 440),
};

}  // namespace

const WindowTable kAttemptsWindowTable = window_table(kControls);
