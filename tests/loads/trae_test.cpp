#include "loads/trae.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{
using test::PrintTo;

constexpr double kTol = 1e-12;

struct StyrkeklasseCase
{
    const char* navn;
    int kode;
    double E0mean;
    double fmk;
    double fvk;
    double gammaM;
};

class Styrkeklasse : public ::testing::TestWithParam<StyrkeklasseCase>
{};

// The values of a strength class are the same in every consequence class, and the design
// values are the characteristic ones divided by gamma_M.
void ForventKlasse(const StyrkeklasseCase& c, int konsekvensklasse)
{
    test::OptagneMeddelelser m;
    const TTraeVaerdier v = TraeVaerdier(c.kode, konsekvensklasse, m);
    EXPECT_EQ(v.fmk, c.fmk);
    EXPECT_EQ(v.E0mean, c.E0mean);
    EXPECT_EQ(v.GammaM, c.gammaM);
    EXPECT_NEAR(v.fmkGammaM, c.fmk / c.gammaM, kTol);
    EXPECT_NEAR(v.fvkGammaM, c.fvk / c.gammaM, kTol);
    EXPECT_TRUE(m.liste.empty());
}

TEST_P(Styrkeklasse, GiverTabellensVaerdierIAlleKonsekvensklasser)
{
    for (int konsekvensklasse = 0; konsekvensklasse <= 2; ++konsekvensklasse)
    {
        ForventKlasse(GetParam(), konsekvensklasse);
    }
}

INSTANTIATE_TEST_SUITE_P(EN338OgEN14080, Styrkeklasse,
                         ::testing::Values(StyrkeklasseCase{"C14", 0, 7000.0, 14.0, 3.0, 1.35},
                                           StyrkeklasseCase{"C18", 1, 9000.0, 18.0, 3.4, 1.35},
                                           StyrkeklasseCase{"C24", 2, 11000.0, 24.0, 4.0, 1.35},
                                           StyrkeklasseCase{"C30", 3, 12000.0, 30.0, 4.0, 1.35},
                                           StyrkeklasseCase{"GL24c", 4, 11600.0, 24.0, 2.2, 1.3},
                                           StyrkeklasseCase{"GL28c", 5, 12600.0, 28.0, 2.7, 1.3},
                                           StyrkeklasseCase{"GL32c", 6, 13700.0, 32.0, 3.2, 1.3}));

// A class code outside the table (100 for an unknown strength-class index) is never
// stronger than the weakest real class: f_m,k of C14, f_v,k of GL24c, E of C14, the
// gamma_M of structural timber.
TEST(TraeVaerdier, UkendtKlassekodeGiverDeSvagesteVaerdier)
{
    for (const int kode : {100, 7, -1})
    {
        ForventKlasse(StyrkeklasseCase{"Ukendt", kode, 7000.0, 14.0, 2.2, 1.35}, 1);
    }
    test::OptagneMeddelelser m;
    const TTraeVaerdier ukendt = TraeVaerdier(100, 1, m);
    for (int kode = 0; kode <= 6; ++kode)
    {
        const TTraeVaerdier klasse = TraeVaerdier(kode, 1, m);
        EXPECT_LE(ukendt.fmkGammaM, klasse.fmkGammaM) << kode;
        EXPECT_LE(ukendt.fvkGammaM, klasse.fvkGammaM) << kode;
        EXPECT_GE(ukendt.GammaM, klasse.GammaM) << kode;
    }
}

TEST(TraeVaerdier, UkendtKonsekvensklasseBeholderKlassensGammaM)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(TraeVaerdier(4, -1, m).GammaM, 1.3);
    EXPECT_EQ(TraeVaerdier(1, 3, m).GammaM, 1.35);
    EXPECT_NEAR(TraeVaerdier(5, 7, m).fmkGammaM, 28.0 / 1.3, kTol);
}

struct KmodCase
{
    const char* navn;
    int lastkomb;
    double anvendelsesklasse12; // service classes 1 and 2
    double anvendelsesklasse3;
};

class KmodTabel : public ::testing::TestWithParam<KmodCase>
{};

TEST_P(KmodTabel, EfterLastensVarighed)
{
    const auto& c = GetParam();
    test::OptagneMeddelelser m;
    EXPECT_EQ(Kmod(0, c.lastkomb, m), c.anvendelsesklasse12);
    EXPECT_EQ(Kmod(1, c.lastkomb, m), c.anvendelsesklasse12);
    EXPECT_EQ(Kmod(2, c.lastkomb, m), c.anvendelsesklasse3);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EN1995, KmodTabel,
    ::testing::Values(KmodCase{"Komb1Permanent", 1, 0.6, 0.5},
                      KmodCase{"Komb2Mellemlang", 2, 0.8, 0.65},
                      KmodCase{"Komb3SneDominerende", 3, 0.9, 0.7},
                      KmodCase{"Komb4Kort", 4, 0.9, 0.7},
                      KmodCase{"Komb5Oejeblikkelig", 5, 1.1, 0.9}, KmodCase{"Komb6", 6, 1.1, 0.9},
                      KmodCase{"Komb7", 7, 1.1, 0.9}, KmodCase{"Komb8Personlast", 8, 1.1, 0.9},
                      KmodCase{"Komb9Vind", 9, 1.1, 0.9}, KmodCase{"Komb10Ulykke", 10, 1.0, 1.0},
                      KmodCase{"Komb11", 11, 1.0, 1.0}, KmodCase{"Komb12", 12, 1.0, 1.0}));

// An unknown combination counts as permanent load and an unknown service class as
// service class 3: k_mod never credits the timber more than a real case would.
TEST(Kmod, UkendteArgumenterGiverDenMindsteKmod)
{
    test::OptagneMeddelelser m;
    EXPECT_EQ(Kmod(1, 0, m), 0.6);
    EXPECT_EQ(Kmod(1, 13, m), 0.6);
    EXPECT_EQ(Kmod(1, -5, m), 0.6);
    EXPECT_EQ(Kmod(2, 13, m), 0.5);
    EXPECT_EQ(Kmod(3, 9, m), 0.9);
    EXPECT_EQ(Kmod(-1, 3, m), 0.7);
    EXPECT_EQ(Kmod(7, 99, m), 0.5);
    EXPECT_TRUE(m.liste.empty());
    for (int komb = 1; komb <= 12; ++komb)
    {
        EXPECT_LE(Kmod(1, 0, m), Kmod(1, komb, m)) << komb;
        EXPECT_LE(Kmod(3, komb, m), Kmod(1, komb, m)) << komb;
    }
}

} // namespace
} // namespace taglo
