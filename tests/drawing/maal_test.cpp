#include "drawing/maal.h"

#include <gtest/gtest.h>

#include <vector>

namespace taglo
{
namespace
{

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

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

// Whichever way round the ends are given, the arrowheads point inwards at the left and the
// right end and the value is the length with two decimals and the regional separator; the
// width 2 is a minimum and never cuts a longer number. The dimension is one black, solid,
// unfilled polyline of 1 pixel: the tick at A (y -0.5..0.5 for D = 0.5), the line, the tick
// at B.
TEST(MaalVandret, PileIEnderneOgVaerdienMedRegionensDecimaltegn)
{
    const Regionalindstillinger engelsk = Regionalindstillinger::Engelsk();
    struct
    {
        const char* navn;
        double a, b;
        const Regionalindstillinger& regional;
        const char* vaerdi;
        double venstre, hoejre;
    } const tilfaelde[] = {{"Frem", 1.2, 4.5, kDansk, "3,30", 1.2, 4.5},
                           {"Tilbage", 4.5, 1.2, kDansk, "3,30", 1.2, 4.5},
                           {"LangtTalSkaeresIkke", 0, 123.4, kDansk, "123,40", 0, 123.4},
                           {"EngelskPunktum", 0, 10, engelsk, "10.00", 0, 10},
                           {"Nullaengde", 2, 2, kDansk, "0,00", 2, 2}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        MaalVandret(t, 1, c.a, c.b, 0, 0.5, 2, "Husbredde", c.regional);
        ASSERT_EQ(t.Tekster.size(), 1U);
        ASSERT_EQ(t.Tekster[0].Tekster.size(), 2U);
        EXPECT_EQ(t.Tekster[0].Tekster[0].Tekst, "Husbredde");
        EXPECT_EQ(t.Tekster[0].Tekster[1].Tekst, c.vaerdi);
        const auto venstre = Maerker(t, kArtPilVenstre);
        const auto hoejre = Maerker(t, kArtPilHoejre);
        ASSERT_EQ(venstre.size(), 1U);
        ASSERT_EQ(hoejre.size(), 1U);
        EXPECT_EQ(venstre[0].X, c.venstre);
        EXPECT_EQ(hoejre[0].X, c.hoejre);
        const auto linjer = Maerker(t, kArtLinje);
        ASSERT_EQ(linjer.size(), 6U);
        EXPECT_EQ(linjer[0].Y, -0.5);
        EXPECT_EQ(linjer[1].Y, 0.5);
        EXPECT_EQ(linjer[3].X, c.hoejre);
        for (const TTegnFigur& f : t.Figurer)
        {
            EXPECT_EQ(f.PenFarve, kSort);
            EXPECT_EQ(f.FyldStil, kFyldIngen);
            EXPECT_EQ(f.PenBredde, 1);
        }
    }
}

// A = 1, B = 5, Y0 = 2, D = 0.4: caption D above the line, value D below; mode 0 starts at
// A + D/2, mode 1 is centred on the middle, mode 2 ends at B - D/2, mode 3 writes nothing.
TEST(MaalVandret, TekstmodeStyrerAnkerOgJustering)
{
    struct
    {
        const char* navn;
        int mode;
        std::uint16_t just;
        double x;
    } const tilfaelde[] = {{"StarterVedA", 0, kJustVenstre, 1.2},
                           {"CentreretPaaMidten", 1, kJustCentreret, 3.0},
                           {"SlutterVedB", 2, kJustHoejre, 4.8},
                           {"IngenTekster", 3, 0, 0}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        MaalVandret(t, c.mode, 1, 5, 2, 0.4, 2, "Mål", kDansk);
        EXPECT_EQ(t.Figurer.size(), 3U);
        if (c.mode == 3)
        {
            EXPECT_TRUE(t.Tekster.empty());
            continue;
        }
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
        EXPECT_EQ(g.Tekster[1].Tekst, "4,00");
    }
}

// From 3 down to 0 at x = 10, D = 0.5: arrow up at the top, down at the bottom, the texts
// centred on the line at the middle height, the caption D above 1.5 and the value D below.
TEST(MaalLodret, PileIEnderneOgTeksterVedMidten)
{
    TTegning t;
    MaalLodret(t, 1, 3, 0, 10, 0.5, 2, "Facadehøjde", kDansk);
    const auto op = Maerker(t, kArtPilOp);
    const auto ned = Maerker(t, kArtPilNed);
    ASSERT_EQ(op.size(), 1U);
    ASSERT_EQ(ned.size(), 1U);
    EXPECT_EQ(op[0].Y, 3);
    EXPECT_EQ(ned[0].Y, 0);
    ASSERT_EQ(t.Tekster.size(), 1U);
    EXPECT_EQ(t.Tekster[0].VandretJust, kJustCentreret);
    const auto& tekster = t.Tekster[0].Tekster;
    ASSERT_EQ(tekster.size(), 2U);
    EXPECT_EQ(tekster[0].X, 10);
    EXPECT_EQ(tekster[0].Y, 2);
    EXPECT_EQ(tekster[1].Tekst, "3,00");
    EXPECT_EQ(tekster[1].Y, 1);
}

// The short edge dimensions, D = 0.2: the arrow comes from outside onto one end over a
// leader 2D long, a plus marks the other end, and no line joins them; the texts stand
// outside the tick, D/2 from it.
TEST(MaalVandretVenstreOgHoejre, PilUdefraPlusIndeTeksterUdenfor)
{
    TTegning v;
    MaalVandretVenstre(v, 2, 0.5, 0, 4, 0.2, "Facadeudhæng", kDansk);
    TTegning h;
    MaalVandretHoejre(h, 2, 0.8, 0.6, 4, 0.2, "Gavlspærindrykning", kDansk);
    struct
    {
        const char* navn;
        const TTegning& t;
        std::uint8_t pilArt;
        double pil, plus, lederEnde, tekstX;
        std::uint16_t just;
        const char* vaerdi;
    } const tilfaelde[] = {{"Venstre", v, kArtPilHoejre, 0, 0.5, -0.4, -0.1, kJustHoejre, "0,50"},
                           {"Hoejre", h, kArtPilVenstre, 0.8, 0.6, 1.2, 0.9, kJustVenstre, "0,20"}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        const auto pil = Maerker(c.t, c.pilArt);
        const auto plus = Maerker(c.t, kArtPlus);
        ASSERT_EQ(pil.size(), 1U);
        ASSERT_EQ(plus.size(), 1U);
        EXPECT_EQ(pil[0].X, c.pil);
        EXPECT_EQ(plus[0].X, c.plus);
        const auto linje = Maerker(c.t, kArtLinje);
        ASSERT_EQ(linje.size(), 4U);
        EXPECT_DOUBLE_EQ(linje[3].X, c.lederEnde);
        ASSERT_EQ(c.t.Tekster.size(), 1U);
        EXPECT_EQ(c.t.Tekster[0].VandretJust, c.just);
        ASSERT_EQ(c.t.Tekster[0].Tekster.size(), 2U);
        EXPECT_DOUBLE_EQ(c.t.Tekster[0].Tekster[0].X, c.tekstX);
        EXPECT_EQ(c.t.Tekster[0].Tekster[1].Tekst, c.vaerdi);
    }
}

} // namespace
} // namespace taglo
