// The formatter behind every number the program writes.
#include "core/formater.h"
#include "core/taltekst.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace taglo
{
namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUendelig = std::numeric_limits<double>::infinity();
constexpr double kStoerst = std::numeric_limits<double>::max();

struct Format
{
    const char* format;
    FormatArgument vaerdi;
    const char* dansk;
    const char* engelsk;
};

class Formatet : public ::testing::TestWithParam<Format>
{};

TEST_P(Formatet, SkrivesMedRegionensSeparatorer)
{
    const auto& c = GetParam();
    EXPECT_EQ(Formater(Regionalindstillinger::Dansk(), c.format, c.vaerdi), c.dansk) << c.format;
    EXPECT_EQ(Formater(Regionalindstillinger::Engelsk(), c.format, c.vaerdi), c.engelsk)
        << c.format;
}

// Reals are rounded on their decimal text at 15 significant digits, halves away from zero.
INSTANTIATE_TEST_SUITE_P(
    Graenser, Formatet,
    ::testing::Values(
        Format{"%5.2f", 7.255, " 7,26", " 7.26"}, Format{"%.0f", -2.5, "-3", "-3"},
        Format{"%.2f", 9.995, "10,00", "10.00"},
        Format{"%2.2f", 123.4, "123,40", "123.40"}, // a width never cuts
        Format{"%.2f", -0.001, "0,00", "0.00"},     // no minus on zero
        Format{"%.0f", 123456789012345678.0, "123456789012346000", "123456789012346000"},
        Format{"%.0n", 378.4, "378", "378"}, Format{"%.0n", -1234567.5, "-1.234.568", "-1,234,568"},
        Format{"%.1n", 999.95, "1.000,0", "1,000.0"},
        Format{"%f", 1.5, "1,50", "1.50"}, // two decimals unless told
        Format{"%-6.1f|", 2.25, "2,3   |", "2.3   |"}, Format{"%5.2f", 3, " 3,00", " 3.00"},
        Format{"%d", 2.5, "3", "3"}, Format{"%1d x 2 søm", 12, "12 x 2 søm", "12 x 2 søm"},
        Format{"%3s", "æ", "  æ", "  æ"}, // characters, not bytes
        Format{"%3.0f %%", 87.4, " 87 %", " 87 %"}, Format{"%5.2f", kNaN, "  NAN", "  NAN"},
        Format{"%.2f", -kUendelig, "-INF", "-INF"}));

TEST(Formater, StjerneTagerBreddeOgPraecisionFraArgumenterne)
{
    EXPECT_EQ(Formater(Regionalindstillinger::Dansk(), "%*.*f", 10, 0, 22.5), "        23");
}

TEST(Formater, StoersteDoubleSkrivesSaaTekstenKanLaesesIgen)
{
    // 1.7976931348623157e308 rounded to 15 digits (…232) lies beyond every double; the text
    // keeps the 15 digits cut (…231), followed by the 294 remaining digits as zeros.
    const auto dk = Regionalindstillinger::Dansk();
    const std::string cifre = "179769313486231" + std::string(294, '0');
    EXPECT_EQ(Formater(dk, "%.2f", kStoerst), cifre + ",00");
    EXPECT_EQ(Formater(dk, "%.0f", -kStoerst), "-" + cifre);
    EXPECT_EQ(FormaterFast(kStoerst, 0, ","), cifre);
    EXPECT_EQ(LaesTal(cifre, dk), 1.79769313486231e308);
    // Values that round to a readable text still round to nearest.
    EXPECT_EQ(Formater(dk, "%.0f", 1.23456789012345678e300),
              "123456789012346" + std::string(286, '0'));
}

} // namespace
} // namespace taglo
