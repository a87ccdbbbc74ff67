// The wind tables the wind functions read: in which cases a group of zones is loaded by
// suction, the zones' rectangles in plan for each wind direction, and the external pressure
// coefficients of the roof zones by pitch (EN 1991-1-4, section 7, with the DK NA). Only
// loads/vind.cpp includes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace taglo::vindtabeller
{

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

} // namespace taglo::vindtabeller
