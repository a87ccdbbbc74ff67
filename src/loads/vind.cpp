#include "loads/vind.h"

#include "core/formater.h"
#include "core/regional.h"
#include "core/tekst.h"

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

// Direction groups as VindRetning returns them.
constexpr int kNord = 0;
constexpr int kVest = 1;
constexpr int kSyd = 2;
constexpr int kOest = 3;

// --- Pressure or suction ----------------------------------------------------------------

// The wind cases in which a group of zones is loaded by suction; in the other cases it is
// loaded by pressure. Zone E is a suction zone in every case, whatever the letter.
struct TSugRaekke
{
    std::string_view omraader;
    std::string_view sugTilfaelde;
    bool altidSug;
};
constexpr std::array<TSugRaekke, 7> kSugTabel{{
    {"FGHK", "bcghiklnostuwx", false},
    {"IJ", "bcdefklnopqrwx", false},
    {"BC", "acefhijlmoqrtuvx", false},
    {"LM", "abdfgijkmnprsuvw", false},
    {"D", "", false},
    {"E", "", true},
    {"N", "afijmruv", false},
}};

// --- Zone rectangles ---------------------------------------------------------------------

// The lengths that the zone rectangles are built from.
enum class Maal : std::uint8_t
{
    B,  // roof width across the ridge, overhangs included
    L,  // roof length along the ridge, overhangs included
    u,  // facade overhang
    g,  // gable overhang
    t,  // wall thickness
    e,  // overhang zone length e'
    a1, // roof zone depths
    a2,
    a3,
};
constexpr std::size_t kAntalMaal = 9;

// One term of a bound: +/- a length divided by a whole number.
struct TLed
{
    Maal maal = Maal::B;
    double fortegn = 1.0;
    double naevner = 1.0;
};

// A bound of a rectangle as the sum of up to four terms, written like the zone table
// ("L - g - e/5"); evaluated left to right, exactly as the formula reads.
struct TUdtryk
{
    std::array<TLed, 4> led{};
    std::size_t antal = 0;

    [[nodiscard]] double Vaerdi(const std::array<double, kAntalMaal>& maal) const
    {
        double sum = 0.0;
        for (std::size_t i = 0; i < antal; ++i)
        {
            const TLed& l = led.at(i);
            sum += l.fortegn * (maal.at(static_cast<std::size_t>(l.maal)) / l.naevner);
        }
        return sum;
    }
};

constexpr TUdtryk Laengde(Maal maal)
{
    TUdtryk u;
    u.led[0] = TLed{maal, 1.0, 1.0};
    u.antal = 1;
    return u;
}

constexpr TUdtryk operator+(TUdtryk a, const TUdtryk& b)
{
    for (std::size_t i = 0; i < b.antal; ++i)
    {
        a.led.at(a.antal++) = b.led.at(i);
    }
    return a;
}

constexpr TUdtryk operator-(TUdtryk a, const TUdtryk& b)
{
    for (std::size_t i = 0; i < b.antal; ++i)
    {
        TLed l = b.led.at(i);
        l.fortegn = -l.fortegn;
        a.led.at(a.antal++) = l;
    }
    return a;
}

constexpr TUdtryk operator/(TUdtryk a, double naevner)
{
    for (std::size_t i = 0; i < a.antal; ++i)
    {
        a.led.at(i).naevner *= naevner;
    }
    return a;
}

constexpr TUdtryk nul{};
constexpr TUdtryk B = Laengde(Maal::B);
constexpr TUdtryk L = Laengde(Maal::L);
constexpr TUdtryk u = Laengde(Maal::u);
constexpr TUdtryk g = Laengde(Maal::g);
constexpr TUdtryk t = Laengde(Maal::t);
constexpr TUdtryk e = Laengde(Maal::e); // e' of the overhang zones
constexpr TUdtryk a1 = Laengde(Maal::a1);
constexpr TUdtryk a2 = Laengde(Maal::a2);
constexpr TUdtryk a3 = Laengde(Maal::a3);

// x1..x2; y1..y2 of a zone for one wind direction.
struct TRektangel
{
    TUdtryk x1;
    TUdtryk x2;
    TUdtryk y1;
    TUdtryk y2;
};
constexpr TRektangel kTom{nul, nul, nul, nul};

// The zones in plan for wind from N, S, W and E. x across the ridge from the west roof
// edge, y along it from the south roof edge (EN 1991-1-4, figures 7.7 and 7.8, and the
// walls' zones of figure 7.5 under the overhangs).
struct TZone
{
    char omraade = ' ';
    std::array<TRektangel, 4> retning; // N, S, W, E
};
// clang-format off
constexpr std::array<TZone, 13> kZoner{{
    //    wind from N                               wind from S                           wind from W                          wind from E
    {'F', {{{nul, a2, L - a1, L},                  {nul, a2, nul, a1},                   {nul, a1, L - a2, L},                {B - a1, B, L - a2, L}}}},
    {'K', {{{B - a2, B, L - a1, L},                {B - a2, B, nul, a1},                 {nul, a1, nul, a2},                  {B - a1, B, nul, a2}}}},
    {'G', {{{a2, B - a2, L - a1, L},               {a2, B - a2, nul, a1},                {nul, a1, a2, L - a2},               {B - a1, B, a2, L - a2}}}},
    {'H', {{{nul, B, L - a3, L - a1},              {nul, B, a1, a3},                     {a1, B / 2, nul, L},                 {B / 2, B - a1, nul, L}}}},
    {'I', {{{nul, B, nul, L - a3},                 {nul, B, a3, L},                      {B / 2 + a1, B, nul, L},             {nul, B / 2 - a1, nul, L}}}},
    {'J', {{kTom,                                  kTom,                                 {B / 2, B / 2 + a1, nul, L},         {B / 2 - a1, B / 2, nul, L}}}},
    {'D', {{{nul, B, L - g, L},                    {nul, B, nul, g},                     {nul, u, nul, L},                    {B - u, B, nul, L}}}},
    {'E', {{{nul, B, nul, g},                      {nul, B, L - g, L},                   {B - u, B, nul, L},                  {nul, u, nul, L}}}},
    {'B', {{{nul, u, L - g - e, L - g - e / 5},    {nul, u, g + e / 5, g + e},           {u + e / 5, u + e, L - g, L},        {B - u - e, B - u - e / 5, L - g, L}}}},
    {'C', {{{nul, u, g, L - g - e},                {nul, u, g + e, L - g},               {u + e, B - u, L - g, L},            {u, B - u - e, L - g, L}}}},
    {'L', {{{B - u, B, L - g - e, L - g - e / 5},  {B - u, B, g + e / 5, g + e},         {u + e / 5, u + e, nul, g},          {B - u - e, B - u - e / 5, nul, g}}}},
    {'M', {{{B - u, B, g, L - g - e},              {B - u, B, g + e, L - g},             {u + e, B - u, nul, g},              {u, B - u - e, nul, g}}}},
    {'N', {{{u + t, B - u - t, g + t, L - g - t},  {u + t, B - u - t, g + t, L - g - t}, {u + t, B - u - t, g + t, L - g - t}, {u + t, B - u - t, g + t, L - g - t}}}},
}};
// clang-format on

// Column of the zone table for a direction group.
constexpr std::size_t ZoneKolonne(int retning)
{
    switch (retning)
    {
    case kNord:
        return 0;
    case kSyd:
        return 1;
    case kOest:
        return 3;
    default:
        return 2;
    }
}

// --- Roof pressure coefficients ----------------------------------------------------------

// Six values at the roof pitches 5, 15, 30, 45, 60 and 75 degrees.
using TSeksVinkler = std::array<double, 6>;
constexpr TSeksVinkler kNuller{0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

// External pressure coefficients of a roof zone for a loaded area, pressure and suction.
struct TTagFormfaktor
{
    char omraade;
    double arealM2;
    TSeksVinkler tryk;
    TSeksVinkler sug;
};

// Duo-pitch roofs, wind perpendicular to the ridge (EN 1991-1-4, table 7.4a, with the DK
// NA). Zone K has the values of F.
constexpr std::array<TTagFormfaktor, 10> kTvaersKip{{
    {'F', 1.0, {0.0, 0.2, 0.7, 0.7, 0.7, 0.8}, {-2.5, -2.0, -1.5, 0.0, 0.0, 0.0}},
    {'F', 10.0, {0.0, 0.2, 0.7, 0.7, 0.7, 0.8}, {-1.7, -0.9, -0.5, 0.0, 0.0, 0.0}},
    {'G', 1.0, {0.0, 0.2, 0.7, 0.7, 0.7, 0.8}, {-2.0, -1.5, -1.5, 0.0, 0.0, 0.0}},
    {'G', 10.0, {0.0, 0.2, 0.7, 0.7, 0.7, 0.8}, {-1.2, -0.8, -0.5, 0.0, 0.0, 0.0}},
    {'H', 1.0, {0.0, 0.2, 0.4, 0.6, 0.7, 0.8}, {-1.2, -0.3, -0.2, 0.0, 0.0, 0.0}},
    {'H', 10.0, {0.0, 0.2, 0.4, 0.6, 0.7, 0.8}, {-0.6, -0.3, -0.2, 0.0, 0.0, 0.0}},
    {'I', 1.0, kNuller, {-0.6, -0.4, -0.4, -0.2, -0.2, -0.2}},
    {'I', 10.0, kNuller, {-0.6, -0.4, -0.4, -0.2, -0.2, -0.2}},
    {'J', 1.0, {0.2, 0.0, 0.0, 0.0, 0.0, 0.0}, {-0.6, -1.5, -0.5, -0.3, -0.3, -0.3}},
    {'J', 10.0, {0.2, 0.0, 0.0, 0.0, 0.0, 0.0}, {-0.6, -1.0, -0.5, -0.3, -0.3, -0.3}},
}};

// Zone J has no rectangle for wind along the ridge; its placeholder value never meets a
// batten.
constexpr TSeksVinkler kIngenZoneJ{100.0, 100.0, 100.0, 100.0, 100.0, 100.0};

// Duo-pitch roofs, wind parallel to the ridge (EN 1991-1-4, table 7.4b, with the DK NA);
// pressure is 0 everywhere.
constexpr std::array<TTagFormfaktor, 10> kLangsKip{{
    {'F', 1.0, kNuller, {-2.2, -2.0, -1.5, -1.5, -1.5, -1.5}},
    {'F', 10.0, kNuller, {-1.6, -1.3, -1.1, -1.1, -1.1, -1.1}},
    {'G', 1.0, kNuller, {-2.0, -2.0, -2.0, -2.0, -2.0, -2.0}},
    {'G', 10.0, kNuller, {-1.3, -1.3, -1.4, -1.4, -1.2, -1.2}},
    {'H', 1.0, kNuller, {-1.2, -1.2, -1.2, -1.2, -1.0, -1.0}},
    {'H', 10.0, kNuller, {-0.7, -0.6, -0.8, -0.9, -0.8, -0.8}},
    {'I', 1.0, kNuller, {-0.6, -0.5, -0.5, -0.5, -0.5, -0.5}},
    {'I', 10.0, kNuller, {-0.6, -0.5, -0.5, -0.5, -0.5, -0.5}},
    {'J', 1.0, kIngenZoneJ, kIngenZoneJ},
    {'J', 10.0, kIngenZoneJ, kIngenZoneJ},
}};

// Flat roofs, pitch below 5 degrees, all directions (EN 1991-1-4, table 7.2, sharp
// eaves): pressure, suction for 1 m2 and suction for 10 m2.
struct TFladtTag
{
    char omraade;
    double tryk;
    double sug1;
    double sug10;
};
constexpr std::array<TFladtTag, 5> kFladtTag{{
    {'F', 0.0, -2.5, -1.8},
    {'G', 0.0, -2.0, -1.2},
    {'H', 0.0, -1.2, -0.7},
    {'I', 0.2, -0.2, -0.2},
    {'J', 0.2, -0.2, -0.2},
}};

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

TOmraade VindlastOmraade09(char omraade, char vindtilf, double KipHjd, double HusBr, double HusLn,
                           double FacUdh, double GavlUdh, double VaegTykkelse,
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

    const double bredde = 2.0 * FacUdh + HusBr;
    const double laengde = 2.0 * GavlUdh + HusLn;
    const double h = KipHjd;
    const int retning = VindRetning(vindtilf);

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
        // EN 1991-1-4, table 7.1: zone D, linear between h/d = 0.25 and 1.
        if (!cvAreal)
        {
            vaerdi = 1.0;
        }
        else if (hd > 1.0)
        {
            vaerdi = 0.8;
        }
        else if (hd < 0.25)
        {
            vaerdi = 0.7;
        }
        else
        {
            vaerdi = 0.133333333333333 * hd + 0.666666666666667;
        }
        break;
    case 'E':
        // EN 1991-1-4, table 7.1: zone E, -0.3 up to h/d 0.25, -0.5 at 1, -0.7 at 5.
        if (hd < 0.25)
        {
            vaerdi = -0.3;
        }
        else if (hd < 1.0)
        {
            vaerdi = -0.266666666666666 * hd - 0.233333333333333;
        }
        else
        {
            vaerdi = -0.05 * hd - 0.45;
        }
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
