#include "app/commands.h"

// Filled in with the feature.
void frame_list_command() {}
