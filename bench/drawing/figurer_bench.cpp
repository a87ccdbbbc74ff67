// Building the three figures, and building and painting each on a 1000 x 700 picture as the
// window's paint box would. Target: at most 2 ms per figure, built and painted.
//   build/normal/bench/drawing/taglo_drawing_bench
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "drawing/laengdesnit.h"
#include "drawing/soemforbindelse.h"
#include "drawing/tvaersnit.h"
#include "loads/afledte.h"
#include "qtcanvas/eksport.h"

#include "eksempeltag.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <functional>

namespace
{
using namespace taglo;

// Indirect nailing with both nails and all their labels: the most elements the nail figure has.
TResultater Indirekte()
{
    TResultater r;
    r.NormalspaerSoemOK = true;
    r.SoemantalNormalspaer = 2;
    r.SoemPlads = 2;
    r.SoemBaereevne = 760.0;
    r.SoemAflisteSpaer =
        TSoemKapacitet{42.0, 103.25, 103.25, 103.25, 48.0, 20.0, 1000.0, 960.0, 960.0};
    r.SoemLaegteAfliste =
        TSoemKapacitet{55.25, 63.0, 67.0, 103.25, 36.25, 20.0, 1000.0, 725.0, 725.0};
    return r;
}

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

TAfledte Afledte(const TInddata& i)
{
    TavseMeddelelser ingen;
    return BeregnAfledte(i, ingen);
}

void MaalByg(benchmark::State& state, const std::function<TTegning()>& byg)
{
    for (auto _ : state)
    {
        TTegning t = byg();
        benchmark::DoNotOptimize(t);
    }
}

void MaalBygOgMal(benchmark::State& state, const std::function<TTegning()>& byg)
{
    QImage billede(kEksportBredde, kEksportHoejde, QImage::Format_RGB32);
    for (auto _ : state)
    {
        billede.fill(Qt::white);
        QPainter maler(&billede);
        TegnPaaMaler(maler, kEksportBredde, kEksportHoejde, byg());
        maler.end();
        benchmark::DoNotOptimize(billede.constBits());
    }
}

TTegning Tvaersnit()
{
    const TInddata i = test::Eksempeltag();
    return TegnTversnit(i, Afledte(i), kDansk);
}

TTegning Laengdesnit()
{
    const TInddata i = test::Eksempeltag();
    return TegnLengdesnit(i, Afledte(i), kDansk);
}

TTegning Soemforbindelse()
{
    TInddata i = test::Eksempeltag();
    i.AlisteTykkelse = 38.0;
    i.UtagTykkelse = 4.0;
    return TegnSoemforbindelse(i, Indirekte(), kDansk);
}

void BM_Tvaersnit_Byg(benchmark::State& s)
{
    MaalByg(s, Tvaersnit);
}
void BM_Laengdesnit_Byg(benchmark::State& s)
{
    MaalByg(s, Laengdesnit);
}
void BM_Soemforbindelse_Byg(benchmark::State& s)
{
    MaalByg(s, Soemforbindelse);
}
void BM_Tvaersnit_BygOgMal(benchmark::State& s)
{
    MaalBygOgMal(s, Tvaersnit);
}
void BM_Laengdesnit_BygOgMal(benchmark::State& s)
{
    MaalBygOgMal(s, Laengdesnit);
}
void BM_Soemforbindelse_BygOgMal(benchmark::State& s)
{
    MaalBygOgMal(s, Soemforbindelse);
}

BENCHMARK(BM_Tvaersnit_Byg);
BENCHMARK(BM_Laengdesnit_Byg);
BENCHMARK(BM_Soemforbindelse_Byg);
BENCHMARK(BM_Tvaersnit_BygOgMal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Laengdesnit_BygOgMal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Soemforbindelse_BygOgMal)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
    {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
