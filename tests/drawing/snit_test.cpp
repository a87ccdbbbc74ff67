#include "drawing/laengdesnit.h"
#include "drawing/tvaersnit.h"

#include "figurdata.h"

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

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();
const double kCos45 = std::cos(std::numbers::pi / 4);

TTegning Tvaersnit(const TInddata& i)
{
    return TegnTversnit(i, Geometri(i), kDansk);
}
TTegning Laengdesnit(const TInddata& i)
{
    return TegnLengdesnit(i, Geometri(i), kDansk);
}

// The battens of the cross-section, timber-coloured figures of four corners, as the middle
// of their upper face.
std::vector<TTegnPunkt> LegteToppe(const TTegning& t)
{
    std::vector<TTegnPunkt> r;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter.size() == 4)
        {
            r.push_back(
                {(f->Punkter[0].X + f->Punkter[3].X) / 2, (f->Punkter[0].Y + f->Punkter[3].Y) / 2});
        }
    }
    return r;
}

// 45 degrees, spacing 0.3 m along the slope: a horizontal step of 0.3 cos 45 = 0.2121 m.
// Left slope from 5.4 m down while above 0.1 m: 5.4 - 24 x 0.2121 = 0.309, the 26th would be
// at 0.097; right slope from 5.6 m up while below 10.9 m: also 25. Every batten has its top
// on the roof surface, 2.5 m at the eaves edges rising 1 m per metre to 8 m at x = 5.5.
TEST(Tvaersnit, LegterFra01MeterVedKippenIngenVed01MeterAfTagfoden)
{
    const auto toppe = LegteToppe(Tvaersnit(Hus45()));
    ASSERT_EQ(toppe.size(), 50U);
    EXPECT_NEAR(toppe[0].X, 5.4, 1e-9);
    EXPECT_NEAR(toppe[1].X, 5.4 - 0.3 * kCos45, 1e-9);
    EXPECT_NEAR(toppe[24].X, 0.309, 1e-3);
    EXPECT_NEAR(toppe[25].X, 5.6, 1e-9);
    EXPECT_NEAR(toppe[49].X, 10.691, 1e-3);
    for (const TTegnPunkt& p : toppe)
    {
        EXPECT_NEAR(p.Y, 2.5 + (p.X < 5.5 ? p.X : 11 - p.X), 1e-9);
    }
}

// A roof 11 m wide unless said otherwise, the slope 7.78 m long. A spacing longer than the
// slope leaves the one batten 0.1 m from the ridge on each side; a roof of 0.4 m or less has
// no room for a batten; a spacing that is not a positive finite length draws none, and the
// rest of the figure is still drawn. The work is bounded: a tiny spacing on a huge roof stops
// at the largest number of battens per slope.
TEST(Tvaersnit, AntalLegterVedSmaltTagStorEllerUgyldigLegteafstand)
{
    struct
    {
        const char* navn;
        double totalBr, legteAfst;
        std::size_t legter;
    } const tilfaelde[] = {{"AfstandStoerreEndFladen", 11, 8.0, 2},
                           {"Tag040", 0.40, 0.3, 0},
                           {"Tag042", 0.42, 0.3, 2},
                           {"AfstandNul", 11, 0.0, 0},
                           {"AfstandNegativ", 11, -0.3, 0},
                           {"AfstandNaN", 11, std::numeric_limits<double>::quiet_NaN(), 0},
                           {"AfstandUendelig", 11, std::numeric_limits<double>::infinity(), 0},
                           {"KaempeTagLilleAfstand", 1e6, 1e-6, 2 * kFlestLegterPrFlade}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TInddata i = Hus45();
        i.FacUdh = 0.0;
        i.HusBr = c.totalBr;
        i.LegteAfst = c.legteAfst;
        const TTegning t = Tvaersnit(i);
        const auto toppe = LegteToppe(t);
        ASSERT_EQ(toppe.size(), c.legter);
        if (c.legter > 0)
        {
            EXPECT_NEAR(toppe[0].X, c.totalBr / 2 - 0.1, 1e-9);
            EXPECT_NEAR(toppe[c.legter / 2].X, c.totalBr / 2 + 0.1, 1e-9);
        }
        EXPECT_NE(FindTekst(t, "Husbredde").tekst, nullptr);
    }
}

// The man is 1.8 m tall with his centre line 0.3 m left of the left eaves edge, on a small
// house as on a large one.
TEST(Tvaersnit, Manden18MeterHoejMidtlinjen03MeterVenstreForTagfoden)
{
    for (const double husBr : {10.0, 60.0})
    {
        SCOPED_TRACE(husBr);
        TInddata i = Hus45();
        i.HusBr = husBr;
        const TTegning t = Tvaersnit(i);
        const auto mand = FyldteFigurer(t, kBlaa);
        ASSERT_EQ(mand.size(), 1U);
        EXPECT_DOUBLE_EQ(test::MindsteY(*mand[0]), 0.0);
        EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].X, -0.3);
        EXPECT_DOUBLE_EQ(mand[0]->Punkter[10].Y, 1.8);
    }
}

// The free gable triangle is a grey wall 0.11 m thick at the gable line, reaching up to the
// underside of the battens at the ridge (8 - 0.038 / cos 45), with a leader dot and a label
// of its own; it stands free only when the inset exceeds 0.105 m.
TEST(Laengdesnit, FriGavltrekantMedTekstNaarIndrykningenOverstiger105mm)
{
    for (const double indrykning : {0.105, 0.11})
    {
        SCOPED_TRACE(indrykning);
        TInddata i = Hus45();
        i.GavlspaerIndrykn = indrykning;
        const TTegning t = Laengdesnit(i);
        const bool fri = indrykning > 0.105;
        EXPECT_EQ(FindTekst(t, "Uforankret gavltrekant").tekst != nullptr, fri);
        EXPECT_EQ(FyldteFigurer(t, kSort).size(), fri ? 4U : 3U); // the leader dots
        const auto graa = FyldteFigurer(t, kMellemgraa); // the facade wall, then the triangle
        ASSERT_EQ(graa.size(), fri ? 2U : 1U);
        if (fri)
        {
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[0].X, 0.5);
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[2].X, 0.61);
            EXPECT_NEAR(test::StoersteY(*graa[1]), 8 - 0.038 / kCos45, 1e-9);
        }
    }
}

// One gable rafter and two normal rafters, 44 mm wide, at 0.7, 1.3 and 2.2 m; two battens
// along the whole piece from the roof edge at 0 to 2.65 m.
TEST(Laengdesnit, SpaerOgLegterPaaDeresPladser)
{
    std::vector<double> spaer;
    std::vector<double> legteEnder;
    const TTegning t = Laengdesnit(Hus45());
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        const double fra = f->Punkter[0].X;
        const double til = f->Punkter[2].X;
        if (til - fra < 0.05)
        {
            spaer.push_back(std::round((fra + til) / 2 * 1000) / 1000);
            EXPECT_NEAR(til - fra, 0.044, 1e-12);
        }
        else
        {
            legteEnder.insert(legteEnder.end(), {fra, til});
        }
    }
    EXPECT_EQ(spaer, (std::vector{0.7, 1.3, 2.2}));
    EXPECT_EQ(legteEnder, (std::vector{0.0, 2.65, 0.0, 2.65}));
}

// A small shed (the piece wider than high): eight units are reserved right of where the
// rafter labels start, so that the edge of the view does not cut them off.
TEST(Laengdesnit, SpaernavneneHarPladsTilHoejre)
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
    const TTegning t = Laengdesnit(i);
    const auto normal = FindTekst(t, "Normalspær");
    ASSERT_NE(normal.tekst, nullptr);
    // u: the ground from -0.6 m to the end of the piece at 2.65 m is the largest extent.
    EXPECT_NEAR(normal.tekst->X, 3.05, 1e-12);
    EXPECT_GE(FindGraenser(t.Figurer).MaxX, 3.05 + 8 * 3.25 / 50 - 1e-12);
}

// Every text of both sections of the house, with its place and alignment. The unit u is a
// fiftieth of the larger extent: in the cross-section the ground from -0.6 to 11 m, u =
// 0.232; in the longitudinal section the roof width 11 m, u = 0.22. A dimension's caption
// stands u above its line and the value u below; the texts of the heights start u/2 right of
// their line, those of the gable rafter inset in the column of the rafter labels, clear of the
// rafters. The man's caption hangs u/2 below the ground's
// underside at -0.1 m. The rafter labels stand 0.1 m right of the leaders' ends (0.6 m past
// the second normal rafter), stacked down by 2u from 2u below the top of the facade wall
// (facade height less batten and a 150 mm rafter).
TEST(Snit, TeksterneMedPladsOgJustering)
{
    const TTegning tv = Tvaersnit(Hus45());
    const TTegning ln = Laengdesnit(Hus45());
    const double u = 0.232;
    const double v = 0.22;
    const double y1 = 3.0 - 0.188 / kCos45 - 2 * v;
    constexpr auto V = kJustVenstre;
    constexpr auto C = kJustCentreret;
    constexpr auto H = kJustHoejre;
    constexpr auto M = kJustMidt;
    struct
    {
        const TTegning& t;
        const char* tekst;
        double x, y;
        std::uint16_t vandret, lodret;
    } const tekster[] = {{tv, "Manden er 1,8 m høj.", -0.7, -0.1 - u / 2, V, kJustTop},
                         {tv, "Husbredde", 5.5, -3 * u, C, M},
                         {tv, "10,00", 5.5, -5 * u, C, M},
                         {tv, "Facadehøjde", 11 + 1.5 * u, 1.5 + u, V, M},
                         {tv, "3,00", 11 + 1.5 * u, 1.5 - u, V, M},
                         {tv, "Kiphøjde-tillæg", 11 + 1.5 * u, 5.5 + u, V, M},
                         {tv, "5,00", 11 + 1.5 * u, 5.5 - u, V, M},
                         {tv, "Facadeudhæng", -u / 2, 2.35, H, M},
                         {tv, "0,50", -u / 2, 2.35 - 2 * u, H, M},
                         {ln, "Normalspærafstand", 1.3 + v / 2, 8 + 3 * v, V, M},
                         {ln, "0,90", 1.3 + v / 2, 8 + v, V, M},
                         {ln, "Gavlspærafstand", 1.3 - v / 2, 8 + 3 * v, H, M},
                         {ln, "0,60", 1.3 - v / 2, 8 + v, H, M},
                         {ln, "Gavlspærindrykning", 2.9, 5.5 + v, V, M},
                         {ln, "0,20", 2.9, 5.5 - v, V, M},
                         {ln, "Gavludhæng", -v / 2, 5.5 + v, H, M},
                         {ln, "Normalspær", 2.9, y1, V, M},
                         {ln, "Forankret gavlspær", 2.9, y1 - 2 * v, V, M},
                         {ln, "Uforankret gavltrekant", 2.9, y1 - 4 * v, V, M}};
    for (const auto& c : tekster)
    {
        SCOPED_TRACE(c.tekst);
        const auto fundet = FindTekst(c.t, c.tekst);
        ASSERT_NE(fundet.tekst, nullptr);
        EXPECT_NEAR(fundet.tekst->X, c.x, 1e-9);
        EXPECT_NEAR(fundet.tekst->Y, c.y, 1e-9);
        EXPECT_EQ(fundet.gruppe->VandretJust, c.vandret);
        EXPECT_EQ(fundet.gruppe->LodretJust, c.lodret);
    }
}

} // namespace
} // namespace taglo
