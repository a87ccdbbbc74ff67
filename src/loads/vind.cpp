#include "loads/vind.h"

#include "core/formater.h"
#include "core/regional.h"
#include "core/tekst.h"
#include "loads/vindtabeller.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace taglo
{
namespace
{

using namespace vindtabeller;

constexpr char kFoersteTilf = 'a';
constexpr char kSidsteTilf = 'x';
constexpr char kFoersteOmraade = 'B';
constexpr char kSidsteOmraade = 'N';

constexpr bool GyldigtTilfaelde(char vindtilf)
{
    return vindtilf >= kFoersteTilf && vindtilf <= kSidsteTilf;
}

constexpr bool GyldigtOmraade(char omraade)
{
    return omraade >= kFoersteOmraade && omraade <= kSidsteOmraade;
}

// The height to depth ratio of a building with no depth: the end of the wall table of
// EN 1991-1-4 (table 7.1, h/d = 5), where zone E is -0.7.
constexpr double kHdUdenDybde = 5.0;

std::string TegnTekst(char tegn)
{
    return FraWindows1252(std::string_view(&tegn, 1));
}

std::string Tal(double vaerdi)
{
    return Formater(Regionalindstillinger::Engelsk(), "%4.2f", vaerdi);
}

// Linear interpolation in the pitch between the six table values.
double Interpoler(const TSeksVinkler& v, double alfa)
{
    if (alfa < 15.0)
    {
        return ((15.0 - alfa) * v[0] + (alfa - 5.0) * v[1]) / 10.0;
    }
    const double iReel = std::min(std::trunc(alfa / 15.0), 4.0);
    const auto i = static_cast<std::size_t>(iReel);
    return (((iReel + 1.0) * 15.0 - alfa) * v.at(i) + (alfa - 15.0 * iReel) * v.at(i + 1)) / 15.0;
}

// The coefficient of roof zone F..K before the sign of the case is applied.
double TagFormfaktor(char omraade, int retning, double tagVink, bool cvAreal, bool sug)
{
    const char zone = omraade == 'K' ? 'F' : omraade;
    if (!(tagVink >= 5.0))
    {
        for (const auto& r : kFladtTag)
        {
            if (r.omraade == zone)
            {
                if (!sug)
                {
                    return r.tryk;
                }
                return cvAreal ? r.sug10 : r.sug1;
            }
        }
        return 0.0;
    }
    const bool tvaers = retning == kVest || retning == kOest;
    const auto& tabel = tvaers ? kTvaersKip : kLangsKip;
    const double areal = cvAreal ? 10.0 : 1.0;
    for (const auto& r : tabel)
    {
        if (r.omraade == zone && r.arealM2 == areal)
        {
            return Interpoler(sug ? r.sug : r.tryk, tagVink);
        }
    }
    return 0.0;
}

} // namespace

std::string_view VindTilfaeldeTekst(char vindtilf)
{
    if (!GyldigtTilfaelde(vindtilf))
    {
        return {};
    }
    return VindTilfTekst[static_cast<std::size_t>(vindtilf - kFoersteTilf)];
}

int VindRetning(char vindtilf)
{
    if (vindtilf >= 'j' && vindtilf <= 'l')
    {
        return kNord;
    }
    if (vindtilf >= 'm' && vindtilf <= 'u')
    {
        return kOest;
    }
    if (vindtilf >= 'v' && vindtilf <= 'x')
    {
        return kSyd;
    }
    return kVest;
}

int TrykSugTilf98(char omraade, char vindtilf, Meddelelser& meddelelser)
{
    if (!GyldigtOmraade(omraade))
    {
        meddelelser.fejl("function TrykSugTilf98: Ugyldigt område: " + TegnTekst(omraade));
        return 0;
    }
    if (!GyldigtTilfaelde(vindtilf))
    {
        meddelelser.fejl("function TrykSugTilf98: Ugyldigt vindtilfælde: " + TegnTekst(vindtilf));
    }
    for (const auto& r : kSugTabel)
    {
        if (r.omraader.find(omraade) != std::string_view::npos)
        {
            const bool sug =
                r.altidSug || (GyldigtTilfaelde(vindtilf) &&
                               r.sugTilfaelde.find(vindtilf) != std::string_view::npos);
            return sug ? 1 : 0;
        }
    }
    return 0;
}

namespace
{

// EN 1991-1-4, table 7.1: the wall's zone D, linear in h/d between 0.25 and 1 for 10 m2.
double FormfaktorZoneD(double hd, bool cvAreal)
{
    if (!cvAreal)
    {
        return 1.0;
    }
    if (hd > 1.0)
    {
        return 0.8;
    }
    if (hd < 0.25)
    {
        return 0.7;
    }
    return 0.133333333333333 * hd + 0.666666666666667;
}

// EN 1991-1-4, table 7.1: the wall's zone E, -0.3 up to h/d 0.25, -0.5 at 1, -0.7 at 5.
double FormfaktorZoneE(double hd)
{
    if (hd < 0.25)
    {
        return -0.3;
    }
    if (hd < 1.0)
    {
        return -0.266666666666666 * hd - 0.233333333333333;
    }
    return -0.05 * hd - 0.45;
}

// The messages of VindlastOmraade09 for arguments it cannot place a zone with.
void KontrollerOmraadeArgumenter(char omraade, char vindtilf, double KipHjd, double HusBr,
                                 double HusLn, double FacUdh, double GavlUdh, double VaegTykkelse,
                                 Meddelelser& meddelelser)
{
    const std::string prefiks = "procedure VindlastOmraade09: ";
    if (KipHjd <= 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldig tagkiphøjde: " + Tal(KipHjd) +
                         ". Skal være større end 0.");
    }
    if (HusBr <= 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldig huskropbredde: " + Tal(HusBr) +
                         ". Skal være større end 0.");
    }
    if (HusLn <= 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldig huskroplængde: " + Tal(HusLn) +
                         ". Skal være større end 0.");
    }
    if (FacUdh < 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldigt facadeudhæng: " + Tal(FacUdh) +
                         ". Skal være større end eller lig med 0.");
    }
    if (GavlUdh < 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldigt gavludhæng: " + Tal(GavlUdh) +
                         ". Skal være større end eller lig med 0.");
    }
    if (VaegTykkelse < 0.0)
    {
        meddelelser.fejl(prefiks + "Ugyldig vægtykkelse: " + Tal(VaegTykkelse) +
                         ". Skal være større end eller lig med 0.");
    }
    if (!GyldigtOmraade(omraade))
    {
        meddelelser.fejl(prefiks + "Ugyldigt område: " + TegnTekst(omraade) +
                         ". Skal være i intervallet B til N.");
    }
    if (!GyldigtTilfaelde(vindtilf))
    {
        meddelelser.fejl(prefiks + "Ugyldigt vindtilfælde: " + TegnTekst(vindtilf) +
                         ". Skal være i intervallet a til x.");
    }
}

// The lengths the zone rectangles of wind direction `retning` are built from.
std::array<double, kAntalMaal> Zonemaal(int retning, double KipHjd, double HusBr, double HusLn,
                                        double FacUdh, double GavlUdh, double VaegTykkelse)
{
    const double bredde = 2.0 * FacUdh + HusBr;
    const double laengde = 2.0 * GavlUdh + HusLn;
    const double h = KipHjd;

    // EN 1991-1-4, 7.2.5: e = min(b, 2h) with b the crosswind dimension.
    double eRoof = 0.0;
    double zoneA1 = 0.0;
    double zoneA2 = 0.0;
    double zoneA3 = 0.0;
    if (retning == kVest || retning == kOest)
    {
        eRoof = std::min(2.0 * h, laengde);
        zoneA1 = std::min(bredde / 2.0, eRoof / 10.0);
        zoneA2 = std::min(laengde / 2.0, eRoof / 4.0);
    }
    else
    {
        eRoof = std::min(2.0 * h, bredde);
        zoneA1 = std::min(laengde, eRoof / 10.0);
        zoneA2 = std::min(bredde / 2.0, eRoof / 4.0);
        zoneA3 = std::min(laengde, eRoof / 2.0);
    }
    // The wall zones under the overhangs take one e' for all directions.
    const double eOverhang = std::min(2.0 * h, std::max(HusBr, HusLn));

    std::array<double, kAntalMaal> maal{};
    maal[static_cast<std::size_t>(Maal::B)] = bredde;
    maal[static_cast<std::size_t>(Maal::L)] = laengde;
    maal[static_cast<std::size_t>(Maal::u)] = FacUdh;
    maal[static_cast<std::size_t>(Maal::g)] = GavlUdh;
    maal[static_cast<std::size_t>(Maal::t)] = VaegTykkelse;
    maal[static_cast<std::size_t>(Maal::e)] = eOverhang;
    maal[static_cast<std::size_t>(Maal::a1)] = zoneA1;
    maal[static_cast<std::size_t>(Maal::a2)] = zoneA2;
    maal[static_cast<std::size_t>(Maal::a3)] = zoneA3;
    return maal;
}

} // namespace

TOmraade VindlastOmraade09(char omraade, char vindtilf, double KipHjd, double HusBr, double HusLn,
                           double FacUdh, double GavlUdh, double VaegTykkelse,
                           Meddelelser& meddelelser)
{
    KontrollerOmraadeArgumenter(omraade, vindtilf, KipHjd, HusBr, HusLn, FacUdh, GavlUdh,
                                VaegTykkelse, meddelelser);

    const int retning = VindRetning(vindtilf);
    const auto maal = Zonemaal(retning, KipHjd, HusBr, HusLn, FacUdh, GavlUdh, VaegTykkelse);

    TOmraade resultat;
    for (const auto& zone : kZoner)
    {
        if (zone.omraade == omraade)
        {
            const TRektangel& r = zone.retning.at(ZoneKolonne(retning));
            resultat.x1 = r.x1.Vaerdi(maal);
            resultat.x2 = r.x2.Vaerdi(maal);
            resultat.y1 = r.y1.Vaerdi(maal);
            resultat.y2 = r.y2.Vaerdi(maal);
        }
    }
    return resultat;
}

double VindFormfaktor(char omraade, char vindtilf, double TagVink, bool cvAreal, double KipHjd,
                      double HusBr, double HusLn, Meddelelser& meddelelser)
{
    if (TagVink > 75.0)
    {
        meddelelser.fejl("Taghældning skal være mindre end eller lig 75 grader.");
    }
    const int retning = VindRetning(vindtilf);
    const bool sug = TrykSugTilf98(omraade, vindtilf, meddelelser) == 1;

    const double dybde = retning == kVest || retning == kOest ? HusBr : HusLn;
    const double hd = dybde > 0.0 ? KipHjd / dybde : kHdUdenDybde;

    double vaerdi = 0.0;
    switch (omraade)
    {
    case 'B':
    case 'L':
        vaerdi = cvAreal ? -0.8 : -1.1;
        break;
    case 'C':
    case 'M':
        vaerdi = -0.5;
        break;
    case 'D':
        vaerdi = FormfaktorZoneD(hd, cvAreal);
        break;
    case 'E':
        vaerdi = FormfaktorZoneE(hd);
        break;
    case 'N':
        // Internal pressure coefficient, DK NA to EN 1991-1-4, 7.2.9.
        vaerdi = sug ? -0.3 : 0.2;
        break;
    case 'F':
    case 'G':
    case 'H':
    case 'I':
    case 'J':
    case 'K':
        vaerdi = TagFormfaktor(omraade, retning, TagVink, cvAreal, sug);
        break;
    default:
        // An unknown zone has no rectangle on the roof, so nothing for a value to act on.
        vaerdi = 0.0;
        break;
    }
    // A coefficient of the wrong sign for the case counts as 0 ("nul-tryk").
    return sug ? std::min(vaerdi, 0.0) : std::max(vaerdi, 0.0);
}

double Overlapning(double a1, double a2, double b1, double b2)
{
    if (a1 > a2)
    {
        std::swap(a1, a2);
    }
    if (b1 > b2)
    {
        std::swap(b1, b2);
    }
    if (a2 <= b1 || b2 <= a1)
    {
        return 0.0;
    }
    return std::min(a2, b2) - std::max(a1, b1);
}

} // namespace taglo
