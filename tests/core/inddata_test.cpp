// The inputs: the normal snow form factor, the texts' capacity and the chosen nail.
#include "core/inddata.h"
#include "core/soemkatalog.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{
namespace
{

struct Sne
{
    double tagvinkel;
    double formfaktor;
};

class NormalSneformfaktor : public ::testing::TestWithParam<Sne>
{};

TEST_P(NormalSneformfaktor, FoelgerTagvinklen)
{
    EXPECT_NEAR(NormalSneFormFaktor(GetParam().tagvinkel), GetParam().formfaktor, 1e-12)
        << GetParam().tagvinkel << " grader";
}

// EN 1991-1-3, table 5.2: mu1 = 0.8 up to 30 degrees, 0.8 (60 - a) / 30 up to 60, then 0.
INSTANTIATE_TEST_SUITE_P(Tagvinkler, NormalSneformfaktor,
                         ::testing::Values(Sne{0.0, 0.8}, Sne{30.0, 0.8}, Sne{45.0, 0.4},
                                           Sne{60.0, 0.0}, Sne{75.0, 0.0}));

TEST(Inddata, TeksterKlippesVedKapacitetITegn)
{
    TInddata inddata;
    inddata.Projektnavn = std::string(75, 'p');
    EXPECT_EQ(inddata.Projektnavn.str(), std::string(70, 'p'));
    inddata.Medarb = "Mette Hansen, ingeniør, Tømrermester og kalkulatør";
    EXPECT_EQ(inddata.Medarb.str(), "Mette Hansen, ingeniør, Tømrer");
}

TEST(Soemkatalog, TiSoemITabellensRaekkefoelgeOgValgetFoelgerRaekken)
{
    TNails nails{};
    const auto navne = FyldSoemliste(nails);
    ASSERT_EQ(navne.size(), 10U);
    EXPECT_EQ(navne.front(), "3,1 x 90 mm ringet søm (som i SKRIFT 12)");
    EXPECT_EQ(navne.back(), "4,6 x 130 mm firkantsøm");
    for (std::size_t i = 0; i < kSoemPladser; ++i)
    {
        EXPECT_EQ(nails[i], i < navne.size() ? &kSoemKatalog[i] : nullptr) << "slot " << i;
    }
    TInddata inddata;
    EXPECT_EQ(inddata.NailData, &kSoemKatalog[static_cast<std::size_t>(inddata.Nail)]);
    VaelgSoem(inddata, 3);
    EXPECT_EQ(inddata.NailData->Name, "4,2 x 130 mm ringet søm (som i SKRIFT 12)");
    VaelgSoem(inddata, 77);
    EXPECT_EQ(inddata.Nail, 9) << "an index beyond the table takes the nearest row";
    EXPECT_EQ(inddata.NailData, &kSoemKatalog[9]);
}

} // namespace
} // namespace taglo
