// Number texts: what the edit fields and the project file accept, and what they show.
#include "core/taltekst.h"

#include <gtest/gtest.h>

#include <optional>

namespace taglo
{
namespace
{

struct Taltekst
{
    const char* tekst;
    std::optional<double> vaerdi; // nothing: not a number
};

class LaesTalDansk : public ::testing::TestWithParam<Taltekst>
{};

TEST_P(LaesTalDansk, GiverTekstensVaerdiEllerIntet)
{
    EXPECT_EQ(LaesTal(GetParam().tekst, Regionalindstillinger::Dansk()), GetParam().vaerdi);
}

INSTANTIATE_TEST_SUITE_P(
    Grammatik, LaesTalDansk,
    ::testing::Values(Taltekst{"      0,30  ", 0.30}, Taltekst{",5", 0.5}, Taltekst{"1,", 1.0},
                      Taltekst{"-3", -3.0}, Taltekst{"+0,8E1", 8.0}, Taltekst{"2,5e-1", 0.25},
                      Taltekst{"1e300", 1e300}, Taltekst{"1e-999", 0.0}, // underflow: 0
                      Taltekst{"", {}}, Taltekst{"   ", {}}, Taltekst{",", {}},
                      Taltekst{"7.25", {}}, Taltekst{"1,2,3", {}}, Taltekst{"1.000", {}},
                      Taltekst{"1e", {}}, Taltekst{"--1", {}}, Taltekst{"1e999", {}},
                      Taltekst{"-1e400", {}}, Taltekst{"nan", {}}, Taltekst{"inf", {}},
                      Taltekst{"0x10", {}}, Taltekst{"\t5", {}}, Taltekst{"5\t", {}},
                      Taltekst{"\u00a05", {}}, Taltekst{"1,5 kg", {}}));

TEST(LaesTal, EngelskeIndstillingerBrugerPunktum)
{
    EXPECT_EQ(LaesTal("7.25", Regionalindstillinger::Engelsk()), 7.25);
    EXPECT_FALSE(LaesTal("7,25", Regionalindstillinger::Engelsk()).has_value());
}

} // namespace
} // namespace taglo
