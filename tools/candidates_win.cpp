#include "app/commands.h"

// Filled in with the feature.
void candidates_command() {}
