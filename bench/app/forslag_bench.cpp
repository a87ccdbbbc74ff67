// The design suggestion: every listed batten section with every nail of the catalogue,
// each a whole calculation run of the project, as the window repeats it after an input.
#include "app/forslag.h"

#include <benchmark/benchmark.h>

namespace taglo
{
namespace
{

void BM_Forslag_Standardhus(benchmark::State& state)
{
    TavseMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS");
    if (!projekt.Hent(TAGLO_STANDARDFIL, meddelelser))
    {
        state.SkipWithError("the default project file cannot be read");
        return;
    }
    for (auto _ : state)
    {
        auto forslag = BeregnForslag(projekt);
        benchmark::DoNotOptimize(forslag);
    }
    state.counters["kandidater"] =
        static_cast<double>(kLaegtetvaersnit.size() * kSoemKatalog.size());
}
BENCHMARK(BM_Forslag_Standardhus)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace taglo
