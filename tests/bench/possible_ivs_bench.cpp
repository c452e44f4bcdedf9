// The widest case from the fields: nature unknown, かんがえごとが　おおい, じめん, アチャモ (のんき) at levels 6, 12, 20.
#include <benchmark/benchmark.h>

#include "tools/possible_ivs.h"

static void BM_PossibleIvs_Widest(benchmark::State& state) {
    const SpeciesRecord torchic = {{45, 60, 40, 70, 50, 45}, "torchic"};
    const StatsTexts t = {torchic.name, {"6", "12", "20"}, {{"22", "12", "12", "15", "11", "9"},
                          {"35", "20", "18", "25", "18", "15"}, {"52", "30", "28", "38", "27", "23"}}, 0, 24, 4};
    for (auto _ : state) {
        StatsQuery q = read_stats_query(t);
        set_query_species(&q, &torchic);
        benchmark::DoNotOptimize(possible_ivs_texts(q, possible_ivs(q)));
    }
}
BENCHMARK(BM_PossibleIvs_Widest)->Unit(benchmark::kMicrosecond);
