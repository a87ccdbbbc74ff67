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
    EXPECT_EQ(VindTilfaeldeTekst('l'),
              "Vind fra N, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L");
    EXPECT_EQ(VindTilfaeldeTekst('u'),
              "Vind fra Ø, sug øst-, tryk vest-tagflade, sug indv., sug begge gavludhæng");
    EXPECT_EQ(VindTilfaeldeTekst('x'),
              "Vind fra S, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L");
    EXPECT_EQ(VindTilfaeldeTekst('y'), "");
    EXPECT_EQ(VindTilfaeldeTekst('A'), "");
}

// Each case has one direction group, and it is the direction its text names: nine cases
// from W and from E, three from N and from S.
TEST(VindRetning, HvertTilfaeldeHarTekstensRetning)
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
}

TEST(VindRetning, UkendtTilfaeldeRegnesSomVest)
{
    EXPECT_EQ(VindRetning('y'), 1);
    EXPECT_EQ(VindRetning('A'), 1);
    EXPECT_EQ(VindRetning('\0'), 1);
}

// --- Pressure or suction -----------------------------------------------------------------

TEST(TrykSugTilf98, ZoneDErTrykOgZoneESugITilfaelde)
{
    test::OptagneMeddelelser m;
    for (const char tilf : kTilfaelde)
    {
        EXPECT_EQ(TrykSugTilf98('D', tilf, m), 0) << tilf;
        EXPECT_EQ(TrykSugTilf98('E', tilf, m), 1) << tilf;
    }
    EXPECT_TRUE(m.liste.empty());
}

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

// What a case's text says about a group of zones: 1 suction, 0 pressure ("nul-tryk" is
// pressure on an overhang whose coefficients are all suction).
struct TekstensSug
{
    int vindside; // roof zones F, G, H, K of the windward slope
    int laeside;  // roof zones I, J of the leeward slope
    int indvendig;
    int sideB;
    int sideL;
};

TekstensSug LaesTekst(std::string_view tekst)
{
    const std::string_view tag = tekst.substr(tekst.find(", ") + 2);
    TekstensSug sug{};
    if (tag.starts_with("tryk begge") || tag.starts_with("sug begge"))
    {
        sug.vindside = tag.starts_with("sug") ? 1 : 0;
        sug.laeside = sug.vindside;
    }
    else
    {
        sug.vindside = tag.starts_with("tryk") ? 0 : 1;
        sug.laeside = 1 - sug.vindside;
    }
    sug.indvendig = Indeholder(tekst, "sug indv") ? 1 : 0;
    const bool nulTryk = Indeholder(tekst, "nul-tryk");
    sug.sideB = nulTryk && tekst.ends_with("B") ? 0 : 1;
    sug.sideL = nulTryk && tekst.ends_with("L") ? 0 : 1;
    return sug;
}

void ForventZoner(std::string_view zoner, char tilf, int sug)
{
    test::OptagneMeddelelser m;
    for (const char zone : zoner)
    {
        EXPECT_EQ(TrykSugTilf98(zone, tilf, m), sug) << zone << " " << tilf;
    }
}

// The texts of the cases say where there is pressure and suction; the table must agree.
TEST(TrykSugTilf98, StemmerMedTilfaeldenesTekster)
{
    for (const char tilf : kTilfaelde)
    {
        const std::string_view tekst = VindTilfaeldeTekst(tilf);
        EXPECT_TRUE(Indeholder(tekst, "sug indv") || Indeholder(tekst, "tryk indv")) << tilf;
        const TekstensSug sug = LaesTekst(tekst);
        ForventZoner("FGHK", tilf, sug.vindside);
        ForventZoner("IJ", tilf, sug.laeside);
        ForventZoner("N", tilf, sug.indvendig);
        ForventZoner("BC", tilf, sug.sideB);
        ForventZoner("LM", tilf, sug.sideL);
    }
}

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

INSTANTIATE_TEST_SUITE_P(VindFraNord, Zonerektangel,
                         ::testing::Values(RektangelCase{"F", 'F', 'j', {0.0, 2.75, 19.7, 20.8}},
                                           RektangelCase{"K", 'K', 'j', {8.25, 11.0, 19.7, 20.8}},
                                           RektangelCase{"G", 'G', 'j', {2.75, 8.25, 19.7, 20.8}},
                                           RektangelCase{"H", 'H', 'j', {0.0, 11.0, 15.3, 19.7}},
                                           RektangelCase{"I", 'I', 'j', {0.0, 11.0, 0.0, 15.3}},
                                           RektangelCase{
                                               "JFindesIkke", 'J', 'j', {0.0, 0.0, 0.0, 0.0}},
                                           RektangelCase{"D", 'D', 'j', {0.0, 11.0, 20.4, 20.8}},
                                           RektangelCase{"E", 'E', 'j', {0.0, 11.0, 0.0, 0.4}},
                                           RektangelCase{"B", 'B', 'j', {0.0, 0.5, 8.4, 18.0}},
                                           RektangelCase{"C", 'C', 'j', {0.0, 0.5, 0.4, 8.4}},
                                           RektangelCase{"L", 'L', 'j', {10.5, 11.0, 8.4, 18.0}},
                                           RektangelCase{"M", 'M', 'j', {10.5, 11.0, 0.4, 8.4}},
                                           RektangelCase{"N", 'N', 'j', {0.5, 10.5, 0.4, 20.4}}));

// Wind from S and from E mirror N and W.
INSTANTIATE_TEST_SUITE_P(
    VindFraSydOgOest, Zonerektangel,
    ::testing::Values(RektangelCase{"FSyd", 'F', 'v', {0.0, 2.75, 0.0, 1.1}},
                      RektangelCase{"KSyd", 'K', 'w', {8.25, 11.0, 0.0, 1.1}},
                      RektangelCase{"HSyd", 'H', 'x', {0.0, 11.0, 1.1, 5.5}},
                      RektangelCase{"DSyd", 'D', 'v', {0.0, 11.0, 0.0, 0.4}},
                      RektangelCase{"BSyd", 'B', 'v', {0.0, 0.5, 2.8, 12.4}},
                      RektangelCase{"FOest", 'F', 'm', {9.8, 11.0, 17.8, 20.8}},
                      RektangelCase{"IOest", 'I', 'p', {0.0, 4.3, 0.0, 20.8}},
                      RektangelCase{"JOest", 'J', 'u', {4.3, 5.5, 0.0, 20.8}},
                      RektangelCase{"EOest", 'E', 'm', {0.0, 0.5, 0.0, 20.8}},
                      RektangelCase{"BOest", 'B', 'n', {-1.5, 8.1, 20.4, 20.8}}));

// KipHjd 4 m, HusBr 8 m, HusLn 20 m, no overhangs, wind from W: e = 8, a1 = 0.8, a2 = 2.
TEST(VindlastOmraade09, HjoernezoneFPaaEtLilleHus)
{
    test::OptagneMeddelelser m;
    const TOmraade f = VindlastOmraade09('F', 'a', 4.0, 8.0, 20.0, 0.0, 0.0, 0.0, m);
    EXPECT_NEAR(f.x1, 0.0, kTol);
    EXPECT_NEAR(f.x2, 0.8, kTol);
    EXPECT_NEAR(f.y1, 18.0, kTol);
    EXPECT_NEAR(f.y2, 20.0, kTol);
}

TEST(VindlastOmraade09, ZoneJFindesIkkeForVindLangsKippen)
{
    test::OptagneMeddelelser m;
    for (const char tilf : std::string_view("jklvwx"))
    {
        const TOmraade j = VindlastOmraade09('J', tilf, 6.0, 10.0, 20.0, 0.5, 0.4, 0.0, m);
        EXPECT_EQ(Overlapning(j.x1, j.x2, 0.0, 11.0), 0.0) << tilf;
        EXPECT_EQ(Overlapning(j.y1, j.y2, 0.0, 20.8), 0.0) << tilf;
    }
}

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
    EXPECT_EQ(o.x1, 0.0);
    EXPECT_EQ(o.x2, 0.0);
    EXPECT_EQ(o.y1, 0.0);
    EXPECT_EQ(o.y2, 0.0);
}

// Numbers in the messages are written with a point whatever the regional settings, right
// aligned in four characters.
TEST(VindlastOmraade09, TalIMeddelelserHarPunktOgToDecimaler)
{
    test::OptagneMeddelelser m;
    static_cast<void>(VindlastOmraade09('F', 'a', 0.0, 8.0, 12.345, 0.0, 0.0, 0.0, m));
    static_cast<void>(VindlastOmraade09('F', 'a', 4.0, -123.456, 12.0, 0.0, 0.0, 0.0, m));
    EXPECT_EQ(
        m.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejl",
             "procedure VindlastOmraade09: Ugyldig tagkiphøjde: 0.00. Skal være større end 0."},
            {"fejl", "procedure VindlastOmraade09: Ugyldig huskropbredde: -123.46. Skal være "
                     "større end 0."},
        }));
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
double Cpe(char zone, char tilf, double vinkel, bool tiM2)
{
    test::OptagneMeddelelser m;
    const double v = VindFormfaktor(zone, tilf, vinkel, tiM2, 5.0, 10.0, 20.0, m);
    EXPECT_TRUE(m.liste.empty());
    return v;
}

TEST(VindFormfaktor, InterpolererIHaeldningen)
{
    // F, 10 m2, wind from W, suction at 22.5 degrees: halfway between -0.9 and -0.5.
    EXPECT_NEAR(Cpe('F', 'b', 22.5, true), -0.7, kTol);
    // H, 1 m2, pressure at 37.5 degrees: halfway between 0.4 and 0.6.
    EXPECT_NEAR(Cpe('H', 'a', 37.5, false), 0.5, kTol);
    // F, 1 m2, suction at 10 degrees: halfway between -2.5 and -2.0.
    EXPECT_NEAR(Cpe('F', 'b', 10.0, false), -2.25, kTol);
    // G, 10 m2, wind along the ridge at 54 degrees: 0.6 of the way from -1.4 (45) to -1.2 (60).
    EXPECT_NEAR(Cpe('G', 'j', 54.0, true), 0.0, kTol); // 'j' is pressure for G
    EXPECT_NEAR(Cpe('G', 'k', 54.0, true), -1.28, kTol);
}

TEST(VindFormfaktor, VedTabellensHaeldningerGivesTabelvaerdien)
{
    EXPECT_NEAR(Cpe('F', 'b', 15.0, true), -0.9, kTol);
    EXPECT_NEAR(Cpe('G', 'b', 30.0, false), -1.5, kTol);
    EXPECT_NEAR(Cpe('J', 'b', 15.0, false), -1.5, kTol);
    EXPECT_NEAR(Cpe('J', 'b', 15.0, true), -1.0, kTol);
    EXPECT_NEAR(Cpe('H', 'a', 45.0, true), 0.6, kTol);
    EXPECT_NEAR(Cpe('I', 'k', 30.0, true), -0.5, kTol);
    EXPECT_NEAR(Cpe('H', 'w', 45.0, true), -0.9, kTol);
    // K has the values of F.
    EXPECT_NEAR(Cpe('K', 'b', 15.0, true), -0.9, kTol);
    EXPECT_NEAR(Cpe('K', 'k', 5.0, false), -2.2, kTol);
}

TEST(VindFormfaktor, Ved75GraderGivesSidsteTabelvaerdi)
{
    EXPECT_NEAR(Cpe('F', 'a', 75.0, true), 0.8, kTol);
    EXPECT_NEAR(Cpe('H', 'k', 75.0, false), -1.0, kTol);
    EXPECT_NEAR(Cpe('I', 'b', 75.0, true), -0.2, kTol);
}

// Below 5 degrees the flat-roof values apply; from 5 degrees the first column of the
// pitched-roof table.
TEST(VindFormfaktor, FladtTagUnder5Grader)
{
    EXPECT_NEAR(Cpe('F', 'b', 4.9, true), -1.8, kTol);
    EXPECT_NEAR(Cpe('F', 'b', 5.0, true), -1.7, kTol);
    EXPECT_NEAR(Cpe('F', 'b', 4.9, false), -2.5, kTol);
    EXPECT_NEAR(Cpe('G', 'b', 0.0, true), -1.2, kTol);
    EXPECT_NEAR(Cpe('H', 'k', 4.9, true), -0.7, kTol);
    EXPECT_NEAR(Cpe('H', 'k', 5.0, true), -0.7, kTol);
    EXPECT_NEAR(Cpe('I', 'a', 4.9, false), 0.2, kTol);
    EXPECT_NEAR(Cpe('J', 'b', 0.0, true), -0.2, kTol);
    EXPECT_NEAR(Cpe('K', 'k', 2.0, false), -2.5, kTol);
    EXPECT_EQ(Cpe('F', 'a', 4.9, true), 0.0);
}

// EN 1991-1-4 table 7.1, the walls under the overhangs, for 10 m2.
TEST(VindFormfaktor, ZoneDOgEEfterHoejdeDybdeForhold)
{
    test::OptagneMeddelelser m;
    // h/d = 5 / 10 = 0.5
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 5.0, 10.0, 20.0, m), 0.7 + 0.1 / 0.75 * 0.25,
                1e-12);
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 5.0, 10.0, 20.0, m), 0.733333333333, 1e-12);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 5.0, 10.0, 20.0, m), -0.366666666666, 1e-12);
    // h/d = 20 / 10 = 2
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 20.0, 10.0, 20.0, m), 0.8, kTol);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 20.0, 10.0, 20.0, m), -0.55, kTol);
    // h/d below 0.25 and exactly 1
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 2.0, 10.0, 20.0, m), 0.7, kTol);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 2.0, 10.0, 20.0, m), -0.3, kTol);
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, true, 10.0, 10.0, 20.0, m), 0.8, 1e-12);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, true, 10.0, 10.0, 20.0, m), -0.5, kTol);
    // 1 m2: zone D is 1.0; zone E does not depend on the area
    EXPECT_NEAR(VindFormfaktor('D', 'a', 30.0, false, 5.0, 10.0, 20.0, m), 1.0, kTol);
    EXPECT_NEAR(VindFormfaktor('E', 'a', 30.0, false, 20.0, 10.0, 20.0, m), -0.55, kTol);
    EXPECT_TRUE(m.liste.empty());
}

// Along the ridge the depth is the house length: h/d = 5 / 20 = 0.25 for wind from N.
TEST(VindFormfaktor, VindLangsKippenMaalerDybdenILaengden)
{
    test::OptagneMeddelelser m;
    EXPECT_NEAR(VindFormfaktor('D', 'j', 30.0, true, 10.0, 40.0, 20.0, m), 0.733333333333, 1e-12);
    EXPECT_NEAR(VindFormfaktor('E', 'v', 30.0, true, 10.0, 40.0, 20.0, m), -0.366666666666, 1e-12);
}

TEST(VindFormfaktor, UdhaengOgIndvendigtTryk)
{
    EXPECT_NEAR(Cpe('B', 'a', 30.0, true), -0.8, kTol);
    EXPECT_NEAR(Cpe('L', 'a', 30.0, false), -1.1, kTol);
    EXPECT_NEAR(Cpe('C', 'a', 30.0, true), -0.5, kTol);
    EXPECT_NEAR(Cpe('M', 'b', 30.0, false), -0.5, kTol);
    EXPECT_NEAR(Cpe('N', 'b', 30.0, true), 0.2, kTol);
    EXPECT_NEAR(Cpe('N', 'a', 30.0, true), -0.3, kTol);
}

// A coefficient of the wrong sign for the case counts as 0: side B of case 'b' is
// "nul-tryk", the lee slope is not loaded by the pressure coefficient 0.2 of zone J.
TEST(VindFormfaktor, ForkertFortegnTaellerSomNul)
{
    EXPECT_EQ(Cpe('B', 'b', 30.0, true), 0.0);
    EXPECT_EQ(Cpe('C', 'b', 30.0, false), 0.0);
    EXPECT_EQ(Cpe('F', 'b', 60.0, true), 0.0); // suction table 0 above 45 degrees
    EXPECT_EQ(Cpe('F', 'j', 30.0, true), 0.0); // no pressure along the ridge
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
