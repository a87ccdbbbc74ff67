#include "engine/laster.h"

#include "core/taltekst.h"
#include "loads/lastkombination.h"
#include "loads/trae.h"
#include "loads/vind.h"

#include <string>

namespace taglo
{
namespace
{

// Service class 2, as index of the timber tables.
constexpr int kAnvendelsesklasse = 1;

// The rule line at the head of every case's log block.
constexpr int kStregLaengde = 97;

// Wind load factor of the case divided by its kmod.
double VindFaktor(const TLasttilfaelde& t, const TKoersel& koersel)
{
    return LastFaktor09('B', t.Lastkomb, koersel.Konsekvensklasse(), koersel.meddelelser) / t.kmod;
}

double VindFormfaktorFor(char omraade, char vindtilf, const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    return VindFormfaktor(omraade, vindtilf, ind.TagVink, ind.CvAreal, koersel.afledte.KipHjd, ind.HusBr,
                          ind.HusLn, koersel.meddelelser);
}

TOmraade OmraadeFor(char omraade, char vindtilf, const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
    return VindlastOmraade09(omraade, vindtilf, afl.KipHjd, ind.HusBr, ind.HusLn, ind.FacUdh, ind.GavlUdh,
                             afl.VaegTykkelse, koersel.meddelelser);
}

// The text of the case line of the log: the wind case, or the point-load position.
std::string LasttilfaeldeTekst(int lastkomb, char vindtilf)
{
    if (lastkomb == 8)
    {
        const char position = (vindtilf >= 'a' && vindtilf <= 'z') ? static_cast<char>(vindtilf - 'a' + 'A')
                                                                    : vindtilf;
        return std::string("Personlast i punkt ") + position;
    }
    return std::string(VindTilfaeldeTekst(vindtilf));
}

} // namespace

void OpstilLaster(TLasttilfaelde& t, int lastkomb, char vindtilf, TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    TAfledte& afl = koersel.afledte;
    Meddelelser& m = koersel.meddelelser;
    const int kk = koersel.Konsekvensklasse();

    t = TLasttilfaelde{};
    t.Lastkomb = lastkomb;
    t.Vindtilf = vindtilf;
    t.kmod = Kmod(kAnvendelsesklasse, lastkomb, m);

    const double b = afl.StrimmelTil - afl.StrimmelFra; // horizontal projection of the spacing
    const double gammaG = LastFaktor09('Y', lastkomb, kk, m);
    const double gammaS = LastFaktor09('P', lastkomb, kk, m);
    const double gammaQ = LastFaktor09('Z', lastkomb, kk, m);

    // The battens' own weight is not part of any load.
    afl.LegteEgenlast = 0.0;

    // Permanent load per m2 of roof surface; combination 8 carries only the battens.
    const double qG = lastkomb == 8 ? gammaG * afl.LegteEgenlast / t.kmod
                                    : (ind.TagTyng + afl.LegteEgenlast) * gammaG / t.kmod;
    const double gL = qG * b / afl.CosTagVink;
    // Snow per m2 of horizontal projection.
    const double qS = gammaS * afl.SneLast / t.kmod;
    const double sL = qS * b;
    t.Pd = gammaQ * afl.Personlast;
    const double P = t.Pd / t.kmod;

    t.FzzEgen = -gL * afl.CosTagVink;
    t.FyyEgen = -gL * afl.SinTagVink;
    t.FzzSne = -sL * afl.CosTagVink;
    t.FyySne = -sL * afl.SinTagVink;
    t.FzzPkt = -P * afl.CosTagVink;
    t.FyyPkt = -P * afl.SinTagVink;

    if (!koersel.Logger())
    {
        return;
    }
    koersel.log.LogLinie(StregLinie(kStregLaengde));
    koersel.Log("Lastkombination %1d: %s => kmod = %5.2f", lastkomb, LastKombinationTekst(lastkomb), t.kmod);
    if (lastkomb == 5 || lastkomb == 6 || lastkomb == 8 || lastkomb == 9)
    {
        koersel.Log("Lasttilfælde %1s: %-80s", vindtilf, LasttilfaeldeTekst(lastkomb, vindtilf));
    }
    koersel.log.LogLinie("");
    koersel.log.LogLinie("        pkoeff  kar.last  rgnm last på tag  rgnm last på lægte");
    koersel.Log("Egenlast%6.2f x%8.2f =%5.2f kN/skrå m2 =>%12.2f kN/m", gammaG, ind.TagTyng, qG * t.kmod,
                gL * t.kmod);
    koersel.Log("Snelast %6.2f x%8.2f =%5.2f kN/hor. m2 =>%12.2f kN/m", gammaS, afl.SneLast, qS * t.kmod,
                sL * t.kmod);
    koersel.Log("Pktlast %6.2f x%8.2f =%5.2f kN         =>%12.2f kN  ", gammaQ, afl.Personlast, t.Pd, t.Pd);
}

TVindLinielast VindLinielast(const TLasttilfaelde& t, char omraade, const TKoersel& koersel)
{
    const TAfledte& afl = koersel.afledte;
    TVindLinielast last;
    const double w = VindFaktor(t, koersel);
    last.q = w * (omraade == 'N' ? afl.QpKipN : afl.QpKip);
    last.cv = VindFormfaktorFor(omraade, t.Vindtilf, koersel);
    if (omraade >= 'F' && omraade <= 'K')
    {
        last.cv = -last.cv; // pressure on the roof surface acts downward
    }
    const TOmraade rektangel = OmraadeFor(omraade, t.Vindtilf, koersel);
    last.bredde = Overlapning(rektangel.x1, rektangel.x2, afl.StrimmelTil, afl.StrimmelFra);
    last.Fzz = last.q * last.cv * last.bredde;
    // The gable part ends at the first normal rafter.
    const double D = afl.GavlAfst + koersel.inddata.GavlspaerAfst;
    last.ystart = rektangel.y1;
    last.yslut = rektangel.y2 < D ? rektangel.y2 : D;
    return last;
}

TVindNormalfag VindNormalfag(const TLasttilfaelde& t, const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
    TVindNormalfag vind;

    // The roof zone at the second normal rafter on the batten's centre line.
    const double y = afl.GavlAfst + ind.GavlspaerAfst + ind.NormalSpaerAfst;
    const double x = afl.LegteMidtX;
    for (char omraade = 'F'; omraade <= 'K'; ++omraade)
    {
        const TOmraade r = OmraadeFor(omraade, t.Vindtilf, koersel);
        const double yFra = r.y1 < r.y2 ? r.y1 : r.y2;
        const double yTil = r.y1 < r.y2 ? r.y2 : r.y1;
        const double xFra = r.x1 < r.x2 ? r.x1 : r.x2;
        const double xTil = r.x1 < r.x2 ? r.x2 : r.x1;
        if (yFra <= y && y < yTil && xFra <= x && x < xTil)
        {
            vind.Omraade = omraade;
        }
    }

    const double w = VindFaktor(t, koersel);
    const double b = afl.StrimmelTil - afl.StrimmelFra;
    vind.cvO = -VindFormfaktorFor(vind.Omraade, t.Vindtilf, koersel);
    vind.FO = w * afl.QpKip * vind.cvO * b;
    vind.cvU = VindFormfaktorFor('N', t.Vindtilf, koersel);
    vind.FU = w * afl.QpKipN * vind.cvU * b;
    return vind;
}

} // namespace taglo
