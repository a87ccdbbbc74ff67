#include "drawing/laengdesnit.h"

#include "drawing/figurdele.h"
#include "drawing/maal.h"
#include "drawing/tvaersnit.h"

#include <algorithm>
#include <array>

namespace taglo
{
namespace
{

constexpr double kSpaerHalvBredde = 0.022;    // m, half of a 44 mm rafter
constexpr double kGavltrekantTykkelse = 0.11; // m
constexpr double kRombe = 0.03;               // m, centre to corner of a leader dot

// Vertical depth in m of the batten layer, and of the batten layer plus a 150 mm rafter.
double LegteDybde(const TInddata& inddata, const TAfledte& afledte)
{
    return inddata.LegteHojde / (1000 * afledte.CosTagVink);
}

double LegteOgSpaerDybde(const TInddata& inddata, const TAfledte& afledte)
{
    return (inddata.LegteHojde + 150) / (1000 * afledte.CosTagVink);
}

// Positions along the house in m: the gable rafter, the first and second normal rafters,
// and the end of the piece shown, half-way to a third normal rafter.
struct TSpaerPlacering
{
    double x1 = 0.0;
    double x2 = 0.0;
    double x3 = 0.0;
    double L = 0.0;
};

TSpaerPlacering SpaerPlacering(const TInddata& inddata)
{
    TSpaerPlacering p;
    p.x1 = inddata.GavlUdh + inddata.GavlspaerIndrykn;
    p.x2 = p.x1 + inddata.GavlspaerAfst;
    p.x3 = p.x2 + inddata.NormalSpaerAfst;
    p.L = inddata.GavlUdh + inddata.GavlspaerIndrykn + inddata.GavlspaerAfst +
          1.5 * inddata.NormalSpaerAfst;
    return p;
}

// Where the rafter labels start: 0.1 m past the end of the leaders, which reach 0.6 m past
// the second normal rafter.
double EtiketX(const TSpaerPlacering& p)
{
    return p.x3 + 0.6 + 0.1;
}

bool FriGavltrekant(const TInddata& inddata)
{
    return inddata.GavlspaerIndrykn > kFriGavltrekant;
}

// The heights of the rafter labels from the top (normal rafter, gable rafter, free gable
// triangle): stacked down by 2u from 2u below the top of the facade wall.
std::array<double, 3> EtiketHoejder(const TInddata& inddata, const TAfledte& afledte, double u)
{
    const double y1 = inddata.FacHjd - LegteOgSpaerDybde(inddata, afledte) - 2 * u;
    const double y2 = y1 - 2 * u;
    return {y1, y2, y2 - 2 * u};
}

double LavesteEtiket(const TInddata& inddata, const TAfledte& afledte, double u)
{
    return EtiketHoejder(inddata, afledte, u)[FriGavltrekant(inddata) ? 2 : 1];
}

} // namespace

void TegnSpaer(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double x)
{
    const double t = LegteDybde(inddata, afledte);
    const double t2 = LegteOgSpaerDybde(inddata, afledte);
    const double v = x - kSpaerHalvBredde;
    const double h = x + kSpaerHalvBredde;
    FyldtFigur(tegning, kSort, kTraefarve,
               {{v, afledte.TagfodHjd - t2},
                {v, afledte.KipHjd - t},
                {h, afledte.KipHjd - t},
                {h, afledte.TagfodHjd - t2},
                {v, afledte.TagfodHjd - t2}});
    Linje(tegning, kSort, {{v, afledte.TagfodHjd - t}, {h, afledte.TagfodHjd - t}});
}

void TegnLegteSide(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double L,
                   double y0)
{
    const double ya = y0 + inddata.LegteHojde * afledte.CosTagVink / 1000;
    const double yb = ya + inddata.LegteBredde * afledte.SinTagVink / 1000;
    FyldtFigur(tegning, kSort, kTraefarve, {{0, y0}, {0, yb}, {L, yb}, {L, y0}, {0, y0}});
    Linje(tegning, kSort, {{0, ya}, {L, ya}});
}

void TegnSnitlinje(TTegning& tegning, const TAfledte& afledte, double L)
{
    Linje(tegning, kSort, {{L, -0.05 * afledte.KipHjd}, {L, 1.05 * afledte.KipHjd}}, 1,
          kPenStregPrik);
}

void TegnRombe(TTegning& tegning, double x, double y)
{
    FyldtFigur(
        tegning, kSort, kSort,
        {{x - kRombe, y}, {x, y - kRombe}, {x + kRombe, y}, {x, y + kRombe}, {x - kRombe, y}});
}

void TegnSpaerHenvisninger(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte,
                           double u)
{
    const TSpaerPlacering p = SpaerPlacering(inddata);
    const bool G = FriGavltrekant(inddata);
    const double xa = inddata.GavlUdh + 0.05;
    const double xe = p.x3 + 0.6;
    const double xt = EtiketX(p);
    const double yT = afledte.TagfodHjd;
    const auto [y1, y2, y3] = EtiketHoejder(inddata, afledte, u);

    if (G)
    {
        Linje(tegning, kSort, {{xa, yT}, {xa, y3}, {xe, y3}});
        TegnRombe(tegning, xa, yT);
    }
    Linje(tegning, kSort, {{p.x1, yT}, {p.x1, y2}, {xe, y2}});
    TegnRombe(tegning, p.x1, yT);
    Linje(tegning, kSort, {{p.x2, yT}, {p.x2, y1}, {xe, y1}});
    TegnRombe(tegning, p.x2, yT);
    Linje(tegning, kSort, {{p.x3, yT}, {p.x3, y1}});
    TegnRombe(tegning, p.x3, yT);

    TTekstGruppe& tekster = NyTekstGruppe(tegning.Tekster, kSort, kJustVenstre, kJustMidt);
    if (G)
    {
        TilfoejTekst(tekster, "Uforankret gavltrekant", xt, y3);
    }
    TilfoejTekst(tekster, "Forankret gavlspær", xt, y2);
    TilfoejTekst(tekster, "Normalspær", xt, y1);
}

TTegning TegnLengdesnit(const TInddata& inddata, const TAfledte& afledte,
                        const Regionalindstillinger& regional)
{
    TTegning tegning;
    const double t = LegteDybde(inddata, afledte);
    const double t2 = LegteOgSpaerDybde(inddata, afledte);
    const TSpaerPlacering p = SpaerPlacering(inddata);
    const double L = p.L;
    const double udh = inddata.GavlUdh;

    // Facade wall and ground.
    FyldtFigur(tegning, kMellemgraa, kMellemgraa,
               {{udh, 0}, {udh, inddata.FacHjd - t2}, {L, inddata.FacHjd - t2}, {L, 0}, {udh, 0}});
    FyldtFigur(tegning, kGroen, kGroen,
               {{-0.6, 0}, {-0.6, kJordBund}, {L, kJordBund}, {L, 0}, {-0.6, 0}});
    if (FriGavltrekant(inddata))
    {
        const double inde = udh + kGavltrekantTykkelse;
        FyldtFigur(tegning, kMellemgraa, kMellemgraa,
                   {{udh, inddata.FacHjd - t2},
                    {udh, afledte.KipHjd - t},
                    {inde, afledte.KipHjd - t},
                    {inde, inddata.FacHjd - t2},
                    {udh, inddata.FacHjd - t2}});
    }
    TegnSpaer(tegning, inddata, afledte, p.x1);
    TegnSpaer(tegning, inddata, afledte, p.x2);
    TegnSpaer(tegning, inddata, afledte, p.x3);
    TegnLegteSide(tegning, inddata, afledte, L, 0.9 * afledte.KipHjd + 0.1 * afledte.TagfodHjd);
    TegnLegteSide(tegning, inddata, afledte, L, 0.1 * afledte.KipHjd + 0.9 * afledte.TagfodHjd);
    TegnSnitlinje(tegning, afledte, L);

    const TGraenser g = FindGraenser(tegning.Figurer);
    const double u = std::max({afledte.TotalBr, g.MaxX - g.MinX, g.MaxY - g.MinY}) / 50;

    // The man's caption runs to the right below the ground, so it goes below the rafters and
    // the rafter labels where they come down past the ground.
    TegnMand(tegning, -0.3, u,
             std::min({kJordBund, afledte.TagfodHjd - t2, LavesteEtiket(inddata, afledte, u) - u}));

    const double kipMaal = afledte.KipHjd + 2 * u;
    MaalVandret(tegning, 0, p.x2, p.x3, kipMaal, u, 2, "Normalspærafstand", regional);
    MaalVandret(tegning, 2, p.x1, p.x2, kipMaal, u, 2, "Gavlspærafstand", regional);
    const double midtMaal = (inddata.FacHjd + afledte.KipHjd) / 2;
    MaalVandretHoejre(tegning, 2, udh, p.x1, midtMaal, u, "Gavlspærindrykning", regional);
    // Right of the gable rafter's tick its texts would run over the rafters, the gable rafter
    // spacing being narrower than a caption: they stand right of the piece, at the height of
    // their dimension, in the column of the rafter labels.
    for (TTegnTekst& tekst : tegning.Tekster.back().Tekster)
    {
        tekst.X = std::max(EtiketX(p), L + u / 2);
    }
    MaalVandretVenstre(tegning, 2, 0, udh, midtMaal, u, "Gavludhæng", regional);

    TegnSpaerHenvisninger(tegning, inddata, afledte, u);

    // The view is widened symmetrically to the width W when the piece is narrower.
    const double W = afledte.TotalBr + 4 * u + std::min(-0.7, -8 * u);
    const TGraenser alle = FindGraenser(tegning.Figurer);
    const double m = (alle.MinX + alle.MaxX) / 2;
    Anker(tegning, m - W / 2, 0);
    Anker(tegning, m + W / 2, 0);

    // Room for the rafter labels right of their leaders, which a narrow view would cut off.
    Anker(tegning, EtiketX(p) + 8 * u, inddata.FacHjd);
    return tegning;
}

} // namespace taglo
