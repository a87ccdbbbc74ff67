#include "core/soemkatalog.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

TEST(Soemkatalog, TiSoemITabellensRaekkefoelge)
{
    TNails nails{};
    const auto navne = FyldSoemliste(nails);
    ASSERT_EQ(navne.size(), 10U);
    EXPECT_EQ(navne.front(), "3,1 x 90 mm ringet søm (som i SKRIFT 12)");
    EXPECT_EQ(navne[2], "3,8 x130 mm ringet søm (som i SKRIFT 12)");
    EXPECT_EQ(navne[5], "4,5 x 110 mm lægtesøm");
    EXPECT_EQ(navne.back(), "4,6 x 130 mm firkantsøm");
    for (std::size_t i = 0; i < kSoemPladser; ++i)
    {
        if (i < navne.size())
        {
            ASSERT_NE(nails[i], nullptr);
            EXPECT_EQ(nails[i]->Name, navne[i]) << "slot " << i;
        }
        else
        {
            EXPECT_EQ(nails[i], nullptr) << "slot " << i;
        }
    }
}

TEST(Soemkatalog, RingedeOgGlatteSoem)
{
    for (std::size_t i = 0; i < kSoemKatalog.size(); ++i)
    {
        const bool glat = kSoemKatalog[i].fax <= 4.5;
        EXPECT_EQ(glat, i >= 7) << kSoemKatalog[i].Name;
        EXPECT_EQ(kSoemKatalog[i].ProfileStart == 0.0, glat) << kSoemKatalog[i].Name;
    }
}

TEST(Soemkatalog, RaekkerSomTabellenHarDem)
{
    const TNailData& firkant100 = kSoemKatalog[8];
    EXPECT_EQ(firkant100.Name, "3,8 x 100 mm firkantsøm");
    EXPECT_EQ(firkant100.ProfileLength, 110.0);
    EXPECT_EQ(firkant100.HeadDiam, 9.5);
    EXPECT_EQ(firkant100.fhead, 8.6);

    const TNailData& laegtesoem = kSoemKatalog[4];
    EXPECT_EQ(laegtesoem.HeadDiam, 11.0);
    EXPECT_EQ(laegtesoem.Diam, 4.5);
    EXPECT_EQ(laegtesoem.ProfileStart, 35.25);
    EXPECT_EQ(laegtesoem.ProfileLength, 48.0);
}

TEST(Soemkatalog, NioghalvfemsSoemetsProfilLiggerDybereEndHalvfemsSoemets)
{
    const TNailData& soem90 = kSoemKatalog[0];
    const TNailData& soem98 = kSoemKatalog[1];
    EXPECT_DOUBLE_EQ(soem90.ProfileStart + soem90.ProfileLength, 85.35);
    EXPECT_DOUBLE_EQ(soem98.ProfileStart + soem98.ProfileLength, 93.35);
    EXPECT_GT(soem98.ProfileStart, soem90.ProfileStart);
}

} // namespace
} // namespace taglo
