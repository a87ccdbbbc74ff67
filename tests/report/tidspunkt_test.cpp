#include "report/tidspunkt.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

TEST(FormaterTidspunkt, AarMaanedDagKommaOgTimeMinutSekund)
{
    EXPECT_EQ(FormaterTidspunkt({2014, 5, 1, 13, 5, 9}, Regionalindstillinger::Dansk()),
              "2014-05-01,13:05:09");
    EXPECT_EQ(FormaterTidspunkt({2031, 12, 31, 23, 59, 59}, Regionalindstillinger::Dansk()),
              "2031-12-31,23:59:59");
}

TEST(FormaterTidspunkt, ForanstilledeNuller)
{
    EXPECT_EQ(FormaterTidspunkt({987, 1, 2, 0, 4, 0}, Regionalindstillinger::Dansk()),
              "0987-01-02,00:04:00");
}

TEST(FormaterTidspunkt, TidensSkilletegnFraIndstillingerne)
{
    Regionalindstillinger regional = Regionalindstillinger::Dansk();
    regional.tid = ".";
    EXPECT_EQ(FormaterTidspunkt({2014, 5, 1, 13, 5, 9}, regional), "2014-05-01,13.05.09");
}

TEST(LokalTidNu, GiverEtGyldigtTidspunkt)
{
    const Tidspunkt nu = LokalTidNu();
    EXPECT_GE(nu.aar, 2024);
    EXPECT_GE(nu.maaned, 1);
    EXPECT_LE(nu.maaned, 12);
    EXPECT_GE(nu.dag, 1);
    EXPECT_LE(nu.dag, 31);
    EXPECT_GE(nu.time, 0);
    EXPECT_LE(nu.time, 23);
    EXPECT_GE(nu.minut, 0);
    EXPECT_LE(nu.minut, 59);
    EXPECT_GE(nu.sekund, 0);
    EXPECT_LE(nu.sekund, 60);
}

} // namespace
} // namespace taglo
