// The stopwatch thread and the program-wide timer resolution it relies on.
#pragma once

// Body of the stopwatch thread; never returns.
void stopwatch_thread();

// Raises the system timer resolution to 1 ms for the life of the program.
void begin_fine_timer();
void end_fine_timer();
