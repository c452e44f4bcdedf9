#include "rng/hidden_power.h"

const char* hidden_power_type_text(int32_t type) {
    return (type >= 0 && type < kHiddenPowerTypes) ? kHiddenPowerTypeNames[type] : "";
}
