#include "drawing/optegning.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace taglo
{
namespace
{

// One straight stroke of a marker, in pixels relative to its point (x right, y down).
struct TStreg
{
    TPixel fra;
    TPixel til;
};

// The strokes of the markers 2..9; a dot (1) is a pixel, the circle (4) a closed octagon.
constexpr std::array<TStreg, 2> kPlus{{{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}}};
constexpr std::array<TStreg, 2> kKryds{{{{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}}};
constexpr std::array<TPixel, 9> kOttekant{
    {{-4, 0}, {-3, 3}, {0, 4}, {3, 3}, {4, 0}, {3, -3}, {0, -4}, {-3, -3}, {-4, 0}}};
constexpr std::array<TStreg, 2> kPilOp{{{{-3, 6}, {0, 0}}, {{3, 6}, {0, 0}}}};
constexpr std::array<TStreg, 2> kPilNed{{{{-3, -6}, {0, 0}}, {{3, -6}, {0, 0}}}};
constexpr std::array<TStreg, 2> kPilVenstre{{{{6, 3}, {0, 0}}, {{6, -3}, {0, 0}}}};
constexpr std::array<TStreg, 2> kPilHoejre{{{{-6, 3}, {0, 0}}, {{-6, -3}, {0, 0}}}};

TPixel Flyt(TPixel p, TPixel d)
{
    return {p.X + d.X, p.Y + d.Y};
}

void TegnStreger(Laerred& laerred, TPixel p, const std::array<TStreg, 2>& streger)
{
    for (const TStreg& s : streger)
    {
        laerred.FlytTil(Flyt(p, s.fra));
        laerred.LinjeTil(Flyt(p, s.til));
    }
}

bool Endelig(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

int TilSkaerm(double v)
{
    if (std::isnan(v))
    {
        return 0;
    }
    const double graense = kSkaermGraense;
    if (v > graense)
    {
        return kSkaermGraense;
    }
    if (v < -graense)
    {
        return -kSkaermGraense;
    }
    return static_cast<int>(RundTilLige(v));
}

TPixel Skaerm(const TVisning& v, double x, double y)
{
    return {SkaermX(v, x), SkaermY(v, y)};
}

void SaetPenOgFyld(Laerred& laerred, const TTegnFigur& figur)
{
    switch (figur.PenStil)
    {
    case kPenFuld:
        laerred.SaetPenStil(TPenStil::Fuld);
        break;
    case kPenPrikket:
        laerred.SaetPenStil(TPenStil::Prikket);
        break;
    case kPenStregPrik:
        laerred.SaetPenStil(TPenStil::StregPrik);
        break;
    case kPenStiplet:
        laerred.SaetPenStil(TPenStil::Stiplet);
        break;
    default: // the pen style stays as the previous figure set it
        break;
    }
    laerred.SaetPenBredde(figur.PenBredde);
    laerred.SaetPenFarve(Farve(figur.PenFarve));
    switch (figur.FyldStil)
    {
    case kFyldIngen:
        laerred.SaetFyldStil(TFyldStil::Klar);
        break;
    case kFyldFuld:
        laerred.SaetFyldStil(TFyldStil::Fuld);
        break;
    case kFyldKryds:
        laerred.SaetFyldStil(TFyldStil::Krydsskraveret);
        break;
    default: // fills with the brush style left as it was
        break;
    }
    laerred.SaetFyldFarve(Farve(figur.FyldFarve));
}

void TegnFigur(Laerred& laerred, const TVisning& visning, const TTegnFigur& figur)
{
    SaetPenOgFyld(laerred, figur);

    const std::vector<TTegnPunkt>& punkter = figur.Punkter;
    if (figur.Art == kArtLinje)
    {
        for (std::size_t i = 1; i < punkter.size(); ++i)
        {
            const TTegnPunkt& a = punkter[i - 1];
            const TTegnPunkt& b = punkter[i];
            if (Endelig(a.X, a.Y) && Endelig(b.X, b.Y))
            {
                laerred.FlytTil(Skaerm(visning, a.X, a.Y));
                laerred.LinjeTil(Skaerm(visning, b.X, b.Y));
            }
        }
    }
    else if (figur.Art <= kArtPilHoejre)
    {
        for (const TTegnPunkt& p : punkter)
        {
            if (Endelig(p.X, p.Y))
            {
                TegnMaerke(laerred, visning, figur.Art, p.X, p.Y, Farve(figur.PenFarve));
            }
        }
    }

    if (figur.FyldStil != kFyldIngen)
    {
        std::vector<TPixel> hjoerner;
        hjoerner.reserve(punkter.size());
        for (const TTegnPunkt& p : punkter)
        {
            if (Endelig(p.X, p.Y))
            {
                hjoerner.push_back(Skaerm(visning, p.X, p.Y));
            }
        }
        if (hjoerner.size() >= 2)
        {
            laerred.Polygon(hjoerner);
        }
    }
}

TVandretJustering Vandret(std::uint16_t just)
{
    switch (just)
    {
    case kJustVenstre:
        return TVandretJustering::Venstre;
    case kJustHoejre:
        return TVandretJustering::Hoejre;
    default:
        return TVandretJustering::Centreret;
    }
}

// How the texts of a group are written: the canvas's alignment flags and how far the anchor
// moves up, in pixels.
struct TTekststil
{
    TVandretJustering vandret = TVandretJustering::Venstre;
    TLodretJustering lodret = TLodretJustering::Top;
    int forskydning = 0;
};

TTekststil Tekststil(const TVisning& visning, const TTekstGruppe& gruppe)
{
    TTekststil stil;
    stil.vandret = Vandret(gruppe.VandretJust);
    if (gruppe.LodretJust == kJustBund)
    {
        stil.lodret = TLodretJustering::Bund;
    }
    else if (gruppe.LodretJust == kJustMidt)
    {
        // Top alignment moved up by half a line centres the text on its anchor.
        stil.forskydning = static_cast<int>(RundTilLige(visning.TH / 2));
    }
    return stil;
}

// The pixels a text takes by the canvas's alignment: its advance by a full line.
struct TTekstboks
{
    int venstre = 0;
    int top = 0;
    int bredde = 0;
    int hoejde = 0;
};

TTekstboks Tekstboks(Laerred& laerred, const TTekststil& stil, TPixel anker, std::string_view tekst)
{
    TTekstboks boks{anker.X, anker.Y, laerred.TekstBredde(tekst), laerred.TekstHoejde(tekst)};
    if (stil.vandret == TVandretJustering::Centreret)
    {
        boks.venstre -= boks.bredde / 2;
    }
    else if (stil.vandret == TVandretJustering::Hoejre)
    {
        boks.venstre -= boks.bredde;
    }
    if (stil.lodret == TLodretJustering::Bund)
    {
        boks.top -= boks.hoejde;
    }
    return boks;
}

// How far a stretch from `fra` `laengde` pixels long must move to lie within 0..rum; one
// longer than the room keeps its start.
int IndPaaFladen(int fra, int laengde, int rum)
{
    if (fra + laengde > rum)
    {
        return std::max(rum - laengde, 0) - fra;
    }
    return fra < 0 ? -fra : 0;
}

// Where a text is written: at its anchor, moved in just so far that the text does not run
// over the edge of the paint box.
TPixel Skriveanker(Laerred& laerred, const TVisning& visning, const TTekststil& stil,
                   const TTegnTekst& tekst)
{
    const TPixel anker{SkaermX(visning, tekst.X), SkaermY(visning, tekst.Y) - stil.forskydning};
    const TTekstboks boks = Tekstboks(laerred, stil, anker, tekst.Tekst);
    return {anker.X + IndPaaFladen(boks.venstre, boks.bredde, visning.W),
            anker.Y + IndPaaFladen(boks.top, boks.hoejde, visning.H)};
}

// The text's background: the pixels it takes less the outermost one on every side, in the
// colour of the page. An empty text has none.
void SletTekstbaggrund(Laerred& laerred, const TTekststil& stil, TPixel anker,
                       std::string_view tekst)
{
    const TTekstboks b = Tekstboks(laerred, stil, anker, tekst);
    if (b.bredde > 2 && b.hoejde > 2)
    {
        laerred.SletRektangel({b.venstre + 1, b.top + 1},
                              {b.venstre + b.bredde - 2, b.top + b.hoejde - 2});
    }
}

// Every text on a background of the page's colour, so that no line of the figures runs
// through it: first all backgrounds, then all texts, so that no background covers a text.
void TegnTekster(Laerred& laerred, const TVisning& visning,
                 const std::vector<TTekstGruppe>& grupper)
{
    for (const TTekstGruppe& gruppe : grupper)
    {
        const TTekststil stil = Tekststil(visning, gruppe);
        for (const TTegnTekst& t : gruppe.Tekster)
        {
            if (Endelig(t.X, t.Y))
            {
                SletTekstbaggrund(laerred, stil, Skriveanker(laerred, visning, stil, t), t.Tekst);
            }
        }
    }
    for (const TTekstGruppe& gruppe : grupper)
    {
        const TTekststil stil = Tekststil(visning, gruppe);
        laerred.SaetTekstJustering(stil.vandret, stil.lodret);
        laerred.SaetTekstFarve(Farve(gruppe.TekstFarve));
        for (const TTegnTekst& t : gruppe.Tekster)
        {
            if (Endelig(t.X, t.Y))
            {
                laerred.SkrivTekst(Skriveanker(laerred, visning, stil, t), t.Tekst);
            }
        }
    }
}

} // namespace

bool KanTegnes(const TVisning& visning)
{
    return visning.W > 0 && visning.H > 0 && std::isfinite(visning.SX) &&
           std::isfinite(visning.SY) && std::isfinite(visning.OX) && std::isfinite(visning.OY) &&
           visning.SX != 0.0 && visning.SY != 0.0;
}

void TegnTegning(Laerred& laerred, int W, int H, const TTegning& tegning, bool SammeSkala)
{
    if (W <= 0 || H <= 0)
    {
        return;
    }
    TGraenser g = FindGraenser(tegning.Figurer);
    LaegMargen(g.MinX, g.MaxX, 90);
    LaegMargen(g.MinY, g.MaxY, 90);
    const TVisning visning =
        SammeSkala ? SaetVindueSammeSkala(laerred, W, H, g.MinX, g.MinY, g.MaxX, g.MaxY)
                   : SaetVindue(laerred, W, H, g.MinX, g.MinY, g.MaxX, g.MaxY);
    TegnElementer(laerred, visning, tegning);
}

void LaegMargen(double& lo, double& hi, double procent)
{
    if (std::abs(procent) < 0.01)
    {
        procent = 0.01;
    }
    const double k = (100 - procent) / (2 * procent);
    const double nyLo = (1 + k) * lo - k * hi;
    const double nyHi = (1 + k) * hi - k * lo;
    lo = nyLo;
    hi = nyHi;
}

TVisning SaetVindue(Laerred& laerred, int W, int H, double MinX, double MinY, double MaxX,
                    double MaxY)
{
    if (MaxX == MinX)
    {
        MaxX = MinX + 1;
    }
    if (MaxY == MinY)
    {
        MaxY = MinY + 1;
    }
    TVisning v;
    v.W = W;
    v.H = H;
    v.MinX = MinX;
    v.MinY = MinY;
    v.MaxX = MaxX;
    v.MaxY = MaxY;
    v.SX = W / (MaxX - MinX);
    v.OX = -v.SX * MinX;
    v.SY = -H / (MaxY - MinY);
    v.OY = H - v.SY * MinY;
    v.TH = laerred.TekstHoejde("0");
    return v;
}

TVisning SaetVindueSammeSkala(Laerred& laerred, int W, int H, double MinX, double MinY, double MaxX,
                              double MaxY)
{
    if (W <= 0 || H <= 0)
    {
        TVisning tom;
        tom.W = W;
        tom.H = H;
        return tom;
    }
    const double dX = std::abs(MaxX - MinX);
    const double dY = std::abs(MaxY - MinY);
    const double cX = (MinX + MaxX) / 2;
    const double cY = (MinY + MaxY) / 2;
    const double r = static_cast<double>(H) / W;
    const double h = (dX == 0.0 || dY / dX > r) ? dY / (2 * r) : dX / 2;
    return SaetVindue(laerred, W, H, cX - h, cY - r * h, cX + h, cY + r * h);
}

double RundTilLige(double v)
{
    const double naermest = std::round(v); // halves away from zero
    if (std::abs(v - std::trunc(v)) == 0.5)
    {
        return 2.0 * std::round(v / 2.0);
    }
    return naermest;
}

int SkaermX(const TVisning& visning, double x)
{
    return TilSkaerm(visning.SX * x + visning.OX);
}

int SkaermY(const TVisning& visning, double y)
{
    return TilSkaerm(visning.SY * y + visning.OY);
}

void TegnMaerke(Laerred& laerred, const TVisning& visning, std::uint8_t art, double x, double y,
                TFarve penfarve)
{
    const TPixel p = Skaerm(visning, x, y);
    laerred.FlytTil(p);
    switch (art)
    {
    case kArtPunkt:
        laerred.SaetPixel(p, penfarve);
        break;
    case kArtPlus:
        TegnStreger(laerred, p, kPlus);
        break;
    case kArtStjerne:
        TegnStreger(laerred, p, kPlus);
        TegnStreger(laerred, p, kKryds);
        break;
    case kArtCirkel:
        laerred.FlytTil(Flyt(p, kOttekant[0]));
        for (std::size_t i = 1; i < kOttekant.size(); ++i)
        {
            laerred.LinjeTil(Flyt(p, kOttekant[i]));
        }
        break;
    case kArtKryds:
        TegnStreger(laerred, p, kKryds);
        break;
    case kArtPilOp:
        TegnStreger(laerred, p, kPilOp);
        break;
    case kArtPilNed:
        TegnStreger(laerred, p, kPilNed);
        break;
    case kArtPilVenstre:
        TegnStreger(laerred, p, kPilVenstre);
        break;
    case kArtPilHoejre:
        TegnStreger(laerred, p, kPilHoejre);
        break;
    default:
        break;
    }
}

void TegnElementer(Laerred& laerred, const TVisning& visning, const TTegning& tegning)
{
    if (!KanTegnes(visning))
    {
        return;
    }
    for (const TTegnFigur& figur : tegning.Figurer)
    {
        TegnFigur(laerred, visning, figur);
    }
    TegnTekster(laerred, visning, tegning.Tekster);
}

} // namespace taglo
