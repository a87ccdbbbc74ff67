#include "drawing/optegning.h"

#include "navngivne_tilfaelde.h"
#include "optagende_laerred.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagendeLaerred;
using test::OptagetStreg;
using test::PrintTo;

// A black line through the points.
TTegning Linjetegning(std::initializer_list<TTegnPunkt> punkter)
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, 0, 1, kSort, kFyldIngen, kSort, kArtLinje);
    for (const TTegnPunkt& p : punkter)
    {
        TilfoejPunkt(f, p.X, p.Y);
    }
    return t;
}

// A view that maps world (0, 0) onto the pixel (100, 100), one pixel per unit, y upwards.
TVisning Enhedsvisning()
{
    TVisning v;
    v.W = 200;
    v.H = 200;
    v.SX = 1;
    v.SY = -1;
    v.OX = 100;
    v.OY = 100;
    v.TH = 13;
    return v;
}

TEST(LaegMargen, NitiProcentFlytterHverEndeEnAttendedel)
{
    double lo = 0;
    double hi = 18;
    LaegMargen(lo, hi, 90);
    EXPECT_DOUBLE_EQ(lo, -1);
    EXPECT_DOUBLE_EQ(hi, 19);
}

TEST(LaegMargen, EnForLillePorcentRegnesSom001)
{
    double lo = 0;
    double hi = 1;
    LaegMargen(lo, hi, 0);
    // k = 99.99 / 0.02 = 4999.5
    EXPECT_DOUBLE_EQ(lo, -4999.5);
    EXPECT_DOUBLE_EQ(hi, 5000.5);
}

// Drawing 18 x 2 units widened to 20 x 2.22 on 1000 x 700 pixels: the width limits, 50
// pixels per unit, centred vertically on y = 1 (world window -6..8).
TEST(TegnTegning, BredTegningFyldervBreddenOgCentreresLodret)
{
    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, Linjetegning({{0, 0}, {18, 2}}), true);
    ASSERT_EQ(l.streger.size(), 1U);
    EXPECT_EQ(l.streger[0], (OptagetStreg{{50, 400}, {950, 300}}));
}

// Drawing 2 x 18 units widened to 2.22 x 20: the height limits, 35 pixels per unit, the
// world window -1..19 in y and centred on x = 1 in x.
TEST(TegnTegning, HoejTegningFylderHoejdenOgCentreresVandret)
{
    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, Linjetegning({{0, 0}, {2, 18}}), true);
    ASSERT_EQ(l.streger.size(), 1U);
    EXPECT_EQ(l.streger[0], (OptagetStreg{{465, 665}, {535, 35}}));
}

// Without the same scale each axis is stretched: x -1..19 on 1000 columns, y -0.5..9.5 on
// 700 rows.
TEST(TegnTegning, UdenSammeSkalaStrakkesHverAkse)
{
    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, Linjetegning({{0, 0}, {18, 9}}), false);
    ASSERT_EQ(l.streger.size(), 1U);
    EXPECT_EQ(l.streger[0], (OptagetStreg{{50, 665}, {950, 35}}));
}

TEST(SaetVindue, VerdensboksensHjoernerRammerKanterne)
{
    OptagendeLaerred l;
    const TVisning v = SaetVindue(l, 400, 300, -2, 1, 6, 4);
    EXPECT_EQ(SkaermX(v, -2), 0);
    EXPECT_EQ(SkaermX(v, 6), 400);
    EXPECT_EQ(SkaermY(v, 1), 300);
    EXPECT_EQ(SkaermY(v, 4), 0);
    EXPECT_EQ(v.TH, 13);
}

TEST(SaetVindueSammeSkala, VinduetHarPapirfladensFormat)
{
    OptagendeLaerred l;
    const TVisning v = SaetVindueSammeSkala(l, 1000, 500, 0, 0, 10, 10);
    // The height limits: the window is 20 wide and 10 high, centred on (5, 5).
    EXPECT_DOUBLE_EQ(v.MinX, -5);
    EXPECT_DOUBLE_EQ(v.MaxX, 15);
    EXPECT_DOUBLE_EQ(v.MinY, 0);
    EXPECT_DOUBLE_EQ(v.MaxY, 10);
    EXPECT_DOUBLE_EQ(v.SX, -v.SY);
}

TEST(TegnTegning, TomTegningTegnerIntet)
{
    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, TTegning{}, true);
    EXPECT_TRUE(l.Tegnekald().empty());
}

struct Papirflade
{
    const char* navn;
    int W;
    int H;
};

class NulFlade : public ::testing::TestWithParam<Papirflade>
{
};

TEST_P(NulFlade, TegnerIntetOgDividererIkkeMedNul)
{
    OptagendeLaerred l;
    TegnTegning(l, GetParam().W, GetParam().H, Linjetegning({{0, 0}, {1, 1}}), true);
    TegnTegning(l, GetParam().W, GetParam().H, Linjetegning({{0, 0}, {1, 1}}), false);
    EXPECT_TRUE(l.kald.empty());
}

INSTANTIATE_TEST_SUITE_P(Flader, NulFlade,
                         ::testing::Values(Papirflade{"NulBred", 0, 700}, Papirflade{"NulHoej", 1000, 0},
                                           Papirflade{"Negativ", -5, 100}, Papirflade{"Nul", 0, 0}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(SkaermX, HalveRundesTilLigeNabo)
{
    const TVisning v = Enhedsvisning();
    EXPECT_EQ(SkaermX(v, 2.5), 102);
    EXPECT_EQ(SkaermX(v, 3.5), 104);
    EXPECT_EQ(SkaermX(v, -100.5), 0);
    EXPECT_EQ(SkaermX(v, -101.5), -2);
    EXPECT_EQ(SkaermX(v, 2.6), 103);
    EXPECT_EQ(SkaermY(v, 2.5), 98);  // 97.5 goes to 98
    EXPECT_EQ(SkaermY(v, 1.5), 98);  // 98.5 goes to 98
}

TEST(SkaermX, LangtUdenforHoldesVedGraensen)
{
    const TVisning v = Enhedsvisning();
    EXPECT_EQ(SkaermX(v, 1e300), kSkaermGraense);
    EXPECT_EQ(SkaermY(v, 1e300), -kSkaermGraense);
    EXPECT_EQ(SkaermX(v, std::numeric_limits<double>::quiet_NaN()), 0);
}

struct MaerkeTilfaelde
{
    const char* navn;
    std::uint8_t art;
    std::vector<OptagetStreg> streger; // relative to the point, x right, y down
};

class Maerke : public ::testing::TestWithParam<MaerkeTilfaelde>
{
};

TEST_P(Maerke, TegnerSineStregerIPixelOmPunktet)
{
    const MaerkeTilfaelde& c = GetParam();
    OptagendeLaerred l;
    TegnMaerke(l, Enhedsvisning(), c.art, 3, 2, Farve(kRoed)); // pixel (103, 98)
    std::vector<OptagetStreg> forventet;
    for (const OptagetStreg& s : c.streger)
    {
        forventet.push_back({{103 + s.fra.X, 98 + s.fra.Y}, {103 + s.til.X, 98 + s.til.Y}});
    }
    EXPECT_EQ(l.streger, forventet);
    EXPECT_TRUE(l.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Symboler, Maerke,
    ::testing::Values(
        MaerkeTilfaelde{"Plus", 2, {{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}}},
        MaerkeTilfaelde{"PlusMedKryds",
                        3,
                        {{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}, {{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}}},
        MaerkeTilfaelde{"Cirkel",
                        4,
                        {{{-4, 0}, {-3, 3}},
                         {{-3, 3}, {0, 4}},
                         {{0, 4}, {3, 3}},
                         {{3, 3}, {4, 0}},
                         {{4, 0}, {3, -3}},
                         {{3, -3}, {0, -4}},
                         {{0, -4}, {-3, -3}},
                         {{-3, -3}, {-4, 0}}}},
        MaerkeTilfaelde{"Kryds", 5, {{{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}}},
        MaerkeTilfaelde{"PilOp", 6, {{{-3, 6}, {0, 0}}, {{3, 6}, {0, 0}}}},
        MaerkeTilfaelde{"PilNed", 7, {{{-3, -6}, {0, 0}}, {{3, -6}, {0, 0}}}},
        MaerkeTilfaelde{"PilVenstre", 8, {{{6, 3}, {0, 0}}, {{6, -3}, {0, 0}}}},
        MaerkeTilfaelde{"PilHoejre", 9, {{{-6, 3}, {0, 0}}, {{-6, -3}, {0, 0}}}},
        MaerkeTilfaelde{"UkendtArtTegnerIntet", 10, {}}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Maerke, PunktSaetterEnPixelIPennensFarve)
{
    OptagendeLaerred l;
    TegnMaerke(l, Enhedsvisning(), kArtPunkt, 3, 2, Farve(kRoed));
    EXPECT_TRUE(l.streger.empty());
    ASSERT_EQ(l.pixels.size(), 1U);
    EXPECT_EQ(l.pixels[0], (TPixel{103, 98}));
}

TEST(Maerke, BeholderPixelstoerrelsenVedEnhverSkala)
{
    TTegning smaa;
    TilfoejPunkt(NyFigur(smaa.Figurer, 0, 1, 0, 0, 0, kArtPilOp), 0, 0);
    TilfoejPunkt(NyFigur(smaa.Figurer, 0, 1, 0, 0, 0, kArtLinje), 1, 1);
    TTegning store = smaa;
    store.Figurer[1].Punkter[0] = {1000, 1000};
    OptagendeLaerred a;
    OptagendeLaerred b;
    TegnTegning(a, 800, 800, smaa, true);
    TegnTegning(b, 800, 800, store, true);
    ASSERT_EQ(a.streger.size(), 2U);
    ASSERT_EQ(b.streger.size(), 2U);
    const auto laengde = [](const OptagetStreg& s) { return s.til.Y - s.fra.Y; };
    EXPECT_EQ(laengde(a.streger[0]), -6);
    EXPECT_EQ(laengde(b.streger[0]), -6);
}

// Two figures and a text group: each figure sets its pen and brush, draws its outline
// segment by segment and then its fill; the texts come after all figures.
TEST(TegnElementer, FigurerIListeordenOmridsFoerFyldTeksterSidst)
{
    TTegning t;
    TTegnFigur& a = NyFigur(t.Figurer, kPenStiplet, 3, kBlaa, kFyldFuld, kTraefarve, kArtLinje);
    TilfoejPunkt(a, 0, 0);
    TilfoejPunkt(a, 1, 0);
    TilfoejPunkt(a, 1, 1);
    TTekstGruppe& g = NyTekstGruppe(t.Tekster, kRoed, 0, 0);
    TilfoejTekst(g, "tekst", 0, 0);
    TTegnFigur& b = NyFigur(t.Figurer, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtPilOp);
    TilfoejPunkt(b, 0.5, 0.5);

    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    const std::vector<std::string> forventet{
        "PenStil", "PenBredde", "PenFarve", "FyldStil", "FyldFarve", "FlytTil", "LinjeTil",
        "FlytTil", "LinjeTil", "Polygon",
        "PenStil", "PenBredde", "PenFarve", "FyldStil", "FyldFarve", "FlytTil", "FlytTil",
        "LinjeTil", "FlytTil", "LinjeTil",
        "TekstJustering", "TekstFarve", "Tekst"};
    EXPECT_EQ(l.Tegnekald(), forventet);
    ASSERT_EQ(l.polygoner.size(), 1U);
    EXPECT_EQ(l.polygoner[0], (std::vector<TPixel>{{100, 100}, {101, 100}, {101, 99}}));
}

TEST(TegnElementer, PenOgPenselFraFigurensKoder)
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa, 10);
    TilfoejPunkt(f, 0, 0);
    TilfoejPunkt(f, 1, 0);
    TilfoejPunkt(f, 1, 1);
    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    EXPECT_EQ(l.penStil, TPenStil::StregPrik);
    EXPECT_EQ(l.penBredde, 3);
    EXPECT_EQ(l.penFarve, (TFarve{245, 219, 115}));
    EXPECT_EQ(l.fyldStil, TFyldStil::Krydsskraveret);
    EXPECT_EQ(l.fyldFarve, (TFarve{155, 155, 155}));
    // Kind 10 draws no outline, but the fill still comes.
    EXPECT_TRUE(l.streger.empty());
    EXPECT_EQ(l.polygoner.size(), 1U);
}

TEST(TegnElementer, UkendtePenOgFyldkoderBeholderDenForrigeStil)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, kPenPrikket, 1, 0, kFyldKryds, 0, 0), 0, 0);
    TTegnFigur ukendt;
    ukendt.PenStil = 9; // only a record made by hand can hold this
    ukendt.FyldStil = 5;
    ukendt.Punkter = {{0, 0}, {1, 1}};
    t.Figurer.push_back(ukendt);
    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    EXPECT_EQ(l.penStil, TPenStil::Prikket);
    EXPECT_EQ(l.fyldStil, TFyldStil::Krydsskraveret);
    // A non-zero fill code fills, with the brush style left as it was.
    EXPECT_EQ(l.polygoner.size(), 1U);
}

TEST(TegnElementer, FigurUdenPunkterEllerMedEtPunktTegnerIntet)
{
    TTegning t;
    NyFigur(t.Figurer, 0, 1, 0, kFyldFuld, 0, kArtLinje);
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 15, kFyldIngen, 15, kArtLinje), 1, 1);
    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    EXPECT_TRUE(l.streger.empty());
    EXPECT_TRUE(l.polygoner.empty());
}

struct Lodret
{
    const char* navn;
    std::uint16_t just;
    int linjehoejde;
    TLodretJustering flag;
    int forskydning; // pixels upwards
};

class LodretJustering : public ::testing::TestWithParam<Lodret>
{
};

// A text anchored at world (0, 0), which maps onto row 100.
TEST_P(LodretJustering, MidtflytterEnHalvLinjeOp)
{
    const Lodret& c = GetParam();
    TTegning t;
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, c.just), "0", 0, 0);
    OptagendeLaerred l;
    l.linjehoejde = c.linjehoejde;
    TVisning v = Enhedsvisning();
    v.TH = l.TekstHoejde("0");
    TegnElementer(l, v, t);
    ASSERT_EQ(l.tekster.size(), 1U);
    EXPECT_EQ(l.tekster[0].lodret, c.flag);
    EXPECT_EQ(l.tekster[0].anker, (TPixel{100, 100 - c.forskydning}));
}

INSTANTIATE_TEST_SUITE_P(
    Koder, LodretJustering,
    ::testing::Values(Lodret{"BundVedAnkeret", 0, 13, TLodretJustering::Bund, 0},
                      Lodret{"Midt13PixelGiver6", 1, 13, TLodretJustering::Top, 6},
                      Lodret{"Midt15PixelGiver8", 1, 15, TLodretJustering::Top, 8},
                      Lodret{"Midt14PixelGiver7", 1, 14, TLodretJustering::Top, 7},
                      Lodret{"TopVedAnkeret", 2, 13, TLodretJustering::Top, 0},
                      Lodret{"UkendtGiverTop", 7, 13, TLodretJustering::Top, 0}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(TegnElementer, VandretJusteringOgTekstfarve)
{
    TTegning t;
    for (std::uint16_t just : {0, 1, 2, 3})
    {
        TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, just, 0), "x", 0, 0);
    }
    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    ASSERT_EQ(l.tekster.size(), 4U);
    EXPECT_EQ(l.tekster[0].vandret, TVandretJustering::Venstre);
    EXPECT_EQ(l.tekster[1].vandret, TVandretJustering::Centreret);
    EXPECT_EQ(l.tekster[2].vandret, TVandretJustering::Hoejre);
    EXPECT_EQ(l.tekster[3].vandret, TVandretJustering::Centreret);
    EXPECT_EQ(l.tekster[0].farve, (TFarve{0, 128, 0}));
}

// A text vertically centred on a horizontal line is drawn with the line through its middle.
TEST(TegnTegning, MidtjusteretTekstPaaEnLinjeHarLinjenGennemMidten)
{
    TTegning t = Linjetegning({{0, 0}, {18, 0}});
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 1, kJustMidt), "Husbredde", 9, 0);
    OptagendeLaerred l;
    l.linjehoejde = 14;
    TegnTegning(l, 1000, 700, t, true);
    ASSERT_EQ(l.tekster.size(), 1U);
    const int linjensRaekke = l.streger[0].fra.Y;
    EXPECT_EQ(l.tekster[0].anker.Y + 7, linjensRaekke);
}

TEST(TegnTegning, SammeTegningToGangeGiverSammeBillede)
{
    TTegning t = Linjetegning({{0, 0}, {3, 1}, {5, -2}});
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 1, 1), "x", 1, 1);
    OptagendeLaerred a;
    OptagendeLaerred b;
    TegnTegning(a, 640, 480, t, true);
    TegnTegning(a, 640, 480, t, true);
    TegnTegning(b, 640, 480, t, true);
    ASSERT_EQ(a.streger.size(), 2 * b.streger.size());
    for (std::size_t i = 0; i < b.streger.size(); ++i)
    {
        EXPECT_EQ(a.streger[i], a.streger[i + b.streger.size()]);
    }
}

TEST(TegnTegning, IkkeEndeligeKoordinaterNaarAldrigLaerredet)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TTegning t = Linjetegning({{0, 0}, {1, 1}, {inf, 2}, {2, 2}, {nan, 0}});
    TTegnFigur& fyldt = NyFigur(t.Figurer, 0, 1, 0, kFyldFuld, 0, kArtLinje);
    TilfoejPunkt(fyldt, 0, 0);
    TilfoejPunkt(fyldt, -inf, 1);
    TilfoejPunkt(fyldt, 1, 0);
    TilfoejPunkt(fyldt, 1, 1);
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 0, 0, 0, kArtPlus), nan, nan);
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "væk", inf, 0);
    TilfoejTekst(t.Tekster[0], "her", 1, 1);

    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, t, true);
    // Only the segments between finite points are drawn: (0,0)-(1,1) of the polyline and
    // (1,0)-(1,1) of the filled figure's outline.
    ASSERT_EQ(l.streger.size(), 2U);
    ASSERT_EQ(l.polygoner.size(), 1U);
    EXPECT_EQ(l.polygoner[0].size(), 3U);
    ASSERT_EQ(l.tekster.size(), 1U);
    EXPECT_EQ(l.tekster[0].tekst, "her");
    for (const auto& s : l.streger)
    {
        EXPECT_GE(s.til.X, 0);
        EXPECT_LE(s.til.X, 1000);
    }
}

TEST(TegnTegning, KaempeKoordinaterTegnerIntetFremForAtDividereMedUendelig)
{
    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, Linjetegning({{-1e308, 0}, {1e308, 1}}), true);
    EXPECT_TRUE(l.Tegnekald().empty());
}

} // namespace
} // namespace taglo
