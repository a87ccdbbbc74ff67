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

double VindFormfaktorFor(char omraade, char vindtilf, const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    return VindFormfaktor(omraade, vindtilf, ind.TagVink, ind.CvAreal, koersel.afledte.KipHjd,
                          ind.HusBr, ind.HusLn, koersel.meddelelser);
}

TOmraade OmraadeFor(char omraade, char vindtilf, const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
    return VindlastOmraade09(omraade, vindtilf, afl.KipHjd, ind.HusBr, ind.HusLn, ind.FacUdh,
                             ind.GavlUdh, afl.VaegTykkelse, koersel.meddelelser);
}

// The text of the case line of the log: the wind case, or the point-load position.
std::string LasttilfaeldeTekst(int lastkomb, char vindtilf)
{
    if (lastkomb == 8)
    {
        const char position = (vindtilf >= 'a' && vindtilf <= 'z')
                                  ? static_cast<char>(vindtilf - 'a' + 'A')
                                  : vindtilf;
        return std::string("Personlast i punkt ") + position;
    }
    return std::string(VindTilfaeldeTekst(vindtilf));
}

} // namespace

void OpstilLaster(TLasttilfaelde& t, int lastkomb, char vindtilf, TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
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
    koersel.Log("Lastkombination %1d: %s => kmod = %5.2f", lastkomb, LastKombinationTekst(lastkomb),
                t.kmod);
    if (lastkomb == 5 || lastkomb == 6 || lastkomb == 8 || lastkomb == 9)
    {
        koersel.Log("Lasttilfælde %1s: %-80s", vindtilf, LasttilfaeldeTekst(lastkomb, vindtilf));
    }
    koersel.log.LogLinie("");
    koersel.log.LogLinie("        pkoeff  kar.last  rgnm last på tag  rgnm last på lægte");
    koersel.Log("Egenlast%6.2f x%8.2f =%5.2f kN/skrå m2 =>%12.2f kN/m", gammaG, ind.TagTyng,
                qG * t.kmod, gL * t.kmod);
    koersel.Log("Snelast %6.2f x%8.2f =%5.2f kN/hor. m2 =>%12.2f kN/m", gammaS, afl.SneLast,
                qS * t.kmod, sL * t.kmod);
    koersel.Log("Pktlast %6.2f x%8.2f =%5.2f kN         =>%12.2f kN  ", gammaQ, afl.Personlast,
                t.Pd, t.Pd);
}

const TVindretning& VindzonerFor(char vindtilf, TKoersel& koersel)
{
    const bool kendt = vindtilf >= 'a' && vindtilf <= 'x';
    TVindretning& retning =
        kendt ? koersel.vindretninger[static_cast<std::size_t>(VindRetning(vindtilf))]
              : koersel.vindretningUkendt;
    if (retning.beregnet && kendt)
    {
        return retning;
    }
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
    for (std::size_t i = 0; i < kAntalVindzoner; ++i)
    {
        const TOmraade r = OmraadeFor(static_cast<char>('B' + i), vindtilf, koersel);
        TVindzone& zone = retning.zoner[i];
        zone.bredde = Overlapning(r.x1, r.x2, afl.StrimmelTil, afl.StrimmelFra);
        zone.x1 = r.x1;
        zone.x2 = r.x2;
        zone.y1 = r.y1;
        zone.y2 = r.y2;
    }

    // The roof zone at the second normal rafter on the batten's centre line; the last
    // match in the order F..K wins.
    const double y = afl.GavlAfst + ind.GavlspaerAfst + ind.NormalSpaerAfst;
    const double x = afl.LegteMidtX;
    retning.normalOmraade = 'H';
    for (char omraade = 'F'; omraade <= 'K'; ++omraade)
    {
        const TVindzone& r = retning.zoner[static_cast<std::size_t>(omraade - 'B')];
        const double yFra = r.y1 < r.y2 ? r.y1 : r.y2;
        const double yTil = r.y1 < r.y2 ? r.y2 : r.y1;
        const double xFra = r.x1 < r.x2 ? r.x1 : r.x2;
        const double xTil = r.x1 < r.x2 ? r.x2 : r.x1;
        if (yFra <= y && y < yTil && xFra <= x && x < xTil)
        {
            retning.normalOmraade = omraade;
        }
    }
    retning.beregnet = true;
    return retning;
}

const TVindkoefficienter& VindkoefficienterFor(char vindtilf, TKoersel& koersel)
{
    const bool kendt = vindtilf >= 'a' && vindtilf <= 'x';
    TVindkoefficienter& koefficienter =
        kendt ? koersel.vindkoefficienter[static_cast<std::size_t>(vindtilf - 'a')]
              : koersel.vindkoefficienterUkendt;
    if (koefficienter.beregnet && kendt)
    {
        return koefficienter;
    }
    const TVindretning& retning = VindzonerFor(vindtilf, koersel);
    for (std::size_t i = 0; i < kAntalVindzoner; ++i)
    {
        koefficienter.cv[i] = retning.zoner[i].bredde != 0.0
                                  ? VindFormfaktorFor(static_cast<char>('B' + i), vindtilf, koersel)
                                  : 0.0;
    }
    koefficienter.cvNormalOmraade = VindFormfaktorFor(retning.normalOmraade, vindtilf, koersel);
    koefficienter.cvIndvendig = VindFormfaktorFor('N', vindtilf, koersel);
    koefficienter.beregnet = true;
    return koefficienter;
}

double VindFaktor(const TLasttilfaelde& t, const TKoersel& koersel)
{
    return LastFaktor09('B', t.Lastkomb, koersel.Konsekvensklasse(), koersel.meddelelser) / t.kmod;
}

TVindLinielast VindLinielast(const TLasttilfaelde& t, char omraade, TKoersel& koersel)
{
    return VindLinielast(t, omraade, VindFaktor(t, koersel), koersel);
}

TVindLinielast VindLinielast(const TLasttilfaelde& t, char omraade, double w, TKoersel& koersel)
{
    const TAfledte& afl = koersel.afledte;
    TVindLinielast last;
    if (omraade < 'B' || omraade > 'N')
    {
        return last;
    }
    const auto i = static_cast<std::size_t>(omraade - 'B');
    const TVindzone& zone = VindzonerFor(t.Vindtilf, koersel).zoner[i];
    const double cv = VindkoefficienterFor(t.Vindtilf, koersel).cv[i];
    last.q = w * (omraade == 'N' ? afl.QpKipN : afl.QpKip);
    // Pressure on the roof surface acts downward.
    last.cv = (omraade >= 'F' && omraade <= 'K') ? -cv : cv;
    last.bredde = zone.bredde;
    last.Fzz = last.q * last.cv * last.bredde;
    // The gable part ends at the first normal rafter.
    const double D = afl.GavlAfst + koersel.inddata.GavlspaerAfst;
    last.ystart = zone.y1;
    last.yslut = zone.y2 < D ? zone.y2 : D;
    return last;
}

TVindNormalfag VindNormalfag(const TLasttilfaelde& t, TKoersel& koersel)
{
    return VindNormalfag(t, VindFaktor(t, koersel), koersel);
}

TVindNormalfag VindNormalfag(const TLasttilfaelde& t, double w, TKoersel& koersel)
{
    const TAfledte& afl = koersel.afledte;
    const TVindkoefficienter& koefficienter = VindkoefficienterFor(t.Vindtilf, koersel);
    TVindNormalfag vind;
    const double b = afl.StrimmelTil - afl.StrimmelFra;
    vind.Omraade = VindzonerFor(t.Vindtilf, koersel).normalOmraade;
    vind.cvO = -koefficienter.cvNormalOmraade;
    vind.FO = w * afl.QpKip * vind.cvO * b;
    vind.cvU = koefficienter.cvIndvendig;
    vind.FU = w * afl.QpKipN * vind.cvU * b;
    return vind;
}

} // namespace taglo
