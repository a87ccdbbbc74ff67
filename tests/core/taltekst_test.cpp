#include "core/taltekst.h"

#include "optagne_meddelelser.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace taglo
{
namespace
{
using test::PrintTo;

struct TalCase
{
    const char* navn;
    const char* tekst;
    double vaerdi;
};

class GyldigtDanskTal : public ::testing::TestWithParam<TalCase>
{};

TEST_P(GyldigtDanskTal, LaesesTilSinVaerdi)
{
    const auto vaerdi = LaesTal(GetParam().tekst, Regionalindstillinger::Dansk());
    ASSERT_TRUE(vaerdi.has_value());
    EXPECT_DOUBLE_EQ(*vaerdi, GetParam().vaerdi);
}

INSTANTIATE_TEST_SUITE_P(
    Grammatik, GyldigtDanskTal,
    ::testing::Values(TalCase{"Heltal", "38", 38.0}, TalCase{"DecimalKomma", "7,255", 7.255},
                      TalCase{"BlanktForOgBag", "      0,30  ", 0.30},
                      TalCase{"KommaTilSidst", "1,", 1.0}, TalCase{"KommaFoerst", ",5", 0.5},
                      TalCase{"PlusOgEksponent", "+0,8E1", 8.0}, TalCase{"Minus", "-3", -3.0},
                      TalCase{"EksponentMedFortegn", "2,5e-1", 0.25},
                      TalCase{"UnderloebBliverNul", "1e-999", 0.0},
                      TalCase{"StortMenEndeligt", "1e300", 1e300}),
    [](const auto& info) { return std::string(info.param.navn); });

class IkkeEtTal : public ::testing::TestWithParam<const char*>
{};

TEST_P(IkkeEtTal, GiverIngenVaerdi)
{
    EXPECT_FALSE(LaesTal(GetParam(), Regionalindstillinger::Dansk()).has_value())
        << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Grammatik, IkkeEtTal,
                         ::testing::Values("", "   ", "7.25", "1,2,3", "\t5", "5\t", "1e", "e5",
                                           ",", "+", "-", "1 2", "1.000", "nan", "NaN", "inf",
                                           "-inf", "1e999", "-1e400", "0x10", "--1", "+-1", "1e+",
                                           "1,5 kg",
                                           "\xc2\xa0"
                                           "5"));

TEST(LaesTal, EngelskeIndstillingerBrugerPunktum)
{
    EXPECT_DOUBLE_EQ(LaesTal("7.25", Regionalindstillinger::Engelsk()).value(), 7.25);
    EXPECT_FALSE(LaesTal("7,25", Regionalindstillinger::Engelsk()).has_value());
}

TEST(TalFraFelt, IkkeEtTalViserTreLinjerOgGiverNul)
{
    test::OptagneMeddelelser meddelelser;
    EXPECT_EQ(TalFraFelt("abc", Regionalindstillinger::Dansk(), meddelelser), 0.0);
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(
        meddelelser.liste[0],
        (test::OptagetMeddelelse{"besked", "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n"
                                           "'abc' is not a valid floating point value"}));
}

TEST(TalFraFelt, TomTekstOgOverloebErKonverteringsfejlUdenUendelig)
{
    for (const char* tekst : {"", "1e999"})
    {
        test::OptagneMeddelelser meddelelser;
        EXPECT_EQ(TalFraFelt(tekst, Regionalindstillinger::Dansk(), meddelelser), 0.0) << tekst;
        ASSERT_EQ(meddelelser.liste.size(), 1U) << tekst;
        EXPECT_NE(meddelelser.liste[0].tekst.find("'" + std::string(tekst) +
                                                  "' is not a valid floating point value"),
                  std::string::npos);
    }
}

struct OmformatCase
{
    const char* navn;
    const char* indtastet;
    int decimaler;
    const char* vist;
    double gemt;
    std::size_t beskeder;
};

class Omformatering : public ::testing::TestWithParam<OmformatCase>
{};

TEST_P(Omformatering, FeltetVisesIFormatOgVaerdienErDetViste)
{
    const auto& c = GetParam();
    test::OptagneMeddelelser meddelelser;
    std::string felt = c.indtastet;
    const double vaerdi =
        OmformaterFelt(felt, 10, c.decimaler, Regionalindstillinger::Dansk(), meddelelser);
    EXPECT_EQ(felt, c.vist);
    EXPECT_DOUBLE_EQ(vaerdi, c.gemt);
    EXPECT_EQ(meddelelser.liste.size(), c.beskeder);
}

INSTANTIATE_TEST_SUITE_P(
    Felter, Omformatering,
    ::testing::Values(
        OmformatCase{"HusbreddeRundesTilToDecimaler", "7,255", 2, "      7,26", 7.26, 0},
        OmformatCase{"PunktumErIkkeDecimaltegn", "7.25", 2, "      0,00", 0.0, 1},
        OmformatCase{"TagvinkelRundesTilHeleGrader", "22,5", 0, "        23", 23.0, 0},
        OmformatCase{"NegativVaerdiBevares", "-1", 2, "     -1,00", -1.0, 0}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(StregLinie, AntalTankestreger)
{
    EXPECT_EQ(StregLinie(3), "\u2014\u2014\u2014");
    EXPECT_EQ(StregLinie(0), "");
    EXPECT_EQ(StregLinie(-5), "");
}

} // namespace
} // namespace taglo
