#include "drawing/tversnit.h"

#include "figurdata.h"
#include "figursoegning.h"
#include "navngivne_tilfaelde.h"

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
using test::PrintTo;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

TTegning Tversnit(const TInddata& i) { return TegnTversnit(i, Geometri(i), kDansk); }

// 45 degrees, spacing 0.3 m along the slope: a horizontal step of 0.3 cos 45 = 0.2121 m.
// Left slope from 5.4 m down while above 0.1 m: 5.4 - 24 x 0.2121 = 0.309, the 26th would be
// at 0.097; right slope from 5.6 m up while below 10.9 m: also 25.
TEST(Tversnit, LegterFra01MeterVedKippenMedLegteafstandenLangsTaget)
{
    const TTegning t = Tversnit(Hus45());
    const auto toppe = LegteToppe(t);
    ASSERT_EQ(toppe.size(), 50U);
    EXPECT_NEAR(toppe[0].X, 5.4, 1e-9);
    EXPECT_NEAR(toppe[1].X, 5.4 - 0.3 * std::cos(std::numbers::pi / 4), 1e-9);
    EXPECT_NEAR(toppe[24].X, 0.309, 1e-3);
    EXPECT_NEAR(toppe[25].X, 5.6, 1e-9);
    EXPECT_NEAR(toppe[49].X, 10.691, 1e-3);
}

TEST(Tversnit, IngenLegteIndenFor01MeterAfTagfoden)
{
    const TTegning t = Tversnit(Hus45());
    for (const TTegnPunkt& p : LegteToppe(t))
    {
        EXPECT_GT(p.X, 0.1);
        EXPECT_LT(p.X, 10.9);
    }
}

TEST(Tversnit, LegternesOversideLiggerPaaTagfladen)
{
    const TAfledte a = Geometri(Hus45());
    for (const TTegnPunkt& p : LegteToppe(Tversnit(Hus45())))
    {
        // The roof surface: 2.5 m at the eaves edges, rising 1 m per metre to 8 m at x = 5.5.
        const double tag = 2.5 + (p.X < 5.5 ? p.X : 11 - p.X);
        EXPECT_NEAR(p.Y, tag, 1e-9);
        EXPECT_NEAR(TagHojde(a, p.X), tag, 1e-9);
    }
}

TEST(TagHojde, NulUdenforTaget)
{
    const TAfledte a = Geometri(Hus45());
    EXPECT_EQ(TagHojde(a, -0.01), 0);
    EXPECT_EQ(TagHojde(a, 11.01), 0);
    EXPECT_DOUBLE_EQ(TagHojde(a, 0), 2.5);
    EXPECT_DOUBLE_EQ(TagHojde(a, 11), 2.5);
    EXPECT_DOUBLE_EQ(TagHojde(a, 5.5), 8);
}

TEST(Tversnit, LegtenErSitSandeTvaersnitHaeldendeMedTaget)
{
    const TInddata i = Hus45();
    const TTegning t = Tversnit(i);
    const TTegnFigur& legte = *FyldteFigurer(t, kTraefarve)[1]; // first batten, left slope
    ASSERT_EQ(legte.Punkter.size(), 4U);
    const auto afstand = [](TTegnPunkt a, TTegnPunkt b) { return std::hypot(a.X - b.X, a.Y - b.Y); };
    EXPECT_NEAR(afstand(legte.Punkter[0], legte.Punkter[3]), 0.073, 1e-12);
    EXPECT_NEAR(afstand(legte.Punkter[0], legte.Punkter[1]), 0.038, 1e-12);
    // The upper face rises with the left slope.
    EXPECT_NEAR(legte.Punkter[3].Y - legte.Punkter[0].Y, legte.Punkter[3].X - legte.Punkter[0].X, 1e-12);
    EXPECT_EQ(legte.PenFarve, kSort);
}

TEST(Tversnit, LegteafstandStoerreEndTagfladenGiverEnLegtePrFlade)
{
    TInddata i = Hus45();
    i.LegteAfst = 8.0; // the slope is 5.5 / cos 45 = 7.78 m long
    const auto toppe = LegteToppe(Tversnit(i));
    ASSERT_EQ(toppe.size(), 2U);
    EXPECT_NEAR(toppe[0].X, 5.4, 1e-9);
    EXPECT_NEAR(toppe[1].X, 5.6, 1e-9);
}

struct Tagbredde
{
    const char* navn;
    double totalBr;
    std::size_t legter;
};

class SmaltTag : public ::testing::TestWithParam<Tagbredde>
{
};

TEST_P(SmaltTag, UnderFireDecimeterIngenLegter)
{
    TInddata i = Hus45();
    i.FacUdh = 0.0;
    i.HusBr = GetParam().totalBr;
    EXPECT_EQ(LegteToppe(Tversnit(i)).size(), GetParam().legter);
}

INSTANTIATE_TEST_SUITE_P(Bredder, SmaltTag,
                         ::testing::Values(Tagbredde{"Tag038", 0.38, 0}, Tagbredde{"Tag040", 0.40, 0},
                                           Tagbredde{"Tag042", 0.42, 2}),
                         [](const auto& info) { return std::string(info.param.navn); });

struct Afstand
{
    const char* navn;
    double legteAfst;
};

class UgyldigLegteafstand : public ::testing::TestWithParam<Afstand>
{
};

TEST_P(UgyldigLegteafstand, TegnerIngenLegterOgHaengerIkke)
{
    TInddata i = Hus45();
    i.LegteAfst = GetParam().legteAfst;
    const TTegning t = Tversnit(i);
    EXPECT_TRUE(LegteToppe(t).empty());
    EXPECT_NE(FindTekst(t, "Husbredde").tekst, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Afstande, UgyldigLegteafstand,
    ::testing::Values(Afstand{"Nul", 0.0}, Afstand{"Negativ", -0.3},
                      Afstand{"IkkeEtTal", std::numeric_limits<double>::quiet_NaN()},
                      Afstand{"Uendelig", std::numeric_limits<double>::infinity()},
                      Afstand{"MinusUendelig", -std::numeric_limits<double>::infinity()}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Tversnit, BittesmaaLegteafstandPaaKaempetagStopperVedLoftet)
{
    TInddata i = Hus45();
    i.HusBr = 1e6;
    i.LegteAfst = 1e-6;
    EXPECT_EQ(LegteToppe(Tversnit(i)).size(), 2U * kFlestLegterPrFlade);
}

// At 90 degrees the horizontal step (spacing x cos) is so small that x no longer changes
// when it is subtracted; the cap still ends the loop.
TEST(Tversnit, LodretTagMedForsvindendeTrinStopperVedLoftet)
{
    TInddata i = Hus45();
    i.TagVink = 90.0;
    EXPECT_LE(LegteToppe(Tversnit(i)).size(), 2U * kFlestLegterPrFlade);
}

TEST(Tversnit, Manden18MeterHoejMidtlinjen03MeterVenstreForTagfoden)
{
    const TTegning t = Tversnit(Hus45());
    const auto mand = FyldteFigurer(t, kBlaa);
    ASSERT_EQ(mand.size(), 1U);
    EXPECT_EQ(mand[0]->Punkter.size(), 21U);
    EXPECT_DOUBLE_EQ(test::MindsteY(*mand[0]), 0.0);
    EXPECT_DOUBLE_EQ(test::StoersteY(*mand[0]), 1.8);
    const TTegnPunkt hoved = mand[0]->Punkter[10];
    EXPECT_DOUBLE_EQ(hoved.X, -0.3);
    EXPECT_DOUBLE_EQ(hoved.Y, 1.8);
}

TEST(Tversnit, MandenErLigeHoejPaaEtStortHus)
{
    TInddata i = Hus45();
    i.HusBr = 60.0;
    const TTegning t = Tversnit(i);
    const auto mand = FyldteFigurer(t, kBlaa);
    ASSERT_EQ(mand.size(), 1U);
    EXPECT_DOUBLE_EQ(test::StoersteY(*mand[0]) - test::MindsteY(*mand[0]), 1.8);
}

// The unit u is a fiftieth of the larger side of the building part: 11.6 m wide (ground
// from -0.6 to 11) against about 8 m high, so u = 0.232 m.
TEST(Tversnit, MandensTekstToEnhederUnderJorden)
{
    const TTegning t = Tversnit(Hus45());
    const auto fundet = FindTekst(t, "Manden er 1,8 m høj.");
    ASSERT_NE(fundet.tekst, nullptr);
    EXPECT_DOUBLE_EQ(fundet.tekst->X, -0.7);
    EXPECT_NEAR(fundet.tekst->Y, -0.464, 1e-12);
    EXPECT_EQ(fundet.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(fundet.gruppe->LodretJust, kJustBund);
}

TEST(Tversnit, HovedmaalMedVaerdierOgRegionensKomma)
{
    const TTegning t = Tversnit(Hus45());
    for (const char* tekst : {"Husbredde", "10,00", "Facadehøjde", "3,00", "Kiphøjde-tillæg",
                              "5,00", "Facadeudhæng", "0,50"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
    const auto husbredde = FindTekst(t, "Husbredde");
    EXPECT_DOUBLE_EQ(husbredde.tekst->X, 5.5);
    EXPECT_NEAR(husbredde.tekst->Y, -4 * 0.232 + 0.232, 1e-12);
}

TEST(Tversnit, EngelskeIndstillingerGiverPunktum)
{
    const TInddata i = Hus45();
    const TTegning t = TegnTversnit(i, Geometri(i), Regionalindstillinger::Engelsk());
    EXPECT_NE(FindTekst(t, "10.00").tekst, nullptr);
}

TEST(Tversnit, FacadeudhaengNulTegnerMaaletMedPlusPaaPilespidsen)
{
    TInddata i = Hus45();
    i.FacUdh = 0.0;
    const TTegning t = Tversnit(i);
    EXPECT_NE(FindTekst(t, "Facadeudhæng").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "0,00").tekst, nullptr);
    int plusPaaNul = 0;
    int pilPaaNul = 0;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.Punkter.size() == 1 && f.Punkter[0].X == 0.0)
        {
            plusPaaNul += f.Art == kArtPlus ? 1 : 0;
            pilPaaNul += f.Art == kArtPilHoejre ? 1 : 0;
        }
    }
    EXPECT_EQ(plusPaaNul, 1);
    EXPECT_EQ(pilPaaNul, 1);
}

TEST(Tversnit, HoejereLegteSaenkerSpaerOgHusMenIkkeLegteoversiden)
{
    TInddata lav = Hus45();
    TInddata hoej = Hus45();
    hoej.LegteHojde = 58.0;
    const TTegning a = Tversnit(lav);
    const TTegning b = Tversnit(hoej);
    // Figures 1 and 2 are the house and the rafter band.
    const double forventet = 0.020 / std::cos(std::numbers::pi / 4);
    EXPECT_NEAR(a.Figurer[1].Punkter[1].Y - b.Figurer[1].Punkter[1].Y, forventet, 1e-12);
    EXPECT_NEAR(a.Figurer[2].Punkter[0].Y - b.Figurer[2].Punkter[0].Y, forventet, 1e-12);
    EXPECT_NEAR(LegteToppe(a)[3].Y, LegteToppe(b)[3].Y, 1e-12);
}

TEST(Tversnit, TegneordenJordHusSpaerLegterMand)
{
    const TTegning t = Tversnit(Hus45());
    ASSERT_GE(t.Figurer.size(), 54U);
    EXPECT_EQ(t.Figurer[0].FyldFarve, kGroen);
    EXPECT_EQ(t.Figurer[1].FyldFarve, kMellemgraa);
    EXPECT_EQ(t.Figurer[2].FyldFarve, kTraefarve);
    EXPECT_EQ(t.Figurer[2].Punkter.size(), 7U);
    EXPECT_EQ(t.Figurer[3].FyldFarve, kTraefarve);
    EXPECT_EQ(t.Figurer[3].Punkter.size(), 4U);
    EXPECT_EQ(t.Figurer[53].FyldFarve, kBlaa);
}

TEST(Tversnit, UsynligeAnkreGiverPladsTilTeksterneVedSiderne)
{
    const TTegning t = Tversnit(Hus45());
    const TTegnFigur& hoejre = t.Figurer[t.Figurer.size() - 2];
    const TTegnFigur& venstre = t.Figurer.back();
    EXPECT_EQ(hoejre.PenFarve, kHvid);
    EXPECT_EQ(hoejre.FyldStil, kFyldIngen);
    ASSERT_EQ(hoejre.Punkter.size(), 1U);
    EXPECT_NEAR(hoejre.Punkter[0].X, 11 + 4 * 0.232, 1e-12);
    EXPECT_NEAR(venstre.Punkter[0].X, -8 * 0.232, 1e-12);
}

} // namespace
} // namespace taglo
