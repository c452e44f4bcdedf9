// The seed search: every raw seed of hours 0..23, top bytes 0..255 and the
// typed low-16-bit range, every frame up to the frame limit, into result.txt.
#pragma once

// Writes result.txt from the inputs in g_app, showing progress in the title,
// then hands the file to the viewer. An unopenable file changes nothing.
void run_seed_search();
