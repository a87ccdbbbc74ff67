#include "loads/lastkombination.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;
using test::PrintTo;

constexpr double kTol = 1e-12;
constexpr int kCC1 = 0;
constexpr int kCC2 = 1;
constexpr int kCC3 = 2;

// The factors of permanent load, snow, wind, imposed load and point load in each
// combination, before K_FI (that is, in CC2), as EN 1990 DK NA lists them.
struct KombinationCase
{
    const char* navn;
    int lastkomb;
    std::array<double, 5> gswqQ;
};

class Kombinationstabel : public ::testing::TestWithParam<KombinationCase>
{};

TEST_P(Kombinationstabel, GiverFaktorerneIKonsekvensklasseCC2)
{
    const auto& c = GetParam();
    constexpr std::array<char, 5> koder{'Y', 'P', 'B', 'Q', 'Z'};
    test::OptagneMeddelelser m;
    for (std::size_t i = 0; i < koder.size(); ++i)
    {
        EXPECT_NEAR(LastFaktor09(koder.at(i), c.lastkomb, kCC2, m), c.gswqQ.at(i), kTol)
            << koder.at(i);
    }
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(EN1990DK, Kombinationstabel,
                         ::testing::Values(KombinationCase{"Komb1", 1, {1.2, 0.0, 0.0, 0.0, 0.0}},
                                           KombinationCase{"Komb2", 2, {1.0, 0.0, 0.0, 1.5, 0.0}},
                                           KombinationCase{"Komb3", 3, {1.0, 1.5, 0.0, 0.75, 0.0}},
                                           KombinationCase{"Komb4", 4, {1.0, 0.45, 0.0, 1.5, 0.0}},
                                           KombinationCase{"Komb5", 5, {1.0, 1.5, 0.45, 0.75, 0.0}},
                                           KombinationCase{"Komb6", 6, {1.0, 0.0, 1.5, 0.75, 0.0}},
                                           KombinationCase{"Komb7", 7, {1.0, 0.45, 0.45, 1.5, 0.0}},
                                           KombinationCase{"Komb8", 8, {1.0, 0.0, 0.0, 0.0, 1.5}},
                                           KombinationCase{"Komb9", 9, {0.9, 0.0, 1.5, 0.0, 0.0}},
                                           KombinationCase{"Komb10", 10, {1.0, 0.0, 0.2, 0.2, 0.0}},
                                           KombinationCase{"Komb11", 11, {1.0, 0.2, 0.0, 0.2, 0.0}},
                                           KombinationCase{"Komb12", 12, {1.0, 0.0, 0.0, 0.0, 0.0}},
                                           KombinationCase{
                                               "Komb13", 13, {0.0, 1.0, 0.0, 0.0, 0.0}}));

// K_FI is 0.9 in CC1, 1.0 in CC2 and 1.1 in CC3. It scales the variable loads and the
// unfavourable permanent load; in combination 9 the permanent load acts favourably
// against uplift and keeps 0.9; combinations 10 to 13 carry no K_FI at all.
TEST(LastFaktor09, KonsekvensklassenSkalererMedKFI)
{
    struct Faktor
    {
        const char* navn;
        char kode;
        int lastkomb;
        int konsekvensklasse;
        double faktor;
    };
    constexpr std::array<Faktor, 12> tabel{{
        {"SneCC1", 'P', 5, kCC1, 1.35},
        {"VindSomLedsagendeCC1", 'B', 5, kCC1, 0.405},
        {"EgenlastCC1", 'Y', 3, kCC1, 0.9},
        {"EgenlastAleneCC1", 'Y', 1, kCC1, 1.08},
        {"SneCC3", 'P', 3, kCC3, 1.65},
        {"EgenlastCC3", 'Y', 3, kCC3, 1.1},
        {"PunktlastCC3", 'Z', 8, kCC3, 1.65},
        {"GunstigEgenlastCC1", 'Y', 9, kCC1, 0.9},
        {"GunstigEgenlastCC3", 'Y', 9, kCC3, 0.9},
        {"VindMod9CC1", 'B', 9, kCC1, 1.35},
        {"VindMod9CC3", 'B', 9, kCC3, 1.65},
        {"IngenPunktlastI9", 'Z', 9, kCC1, 0.0},
    }};
    test::OptagneMeddelelser m;
    for (const Faktor& f : tabel)
    {
        EXPECT_NEAR(LastFaktor09(f.kode, f.lastkomb, f.konsekvensklasse, m), f.faktor, kTol)
            << f.navn;
    }
    for (int komb = 10; komb <= 13; ++komb)
    {
        for (const char kode : {'Y', 'P', 'B', 'Q', 'Z'})
        {
            EXPECT_EQ(LastFaktor09(kode, komb, kCC1, m), LastFaktor09(kode, komb, kCC2, m));
            EXPECT_EQ(LastFaktor09(kode, komb, kCC3, m), LastFaktor09(kode, komb, kCC2, m));
        }
    }
    EXPECT_TRUE(m.liste.empty());
}

// Every code of a contribution reads the same column.
TEST(FindLastbidrag, HverKodeFinderSinKolonne)
{
    struct Bidrag
    {
        std::string_view koder;
        int kolonne;
    };
    constexpr std::array<Bidrag, 5> bidrag{{
        {"VWXY", 0},
        {"OP", 1},
        {"12BCDEFGHIJKLMN", 2},
        {"QRSTU", 3},
        {"AZ", 4},
    }};
    test::OptagneMeddelelser m;
    for (const auto& b : bidrag)
    {
        for (const char kode : b.koder)
        {
            EXPECT_EQ(FindLastbidrag(kode, m), b.kolonne) << kode;
        }
    }
    EXPECT_TRUE(m.liste.empty());
}

TEST(FindLastbidrag, UgyldigKodeMeldesOgGiver5)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(FindLastbidrag('a', m), 5);
    EXPECT_EQ(FindLastbidrag('\xF8', m), 5); // a Windows-1252 letter
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "function FindLastbidrag: Omraade a er ugyldigt."},
                           {"fejl", "function FindLastbidrag: Omraade ø er ugyldigt."},
                       }));
}

// A combination outside 1..13 has no row: after the message the contribution gets the
// largest factor it has in any combination, never 0, which would drop the load.
TEST(LastFaktor09, UkendtKombinationMeldesOgGiverKolonnensStoersteFaktor)
{
    test::OptagneMeddelelser m;
    EXPECT_NEAR(LastFaktor09('B', 14, kCC2, m), 1.5, kTol);
    EXPECT_NEAR(LastFaktor09('Y', -1, kCC1, m), 1.08, kTol); // 1.2 K_FI of combination 1
    EXPECT_NEAR(LastFaktor09('Z', 99, kCC3, m), 1.65, kTol);
    EXPECT_EQ(
        m.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejl", "function LastFaktor09: Ugyldig lastkombination: 14. Skal være fra 1 til 13."},
            {"fejl", "function LastFaktor09: Ugyldig lastkombination: -1. Skal være fra 1 til 13."},
            {"fejl", "function LastFaktor09: Ugyldig lastkombination: 99. Skal være fra 1 til 13."},
        }));
}

TEST(LastFaktor09, UkendtKombinationTagerBidragetMindstSaaTungtSomEnGyldig)
{
    test::OptagneMeddelelser m;
    for (const char kode : {'Y', 'P', 'B', 'Q', 'Z'})
    {
        const double ukendt = LastFaktor09(kode, 0, kCC2, m);
        for (int komb = 1; komb <= 13; ++komb)
        {
            EXPECT_GE(ukendt, LastFaktor09(kode, komb, kCC2, m)) << kode << komb;
        }
    }
}

// An unknown contribution code is taken at the largest factor of its combination.
TEST(LastFaktor09, UkendtLastbidragMeldesOgGiverKombinationensStoersteFaktor)
{
    test::OptagneMeddelelser m;
    EXPECT_NEAR(LastFaktor09('?', 9, kCC2, m), 1.5, kTol);
    EXPECT_NEAR(LastFaktor09('?', 1, kCC1, m), 1.08, kTol);
    EXPECT_NEAR(LastFaktor09('?', 0, kCC3, m), 1.65, kTol);
    EXPECT_EQ(m.liste.size(), 4U); // the code three times, the combination once
}

struct LastgruppeCase
{
    const char* navn;
    int lastkomb;
    int gruppe;
    const char* bogstav;
};

class Lastgruppe : public ::testing::TestWithParam<LastgruppeCase>
{};

TEST_P(Lastgruppe, EfterKombination)
{
    const auto& c = GetParam();
    test::OptagneMeddelelser m;
    EXPECT_EQ(LastGruppeNummer98(c.lastkomb, m), c.gruppe);
    EXPECT_EQ(LastGruppeBogstav(c.lastkomb, m), c.bogstav);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(Lastvarighed, Lastgruppe,
                         ::testing::Values(LastgruppeCase{"Komb1Permanent", 1, 1, "P"},
                                           LastgruppeCase{"Komb2Mellemlang", 2, 3, "M"},
                                           LastgruppeCase{"Komb3Kort", 3, 4, "K"},
                                           LastgruppeCase{"Komb4Kort", 4, 4, "K"},
                                           LastgruppeCase{"Komb5Oejeblikkelig", 5, 5, "Ø"},
                                           LastgruppeCase{"Komb9Oejeblikkelig", 9, 5, "Ø"},
                                           LastgruppeCase{"Komb10Ingen", 10, 0, "-"},
                                           LastgruppeCase{"Komb13Ingen", 13, 0, "-"}));

TEST(LastGruppeNummer98, UgyldigKombinationMeldesOgGiverIngenGruppe)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(LastGruppeNummer98(0, m), 0);
    EXPECT_EQ(LastGruppeNummer98(14, m), 0);
    EXPECT_EQ(LastGruppeBogstav(20, m), "-");
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", "function LastGruppeNummer98: Ugyldig LastKomb: 0"},
                           {"fejl", "function LastGruppeNummer98: Ugyldig LastKomb: 14"},
                           {"fejl", "function LastGruppeNummer98: Ugyldig LastKomb: 20"},
                       }));
}

TEST(LastKombTekst, KombinationerneHarDeresVisteTekster)
{
    EXPECT_EQ(LastKombTekst[0], "K_FI 1,2 g");
    EXPECT_EQ(LastKombinationTekst(5), "K_FI(1,0 g + 1,5 s + 0,45 w)");
    EXPECT_EQ(LastKombinationTekst(9), "0,9 g + K_FI 1,5 w");
    EXPECT_EQ(LastKombinationTekst(10), "1,0 g + 0,2 w (brand)");
    // Combinations without a text, and numbers outside the table, give an empty text.
    for (const int komb : {11, 13, 0, -3})
    {
        EXPECT_EQ(LastKombinationTekst(komb), "") << komb;
    }
}

} // namespace
} // namespace taglo
