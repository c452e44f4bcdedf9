#include "tools/candidates.h"

#include "app/app_state.h"
#include "tools/seed_scan.h"

void search_candidate_seeds() {
    // frames past the state's end have no IVs: the engine's walk stops at 616 (roaming 615)
    g_app.candidate_count = scan_candidate_seeds(g_app.candidate_seeds, kMaxCandidates);
}
