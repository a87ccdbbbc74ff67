#include "drawing/tversnit.h"

#include "figurdata.h"
#include "figursoegning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace taglo
{
namespace
{
using test::FindTekst;
using test::FyldteFigurer;
using test::Geometri;
using test::Hus45;
using test::LegteToppe;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

TTegning Tversnit(const TInddata& i)
{
    return TegnTversnit(i, Geometri(i), kDansk);
}

// 45 degrees, spacing 0.3 m along the slope: a horizontal step of 0.3 cos 45 = 0.2121 m.
// Left slope from 5.4 m down while above 0.1 m: 5.4 - 24 x 0.2121 = 0.309, the 26th would be
// at 0.097; right slope from 5.6 m up while below 10.9 m: also 25. Every batten has its top
// on the roof surface, 2.5 m at the eaves edges rising 1 m per metre to 8 m at x = 5.5.
TEST(Tversnit, LegterFra01MeterVedKippenIngenVed01MeterAfTagfoden)
{
    const auto toppe = LegteToppe(Tversnit(Hus45()));
    ASSERT_EQ(toppe.size(), 50U);
    EXPECT_NEAR(toppe[0].X, 5.4, 1e-9);
    EXPECT_NEAR(toppe[1].X, 5.4 - 0.3 * std::cos(std::numbers::pi / 4), 1e-9);
    EXPECT_NEAR(toppe[24].X, 0.309, 1e-3);
    EXPECT_NEAR(toppe[25].X, 5.6, 1e-9);
    EXPECT_NEAR(toppe[49].X, 10.691, 1e-3);
    for (const TTegnPunkt& p : toppe)
    {
        EXPECT_GT(p.X, 0.1);
        EXPECT_LT(p.X, 10.9);
        EXPECT_NEAR(p.Y, 2.5 + (p.X < 5.5 ? p.X : 11 - p.X), 1e-9);
    }
    const TAfledte a = Geometri(Hus45());
    EXPECT_EQ(TagHojde(a, -0.01), 0);
    EXPECT_EQ(TagHojde(a, 11.01), 0);
    EXPECT_DOUBLE_EQ(TagHojde(a, 5.5), 8);
}

// The first batten of the left slope: 73 mm wide along the slope, 38 mm deep, rising with it.
TEST(Tversnit, LegtenErSitSandeTvaersnitHaeldendeMedTaget)
{
    const TTegning t = Tversnit(Hus45());
    const TTegnFigur& legte = *FyldteFigurer(t, kTraefarve)[1];
    ASSERT_EQ(legte.Punkter.size(), 4U);
    const auto afstand = [](TTegnPunkt a, TTegnPunkt b) {
        return std::hypot(a.X - b.X, a.Y - b.Y);
    };
    const auto& p = legte.Punkter;
    EXPECT_NEAR(afstand(p[0], p[3]), 0.073, 1e-12);
    EXPECT_NEAR(afstand(p[0], p[1]), 0.038, 1e-12);
    EXPECT_NEAR(p[3].Y - p[0].Y, p[3].X - p[0].X, 1e-12);
}

// The roof is 11 m wide unless said otherwise, the slope 7.78 m long. A spacing longer than
// the slope leaves the one batten 0.1 m from the ridge on each side; a roof of 0.4 m or less
// has no room for a batten; a spacing that is not a positive finite length draws none.
TEST(Tversnit, AntalLegterVedSmaltTagStorEllerUgyldigLegteafstand)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct
    {
        const char* navn;
        double totalBr, legteAfst;
        std::size_t legter;
    } const tilfaelde[] = {{"AfstandStoerreEndFladen", 11, 8.0, 2},
                           {"Tag038", 0.38, 0.3, 0},
                           {"Tag040", 0.40, 0.3, 0},
                           {"Tag042", 0.42, 0.3, 2},
                           {"AfstandNul", 11, 0.0, 0},
                           {"AfstandNegativ", 11, -0.3, 0},
                           {"AfstandNaN", 11, std::numeric_limits<double>::quiet_NaN(), 0},
                           {"AfstandUendelig", 11, inf, 0},
                           {"AfstandMinusUendelig", 11, -inf, 0}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TInddata i = Hus45();
        i.FacUdh = 0.0;
        i.HusBr = c.totalBr;
        i.LegteAfst = c.legteAfst;
        const TTegning t = Tversnit(i);
        const auto toppe = LegteToppe(t);
        ASSERT_EQ(toppe.size(), c.legter);
        if (c.legter == 2)
        {
            EXPECT_NEAR(toppe[0].X, c.totalBr / 2 - 0.1, 1e-9);
            EXPECT_NEAR(toppe[1].X, c.totalBr / 2 + 0.1, 1e-9);
        }
        EXPECT_NE(FindTekst(t, "Husbredde").tekst, nullptr);
    }
}

// The work is bounded: a tiny spacing on a huge roof, or a vertical roof whose horizontal
// step vanishes, stops at the largest number of battens per slope.
TEST(Tversnit, LegtesloejfenStopperVedLoftet)
{
    TInddata kaempe = Hus45();
    kaempe.HusBr = 1e6;
    kaempe.LegteAfst = 1e-6;
    EXPECT_EQ(LegteToppe(Tversnit(kaempe)).size(), 2U * kFlestLegterPrFlade);
    TInddata lodret = Hus45();
    lodret.TagVink = 90.0;
    EXPECT_LE(LegteToppe(Tversnit(lodret)).size(), 2U * kFlestLegterPrFlade);
}

// The man is 1.8 m tall with his centre line 0.3 m left of the left eaves edge, on a small
// house as on a large one.
TEST(Tversnit, Manden18MeterHoejMidtlinjen03MeterVenstreForTagfoden)
{
    for (const double husBr : {10.0, 60.0})
    {
        SCOPED_TRACE(husBr);
        TInddata i = Hus45();
        i.HusBr = husBr;
        const TTegning t = Tversnit(i);
        const auto mand = FyldteFigurer(t, kBlaa);
        ASSERT_EQ(mand.size(), 1U);
        ASSERT_EQ(mand[0]->Punkter.size(), 21U);
        EXPECT_DOUBLE_EQ(test::MindsteY(*mand[0]), 0.0);
        EXPECT_DOUBLE_EQ(test::StoersteY(*mand[0]), 1.8);
        EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].X, -0.3);
        EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].Y, 1.8);
    }
}

// The unit u is a fiftieth of the larger side of the building part: 11.6 m wide (ground
// from -0.6 to 11) against about 8 m high, so u = 0.232 m. The man's caption stands 2u below
// the ground, the house width 4u below with its caption u above the line; the invisible
// anchors reserve 4u right of the roof and 8u left of it for the texts.
TEST(Tversnit, TeksterOgMaalMedRegionensKomma)
{
    const TTegning t = Tversnit(Hus45());
    const auto mand = FindTekst(t, "Manden er 1,8 m høj.");
    ASSERT_NE(mand.tekst, nullptr);
    EXPECT_DOUBLE_EQ(mand.tekst->X, -0.7);
    EXPECT_NEAR(mand.tekst->Y, -2 * 0.232, 1e-12);
    EXPECT_EQ(mand.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(mand.gruppe->LodretJust, kJustBund);
    for (const char* tekst : {"Husbredde", "10,00", "Facadehøjde", "3,00", "Kiphøjde-tillæg",
                              "5,00", "Facadeudhæng", "0,50"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
    const auto husbredde = FindTekst(t, "Husbredde");
    EXPECT_DOUBLE_EQ(husbredde.tekst->X, 5.5);
    EXPECT_NEAR(husbredde.tekst->Y, -3 * 0.232, 1e-12);
    const TTegnFigur& hoejre = t.Figurer[t.Figurer.size() - 2];
    EXPECT_EQ(hoejre.PenFarve, kHvid);
    EXPECT_NEAR(hoejre.Punkter[0].X, 11 + 4 * 0.232, 1e-12);
    EXPECT_NEAR(t.Figurer.back().Punkter[0].X, -8 * 0.232, 1e-12);
}

// A facade overhang of 0 still draws its dimension: value 0,00, the plus on the arrow tip.
TEST(Tversnit, FacadeudhaengNulTegnerMaaletMedPlusPaaPilespidsen)
{
    TInddata i = Hus45();
    i.FacUdh = 0.0;
    const TTegning t = Tversnit(i);
    EXPECT_NE(FindTekst(t, "Facadeudhæng").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "0,00").tekst, nullptr);
    int plus = 0;
    int pil = 0;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.Punkter.size() == 1 && f.Punkter[0].X == 0.0)
        {
            plus += f.Art == kArtPlus ? 1 : 0;
            pil += f.Art == kArtPilHoejre ? 1 : 0;
        }
    }
    EXPECT_EQ(plus, 1);
    EXPECT_EQ(pil, 1);
}

// Painted in the order ground, house, rafter band, battens, man. A batten 20 mm higher moves
// the house top and the rafter band down by 0.020 / cos 45, the battens' tops stay on the
// roof surface.
TEST(Tversnit, TegneordenOgHoejereLegteSaenkerSpaerOgHus)
{
    TInddata hoej = Hus45();
    hoej.LegteHojde = 58.0;
    const TTegning a = Tversnit(Hus45());
    const TTegning b = Tversnit(hoej);
    ASSERT_GE(a.Figurer.size(), 54U);
    EXPECT_EQ(a.Figurer[0].FyldFarve, kGroen);
    EXPECT_EQ(a.Figurer[1].FyldFarve, kMellemgraa);
    EXPECT_EQ(a.Figurer[2].FyldFarve, kTraefarve);
    EXPECT_EQ(a.Figurer[2].Punkter.size(), 7U);
    EXPECT_EQ(a.Figurer[3].Punkter.size(), 4U);
    EXPECT_EQ(a.Figurer[53].FyldFarve, kBlaa);
    const double forventet = 0.020 / std::cos(std::numbers::pi / 4);
    EXPECT_NEAR(a.Figurer[1].Punkter[1].Y - b.Figurer[1].Punkter[1].Y, forventet, 1e-12);
    EXPECT_NEAR(a.Figurer[2].Punkter[0].Y - b.Figurer[2].Punkter[0].Y, forventet, 1e-12);
    EXPECT_NEAR(LegteToppe(a)[3].Y, LegteToppe(b)[3].Y, 1e-12);
}

} // namespace
} // namespace taglo
