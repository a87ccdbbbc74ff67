#include "drawing/maal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo
{
namespace
{

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

// The texts of all groups, in order.
std::vector<std::string> AlleTekster(const TTegning& t)
{
    std::vector<std::string> r;
    for (const TTekstGruppe& g : t.Tekster)
    {
        for (const TTegnTekst& x : g.Tekster)
        {
            r.push_back(x.Tekst);
        }
    }
    return r;
}

// The figures of one marker kind, as their single points.
std::vector<TTegnPunkt> Maerker(const TTegning& t, std::uint8_t art)
{
    std::vector<TTegnPunkt> r;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.Art == art)
        {
            r.insert(r.end(), f.Punkter.begin(), f.Punkter.end());
        }
    }
    return r;
}

bool Ens(const TTegning& a, const TTegning& b)
{
    if (a.Figurer.size() != b.Figurer.size() || a.Tekster.size() != b.Tekster.size())
    {
        return false;
    }
    for (std::size_t i = 0; i < a.Figurer.size(); ++i)
    {
        const auto& fa = a.Figurer[i];
        const auto& fb = b.Figurer[i];
        if (fa.Art != fb.Art || fa.Punkter.size() != fb.Punkter.size())
        {
            return false;
        }
        for (std::size_t j = 0; j < fa.Punkter.size(); ++j)
        {
            if (fa.Punkter[j].X != fb.Punkter[j].X || fa.Punkter[j].Y != fb.Punkter[j].Y)
            {
                return false;
            }
        }
    }
    return AlleTekster(a) == AlleTekster(b);
}

TEST(MaalVandret, RaekkefoelgenAfEnderneErLigegyldig)
{
    TTegning frem;
    TTegning tilbage;
    MaalVandret(frem, 1, 1.2, 4.5, 0, 0.1, 2, "Husbredde", kDansk);
    MaalVandret(tilbage, 1, 4.5, 1.2, 0, 0.1, 2, "Husbredde", kDansk);
    EXPECT_TRUE(Ens(frem, tilbage));
    EXPECT_EQ(AlleTekster(frem), (std::vector<std::string>{"Husbredde", "3,30"}));
}

TEST(MaalVandret, PilespidserIndadtIBeggeEnderOgFlueben)
{
    TTegning t;
    MaalVandret(t, 1, 1, 3, 2, 0.5, 2, "x", kDansk);
    const auto venstre = Maerker(t, kArtPilVenstre);
    const auto hoejre = Maerker(t, kArtPilHoejre);
    ASSERT_EQ(venstre.size(), 1U);
    ASSERT_EQ(hoejre.size(), 1U);
    EXPECT_EQ(venstre[0].X, 1);
    EXPECT_EQ(hoejre[0].X, 3);
    // One black unfilled polyline: tick at A, the line, tick at B.
    const auto linjer = Maerker(t, kArtLinje);
    ASSERT_EQ(linjer.size(), 6U);
    EXPECT_EQ(linjer[0].Y, 1.5);
    EXPECT_EQ(linjer[1].Y, 2.5);
    EXPECT_EQ(linjer[3].X, 3);
    for (const TTegnFigur& f : t.Figurer)
    {
        EXPECT_EQ(f.PenFarve, kSort);
        EXPECT_EQ(f.FyldStil, kFyldIngen);
        EXPECT_EQ(f.PenBredde, 1);
    }
}

TEST(MaalVandret, BreddenErEtMinimumOgSkaererAldrig)
{
    TTegning t;
    MaalVandret(t, 1, 0, 123.4, 0, 1, 2, "lang", kDansk);
    EXPECT_EQ(AlleTekster(t)[1], "123,40");
}

TEST(MaalVandret, EngelskeIndstillingerSkriverPunktum)
{
    TTegning t;
    MaalVandret(t, 1, 0, 10, 0, 1, 2, "Husbredde", Regionalindstillinger::Engelsk());
    EXPECT_EQ(AlleTekster(t)[1], "10.00");
}

TEST(MaalVandret, NullaengdeTegnerBeggeFluebenOgPile)
{
    TTegning t;
    MaalVandret(t, 1, 2, 2, 0, 1, 2, "x", kDansk);
    EXPECT_EQ(Maerker(t, kArtPilVenstre).size(), 1U);
    EXPECT_EQ(Maerker(t, kArtPilHoejre).size(), 1U);
    EXPECT_EQ(AlleTekster(t)[1], "0,00");
}

TEST(MaalVandret, Tekstmode3GiverIngenTekster)
{
    TTegning t;
    MaalVandret(t, 3, 0, 1, 0, 1, 2, "x", kDansk);
    EXPECT_TRUE(t.Tekster.empty());
    EXPECT_EQ(t.Figurer.size(), 3U);
}

struct TekstPlacering
{
    const char* navn;
    int mode;
    std::uint16_t just;
    double x;
};

class MaalVandretTekst : public ::testing::TestWithParam<TekstPlacering>
{
};

// A = 1, B = 5, Y0 = 2, D = 0.4: caption one unit above, value one unit below.
TEST_P(MaalVandretTekst, TekstmodeStyrerAnkerOgJustering)
{
    const TekstPlacering& c = GetParam();
    TTegning t;
    MaalVandret(t, c.mode, 1, 5, 2, 0.4, 2, "Mål", kDansk);
    ASSERT_EQ(t.Tekster.size(), 1U);
    const TTekstGruppe& g = t.Tekster[0];
    EXPECT_EQ(g.VandretJust, c.just);
    EXPECT_EQ(g.LodretJust, kJustMidt);
    EXPECT_EQ(g.TekstFarve, kSort);
    ASSERT_EQ(g.Tekster.size(), 2U);
    EXPECT_DOUBLE_EQ(g.Tekster[0].X, c.x);
    EXPECT_DOUBLE_EQ(g.Tekster[0].Y, 2.4);
    EXPECT_DOUBLE_EQ(g.Tekster[1].X, c.x);
    EXPECT_DOUBLE_EQ(g.Tekster[1].Y, 1.6);
    EXPECT_EQ(g.Tekster[0].Tekst, "Mål");
    EXPECT_EQ(g.Tekster[1].Tekst, "4,00");
}

INSTANTIATE_TEST_SUITE_P(Modes, MaalVandretTekst,
                         ::testing::Values(TekstPlacering{"StarterVedA", 0, kJustVenstre, 1.2},
                                           TekstPlacering{"CentreretPaaMidten", 1, kJustCentreret, 3.0},
                                           TekstPlacering{"SlutterVedB", 2, kJustHoejre, 4.8}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(MaalLodret, OeversteEndeOpadOgTeksterVedMidten)
{
    TTegning t;
    MaalLodret(t, 1, 0, 3, 10, 0.5, 2, "Facadehøjde", kDansk);
    const auto op = Maerker(t, kArtPilOp);
    const auto ned = Maerker(t, kArtPilNed);
    ASSERT_EQ(op.size(), 1U);
    ASSERT_EQ(ned.size(), 1U);
    EXPECT_EQ(op[0].Y, 3);
    EXPECT_EQ(ned[0].Y, 0);
    ASSERT_EQ(t.Tekster.size(), 1U);
    const auto& tekster = t.Tekster[0].Tekster;
    EXPECT_EQ(tekster[0].Tekst, "Facadehøjde");
    EXPECT_EQ(tekster[0].X, 10);
    EXPECT_EQ(tekster[0].Y, 2);
    EXPECT_EQ(tekster[1].Tekst, "3,00");
    EXPECT_EQ(tekster[1].Y, 1);
}

TEST(MaalLodret, Tekstmode0Og2StaarVedSidenAfLinjen)
{
    TTegning t0;
    MaalLodret(t0, 0, 0, 2, 10, 0.5, 2, "x", kDansk);
    EXPECT_EQ(t0.Tekster[0].VandretJust, kJustVenstre);
    EXPECT_EQ(t0.Tekster[0].Tekster[0].X, 10.25);
    TTegning t2;
    MaalLodret(t2, 2, 0, 2, 10, 0.5, 2, "x", kDansk);
    EXPECT_EQ(t2.Tekster[0].VandretJust, kJustHoejre);
    EXPECT_EQ(t2.Tekster[0].Tekster[0].X, 9.75);
}

TEST(MaalVandretVenstre, PilFraVenstrePlusTilHoejreTeksterFoerFluebenet)
{
    TTegning t;
    MaalVandretVenstre(t, 2, 0.5, 0, 4, 0.2, "Facadeudhæng", kDansk);
    const auto pil = Maerker(t, kArtPilHoejre);
    const auto plus = Maerker(t, kArtPlus);
    ASSERT_EQ(pil.size(), 1U);
    ASSERT_EQ(plus.size(), 1U);
    EXPECT_EQ(pil[0].X, 0);
    EXPECT_EQ(plus[0].X, 0.5);
    // The leader comes in from the left, 2D long; no line joins the two ends.
    const auto linje = Maerker(t, kArtLinje);
    ASSERT_EQ(linje.size(), 4U);
    EXPECT_DOUBLE_EQ(linje[3].X, -0.4);
    ASSERT_EQ(t.Tekster.size(), 1U);
    EXPECT_EQ(t.Tekster[0].VandretJust, kJustHoejre);
    EXPECT_DOUBLE_EQ(t.Tekster[0].Tekster[0].X, -0.1);
    EXPECT_EQ(AlleTekster(t), (std::vector<std::string>{"Facadeudhæng", "0,50"}));
}

TEST(MaalVandretHoejre, PilFraHoejrePlusTilVenstreTeksterEfterFluebenet)
{
    TTegning t;
    MaalVandretHoejre(t, 2, 0.8, 0.6, 4, 0.2, "Gavlspærindrykning", kDansk);
    const auto pil = Maerker(t, kArtPilVenstre);
    const auto plus = Maerker(t, kArtPlus);
    ASSERT_EQ(pil.size(), 1U);
    ASSERT_EQ(plus.size(), 1U);
    EXPECT_EQ(pil[0].X, 0.8);
    EXPECT_EQ(plus[0].X, 0.6);
    const auto linje = Maerker(t, kArtLinje);
    ASSERT_EQ(linje.size(), 4U);
    EXPECT_DOUBLE_EQ(linje[3].X, 1.2);
    EXPECT_EQ(t.Tekster[0].VandretJust, kJustVenstre);
    EXPECT_DOUBLE_EQ(t.Tekster[0].Tekster[0].X, 0.9);
    EXPECT_EQ(AlleTekster(t), (std::vector<std::string>{"Gavlspærindrykning", "0,20"}));
}

} // namespace
} // namespace taglo
