// The full calculation run: derived values, 22 cases, rankings, evaluation, nail figure,
// report lines.
#include "app/projekt.h"

#include <benchmark/benchmark.h>

#include <string>

namespace taglo
{
namespace
{

Tidspunkt FastTid()
{
    return {2014, 5, 1, 13, 5, 9};
}

// One whole calculation of the project in `fil` with the log at `logniveau`, as the result
// tab starts it after an input change.
void KoerBeregning(benchmark::State& state, const std::string& fil, int logniveau)
{
    TavseMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS", FastTid);
    if (!projekt.Hent(fil, meddelelser))
    {
        state.SkipWithError("the project file cannot be read");
        return;
    }
    for (auto _ : state)
    {
        auto udfald = projekt.Beregn(logniveau, meddelelser);
        benchmark::DoNotOptimize(udfald);
    }
}

void BM_Beregningskoersel_Standardhus(benchmark::State& state)
{
    KoerBeregning(state, TAGLO_STANDARDFIL, 0);
}
BENCHMARK(BM_Beregningskoersel_Standardhus);

// A project with the explanation section, indirect fastening and a failing gable section.
void BM_Beregningskoersel_Projekt04(benchmark::State& state)
{
    KoerBeregning(state, std::string(TAGLO_REFERENCE_DIR) + "/projekt04.tgl", 0);
}
BENCHMARK(BM_Beregningskoersel_Projekt04);

// The same with the detailed log.
void BM_Beregningskoersel_Projekt04_DetaljeretLog(benchmark::State& state)
{
    KoerBeregning(state, std::string(TAGLO_REFERENCE_DIR) + "/projekt04.tgl", 2);
}
BENCHMARK(BM_Beregningskoersel_Projekt04_DetaljeretLog);

} // namespace
} // namespace taglo
