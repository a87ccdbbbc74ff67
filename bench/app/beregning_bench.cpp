// The full calculation run as the window starts it: derived values, 22 cases, rankings,
// evaluation, nail figure, report lines.
#include "app/applikation.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace taglo
{
namespace
{

class IngenDialoger final : public Dialoger
{
public:
    std::optional<std::string> aabnFil(const FilDialog& /*dialog*/) override { return std::nullopt; }
    std::optional<std::string> gemFil(const FilDialog& /*dialog*/) override { return std::nullopt; }
};

Tidspunkt FastTid() { return {2014, 5, 1, 13, 5, 9}; }

// One run after an input change, for the project in `fil` with the log at `logniveau`.
void KoerBeregning(benchmark::State& state, const std::string& fil, int logniveau)
{
    TavseMeddelelser meddelelser;
    IngenDialoger dialoger;
    TApplikation app(meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS", FastTid);
    if (!app.HentProjektdata(fil))
    {
        state.SkipWithError("the project file cannot be read");
        return;
    }
    app.RadioGroupClick(Valg::RadioGroupLogfil, logniveau);
    for (auto _ : state)
    {
        app.NulstilBeregning();
        benchmark::DoNotOptimize(app.UdfoerBeregning());
        benchmark::DoNotOptimize(app.Resultatliste().data());
    }
}

void BM_Beregningskoersel_Standardhus(benchmark::State& state) { KoerBeregning(state, TAGLO_STANDARDFIL, 0); }
BENCHMARK(BM_Beregningskoersel_Standardhus);

// A project with the explanation section, indirect fastening and a failing gable section.
void BM_Beregningskoersel_Projekt04(benchmark::State& state)
{
    KoerBeregning(state, std::string(TAGLO_REFERENCE_DIR) + "/projekt04.tgl", 0);
}
BENCHMARK(BM_Beregningskoersel_Projekt04);

// The same with the detailed log written (its save dialog cancelled).
void BM_Beregningskoersel_Projekt04_DetaljeretLog(benchmark::State& state)
{
    KoerBeregning(state, std::string(TAGLO_REFERENCE_DIR) + "/projekt04.tgl", 2);
}
BENCHMARK(BM_Beregningskoersel_Projekt04_DetaljeretLog);

// A repaint of the nail figure while the result is valid: no run at all.
void BM_OptegnNailGyldigtResultat(benchmark::State& state)
{
    TavseMeddelelser meddelelser;
    IngenDialoger dialoger;
    TApplikation app(meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS", FastTid);
    if (!app.HentProjektdata(TAGLO_STANDARDFIL))
    {
        state.SkipWithError("the project file cannot be read");
        return;
    }
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(app.OptegnNail());
    }
}
BENCHMARK(BM_OptegnNailGyldigtResultat);

} // namespace
} // namespace taglo
