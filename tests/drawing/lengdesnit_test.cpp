#include "drawing/lengdesnit.h"

#include "figurdata.h"
#include "figursoegning.h"
#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace taglo
{
namespace
{
using test::FindTekst;
using test::FyldteFigurer;
using test::Geometri;
using test::Hus45;
using test::PrintTo;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

TTegning Lengdesnit(const TInddata& i) { return TegnLengdesnit(i, Geometri(i), kDansk); }

// The house of Hus45: gable overhang 0.5, inset 0.2, gable rafter spacing 0.6, normal 0.9:
// rafters at 0.7, 1.3 and 2.2 m, the piece ending at 2.65 m. The unit u is TotalBr / 50 =
// 0.22 m, as the building is wider than the piece is long or high.
constexpr double kU = 0.22;

// Grey figures that reach up to the underside of the battens at the ridge: the free gable
// triangle (the facade wall stops at the facade height).
std::size_t Gavltrekanter(const TTegning& t, const TAfledte& a, double t1)
{
    std::size_t n = 0;
    for (const TTegnFigur* f : FyldteFigurer(t, kMellemgraa))
    {
        if (std::abs(test::StoersteY(*f) - (a.KipHjd - t1)) < 1e-9)
        {
            ++n;
        }
    }
    return n;
}

struct Indrykning
{
    const char* navn;
    double indrykning;
    bool friGavltrekant;
};

class GavlTrekant : public ::testing::TestWithParam<Indrykning>
{
};

TEST_P(GavlTrekant, VisesMedTekstNaarIndrykningenOverstiger105mm)
{
    TInddata i = Hus45();
    i.GavlspaerIndrykn = GetParam().indrykning;
    const TAfledte a = Geometri(i);
    const TTegning t = Lengdesnit(i);
    const double t1 = i.LegteHojde / (1000 * a.CosTagVink);
    const bool tekst = FindTekst(t, "Uforankret gavltrekant").tekst != nullptr;
    EXPECT_EQ(tekst, GetParam().friGavltrekant);
    EXPECT_EQ(Gavltrekanter(t, a, t1), GetParam().friGavltrekant ? 1U : 0U);
    // Leader dots: one per rafter, and one on the gable triangle when it stands free.
    EXPECT_EQ(FyldteFigurer(t, kSort).size(), GetParam().friGavltrekant ? 4U : 3U);
}

INSTANTIATE_TEST_SUITE_P(Indrykninger, GavlTrekant,
                         ::testing::Values(Indrykning{"Indrykning0", 0.0, false},
                                           Indrykning{"Indrykning0105", 0.105, false},
                                           Indrykning{"Indrykning011", 0.11, true},
                                           Indrykning{"Indrykning06", 0.6, true}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Lengdesnit, GavltrekantenEr011MeterTykVedGavlen)
{
    TInddata i = Hus45();
    const TTegning t = Lengdesnit(i);
    const auto graa = FyldteFigurer(t, kMellemgraa);
    ASSERT_EQ(graa.size(), 2U); // facade wall and gable triangle
    EXPECT_DOUBLE_EQ(graa[1]->Punkter[0].X, 0.5);
    EXPECT_DOUBLE_EQ(graa[1]->Punkter[2].X, 0.61);
}

// Labels left of the leaders' ends, one below the other by 2u, starting 2u below the top of
// the facade wall (facade height less the batten and a 150 mm rafter, vertically).
TEST(Lengdesnit, SpaernavneStablesNedadMedToEnheder)
{
    const TInddata i = Hus45();
    const TTegning t = Lengdesnit(i);
    const auto normal = FindTekst(t, "Normalspær");
    const auto forankret = FindTekst(t, "Forankret gavlspær");
    const auto uforankret = FindTekst(t, "Uforankret gavltrekant");
    ASSERT_NE(normal.tekst, nullptr);
    ASSERT_NE(forankret.tekst, nullptr);
    ASSERT_NE(uforankret.tekst, nullptr);
    const double t2 = 0.188 / std::cos(std::numbers::pi / 4);
    EXPECT_NEAR(normal.tekst->Y, 3.0 - t2 - 2 * kU, 1e-12);
    EXPECT_NEAR(normal.tekst->Y - forankret.tekst->Y, 2 * kU, 1e-12);
    EXPECT_NEAR(forankret.tekst->Y - uforankret.tekst->Y, 2 * kU, 1e-12);
    // Right of the piece: 0.6 m past the second normal rafter, then 0.1 m.
    EXPECT_NEAR(normal.tekst->X, 2.2 + 0.7, 1e-12);
    EXPECT_EQ(normal.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(normal.gruppe->LodretJust, kJustMidt);
    EXPECT_EQ(normal.gruppe->TekstFarve, kSort);
}

TEST(Lengdesnit, EtGavlspaerOgToNormalspaer44mmBrede)
{
    const TTegning t = Lengdesnit(Hus45());
    std::vector<double> midter;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter.size() == 5 && f->Punkter[2].X - f->Punkter[0].X < 0.05)
        {
            EXPECT_NEAR(f->Punkter[2].X - f->Punkter[0].X, 0.044, 1e-12);
            midter.push_back((f->Punkter[2].X + f->Punkter[0].X) / 2);
        }
    }
    ASSERT_EQ(midter.size(), 3U);
    EXPECT_NEAR(midter[0], 0.7, 1e-12);
    EXPECT_NEAR(midter[1], 1.3, 1e-12);
    EXPECT_NEAR(midter[2], 2.2, 1e-12);
}

TEST(Lengdesnit, LegterneLoeberOverGavludhaengetHeleVejen)
{
    const TTegning t = Lengdesnit(Hus45());
    int legter = 0;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter.size() == 5 && f->Punkter[0].X == 0.0)
        {
            EXPECT_DOUBLE_EQ(f->Punkter[2].X, 2.65);
            ++legter;
        }
    }
    EXPECT_EQ(legter, 2);
}

TEST(Lengdesnit, SnitlinjenRaekker5ProcentUnderJordOgOverKip)
{
    const TTegning t = Lengdesnit(Hus45());
    const TTegnFigur* snit = nullptr;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.PenStil == kPenStregPrik)
        {
            ASSERT_EQ(snit, nullptr) << "one section line";
            snit = &f;
        }
    }
    ASSERT_NE(snit, nullptr);
    ASSERT_EQ(snit->Punkter.size(), 2U);
    EXPECT_DOUBLE_EQ(snit->Punkter[0].X, 2.65);
    EXPECT_DOUBLE_EQ(snit->Punkter[0].Y, -0.4);
    EXPECT_DOUBLE_EQ(snit->Punkter[1].Y, 8.4);
}

TEST(Lengdesnit, MaalAfSpaerafstandeOgUdhaeng)
{
    const TTegning t = Lengdesnit(Hus45());
    for (const char* tekst : {"Normalspærafstand", "0,90", "Gavlspærafstand", "0,60",
                              "Gavlspærindrykning", "0,20", "Gavludhæng", "0,50"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
    // The spacings stand 2u above the ridge, texts starting right of / ending left of the
    // tick at the first normal rafter.
    const auto normal = FindTekst(t, "Normalspærafstand");
    EXPECT_NEAR(normal.tekst->X, 1.3 + kU / 2, 1e-12);
    EXPECT_NEAR(normal.tekst->Y, 8 + 3 * kU, 1e-12);
    const auto gavl = FindTekst(t, "Gavlspærafstand");
    EXPECT_NEAR(gavl.tekst->X, 1.3 - kU / 2, 1e-12);
    EXPECT_EQ(gavl.gruppe->VandretJust, kJustHoejre);
}

TEST(Lengdesnit, GavludhaengNulGiverPlusPaaPilespidsenVedNul)
{
    TInddata i = Hus45();
    i.GavlUdh = 0.0;
    const TTegning t = Lengdesnit(i);
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
    // Both the overhang and the inset dimension have their plus sign on the gable line.
    EXPECT_EQ(plus, 2);
    EXPECT_EQ(pil, 1);
}

TEST(Lengdesnit, MandenStaarVedGavlen)
{
    const TTegning t = Lengdesnit(Hus45());
    const auto mand = FyldteFigurer(t, kBlaa);
    ASSERT_EQ(mand.size(), 1U);
    EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].X, -0.3);
    EXPECT_DOUBLE_EQ(test::StoersteY(*mand[0]), 1.8);
}

TEST(Lengdesnit, HenvisningsprikkerErSorteRomberPaaSpaerenesFod)
{
    const TInddata i = Hus45();
    const TTegning t = Lengdesnit(i);
    const auto prikker = FyldteFigurer(t, kSort);
    ASSERT_EQ(prikker.size(), 4U);
    const double tagfod = Geometri(i).TagfodHjd;
    const double x[] = {0.55, 0.7, 1.3, 2.2};
    for (std::size_t n = 0; n < 4; ++n)
    {
        const auto& p = prikker[n]->Punkter;
        ASSERT_EQ(p.size(), 5U);
        EXPECT_NEAR(p[0].X, x[n] - 0.03, 1e-12);
        EXPECT_NEAR(p[2].X, x[n] + 0.03, 1e-12);
        EXPECT_NEAR(p[1].Y, tagfod - 0.03, 1e-12);
    }
}

// The view width W = TotalBr + 4u + min(-0.7, -8u) = 11 + 0.88 - 1.76 = 10.12 m is wider
// than the piece (3.5 m from the man to the ends of the leaders), so the two last,
// invisible anchors widen it symmetrically.
TEST(Lengdesnit, VisningenUdvidesSymmetriskTilBreddenW)
{
    const TTegning t = Lengdesnit(Hus45());
    const TTegnFigur& a = t.Figurer[t.Figurer.size() - 3];
    const TTegnFigur& b = t.Figurer[t.Figurer.size() - 2];
    EXPECT_EQ(a.PenFarve, kHvid);
    EXPECT_EQ(b.PenFarve, kHvid);
    EXPECT_NEAR(b.Punkter[0].X - a.Punkter[0].X, 10.12, 1e-9);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_NEAR(g.MaxX - g.MinX, 10.12, 1e-9);
}

// A small shed (the piece wider than high): without room the labels right of the leaders
// would be cut off by the edge of the view. Eight units are reserved right of where they
// start, as on the left of the cross-section for its captions.
TEST(Lengdesnit, SpaernavneneHarPladsTilHoejre)
{
    TInddata i = Hus45();
    i.HusBr = 2.0;
    i.FacHjd = 1.8;
    i.TagVink = 20.0;
    i.FacUdh = 0.3;
    i.GavlUdh = 1.0;
    i.GavlspaerIndrykn = 0.45;
    i.GavlspaerAfst = 0.3;
    i.NormalSpaerAfst = 0.6;
    const TTegning t = Lengdesnit(i);
    const auto normal = FindTekst(t, "Normalspær");
    ASSERT_NE(normal.tekst, nullptr);
    // u: the ground from -0.6 m to the end of the piece at 2.65 m is the largest extent.
    const double u = 3.25 / 50;
    EXPECT_NEAR(normal.tekst->X, 3.05, 1e-12);
    EXPECT_GE(FindGraenser(t.Figurer).MaxX, 3.05 + 8 * u - 1e-12);
    const TTegnFigur& anker = t.Figurer.back();
    EXPECT_EQ(anker.PenFarve, kHvid);
    EXPECT_EQ(anker.Punkter.size(), 1U);
}

} // namespace
} // namespace taglo
