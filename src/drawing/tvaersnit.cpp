#include "drawing/tvaersnit.h"

#include "drawing/figurdele.h"
#include "drawing/maal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace taglo
{
namespace
{

// The rafter depth the figures show, vertical, in m.
constexpr double kSpaerHoejde = 0.15;
// No batten is drawn closer than this to the ridge or an eaves edge, in m.
constexpr double kLegteKant = 0.1;

// The man's outline (x offset from his centre line, y above the ground) in m: legs, arms
// raised outwards, shoulders and a head reaching 1.8 m.
constexpr std::array<TTegnPunkt, 21> kMand{{
    {0, 0.8},    {0.15, 0},    {0.25, 0},    {0.15, 1.0},  {0.15, 1.3},   {0.3, 0.85},  {0.4, 0.9},
    {0.2, 1.5},  {0.06, 1.5},  {0.08, 1.75}, {0, 1.8},     {-0.08, 1.75}, {-0.06, 1.5}, {-0.2, 1.5},
    {-0.4, 0.9}, {-0.3, 0.85}, {-0.15, 1.3}, {-0.15, 1.0}, {-0.25, 0},    {-0.15, 0},   {0, 0.8},
}};

// The battens of both slopes, from 0.1 m beside the ridge outwards. The horizontal step is
// the spacing along the slope times the cosine of the pitch; a step that is not a positive
// finite number draws none.
void TegnLegter(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte)
{
    const double trin = inddata.LegteAfst * afledte.CosTagVink;
    const double midte = afledte.TotalBr / 2;
    if (!(trin > 0.0) || !std::isfinite(trin) || !std::isfinite(afledte.TotalBr))
    {
        return;
    }
    int antal = 0;
    for (double x = midte - kLegteKant; x > kLegteKant && antal < kFlestLegterPrFlade; x -= trin)
    {
        TegnLegteprofil(tegning, inddata, afledte, x, TagHojde(afledte, x));
        ++antal;
    }
    antal = 0;
    for (double x = midte + kLegteKant;
         x < afledte.TotalBr - kLegteKant && antal < kFlestLegterPrFlade; x += trin)
    {
        TegnLegteprofil(tegning, inddata, afledte, x, TagHojde(afledte, x));
        ++antal;
    }
}

} // namespace

double TagHojde(const TAfledte& afledte, double x)
{
    const double midte = afledte.TotalBr / 2;
    if (x >= 0.0 && x <= midte)
    {
        return x * afledte.TanTagVink + afledte.TagfodHjd;
    }
    if (x > midte && x <= afledte.TotalBr)
    {
        return (afledte.TotalBr - x) * afledte.TanTagVink + afledte.TagfodHjd;
    }
    return 0.0;
}

void TegnLegteprofil(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double x,
                     double y)
{
    const double k = afledte.CosTagVink;
    const double s = x < afledte.TotalBr / 2 ? afledte.SinTagVink : -afledte.SinTagVink;
    const double b = inddata.LegteBredde / 2000;
    const double h = inddata.LegteHojde / 1000;
    FyldtFigur(tegning, kSort, kTraefarve,
               {{x - b * k, y - b * s},
                {x - b * k + h * s, y - b * s - h * k},
                {x + b * k + h * s, y + b * s - h * k},
                {x + b * k, y + b * s}});
}

void TegnMand(TTegning& tegning, double c, double h, double under)
{
    TTegnFigur& figur = NyFigur(tegning.Figurer, kPenFuld, 1, kSort, kFyldFuld, kBlaa, kArtLinje);
    for (const TTegnPunkt& p : kMand)
    {
        TilfoejPunkt(figur, c + p.X, p.Y);
    }
    TTekstGruppe& tekst = NyTekstGruppe(tegning.Tekster, kSort, kJustVenstre, kJustTop);
    TilfoejTekst(tekst, "Manden er 1,8 m høj.", c - 0.4, under - h / 2);
    Anker(tegning, c - 0.4, -3 * h);
}

TTegning TegnTversnit(const TInddata& inddata, const TAfledte& afledte,
                      const Regionalindstillinger& regional)
{
    TTegning tegning;
    const double totalBr = afledte.TotalBr;
    const double t = inddata.LegteHojde / (1000 * afledte.CosTagVink);
    const double fac = inddata.FacUdh;
    const double husHoejre = fac + inddata.HusBr;

    // Ground.
    FyldtFigur(tegning, kGroen, kGroen,
               {{-0.6, 0}, {-0.6, kJordBund}, {totalBr, kJordBund}, {totalBr, 0}, {-0.6, 0}});
    // House, its top following the underside of the rafters.
    FyldtFigur(tegning, kSort, kMellemgraa,
               {{fac, 0},
                {fac, inddata.FacHjd - t - kSpaerHoejde},
                {totalBr / 2, afledte.KipHjd - t - kSpaerHoejde},
                {husHoejre, inddata.FacHjd - t - kSpaerHoejde},
                {husHoejre, 0},
                {fac, 0}});
    // Rafter band, its top the underside of the battens.
    const double fod = afledte.TagfodHjd - t;
    const double kip = afledte.KipHjd - t;
    FyldtFigur(tegning, kSort, kTraefarve,
               {{0, fod},
                {totalBr / 2, kip},
                {totalBr, fod},
                {totalBr, fod - kSpaerHoejde},
                {totalBr / 2, kip - kSpaerHoejde},
                {0, fod - kSpaerHoejde},
                {0, fod}});
    TegnLegter(tegning, inddata, afledte);

    const TGraenser g = FindGraenser(tegning.Figurer);
    const double u = std::max(g.MaxX - g.MinX, g.MaxY - g.MinY) / 50;

    // The overhang's dimension stands left of the eaves edge, beside the man: where the eaves
    // come down to the ground, the man's caption goes below its value.
    const double udhaeng = afledte.TagfodHjd - kSpaerHoejde - u;
    TegnMand(tegning, -0.3, u, std::min(kJordBund, udhaeng - 2 * u));

    MaalVandret(tegning, 1, fac, husHoejre, -4 * u, u, 2, "Husbredde", regional);
    // The texts of the heights stand right of their line, clear of the house and the roof.
    MaalLodret(tegning, 0, 0, inddata.FacHjd, totalBr + u, u, 2, "Facadehøjde", regional);
    MaalLodret(tegning, 0, inddata.FacHjd, afledte.KipHjd, totalBr + u, u, 2, "Kiphøjde-tillæg",
               regional);
    MaalVandretVenstre(tegning, 2, 0, fac, udhaeng, u, "Facadeudhæng", regional);

    Anker(tegning, totalBr + 4 * u, 0);
    Anker(tegning, -8 * u, 0);
    return tegning;
}

} // namespace taglo
