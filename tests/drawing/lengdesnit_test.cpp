#include "drawing/lengdesnit.h"

#include "figurdata.h"
#include "figursoegning.h"

#include <gtest/gtest.h>

#include <cmath>

namespace taglo
{
namespace
{
using test::FindTekst;
using test::FyldteFigurer;
using test::Geometri;
using test::Hus45;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

TTegning Lengdesnit(const TInddata& i)
{
    return TegnLengdesnit(i, Geometri(i), kDansk);
}

// The house of Hus45: gable overhang 0.5, inset 0.2, gable rafter spacing 0.6, normal 0.9:
// rafters at 0.7, 1.3 and 2.2 m, the piece ending at 2.65 m. The unit u is TotalBr / 50 =
// 0.22 m, as the building is wider than the piece is long or high.
constexpr double kU = 0.22;

// The free gable triangle is a grey wall 0.11 m thick at the gable line, reaching up to the
// underside of the battens at the ridge (8 - 0.038 / cos 45), with a leader dot and a label
// of its own; it stands free only when the inset exceeds 0.105 m.
TEST(Lengdesnit, FriGavltrekantMedTekstNaarIndrykningenOverstiger105mm)
{
    struct
    {
        const char* navn;
        double indrykning;
        bool fri;
    } const tilfaelde[] = {{"Indrykning0", 0.0, false},
                           {"Indrykning0105", 0.105, false},
                           {"Indrykning011", 0.11, true},
                           {"Indrykning06", 0.6, true}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TInddata i = Hus45();
        i.GavlspaerIndrykn = c.indrykning;
        const TTegning t = Lengdesnit(i);
        EXPECT_EQ(FindTekst(t, "Uforankret gavltrekant").tekst != nullptr, c.fri);
        const auto graa = FyldteFigurer(t, kMellemgraa); // the facade wall, then the triangle
        ASSERT_EQ(graa.size(), c.fri ? 2U : 1U);
        if (c.fri)
        {
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[0].X, 0.5);
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[2].X, 0.61);
            EXPECT_NEAR(test::StoersteY(*graa[1]), 8 - 0.038 / std::cos(std::numbers::pi / 4),
                        1e-9);
        }
        EXPECT_EQ(FyldteFigurer(t, kSort).size(), c.fri ? 4U : 3U);
    }
}

// Labels right of the leaders' ends (0.6 m past the second normal rafter, then 0.1 m), one
// below the other by 2u, starting 2u below the top of the facade wall (facade height less
// the batten and a 150 mm rafter, vertically).
TEST(Lengdesnit, SpaernavneStablesNedadMedToEnheder)
{
    const TTegning t = Lengdesnit(Hus45());
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
    EXPECT_NEAR(normal.tekst->X, 2.2 + 0.7, 1e-12);
    EXPECT_EQ(normal.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(normal.gruppe->LodretJust, kJustMidt);
}

// One gable rafter and two normal rafters, 44 mm wide, at 0.7, 1.3 and 2.2 m; two battens
// along the whole piece from the roof edge at 0 to 2.65 m; the dash-dot section line at the
// end reaching 5 % of the ridge height (8 m) below the ground and above the ridge.
TEST(Lengdesnit, SpaerLegterOgSnitlinje)
{
    const TTegning t = Lengdesnit(Hus45());
    std::vector<double> spaer;
    int legter = 0;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        ASSERT_EQ(f->Punkter.size(), 5U);
        const double bredde = f->Punkter[2].X - f->Punkter[0].X;
        if (bredde < 0.05)
        {
            EXPECT_NEAR(bredde, 0.044, 1e-12);
            spaer.push_back((f->Punkter[2].X + f->Punkter[0].X) / 2);
        }
        else
        {
            EXPECT_EQ(f->Punkter[0].X, 0.0);
            EXPECT_DOUBLE_EQ(f->Punkter[2].X, 2.65);
            ++legter;
        }
    }
    ASSERT_EQ(spaer.size(), 3U);
    EXPECT_NEAR(spaer[0], 0.7, 1e-12);
    EXPECT_NEAR(spaer[1], 1.3, 1e-12);
    EXPECT_NEAR(spaer[2], 2.2, 1e-12);
    EXPECT_EQ(legter, 2);

    int snitlinjer = 0;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.PenStil == kPenStregPrik)
        {
            ++snitlinjer;
            ASSERT_EQ(f.Punkter.size(), 2U);
            EXPECT_DOUBLE_EQ(f.Punkter[0].X, 2.65);
            EXPECT_DOUBLE_EQ(f.Punkter[0].Y, -0.4);
            EXPECT_DOUBLE_EQ(f.Punkter[1].Y, 8.4);
        }
    }
    EXPECT_EQ(snitlinjer, 1);
}

// The spacings stand 2u above the ridge, their texts starting right of / ending left of the
// tick at the first normal rafter; the man stands at the gable.
TEST(Lengdesnit, MaalAfSpaerafstandeOgUdhaengOgManden)
{
    const TTegning t = Lengdesnit(Hus45());
    for (const char* tekst : {"Normalspærafstand", "0,90", "Gavlspærafstand", "0,60",
                              "Gavlspærindrykning", "0,20", "Gavludhæng", "0,50"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
    const auto normal = FindTekst(t, "Normalspærafstand");
    EXPECT_NEAR(normal.tekst->X, 1.3 + kU / 2, 1e-12);
    EXPECT_NEAR(normal.tekst->Y, 8 + 3 * kU, 1e-12);
    const auto gavl = FindTekst(t, "Gavlspærafstand");
    EXPECT_NEAR(gavl.tekst->X, 1.3 - kU / 2, 1e-12);
    EXPECT_EQ(gavl.gruppe->VandretJust, kJustHoejre);
    const auto mand = FyldteFigurer(t, kBlaa);
    ASSERT_EQ(mand.size(), 1U);
    EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].X, -0.3);
    EXPECT_DOUBLE_EQ(test::StoersteY(*mand[0]), 1.8);
    EXPECT_NE(FindTekst(t, "Manden er 1,8 m høj.").tekst, nullptr);
}

// A gable overhang of 0: the value 0,00, and both the overhang and the inset dimension have
// their plus sign on the gable line at x = 0, the overhang's arrow tip there too.
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
    EXPECT_EQ(plus, 2);
    EXPECT_EQ(pil, 1);
}

// The view width W = TotalBr + 4u + min(-0.7, -8u) = 11 + 0.88 - 1.76 = 10.12 m is wider
// than the piece (3.5 m from the man to the ends of the leaders), so invisible anchors widen
// it symmetrically.
TEST(Lengdesnit, VisningenUdvidesSymmetriskTilBreddenW)
{
    const TTegning t = Lengdesnit(Hus45());
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_NEAR(g.MaxX - g.MinX, 10.12, 1e-9);
    EXPECT_EQ(t.Figurer[t.Figurer.size() - 2].PenFarve, kHvid);
}

// A small shed (the piece wider than high): eight units are reserved right of where the
// labels start, so that the edge of the view does not cut them off.
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
}

} // namespace
} // namespace taglo
