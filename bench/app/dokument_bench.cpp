// The calculation document of a typical project: the check drawings of the calculated
// inputs, then the report and the three figures written as PDF.
#include "app/dokument.h"
#include "app/projekt.h"
#include "cli/koersel.h"
#include "qtcanvas/pdfdokument.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <string>
#include <variant>

namespace taglo
{
namespace
{

void KoerDokument(benchmark::State& state, const std::string& fil)
{
    const auto qt = cli::StartQt();
    TavseMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS",
                     [] { return Tidspunkt{2014, 5, 1, 13, 5, 9}; });
    if (!projekt.Hent(fil, meddelelser))
    {
        state.SkipWithError("the project file cannot be read");
        return;
    }
    const auto udfald = projekt.Beregn(0, meddelelser);
    if (!std::holds_alternative<TBeregningsresultat>(udfald))
    {
        state.SkipWithError("the project is not calculated");
        return;
    }
    const auto& beregning = std::get<TBeregningsresultat>(udfald);
    for (auto _ : state)
    {
        const std::string pdf = PdfDokument(DokumentAf(beregning, projekt.Regional(), meddelelser));
        benchmark::DoNotOptimize(pdf.data());
    }
}

// The default house: three pages of report and the three figures.
void BM_Beregningsdokument_Standardhus(benchmark::State& state)
{
    KoerDokument(state, TAGLO_STANDARDFIL);
}
BENCHMARK(BM_Beregningsdokument_Standardhus)->Unit(benchmark::kMillisecond);

// A report with the explanation section.
void BM_Beregningsdokument_Projekt04(benchmark::State& state)
{
    KoerDokument(state, std::string(TAGLO_REFERENCE_DIR) + "/projekt04.tgl");
}
BENCHMARK(BM_Beregningsdokument_Projekt04)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace taglo
