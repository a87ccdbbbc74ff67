#include "drawing/soemforbindelse.h"

#include "core/formater.h"
#include "core/meddelelser.h"
#include "drawing/figurdele.h"
#include "loads/lastkombination.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <string>

namespace taglo
{
namespace
{

constexpr double kBaandVenstre = -200.0; // mm, left end of the bands
constexpr double kBaandHoejre = 200.0;   // mm, right end of the bands
constexpr double kTekstX = -180.0;       // mm, where the band captions start
constexpr double kSpaerDybde = 120.0;    // mm, depth of the rafter band
constexpr double kHovedTykkelse = 2.0;   // mm, thickness of a nail head
constexpr double kSoemAfstand = 30.0;    // mm, each nail's offset from x = 0 when indirect
constexpr double kEtiketAfstand = 10.0;  // mm, from a nail's axis to its labels
constexpr double kFriAfSnit = 2.0;       // mm, from the batten section to a label beside it
// mm, an underlay thinner than this cannot hold its caption: a line of text is 6 to 10 mm
// high at the usual sizes of the figure.
constexpr double kTyndtUndertag = 10.0;
constexpr double kIntetBidrag = 0.1;   // N, a capacity below this counts as none
constexpr double kTomtInterval = 0.01; // mm, an interval this short gets no label
// A nail whose withdrawal parameter is this or less is smooth (N/mm2).
constexpr double kGlatSoemFax = 4.5;
// Load combination whose load-duration class the header names (wind, instantaneous).
constexpr int kVindKombination = 9;

// The figure's shared text groups, all vertically centred on their anchors, by their place
// in the drawing's list of groups.
struct TGrupper
{
    std::size_t notesVenstre = 0; // black captions starting at their anchor
    std::size_t notesHoejre = 0;  // black captions ending at their anchor
    std::size_t centreret = 0;    // black centred texts
    std::size_t okVenstre = 0;    // green, starting
    std::size_t okHoejre = 0;     // green, ending
    std::size_t fejlVenstre = 0;  // red, starting
    std::size_t fejlHoejre = 0;   // red, ending
};

bool ErGlatSoem(const TNailData& soem)
{
    return soem.fax <= kGlatSoemFax;
}

std::size_t NyGruppe(TTegning& tegning, std::uint16_t farve, std::uint16_t vandret,
                     std::uint16_t lodret)
{
    NyTekstGruppe(tegning.Tekster, farve, vandret, lodret);
    return tegning.Tekster.size() - 1;
}

void Tekst(TTegning& tegning, std::size_t gruppe, std::string_view tekst, double x, double y)
{
    TilfoejTekst(tegning.Tekster[gruppe], tekst, x, y);
}

// A horizontal band across the figure from y = top down to y = bund, in one colour, with a
// black line along its upper edge of the given pen width.
void Baand(TTegning& tegning, std::uint16_t farve, double top, double bund)
{
    FyldtFigur(tegning, farve, farve,
               {{kBaandVenstre, top},
                {kBaandHoejre, top},
                {kBaandHoejre, bund},
                {kBaandVenstre, bund},
                {kBaandVenstre, top}});
}

void Kant(TTegning& tegning, double y, std::uint16_t bredde)
{
    Linje(tegning, kSort, {{kBaandVenstre, y}, {kBaandHoejre, y}}, bredde);
}

// A rectangle across the nail's shank (width d) between the depths fra and til below Y0,
// filled with `fyld` and outlined black.
void Skaftstykke(TTegning& tegning, double X0, double Y0, double d, double fra, double til,
                 std::uint16_t fyld)
{
    const double v = X0 - d / 2;
    const double h = X0 + d / 2;
    FyldtFigur(tegning, kSort, fyld,
               {{v, Y0 - fra}, {h, Y0 - fra}, {h, Y0 - til}, {v, Y0 - til}, {v, Y0 - fra}});
}

// The verdict of one rafter column: the nail count in green when the connection holds,
// otherwise the failure text in red.
void Dom(TTegning& tegning, std::size_t ok, std::size_t fejl, bool soemOK, int soemantal,
         bool direkte, double x, const Regionalindstillinger& regional)
{
    if (soemOK)
    {
        const char* format = direkte ? "%d søm - OK" : "%d x 2 søm - OK";
        Tekst(tegning, ok, Formater(regional, format, soemantal), x, 24);
    }
    else
    {
        Tekst(tegning, fejl, "Utilstrækkelig bæreevne !", x, 24);
    }
}

// The capacity of one nail (or pair of nailings) and of the most nails that fit.
void Kapaciteter(TTegning& tegning, const TGrupper& g, const TResultater& r, bool direkte,
                 const Regionalindstillinger& regional)
{
    Tekst(tegning, g.notesVenstre, "Min.", -60, 24);
    Tekst(tegning, g.centreret,
          Formater(regional, direkte ? "1 søm: %.0n N" : "1 x 2 søm: %.0n N", r.SoemBaereevne), 0,
          24);
    Tekst(tegning, g.notesVenstre, "Max.", -60, 12);
    Tekst(tegning, g.centreret,
          Formater(regional, direkte ? "%d søm: %.0n N" : "%d x 2 søm: %.0n N", r.SoemPlads,
                   r.SoemPlads * r.SoemBaereevne),
          0, 12);
}

} // namespace

void TegnLegtesnit(TTegning& tegning, const TInddata& inddata, double x)
{
    const double b = inddata.LegteBredde / 2;
    const double bund = -inddata.LegteHojde;
    TTegnFigur& snit =
        NyFigur(tegning.Figurer, kPenFuld, 3, kSort, kFyldFuld, kTraefarve, kArtLinje);
    TilfoejPunkt(snit, x - b, bund);
    TilfoejPunkt(snit, x - b, 0);
    TilfoejPunkt(snit, x + b, 0);
    TilfoejPunkt(snit, x + b, bund);
    TilfoejPunkt(snit, x - b, bund);
    Linje(tegning, kSort, {{x - b, bund}, {x + b, 0}, {x + b, bund}, {x - b, 0}});
}

void TegnSoem(TTegning& tegning, const TNailData& soem, const TSoemKapacitet& kapacitet, double X0,
              double Y0, TSoemSide side, double hovedAfstand, const Regionalindstillinger& regional)
{
    const double D = soem.HeadDiam;
    const double d = soem.Diam;
    const double s = soem.ProfileStart;
    const double p = soem.ProfileLength;
    const double spids = Y0 - s - p - 1.5 * d;

    // Outline: a head 2 mm thick, the shank and a point 1.5 d long.
    const std::initializer_list<TTegnPunkt> omrids{{X0 - D / 2, Y0},
                                                   {X0 - D / 2, Y0 - kHovedTykkelse},
                                                   {X0 - d / 2, Y0 - kHovedTykkelse},
                                                   {X0 - d / 2, Y0 - s - p},
                                                   {X0, spids},
                                                   {X0 + d / 2, Y0 - s - p},
                                                   {X0 + d / 2, Y0 - kHovedTykkelse},
                                                   {X0 + D / 2, Y0 - kHovedTykkelse},
                                                   {X0 + D / 2, Y0}};
    FyldtFigur(tegning, kSort, kHvid, omrids);
    Linje(tegning, kSort, omrids);
    FyldtFigur(tegning, kSort, kGroen,
               {{X0 - D / 2, Y0},
                {X0 + D / 2, Y0},
                {X0 + D / 2, Y0 - kHovedTykkelse},
                {X0 - D / 2, Y0 - kHovedTykkelse},
                {X0 - D / 2, Y0}});
    // A smooth nail has no ringed part: its whole shank stays white. (Its catalogue row
    // gives the anchoring shank as the "profiled" length, from the top of the head.)
    if (!ErGlatSoem(soem))
    {
        Skaftstykke(tegning, X0, Y0, d, s, s + p, kSoelv);
    }
    Skaftstykke(tegning, X0, Y0, d, kapacitet.Fra1, kapacitet.Til1, kGroen);
    Skaftstykke(tegning, X0, Y0, d, kapacitet.Fra2, kapacitet.Til2, kGroen);

    const bool hoejre = side == TSoemSide::Hoejre;
    const std::uint16_t just = hoejre ? kJustVenstre : kJustHoejre;
    const double x = X0 + (hoejre ? kEtiketAfstand : -kEtiketAfstand);
    const double afstand = std::max(hovedAfstand, kEtiketAfstand);
    const double xHoved = X0 + (hoejre ? afstand : -afstand);
    const std::size_t groen = NyGruppe(tegning, kGroen, just, kJustTop);
    const std::size_t roed = NyGruppe(tegning, kRoed, just, kJustTop);
    const std::size_t midt = NyGruppe(tegning, kGroen, kJustCentreret, kJustTop);

    Tekst(tegning, kapacitet.Fhead > kIntetBidrag ? groen : roed,
          Formater(regional, " Fg = %3.0f N ", kapacitet.Fhead), xHoved, Y0 - 1);
    const double laengde1 = kapacitet.Til1 - kapacitet.Fra1;
    if (laengde1 > kTomtInterval)
    {
        Tekst(tegning, groen, Formater(regional, " Fu = %.0n N ", laengde1 * kapacitet.FaxPrMm), x,
              Y0 - (kapacitet.Fra1 + kapacitet.Til1) / 2 + 5);
    }
    const double laengde2 = kapacitet.Til2 - kapacitet.Fra2;
    if (laengde2 > kTomtInterval)
    {
        Tekst(tegning, groen, Formater(regional, " Fu = %.0n N ", laengde2 * kapacitet.FaxPrMm), x,
              Y0 - (kapacitet.Fra2 + kapacitet.Til2) / 2 + 5);
        Tekst(tegning, midt,
              Formater(regional, " (Fu = %.0n mm x %.1n N/mm) ", kapacitet.Lef, kapacitet.FaxPrMm),
              X0, spids - 20);
    }
    if (kapacitet.Fax < kIntetBidrag)
    {
        Tekst(tegning, roed, Formater(regional, " Fu = %.0n N ", kapacitet.Fax), x,
              Y0 - kapacitet.Til1 - 20);
    }
}

namespace
{

// The bands under the batten, top down: the spacer batten (timber-coloured when it carries
// the indirect nailing, else aqua like every part that does not contribute), the underlay
// and the rafter head, each with its caption. Returns the level of the rafter's top, mm.
double TegnLagene(TTegning& tegning, const TGrupper& g, const TInddata& inddata,
                  const TResultater& r, const Regionalindstillinger& regional)
{
    const double hoejde = inddata.LegteHojde;
    const double afliste = inddata.AlisteTykkelse;
    const double undertag = inddata.UtagTykkelse;
    if (afliste > 0)
    {
        const double top = -hoejde;
        Baand(tegning, r.SoemAflisteSpaer ? kTraefarve : kAkva, top, top - afliste);
        Kant(tegning, top, 1);
        Tekst(tegning, g.notesVenstre, Formater(regional, "%1.0f mm afstandsliste", afliste),
              kTekstX, top - afliste / 2);
    }
    if (undertag > 0)
    {
        const double top = -hoejde - afliste;
        Baand(tegning, kAkva, top, top - undertag);
        Kant(tegning, top, 1);
        const std::string tekst = Formater(regional, "%1.0f mm undertag", undertag);
        if (undertag >= kTyndtUndertag)
        {
            Tekst(tegning, g.notesVenstre, tekst, kTekstX, top - undertag / 2);
        }
        else
        {
            // Hung just under the membrane, on the top of the rafter.
            Tekst(tegning, NyGruppe(tegning, kSort, kJustVenstre, kJustTop), tekst, kTekstX,
                  top - undertag - 1);
        }
    }
    const double yR = -hoejde - afliste - undertag;
    Baand(tegning, kTraefarve, yR, yR - kSpaerDybde);
    Kant(tegning, yR, 3);
    Kant(tegning, yR - kSpaerDybde, 3);
    Tekst(tegning, g.notesVenstre, "Spærhoved", kTekstX, yR - kSpaerDybde / 2);
    return yR;
}

// The two header lines and the verdicts at the gable and the normal rafter.
void TegnOverskrifter(TTegning& tegning, const TGrupper& g, const TNailData& soem,
                      const TResultater& r, const Regionalindstillinger& regional)
{
    const bool direkte = r.DirekteFastgoerelse;
    TavseMeddelelser ingenMeddelelser; // combination 9 always has its letter
    Tekst(tegning, g.centreret,
          Formater(regional, "Regningsmæssig trækbæreevne i lastklasse %1s (vind)",
                   LastGruppeBogstav(kVindKombination, ingenMeddelelser)),
          0, 48);
    Tekst(tegning, g.centreret,
          Formater(regional, "for %s med %s",
                   direkte ? "direkte fastgørelse" : "indirekte fastgørelse", soem.Name),
          0, 36);

    Tekst(tegning, g.notesVenstre, "Fastgørelse til gavlspær:", kBaandVenstre, 36);
    Dom(tegning, g.okVenstre, g.fejlVenstre, r.GavlspaerSoemOK, r.SoemantalGavlspaer, direkte,
        kBaandVenstre, regional);
    Tekst(tegning, g.notesHoejre, "Fastgørelse til normalspær:", kBaandHoejre, 36);
    Dom(tegning, g.okHoejre, g.fejlHoejre, r.NormalspaerSoemOK, r.SoemantalNormalspaer, direkte,
        kBaandHoejre, regional);
}

// The batten sections with the nails through them and their capacities. A nail through the
// batten has its head on the batten section: its head label stands right of the section,
// not on it.
void TegnSoemmene(TTegning& tegning, const TGrupper& g, const TInddata& inddata,
                  const TResultater& r, const Regionalindstillinger& regional)
{
    const TNailData& soem = *inddata.NailData;
    const double forbiSnittet = inddata.LegteBredde / 2 + kFriAfSnit;
    if (r.SoemDirekte)
    {
        TegnLegtesnit(tegning, inddata, 0);
        TegnSoem(tegning, soem, *r.SoemDirekte, 0, 0, TSoemSide::Hoejre, forbiSnittet, regional);
        Kapaciteter(tegning, g, r, true, regional);
    }
    if (r.SoemAflisteSpaer)
    {
        TegnLegtesnit(tegning, inddata, kSoemAfstand);
        TegnSoem(tegning, soem, *r.SoemAflisteSpaer, -kSoemAfstand, -inddata.LegteHojde,
                 TSoemSide::Venstre, kEtiketAfstand, regional);
        if (r.SoemLaegteAfliste)
        {
            TegnSoem(tegning, soem, *r.SoemLaegteAfliste, kSoemAfstand, 0, TSoemSide::Hoejre,
                     forbiSnittet, regional);
        }
        Kapaciteter(tegning, g, r, false, regional);
    }
}

// The legend under the rafter, whose top is at yR.
void TegnForklaring(TTegning& tegning, const TGrupper& g, double yR)
{
    const double yL = yR - kSpaerDybde - 12;
    Tekst(tegning, g.centreret,
          "De områder af sømmet, der medvirker til trækbæreevnen, er "
          "grønne. De øvrige er hvide (glat skaft) eller grå (ringet del)",
          0, yL);
    Tekst(tegning, g.centreret,
          "Hvis afstandslisten er mindst 32 mm tyk, kan den benyttes til indirekte sømning. "
          "Den er da markeret med gult",
          0, yL - 12);
    Tekst(tegning, g.centreret, "Trædele der ikke medvirker er lyseblå", 0, yL - 24);
    Tekst(tegning, g.centreret, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke", 0, yL - 36);
    Anker(tegning, -150, yL - 36);
}

} // namespace

TTegning TegnSoemforbindelse(const TInddata& inddata, const TResultater& resultater,
                             const Regionalindstillinger& regional)
{
    assert(inddata.NailData != nullptr);
    TTegning tegning;
    TGrupper g;
    g.notesVenstre = NyGruppe(tegning, kSort, kJustVenstre, kJustMidt);
    g.notesHoejre = NyGruppe(tegning, kSort, kJustHoejre, kJustMidt);
    g.centreret = NyGruppe(tegning, kSort, kJustCentreret, kJustMidt);
    g.okVenstre = NyGruppe(tegning, kGroen, kJustVenstre, kJustMidt);
    g.okHoejre = NyGruppe(tegning, kGroen, kJustHoejre, kJustMidt);
    g.fejlVenstre = NyGruppe(tegning, kRoed, kJustVenstre, kJustMidt);
    g.fejlHoejre = NyGruppe(tegning, kRoed, kJustHoejre, kJustMidt);

    const double yR = TegnLagene(tegning, g, inddata, resultater, regional);
    TegnOverskrifter(tegning, g, *inddata.NailData, resultater, regional);
    Tekst(tegning, g.notesVenstre, Formater(regional, "%1.0f mm lægte", inddata.LegteHojde),
          kTekstX, -inddata.LegteHojde / 2);
    TegnSoemmene(tegning, g, inddata, resultater, regional);
    Anker(tegning, kTekstX, 48);
    TegnForklaring(tegning, g, yR);
    return tegning;
}

} // namespace taglo
