// Report generation: the lines of one report, and the whole calculation run up to them.
#include "report/rapport.h"

#include "engine/laegter.h"
#include "loads/afledte.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace taglo
{
namespace
{

// A detached house: 38 x 73 battens at 0.32 m on rafters at 0.9 m, 4,5 x 110 mm nails.
TInddata Hus(bool forklaring, int logfil)
{
    TInddata inddata;
    inddata.Projektnavn = "Parcelhus, sag 2031";
    inddata.Bygningsdel = "Hovedtag";
    inddata.Medarb = "Mette";
    inddata.HusBr = 10.2;
    inddata.FacHjd = 2.8;
    inddata.TagVink = 35.0;
    inddata.LegteAfst = 0.32;
    inddata.DublLegter = true;
    inddata.FacUdh = 0.5;
    inddata.HusLn = 16.4;
    inddata.NormalSpaerAfst = 0.9;
    inddata.GavlspaerAfst = 0.6;
    inddata.GavlspaerIndrykn = 0.1;
    inddata.GavlUdh = 0.4;
    inddata.LegteHojde = 38.0;
    inddata.LegteBredde = 73.0;
    VaelgSoem(inddata, 5);
    inddata.AlisteTykkelse = 25.0;
    inddata.UtagTykkelse = 4.0;
    inddata.TagTyng = 0.45;
    inddata.TerrKat = 1;
    inddata.AfstVesterhav = 25.0;
    inddata.CvAreal = true;
    inddata.NormSneFormFak = true;
    inddata.SneFormFakNormal = NormalSneFormFaktor(inddata.TagVink);
    inddata.SneFormFak = 0.67;
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
