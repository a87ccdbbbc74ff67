// Report generation: the lines of one report, and the whole calculation run up to them.
#include "report/rapport.h"

#include "engine/laegter.h"
#include "loads/afledte.h"

#include "eksempeltag.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace taglo
{
namespace
{

// The example roof with its texts, the explanation on or off and the log at `logfil`.
TInddata Hus(bool forklaring, int logfil)
{
    TInddata inddata = test::Eksempeltag();
    inddata.Projektnavn = "Parcelhus, sag 2031";
    inddata.Bygningsdel = "Hovedtag";
    inddata.Medarb = "Mette";
    inddata.ForklaringMed = forklaring;
    inddata.Logfil = logfil;
    return inddata;
}

Rapportomgivelser Omgivelser()
{
    Rapportomgivelser omgivelser;
    omgivelser.firmanavn = "Eksempel ApS";
    omgivelser.regional = Regionalindstillinger::Dansk();
    omgivelser.ur = [] { return Tidspunkt{2014, 5, 1, 13, 5, 9}; };
    return omgivelser;
}

// SkrivRapport alone, on the result of one engine run; argument: explanation on (1) or off (0).
void BM_SkrivRapport(benchmark::State& state)
{
    const TInddata inddata = Hus(state.range(0) != 0, 0);
    TavseMeddelelser meddelelser;
    const Rapportomgivelser omgivelser = Omgivelser();
    TLogliste ingenLog(0);
    const auto laegter = BeregnLaegter(inddata, BeregnAfledte(inddata, meddelelser), ingenLog,
                                       omgivelser.regional, meddelelser);

    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores)
    {
        TLogliste log(0);
        Resultatliste rapport = SkrivRapport(inddata, laegter.Afledte, laegter.Resultatdata,
                                             TBeregning{}, log, omgivelser);
        benchmark::DoNotOptimize(rapport.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SkrivRapport)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The calculation run without the nail figure: derived values, a new log, the engine and
// the report; argument: log level.
void BM_BeregningOgRapport(benchmark::State& state)
{
    const TInddata inddata = Hus(false, static_cast<int>(state.range(0)));
    TavseMeddelelser meddelelser;
    const Rapportomgivelser omgivelser = Omgivelser();

    for (auto _ : state) // NOLINT(clang-analyzer-deadcode.DeadStores)
    {
        TLogliste log(inddata.Logfil);
        auto laegter = BeregnLaegter(inddata, BeregnAfledte(inddata, meddelelser), log,
                                     omgivelser.regional, meddelelser);
        Resultatliste rapport = SkrivRapport(inddata, laegter.Afledte, laegter.Resultatdata,
                                             std::move(laegter.Beregning), log, omgivelser);
        benchmark::DoNotOptimize(rapport.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BeregningOgRapport)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace taglo

BENCHMARK_MAIN();
