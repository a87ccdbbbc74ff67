// Time of one engine run (22 cases, rankings, evaluation) for the example roof, without a
// log and with the detailed log. The derived values are computed once outside the loop;
// the run only zeroes the batten weight in them, which it does again each time.
#include "engine/laegter.h"
#include "loads/afledte.h"

#include "eksempeltag.h"

#include <benchmark/benchmark.h>

namespace
{

void BM_BeregnLaegter(benchmark::State& state)
{
    const int niveau = static_cast<int>(state.range(0));
    taglo::TInddata ind = taglo::test::Eksempeltag();
    ind.Logfil = niveau;
    taglo::TavseMeddelelser meddelelser;
    const taglo::TAfledte afledte = taglo::BeregnAfledte(ind, meddelelser);
    const taglo::Regionalindstillinger regional = taglo::Regionalindstillinger::Dansk();
    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores)
    {
        taglo::TLogliste log(niveau);
        const auto beregning = taglo::BeregnLaegter(ind, afledte, log, regional, meddelelser);
        benchmark::DoNotOptimize(beregning);
    }
}
BENCHMARK(BM_BeregnLaegter)->Arg(0)->Arg(1)->Arg(2)->ArgName("logniveau");

} // namespace
