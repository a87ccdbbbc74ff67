#include "core/inddata.h"
#include "core/soemkatalog.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{
namespace
{
using test::PrintTo;

struct SneCase
{
    const char* navn;
    double tagvinkel;
    double formfaktor;
};

class NormalSneformfaktor : public ::testing::TestWithParam<SneCase>
{};

TEST_P(NormalSneformfaktor, FoelgerTagvinklen)
{
    EXPECT_NEAR(NormalSneFormFaktor(GetParam().tagvinkel), GetParam().formfaktor, 1e-12);
}

// EN 1991-1-3, table 5.2: mu1 = 0.8 up to 30 degrees, 0.8 (60 - a) / 30 up to 60, then 0.
INSTANTIATE_TEST_SUITE_P(
    Tagvinkler, NormalSneformfaktor,
    ::testing::Values(SneCase{"FladtTag", 0.0, 0.8}, SneCase{"Tredive", 30.0, 0.8},
                      SneCase{"LigeOverTredive", 30.0001, 0.8 * 29.9999 / 30.0},
                      SneCase{"FyrreFem", 45.0, 0.4}, SneCase{"Tres", 60.0, 0.0},
                      SneCase{"HalvfjerdsFem", 75.0, 0.0}, SneCase{"Negativ", -1.0, 0.0}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Inddata, TeksterKlippesVedKapacitetITegn)
{
    TInddata inddata;
    std::string halvfjerdsfemAe;
    for (int i = 0; i < 75; ++i)
    {
        halvfjerdsfemAe += "æ";
    }
    inddata.Projektnavn = halvfjerdsfemAe;
    EXPECT_EQ(AntalTegn(inddata.Projektnavn.str()), 70U);
    EXPECT_EQ(inddata.Projektnavn.str().size(), 140U); // two bytes each, none split
    inddata.Medarb = "Mette Hansen, ingeniør, Tømrermester og kalkulatør";
    EXPECT_EQ(inddata.Medarb.str(), "Mette Hansen, ingeniør, Tømrer");
    inddata.Bygningsdel = "Garage";
    EXPECT_EQ(inddata.Bygningsdel.str(), "Garage");
}

TEST(Inddata, SoemvalgOgKatalograekkeFoelgesAd)
{
    TInddata inddata;
    EXPECT_EQ(inddata.NailData, &kSoemKatalog[static_cast<std::size_t>(inddata.Nail)]);
    VaelgSoem(inddata, 3);
    EXPECT_EQ(inddata.Nail, 3);
    EXPECT_EQ(inddata.NailData->Name, "4,2 x 130 mm ringet søm (som i SKRIFT 12)");
    VaelgSoem(inddata, 77);
    EXPECT_EQ(inddata.Nail, 9);
    EXPECT_EQ(inddata.NailData, &kSoemKatalog[9]);
}

TEST(Soemkatalog, TiSoemITabellensRaekkefoelgeResteneTomme)
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
}

} // namespace
} // namespace taglo
