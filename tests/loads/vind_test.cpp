#include "loads/vind.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;
using test::PrintTo;

constexpr double kTol = 1e-12;
constexpr std::string_view kTilfaelde = "abcdefghijklmnopqrstuvwx";
constexpr std::string_view kZoner = "BCDEFGHIJKLMN";

bool Indeholder(std::string_view tekst, std::string_view del)
{
    return tekst.find(del) != std::string_view::npos;
}

// --- Wind cases --------------------------------------------------------------------------

TEST(VindTilfTekst, TeksterneForUdvalgteTilfaelde)
{
    EXPECT_EQ(VindTilfTekst[0],
              "Vind fra V, tryk begge tagflader, sug indvendigt, sug begge gavludhæng");
    EXPECT_EQ(VindTilfaeldeTekst('d'),
              "Vind fra V, tryk vest-, sug øst-tagflade, tryk indv., nul-tryk gavludh. B");
    EXPECT_EQ(VindTilfaeldeTekst('u'),
              "Vind fra Ø, sug øst-, tryk vest-tagflade, sug indv., sug begge gavludhæng");
    EXPECT_EQ(VindTilfaeldeTekst('x'),
              "Vind fra S, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L");
    EXPECT_EQ(VindTilfaeldeTekst('y'), "");
    EXPECT_EQ(VindTilfaeldeTekst('A'), "");
}

// Each case has one direction group, and it is the direction its text names: nine cases
// from W and from E, three from N and from S.
TEST(VindRetning, HvertTilfaeldeHarTekstensRetningOgUkendtErVest)
{
    std::array<int, 4> antal{};
    for (const char tilf : kTilfaelde)
    {
        const int retning = VindRetning(tilf);
        ASSERT_GE(retning, 0);
        ASSERT_LE(retning, 3);
        ++antal.at(static_cast<std::size_t>(retning));
        const std::string_view tekst = VindTilfaeldeTekst(tilf);
        constexpr std::array<std::string_view, 4> fra{"Vind fra N,", "Vind fra V,", "Vind fra S,",
                                                      "Vind fra Ø,"};
        EXPECT_TRUE(tekst.starts_with(fra.at(static_cast<std::size_t>(retning)))) << tilf;
    }
    EXPECT_EQ(antal, (std::array<int, 4>{3, 9, 3, 9}));
    // An unknown case counts as wind from W.
    EXPECT_EQ(VindRetning('y'), 1);
    EXPECT_EQ(VindRetning('A'), 1);
    EXPECT_EQ(VindRetning('\0'), 1);
}

// --- Pressure or suction -----------------------------------------------------------------

// The cases in which each zone is loaded by pressure, as the table lists them; in every
// other case the zone is loaded by suction.
struct TrykCase
{
    const char* navn;
    const char* zoner;
    const char* trykTilfaelde;
};

class TrykTilfaelde : public ::testing::TestWithParam<TrykCase>
{};

TEST_P(TrykTilfaelde, ErTrykNetopITabellensTilfaelde)
{
    const auto& c = GetParam();
    test::OptagneMeddelelser m;
    for (const char zone : std::string_view(c.zoner))
    {
        for (const char tilf : kTilfaelde)
        {
            const int forventet = Indeholder(c.trykTilfaelde, std::string_view(&tilf, 1)) ? 0 : 1;
            EXPECT_EQ(TrykSugTilf98(zone, tilf, m), forventet) << zone << " " << tilf;
        }
    }
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(Zonegrupper, TrykTilfaelde,
                         ::testing::Values(TrykCase{"TagetsVindsideFGHK", "FGHK", "adefjmpqrv"},
                                           TrykCase{"TagetsLaesideIJ", "IJ", "aghijmstuv"},
                                           TrykCase{"UdhaengSideB", "BC", "bdgknpsw"},
                                           TrykCase{"UdhaengSideL", "LM", "cehloqtx"},
                                           TrykCase{"UnderVindsidenD", "D",
                                                    "abcdefghijklmnopqrstuvwx"},
                                           TrykCase{"UnderLaesidenE", "E", ""},
                                           TrykCase{"Indvendigt", "N", "bcdeghklnopqstwx"}));

TEST(TrykSugTilf98, UgyldigtOmraadeMeldesOgGiverTryk)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(TrykSugTilf98('A', 'b', m), 0);
    EXPECT_EQ(TrykSugTilf98('O', 'b', m), 0);
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "function TrykSugTilf98: Ugyldigt område: A"},
                           {"fejl", "function TrykSugTilf98: Ugyldigt område: O"},
                       }));
}

TEST(TrykSugTilf98, UgyldigtTilfaeldeMeldesOgOpslagetFortsaetter)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(TrykSugTilf98('E', 'y', m), 1);
    EXPECT_EQ(TrykSugTilf98('F', 'y', m), 0);
    EXPECT_EQ(TrykSugTilf98('N', 'Z', m), 0);
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "function TrykSugTilf98: Ugyldigt vindtilfælde: y"},
                           {"fejl", "function TrykSugTilf98: Ugyldigt vindtilfælde: y"},
                           {"fejl", "function TrykSugTilf98: Ugyldigt vindtilfælde: Z"},
                       }));
}

// --- Zone rectangles ---------------------------------------------------------------------

// A house 10 m x 20 m with a 6 m ridge, facade overhang 0.5 m, gable overhang 0.4 m:
// B = 11, L = 20.8, e' = min(12, 20) = 12.
// Wind from W: e = min(12, 20.8) = 12, a1 = min(5.5, 1.2) = 1.2, a2 = min(10.4, 3) = 3.
// Wind from N: e = min(12, 11) = 11, a1 = min(20.8, 1.1) = 1.1, a2 = min(5.5, 2.75) = 2.75,
// a3 = min(20.8, 5.5) = 5.5.
struct RektangelCase
{
    const char* navn;
    char zone;
    char tilf;
    TOmraade forventet;
};

class Zonerektangel : public ::testing::TestWithParam<RektangelCase>
{};

TEST_P(Zonerektangel, HaandmaaltHus)
{
    const auto& c = GetParam();
    test::OptagneMeddelelser m;
    const TOmraade o = VindlastOmraade09(c.zone, c.tilf, 6.0, 10.0, 20.0, 0.5, 0.4, 0.0, m);
    EXPECT_NEAR(o.x1, c.forventet.x1, kTol);
    EXPECT_NEAR(o.x2, c.forventet.x2, kTol);
    EXPECT_NEAR(o.y1, c.forventet.y1, kTol);
    EXPECT_NEAR(o.y2, c.forventet.y2, kTol);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(VindFraVest, Zonerektangel,
                         ::testing::Values(RektangelCase{"F", 'F', 'a', {0.0, 1.2, 17.8, 20.8}},
                                           RektangelCase{"K", 'K', 'a', {0.0, 1.2, 0.0, 3.0}},
                                           RektangelCase{"G", 'G', 'a', {0.0, 1.2, 3.0, 17.8}},
                                           RektangelCase{"H", 'H', 'a', {1.2, 5.5, 0.0, 20.8}},
                                           RektangelCase{"I", 'I', 'a', {6.7, 11.0, 0.0, 20.8}},
                                           RektangelCase{"J", 'J', 'a', {5.5, 6.7, 0.0, 20.8}},
                                           RektangelCase{"D", 'D', 'a', {0.0, 0.5, 0.0, 20.8}},
                                           RektangelCase{"E", 'E', 'a', {10.5, 11.0, 0.0, 20.8}},
                                           RektangelCase{"B", 'B', 'a', {2.9, 12.5, 20.4, 20.8}},
                                           RektangelCase{"C", 'C', 'a', {12.5, 10.5, 20.4, 20.8}},
                                           RektangelCase{"L", 'L', 'a', {2.9, 12.5, 0.0, 0.4}},
                                           RektangelCase{"M", 'M', 'a', {12.5, 10.5, 0.0, 0.4}},
                                           RektangelCase{"N", 'N', 'a', {0.5, 10.5, 0.4, 20.4}}));

// Wind from N, S and E: e = 11 along the ridge; S and E mirror N and W.
INSTANTIATE_TEST_SUITE_P(
    AndreRetninger, Zonerektangel,
    ::testing::Values(RektangelCase{"FNord", 'F', 'j', {0.0, 2.75, 19.7, 20.8}},
                      RektangelCase{"GNord", 'G', 'j', {2.75, 8.25, 19.7, 20.8}},
                      RektangelCase{"HNord", 'H', 'j', {0.0, 11.0, 15.3, 19.7}},
                      RektangelCase{"JFindesIkkeLangsKippen", 'J', 'j', {0.0, 0.0, 0.0, 0.0}},
                      RektangelCase{"BNord", 'B', 'j', {0.0, 0.5, 8.4, 18.0}},
                      RektangelCase{"KSyd", 'K', 'w', {8.25, 11.0, 0.0, 1.1}},
                      RektangelCase{"HSyd", 'H', 'x', {0.0, 11.0, 1.1, 5.5}},
                      RektangelCase{"FOest", 'F', 'm', {9.8, 11.0, 17.8, 20.8}},
                      RektangelCase{"JOest", 'J', 'u', {4.3, 5.5, 0.0, 20.8}},
                      RektangelCase{"BOest", 'B', 'n', {-1.5, 8.1, 20.4, 20.8}}));

// For wind across the ridge the roof zones F, G, H, J, I (with K) tile the roof.
TEST(VindlastOmraade09, TagzonerneDaekkerTagetPaaTvaers)
{
    test::OptagneMeddelelser m;
    for (const char tilf : std::string_view("am"))
    {
        double areal = 0.0;
        for (const char zone : std::string_view("FGHIJK"))
        {
            const TOmraade o = VindlastOmraade09(zone, tilf, 6.0, 10.0, 20.0, 0.5, 0.4, 0.0, m);
            areal += Overlapning(o.x1, o.x2, 0.0, 11.0) * Overlapning(o.y1, o.y2, 0.0, 20.8);
        }
        EXPECT_NEAR(areal, 11.0 * 20.8, 1e-9) << tilf;
    }
}

// Numbers in the messages are written with a point and two decimals whatever the regional
// settings.
TEST(VindlastOmraade09, UgyldigeArgumenterMeldesIRaekkefoelge)
{
    test::OptagneMeddelelser m;
    const TOmraade o = VindlastOmraade09('A', 'y', -1.0, 0.0, -2.5, -0.3, -0.125, -1.0, m);
    EXPECT_EQ(
        m.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejl",
             "procedure VindlastOmraade09: Ugyldig tagkiphøjde: -1.00. Skal være større end 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldig huskropbredde: 0.00. Skal være større end 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldig huskroplængde: -2.50. Skal være større end 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldigt facadeudhæng: -0.30. Skal være større end "
             "eller lig med 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldigt gavludhæng: -0.13. Skal være større end "
             "eller lig med 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldig vægtykkelse: -1.00. Skal være større end eller "
             "lig med 0."},
            {"fejl",
             "procedure VindlastOmraade09: Ugyldigt område: A. Skal være i intervallet B til N."},
            {"fejl", "procedure VindlastOmraade09: Ugyldigt vindtilfælde: y. Skal være i "
                     "intervallet a til x."},
        }));
    for (const double v : {o.x1, o.x2, o.y1, o.y2})
    {
        EXPECT_EQ(v, 0.0); // an unknown zone covers nothing
    }
}

// A case outside 'a'..'x' is reported and its zones are those of wind from W.
TEST(VindlastOmraade09, UgyldigtTilfaeldeGaarVidereSomVestenvind)
{
    test::OptagneMeddelelser m;
    const TOmraade o = VindlastOmraade09('F', 'z', 4.0, 8.0, 20.0, 0.0, 0.0, 0.0, m);
    EXPECT_EQ(m.liste.size(), 1U);
    EXPECT_NEAR(o.x2, 0.8, kTol);
    EXPECT_NEAR(o.y1, 18.0, kTol);
}

// --- Pressure coefficients ---------------------------------------------------------------

// Roof 10 m wide and 20 m long, ridge 5 m: h/d = 0.5 across the ridge, 0.25 along it.
struct CpeCase
{
    const char* navn;
    char zone;
    char tilf;
    double vinkel; // degrees
    bool tiM2;     // 10 m2 coefficients, otherwise 1 m2
    double cpe;
};

class Formfaktor : public ::testing::TestWithParam<CpeCase>
{};

TEST_P(Formfaktor, EfterTabellenOgTilfaeldetsFortegn)
{
    const CpeCase& c = GetParam();
    test::OptagneMeddelelser m;
    EXPECT_NEAR(VindFormfaktor(c.zone, c.tilf, c.vinkel, c.tiM2, 5.0, 10.0, 20.0, m), c.cpe, kTol);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EN1991Tabel75OgDK, Formfaktor,
    ::testing::Values(
        // Between the table's pitches the coefficient is interpolated linearly.
        CpeCase{"FSugHalvvejs15Og30", 'F', 'b', 22.5, true, -0.7},
        CpeCase{"HTrykHalvvejs30Og45", 'H', 'a', 37.5, false, 0.5},
        CpeCase{"FSugHalvvejs5Og15", 'F', 'b', 10.0, false, -2.25},
        CpeCase{"GLangsKippenMellem45Og60", 'G', 'k', 54.0, true, -1.28}, // 0.6 of -1.4..-1.2
        CpeCase{"GSug30Grader1m2", 'G', 'b', 30.0, false, -1.5},
        CpeCase{"JSug15Grader1m2", 'J', 'b', 15.0, false, -1.5},
        CpeCase{"JSug15Grader10m2", 'J', 'b', 15.0, true, -1.0},
        CpeCase{"HSugLangsKippen45Grader", 'H', 'w', 45.0, true, -0.9},
        CpeCase{"KHarFsVaerdier", 'K', 'b', 15.0, true, -0.9},
        CpeCase{"FTryk75Grader", 'F', 'a', 75.0, true, 0.8},
        CpeCase{"HSug75Grader1m2", 'H', 'k', 75.0, false, -1.0},
        // Below 5 degrees the flat-roof values apply; from 5 degrees the pitched-roof table.
        CpeCase{"FladtTagF", 'F', 'b', 4.9, true, -1.8},
        CpeCase{"FemGraderF", 'F', 'b', 5.0, true, -1.7},
        CpeCase{"FladtTagF1m2", 'F', 'b', 4.9, false, -2.5},
        CpeCase{"FladtTagITryk", 'I', 'a', 4.9, false, 0.2},
        CpeCase{"FladtTagK1m2", 'K', 'k', 2.0, false, -2.5},
        // Overhangs and the inside.
        CpeCase{"UdhaengB", 'B', 'a', 30.0, true, -0.8},
        CpeCase{"UdhaengL1m2", 'L', 'a', 30.0, false, -1.1},
        CpeCase{"UdhaengC", 'C', 'a', 30.0, true, -0.5},
        CpeCase{"IndvendigtTryk", 'N', 'b', 30.0, true, 0.2},
        CpeCase{"IndvendigtSug", 'N', 'a', 30.0, true, -0.3},
        // A coefficient of the wrong sign for the case counts as 0: side B of case 'b' is
        // "nul-tryk"; the suction table of F is 0 above 45 degrees; no pressure on F along
        // the ridge; no pressure on a flat roof's F.
        CpeCase{"NulTrykPaaUdhaeng", 'B', 'b', 30.0, true, 0.0},
        CpeCase{"FSugOver45GraderErNul", 'F', 'b', 60.0, true, 0.0},
        CpeCase{"IntetTrykLangsKippen", 'F', 'j', 30.0, true, 0.0},
        CpeCase{"FladtTagUdenTryk", 'F', 'a', 4.9, true, 0.0}),
    [](const auto& info) { return std::string(info.param.navn); });

// EN 1991-1-4 table 7.1, the walls under the overhangs, for 10 m2: D 0.7 and E -0.3 up to
// h/d = 0.25, D 0.8 and E -0.5 at h/d = 1, E -0.7 from h/d = 5, linear between. Across the
// ridge the depth is the house width, along it the house length.
TEST(VindFormfaktor, ZoneDOgEEfterHoejdeDybdeForhold)
{
    test::OptagneMeddelelser m;
    // h/d = 5 / 10 = 0.5: a third of the way from 0.25 to 1.
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 5.0, 10.0, 20.0, m), 0.733333333333, 1e-12);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 5.0, 10.0, 20.0, m), -0.366666666666, 1e-12);
    // h/d = 2 and below 0.25.
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 20.0, 10.0, 20.0, m), -0.55, kTol);
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 2.0, 10.0, 20.0, m), 0.7, kTol);
    // Along the ridge: h/d = 10 / 20 = 0.5 for wind from N and S.
    EXPECT_NEAR(VindFormfaktor('D', 'j', 30.0, true, 10.0, 40.0, 20.0, m), 0.733333333333, 1e-12);
    EXPECT_NEAR(VindFormfaktor('E', 'v', 30.0, true, 10.0, 40.0, 20.0, m), -0.366666666666, 1e-12);
    // 1 m2: zone D is 1.0; zone E does not depend on the area.
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, false, 5.0, 10.0, 20.0, m), 1.0, kTol);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, false, 20.0, 10.0, 20.0, m), -0.55, kTol);
    EXPECT_TRUE(m.liste.empty());
}

// The coefficient of a zone in a case has the case's sign (0 allowed) at every pitch and
// for both areas.
void ForventFortegn(char zone, char tilf)
{
    test::OptagneMeddelelser m;
    const bool sug = TrykSugTilf98(zone, tilf, m) == 1;
    for (const double vinkel : {0.0, 4.9, 5.0, 12.0, 22.5, 30.0, 47.0, 60.0, 75.0})
    {
        for (const bool tiM2 : {false, true})
        {
            const double v = VindFormfaktor(zone, tilf, vinkel, tiM2, 5.0, 10.0, 20.0, m);
            EXPECT_TRUE(sug ? v <= 0.0 : v >= 0.0) << zone << tilf << " " << vinkel << " " << v;
        }
    }
    EXPECT_TRUE(m.liste.empty());
}

// In all 24 cases, for every zone, the sign of the coefficient is the one the case
// demands, and zone D presses and zone E sucks.
TEST(VindFormfaktor, FortegnetFoelgerTilfaeldet)
{
    test::OptagneMeddelelser m;
    for (const char tilf : kTilfaelde)
    {
        for (const char zone : kZoner)
        {
            ForventFortegn(zone, tilf);
        }
        EXPECT_GT(VindFormfaktor('D', tilf, 30.0, true, 5.0, 10.0, 20.0, m), 0.0);
        EXPECT_LT(VindFormfaktor('E', tilf, 30.0, true, 5.0, 10.0, 20.0, m), 0.0);
    }
}

TEST(VindFormfaktor, StejltTagMeldes)
{
    test::OptagneMeddelelser m;
    const double v = VindFormfaktor('F', 'a', 76.0, true, 5.0, 10.0, 20.0, m);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "Taghældning skal være mindre end eller lig 75 grader."},
                       }));
    m.liste.clear();
    static_cast<void>(VindFormfaktor('F', 'a', 75.0, true, 5.0, 10.0, 20.0, m));
    EXPECT_TRUE(m.liste.empty());
}

// A house without depth (refused by the input checks, but a file can hold it) takes the
// end of the wall table, h/d = 5, instead of an infinite coefficient.
TEST(VindFormfaktor, HusUdenDybdeGiverEndeligKoefficient)
{
    test::OptagneMeddelelser m;
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 5.0, 0.0, 20.0, m), -0.7, kTol);
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 5.0, 0.0, 20.0, m), 0.8, kTol);
    EXPECT_NEAR(VindFormfaktor('E', 'j', 30.0, true, 0.0, 10.0, 0.0, m), -0.7, kTol);
    EXPECT_TRUE(m.liste.empty());
}

TEST(VindFormfaktor, UgyldigZoneMeldesOgGiverNul)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(VindFormfaktor('A', 'a', 30.0, true, 5.0, 10.0, 20.0, m), 0.0);
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "function TrykSugTilf98: Ugyldigt område: A"},
                       }));
}

// --- Overlapping intervals ---------------------------------------------------------------

struct OverlapCase
{
    const char* navn;
    double a1, a2, b1, b2;
    double forventet;
};

class Overlap : public ::testing::TestWithParam<OverlapCase>
{};

TEST_P(Overlap, FaellesLaengde)
{
    const auto& c = GetParam();
    EXPECT_NEAR(Overlapning(c.a1, c.a2, c.b1, c.b2), c.forventet, kTol);
    EXPECT_NEAR(Overlapning(c.b1, c.b2, c.a1, c.a2), c.forventet, kTol);
}

INSTANTIATE_TEST_SUITE_P(Intervaller, Overlap,
                         ::testing::Values(OverlapCase{"RoererKunHinanden", 0.0, 1.0, 1.0, 2.0,
                                                       0.0},
                                           OverlapCase{"OmvendtPar", 2.0, 0.0, 1.0, 3.0, 1.0},
                                           OverlapCase{"Adskilte", 0.0, 1.0, 3.0, 4.0, 0.0},
                                           OverlapCase{"Indeholdt", 0.0, 10.0, 2.0, 3.5, 1.5},
                                           OverlapCase{"Ens", 0.3, 0.59, 0.3, 0.59, 0.29},
                                           OverlapCase{"BeggeOmvendt", 5.0, 1.0, 4.0, 2.0, 2.0},
                                           OverlapCase{"TomtInterval", 1.0, 1.0, 0.0, 2.0, 0.0},
                                           OverlapCase{"Negative", -2.0, -0.5, -1.0, 3.0, 0.5}));

} // namespace
} // namespace taglo
