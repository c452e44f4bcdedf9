#include "app/commands.h"

// Filled in with the feature.
void cgear_timing_command() {}
