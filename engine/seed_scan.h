// The fast engine behind the seed search and the candidate search. It gives
// exactly the results of preparing the generator for every raw seed and
// reading every frame, but computes only the state words the frames read,
// a group of raw seeds at a time with vector instructions, on every core.
// The tools say which seeds and what they keep of a hit (engine/scan_job.h:
// the blocks' raw seeds, whose low 16 bits wrap past FFFF, and the allowed-IV
// masks and accept hook of the candidate searches); the engine how fast.
#pragma once

#include "engine/processor.h"
#include "engine/scan_job.h"

// Scans the job's raw seeds; returns when all are scanned, take said stop or
// the stop word was set.
void run_scan(const ScanJob& job);
