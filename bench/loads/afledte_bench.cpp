// Time of BeregnAfledte for the example roof: it runs before every calculation and every
// paint of the two check drawings.
#include "loads/afledte.h"

#include "eksempeltag.h"

#include <benchmark/benchmark.h>

namespace
{

void BM_BeregnAfledte(benchmark::State& state)
{
    taglo::TInddata ind = taglo::test::Eksempeltag();
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
