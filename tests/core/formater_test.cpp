#include "core/formater.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace taglo
{
namespace
{
using test::PrintTo;

struct FormatCase
{
    const char* navn;
    const char* format;
    double vaerdi;
    const char* dansk;
    const char* engelsk;
};

class ReelFormat : public ::testing::TestWithParam<FormatCase>
{};

TEST_P(ReelFormat, SkrivesMedRegionensSeparatorer)
{
    const auto& c = GetParam();
    EXPECT_EQ(Formater(Regionalindstillinger::Dansk(), c.format, c.vaerdi), c.dansk);
    EXPECT_EQ(Formater(Regionalindstillinger::Engelsk(), c.format, c.vaerdi), c.engelsk);
}

// Hand-made cases: rounding is on the decimal text at 15 significant digits, halves away
// from zero.
INSTANTIATE_TEST_SUITE_P(
    Afrunding, ReelFormat,
    ::testing::Values(FormatCase{"HalvtOpVed7komma255", "%5.2f", 7.255, " 7,26", " 7.26"},
                      FormatCase{"HalvtOpVed2komma5", "%.0f", 2.5, "3", "3"},
                      FormatCase{"HalvtVaekFraNulNegativ", "%.0f", -2.5, "-3", "-3"},
                      FormatCase{"EnKomma005GiverEnKomma01", "%.2f", 1.005, "1,01", "1.01"},
                      FormatCase{"NulKomma125", "%.2f", 0.125, "0,13", "0.13"},
                      FormatCase{"MenteFlytterCiffer", "%.2f", 9.995, "10,00", "10.00"},
                      FormatCase{"BreddeKlipperAldrig", "%2.2f", 123.4, "123,40", "123.40"},
                      FormatCase{"NegativNulUdenMinus", "%.2f", -0.001, "0,00", "0.00"},
                      FormatCase{"NegativNulPaaHeltal", "%.0f", -0.4, "0", "0"},
                      FormatCase{"LilleNegativHalvt", "%.3f", -0.0005, "-0,001", "-0.001"},
                      FormatCase{"KaempestortTal", "%.2f", 1e20, "100000000000000000000,00",
                                 "100000000000000000000.00"},
                      FormatCase{"FemtenCifreOgSaaNuller", "%.0f", 123456789012345678.0,
                                 "123456789012346000", "123456789012346000"},
                      FormatCase{"TusindeSeparator", "%.0n", 1234.6, "1.235", "1,235"},
                      FormatCase{"TusindeSeparatorNegativ", "%.0n", -1234567.5, "-1.234.568",
                                 "-1,234,568"},
                      FormatCase{"TusindeMedDecimal", "%.1n", 999.95, "1.000,0", "1,000.0"},
                      FormatCase{"UnderTusindeIngenSeparator", "%.0n", 378.4, "378", "378"},
                      FormatCase{"TusindeKaempestort", "%.0n", 1e20, "100.000.000.000.000.000.000",
                                 "100,000,000,000,000,000,000"},
                      FormatCase{"NulMedTusinder", "%.0n", -0.2, "0", "0"},
                      FormatCase{"StandardPraecisionToDecimaler", "%f", 1.5, "1,50", "1.50"},
                      FormatCase{"VenstreStillet", "%-6.1f|", 2.25, "2,3   |", "2.3   |"}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Formater, StjerneTagerBreddeOgPraecisionFraArgumenterne)
{
    EXPECT_EQ(Formater(Regionalindstillinger::Dansk(), "%*.*f", 10, 2, 7.255), "      7,26");
    EXPECT_EQ(Formater(Regionalindstillinger::Dansk(), "%*.*f", 10, 0, 22.5), "        23");
}

TEST(Formater, HeltalHoejrestillesKlippesAldrigOgOmsaettes)
{
    const auto dk = Regionalindstillinger::Dansk();
    EXPECT_EQ(Formater(dk, "%2d", 3), " 3");
    EXPECT_EQ(Formater(dk, "%1d", 12), "12");
    EXPECT_EQ(Formater(dk, "%d søm", -7), "-7 søm");
    EXPECT_EQ(Formater(dk, "%1d x 2 søm", 4), "4 x 2 søm");
    // A whole number to a real format and a real to a whole number format.
    EXPECT_EQ(Formater(dk, "%5.2f", 3), " 3,00");
    EXPECT_EQ(Formater(dk, "%d", 2.5), "3");
}

TEST(Formater, TekstBreddeTaellerTegnIkkeBytes)
{
    const auto dk = Regionalindstillinger::Dansk();
    EXPECT_EQ(Formater(dk, "%11s", "  IV By   "), "   IV By   ");
    EXPECT_EQ(Formater(dk, "%11s", " III Forstad"), " III Forstad");
    EXPECT_EQ(Formater(dk, "%3s", "æ"), "  æ");
    EXPECT_EQ(Formater(dk, "%-80s|", "Personlast i punkt F"),
              "Personlast i punkt F" + std::string(60, ' ') + "|");
    EXPECT_EQ(Formater(dk, "%1s", 'F'), "F");
    EXPECT_EQ(Formater(dk, "%s", ""), "");
}

TEST(Formater, ProcentTegnOgTekstOmkring)
{
    const auto dk = Regionalindstillinger::Dansk();
    EXPECT_EQ(Formater(dk, "  Vind/sne:  Største udnyttelsesgrad: %3.0f %%   ", 87.4),
              "  Vind/sne:  Største udnyttelsesgrad:  87 %   ");
    EXPECT_EQ(Formater(dk, "100%%"), "100%");
}

TEST(Formater, IkkeEndeligeVaerdierSkrivesTydeligt)
{
    const auto dk = Regionalindstillinger::Dansk();
    EXPECT_EQ(Formater(dk, "%5.2f", std::numeric_limits<double>::quiet_NaN()), "  NAN");
    EXPECT_EQ(Formater(dk, "%.2f", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(Formater(dk, "%.2f", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(Formater, StoersteDoubleSkrivesSaaTekstenKanLaesesIgen)
{
    // 1.7976931348623157e308 rounded to 15 digits (…232) lies beyond every double; the text
    // keeps the 15 digits cut (…231), followed by the 294 remaining digits as zeros.
    const auto dk = Regionalindstillinger::Dansk();
    const std::string cifre = "179769313486231" + std::string(294, '0');
    EXPECT_EQ(Formater(dk, "%.2f", std::numeric_limits<double>::max()), cifre + ",00");
    EXPECT_EQ(Formater(dk, "%.0f", -std::numeric_limits<double>::max()), "-" + cifre);
    EXPECT_EQ(FormaterFast(std::numeric_limits<double>::max(), 0, ","), cifre);
    // Values that round to a readable text still round to nearest.
    EXPECT_EQ(Formater(dk, "%.0f", 1.23456789012345678e300),
              "123456789012346" + std::string(286, '0'));
}

} // namespace
} // namespace taglo
