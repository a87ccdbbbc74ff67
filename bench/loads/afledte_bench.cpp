// Time of BeregnAfledte for a typical roof: it runs before every calculation and every
// paint of the two check drawings.
#include "loads/afledte.h"

#include <benchmark/benchmark.h>

namespace
{

taglo::TInddata Typisk()
{
    taglo::TInddata ind;
    ind.HusBr = 13.43;
    ind.HusLn = 13.86;
    ind.FacHjd = 5.0;
    ind.TagVink = 15.0;
    ind.LegteAfst = 0.3;
    ind.FacUdh = 0.3;
    ind.GavlUdh = 0.5;
    ind.GavlspaerIndrykn = 0.2;
    ind.LegteHojde = 73.0;
    ind.LegteBredde = 38.0;
    ind.TerrKat = 2;
    ind.AfstVesterhav = 24.0;
    ind.SneFormFak = 0.8;
    return ind;
}

void BM_BeregnAfledte(benchmark::State& state)
{
    taglo::TInddata ind = Typisk();
    taglo::TavseMeddelelser meddelelser;
    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores)
    {
        benchmark::DoNotOptimize(ind);
        const taglo::TAfledte afledte = taglo::BeregnAfledte(ind, meddelelser);
        benchmark::DoNotOptimize(afledte);
    }
}
BENCHMARK(BM_BeregnAfledte);

} // namespace
