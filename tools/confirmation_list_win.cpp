#include "app/commands.h"

// Filled in with the feature.
void confirmation_list_command() {}
