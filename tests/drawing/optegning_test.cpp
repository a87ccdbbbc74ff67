#include "drawing/optegning.h"

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

// The margin takes 1/18 of the extent on each side, so the drawing fills 90 % of the
// limiting axis; with one scale the other axis is centred. On 1000 x 700 pixels:
// - wide, 18 x 2 units: x -1..19 on 1000 columns, 50 pixels per unit, centred on y = 1;
// - tall, 2 x 18 units: y -1..19 on 700 rows, 35 pixels per unit, centred on x = 1;
// - without one scale, 18 x 9 units: x -1..19 on 1000 columns, y -0.5..9.5 on 700 rows.
TEST(TegnTegning, MargenEnAttendedelOgSammeSkalaCentreretPaaDenBegraensendeAkse)
{
    struct
    {
        const char* navn;
        TTegnPunkt slut;
        bool sammeSkala;
        OptagetStreg streg;
    } const tilfaelde[] = {{"BredTegning", {18, 2}, true, {{50, 400}, {950, 300}}},
                           {"HoejTegning", {2, 18}, true, {{465, 665}, {535, 35}}},
                           {"HverAkseStrakt", {18, 9}, false, {{50, 665}, {950, 35}}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        OptagendeLaerred l;
        TegnTegning(l, 1000, 700, Linjetegning({{0, 0}, c.slut}), c.sammeSkala);
        ASSERT_EQ(l.streger.size(), 1U);
        EXPECT_EQ(l.streger[0], c.streg);
    }
}

// A paint box without area, an empty drawing or a drawing too large to scale paints nothing
// and never divides by zero or infinity.
TEST(TegnTegning, TegnerIntetNaarDerIkkeErNogetAtTegnePaa)
{
    struct
    {
        const char* navn;
        int W, H;
        TTegning tegning;
    } const tilfaelde[] = {
        {"NulBred", 0, 700, Linjetegning({{0, 0}, {1, 1}})},
        {"NulHoej", 1000, 0, Linjetegning({{0, 0}, {1, 1}})},
        {"Negativ", -5, 100, Linjetegning({{0, 0}, {1, 1}})},
        {"Nul", 0, 0, Linjetegning({{0, 0}, {1, 1}})},
        {"TomTegning", 1000, 700, TTegning{}},
        {"KaempeKoordinater", 1000, 700, Linjetegning({{-1e308, 0}, {1e308, 1}})}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        for (const bool sammeSkala : {true, false})
        {
            OptagendeLaerred l;
            TegnTegning(l, c.W, c.H, c.tegning, sammeSkala);
            EXPECT_TRUE(l.Tegnekald().empty());
        }
    }
}

// A percentage below 0.01 counts as 0.01: k = 99.99 / 0.02 = 4999.5 widths on each side.
TEST(LaegMargen, ForLillePorcentRegnesSom001)
{
    double lo = 0;
    double hi = 1;
    LaegMargen(lo, hi, 0);
    EXPECT_DOUBLE_EQ(lo, -4999.5);
    EXPECT_DOUBLE_EQ(hi, 5000.5);
}

// Halves go to the even neighbour; far outside the result is held at the limit, and a value
// that is not a number gives 0.
TEST(SkaermX, HalveTilLigeNaboOgLangtUdeHoldesVedGraensen)
{
    const TVisning v = Enhedsvisning();
    EXPECT_EQ(SkaermX(v, 2.5), 102);
    EXPECT_EQ(SkaermX(v, 3.5), 104);
    EXPECT_EQ(SkaermX(v, -101.5), -2);
    EXPECT_EQ(SkaermX(v, 2.6), 103);
    EXPECT_EQ(SkaermY(v, 2.5), 98); // 97.5
    EXPECT_EQ(SkaermY(v, 1.5), 98); // 98.5
    EXPECT_EQ(SkaermX(v, 1e300), kSkaermGraense);
    EXPECT_EQ(SkaermY(v, 1e300), -kSkaermGraense);
    EXPECT_EQ(SkaermX(v, std::numeric_limits<double>::quiet_NaN()), 0);
}

// The markers in pixels around their point, x right and y down; they keep their size at any
// scale. Arrowheads are 6 pixels long and 6 wide, the plus 10, the cross 8, the circle an
// octagon of radius 4.
TEST(TegnMaerke, StregerneIPixelOmPunktet)
{
    struct
    {
        const char* navn;
        std::uint8_t art;
        std::vector<OptagetStreg> streger;
    } const tilfaelde[] = {
        {"Plus", 2, {{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}}},
        {"PlusMedKryds",
         3,
         {{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}, {{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}}},
        {"Cirkel",
         4,
         {{{-4, 0}, {-3, 3}},
          {{-3, 3}, {0, 4}},
          {{0, 4}, {3, 3}},
          {{3, 3}, {4, 0}},
          {{4, 0}, {3, -3}},
          {{3, -3}, {0, -4}},
          {{0, -4}, {-3, -3}},
          {{-3, -3}, {-4, 0}}}},
        {"Kryds", 5, {{{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}}},
        {"PilOp", 6, {{{-3, 6}, {0, 0}}, {{3, 6}, {0, 0}}}},
        {"PilNed", 7, {{{-3, -6}, {0, 0}}, {{3, -6}, {0, 0}}}},
        {"PilVenstre", 8, {{{6, 3}, {0, 0}}, {{6, -3}, {0, 0}}}},
        {"PilHoejre", 9, {{{-6, 3}, {0, 0}}, {{-6, -3}, {0, 0}}}},
        {"UkendtArtTegnerIntet", 10, {}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
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
    OptagendeLaerred punkt;
    TegnMaerke(punkt, Enhedsvisning(), kArtPunkt, 3, 2, Farve(kRoed));
    EXPECT_TRUE(punkt.streger.empty());
    EXPECT_EQ(punkt.pixels, (std::vector<TPixel>{{103, 98}}));
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
        "PenStil",  "PenBredde", "PenFarve",       "FyldStil",   "FyldFarve", "FlytTil",
        "LinjeTil", "FlytTil",   "LinjeTil",       "Polygon",    "PenStil",   "PenBredde",
        "PenFarve", "FyldStil",  "FyldFarve",      "FlytTil",    "FlytTil",   "LinjeTil",
        "FlytTil",  "LinjeTil",  "TekstJustering", "TekstFarve", "Tekst"};
    EXPECT_EQ(l.Tegnekald(), forventet);
    EXPECT_EQ(l.polygoner, (std::vector<std::vector<TPixel>>{{{100, 100}, {101, 100}, {101, 99}}}));
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

// Codes that only a record made by hand can hold keep the previous style; a figure without
// points or with one point of kind line paints nothing.
TEST(TegnElementer, UkendteKoderOgTommeFigurerSkaderIkke)
{
    TTegning t;
    NyFigur(t.Figurer, 0, 1, 0, kFyldFuld, 0, kArtLinje);
    TilfoejPunkt(NyFigur(t.Figurer, kPenPrikket, 1, 0, kFyldKryds, 0, 0), 0, 0);
    TTegnFigur ukendt;
    ukendt.PenStil = 9;
    ukendt.FyldStil = 5;
    ukendt.Punkter = {{0, 0}, {1, 1}};
    t.Figurer.push_back(ukendt);
    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    EXPECT_EQ(l.penStil, TPenStil::Prikket);
    EXPECT_EQ(l.fyldStil, TFyldStil::Krydsskraveret);
    // Only the hand-made figure is drawn; its non-zero fill code fills.
    EXPECT_EQ(l.streger.size(), 1U);
    EXPECT_EQ(l.polygoner.size(), 1U);
}

// The alignment codes of a text group: vertically centred texts are written hanging from
// half a line above the anchor (row 100), half the height of "0" rounded to even; unknown
// codes centre horizontally and hang vertically. The group's colour is the text colour.
TEST(TegnElementer, JusteringOgFarveAfTeksterne)
{
    using V = TVandretJustering;
    using L = TLodretJustering;
    struct
    {
        const char* navn;
        std::uint16_t vandret, lodret;
        int linjehoejde;
        V vandretFlag;
        L lodretFlag;
        int op;
    } const tilfaelde[] = {{"VenstreBund", 0, 0, 13, V::Venstre, L::Bund, 0},
                           {"CentreretMidt13PixelGiver6", 1, 1, 13, V::Centreret, L::Top, 6},
                           {"HoejreMidt14PixelGiver7", 2, 1, 14, V::Hoejre, L::Top, 7},
                           {"Midt15PixelGiver8", 0, 1, 15, V::Venstre, L::Top, 8},
                           {"Top", 0, 2, 13, V::Venstre, L::Top, 0},
                           {"UkendteKoder", 3, 7, 13, V::Centreret, L::Top, 0}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, c.vandret, c.lodret), "0", 0, 0);
        OptagendeLaerred l;
        l.linjehoejde = c.linjehoejde;
        TVisning v = Enhedsvisning();
        v.TH = c.linjehoejde;
        TegnElementer(l, v, t);
        ASSERT_EQ(l.tekster.size(), 1U);
        EXPECT_EQ(l.tekster[0].vandret, c.vandretFlag);
        EXPECT_EQ(l.tekster[0].lodret, c.lodretFlag);
        EXPECT_EQ(l.tekster[0].anker, (TPixel{100, 100 - c.op}));
        EXPECT_EQ(l.tekster[0].farve, (TFarve{0, 128, 0}));
    }
}

// Only the segments between finite points are drawn: (0,0)-(1,1) of the polyline and
// (1,0)-(1,1) of the filled figure's outline, whose fill keeps its three finite corners.
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

} // namespace
} // namespace taglo
