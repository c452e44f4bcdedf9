#include "rng/hidden_power.h"

const char* hidden_power_type_text(int32_t type, Language language) {
    return (type >= 0 && type < kHiddenPowerTypes) ? kHiddenPowerTypeNames[static_cast<int>(language)][type] : "";
}
