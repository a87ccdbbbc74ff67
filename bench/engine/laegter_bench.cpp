// Time of one engine run (22 cases, rankings, evaluation) for a typical roof, without a
// log and with the detailed log. The derived values are computed once outside the loop;
// the run only zeroes the batten weight in them, which it does again each time.
#include "engine/laegter.h"
#include "loads/afledte.h"

#include <benchmark/benchmark.h>

namespace
{

// A house of 13.4 x 13.9 m with a 15 degree roof, 38 x 73 battens at 0.30 m on rafters at
// 0.80 m, doubled in the gable section, an indirect fastening and elevated snow.
taglo::TInddata Typisk(int logniveau)
{
    taglo::TInddata ind;
    ind.HusBr = 13.43;
    ind.FacHjd = 5.0;
    ind.TagVink = 15.0;
    ind.LegteAfst = 0.3;
    ind.DublLegter = true;
    ind.FacUdh = 0.3;
    ind.HusLn = 13.86;
    ind.NormalSpaerAfst = 0.8;
    ind.GavlspaerAfst = 0.47;
    ind.GavlspaerIndrykn = 0.2;
    ind.GavlUdh = 0.5;
    ind.LegteHojde = 73.0;
    ind.LegteBredde = 38.0;
    taglo::VaelgSoem(ind, 2);
    ind.AlisteTykkelse = 45.0;
    ind.TagTyng = 0.05;
    ind.TerrKat = 2;
    ind.AfstVesterhav = 24.0;
    ind.SneFormFak = 2.8;
    ind.Logfil = logniveau;
    return ind;
}

void BM_BeregnLaegter(benchmark::State& state)
{
    const int niveau = static_cast<int>(state.range(0));
    const taglo::TInddata ind = Typisk(niveau);
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
