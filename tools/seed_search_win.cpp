#include "app/commands.h"

// Filled in with the feature.
void seed_search_command() {}
