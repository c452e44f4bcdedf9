#include "timing/stopwatch_win.h"

#include <windows.h>

#include "app/commands.h"

void stopwatch_thread() {
    for (;;) Sleep(1);
}

void begin_fine_timer() {}
void end_fine_timer() {}

void stopwatch_command() {}
void adopt_command(uint16_t) {}
