#include "drawing/optegning.h"

#include "drawing/laerred.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace taglo
{
namespace
{
// One painted line, from the pen position to the end point.
struct OptagetStreg
{
    TPixel fra;
    TPixel til;
    bool operator==(const OptagetStreg&) const = default;
};

struct OptagetTekst
{
    TPixel anker;
    std::string tekst;
    TVandretJustering vandret = TVandretJustering::Venstre;
    TLodretJustering lodret = TLodretJustering::Top;
    TFarve farve;
};

// A canvas that records the strokes, polygons, pixels, erased rectangles and texts painted,
// in pixels, the kinds of painting call in order ("Streg", "Polygon", "Pixel", "Slet",
// "Tekst"), and the pen and brush last set. Every character is 7 pixels wide.
class OptagendeLaerred final : public Laerred
{
  public:
    int linjehoejde = 13; // the full line height that TekstHoejde answers
    std::vector<std::string> kald;
    std::vector<OptagetStreg> slettet; // the corners of each erased rectangle
    std::vector<OptagetStreg> streger;
    std::vector<std::vector<TPixel>> polygoner;
    std::vector<TPixel> pixels;
    std::vector<OptagetTekst> tekster;
    TPenStil penStil = TPenStil::Fuld;
    int penBredde = 1;
    TFarve penFarve;
    TFyldStil fyldStil = TFyldStil::Klar;
    TFarve fyldFarve;
    TPixel position;
    OptagetTekst tekststil; // the alignment and colour the next text gets

    void SaetPenStil(TPenStil s) override { penStil = s; }
    void SaetPenBredde(int b) override { penBredde = b; }
    void SaetPenFarve(TFarve f) override { penFarve = f; }
    void SaetFyldStil(TFyldStil s) override { fyldStil = s; }
    void SaetFyldFarve(TFarve f) override { fyldFarve = f; }
    void FlytTil(TPixel p) override { position = p; }
    void LinjeTil(TPixel p) override { Optag("Streg", streger, {std::exchange(position, p), p}); }
    void Polygon(std::span<const TPixel> p) override
    {
        Optag("Polygon", polygoner, {p.begin(), p.end()});
    }
    void SaetPixel(TPixel p, TFarve /*farve*/) override { Optag("Pixel", pixels, p); }
    int TekstHoejde(std::string_view /*tekst*/) override { return linjehoejde; }
    int TekstBredde(std::string_view tekst) override { return 7 * static_cast<int>(tekst.size()); }
    void SletRektangel(TPixel fra, TPixel til) override { Optag("Slet", slettet, {fra, til}); }
    void SaetTekstJustering(TVandretJustering v, TLodretJustering l) override
    {
        tekststil.vandret = v;
        tekststil.lodret = l;
    }
    void SaetTekstFarve(TFarve f) override { tekststil.farve = f; }
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        tekststil.anker = p;
        tekststil.tekst = tekst;
        Optag("Tekst", tekster, tekststil);
    }

  private:
    template <class T>
    void Optag(const char* art, std::vector<T>& liste, std::type_identity_t<T> element)
    {
        kald.emplace_back(art);
        liste.push_back(std::move(element));
    }
};

// Appends a figure through the points: a black line unless said otherwise.
void Figur(TTegning& t, std::vector<TTegnPunkt> punkter, std::uint16_t penStil = kPenFuld,
           std::uint16_t penBredde = 1, std::uint16_t penFarve = kSort,
           std::uint16_t fyldStil = kFyldIngen, std::uint16_t fyldFarve = kSort,
           std::uint8_t art = kArtLinje)
{
    NyFigur(t.Figurer, penStil, penBredde, penFarve, fyldStil, fyldFarve, art).Punkter =
        std::move(punkter);
}

TTegning Linjetegning(std::vector<TTegnPunkt> punkter)
{
    TTegning t;
    Figur(t, std::move(punkter));
    return t;
}

// A view that maps world (0, 0) onto the pixel (100, 100), one pixel per unit, y upwards.
TVisning Enhedsvisning(int linjehoejde = 13)
{
    return {.W = 200, .H = 200, .SX = 1, .SY = -1, .OX = 100, .OY = 100, .TH = 1.0 * linjehoejde};
}

// The margin takes 1/18 of the extent on each side, so the drawing fills 90 % of the
// limiting axis, and the other axis is centred at the same scale. On 1000 x 700 pixels a
// wide drawing of 18 x 2 units spans x -1..19 on 1000 columns (50 pixels per unit, centred
// on y = 1), a tall one of 2 x 18 units y -1..19 on 700 rows (35 per unit, centred on x = 1).
TEST(TegnTegning, MargenEnAttendedelOgSammeSkalaCentreretPaaDenBegraensendeAkse)
{
    struct
    {
        const char* navn;
        TTegnPunkt slut;
        OptagetStreg streg;
    } const tilfaelde[] = {{"BredTegning", {18, 2}, {{50, 400}, {950, 300}}},
                           {"HoejTegning", {2, 18}, {{465, 665}, {535, 35}}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        OptagendeLaerred l;
        TegnTegning(l, 1000, 700, Linjetegning({{0, 0}, c.slut}), true);
        EXPECT_EQ(l.streger, std::vector<OptagetStreg>{c.streg});
    }
}

// A paint box without area, an empty drawing or a drawing too large to scale paints nothing
// and never divides by zero or infinity.
TEST(TegnTegning, TegnerIntetNaarDerIkkeErNogetAtTegnePaa)
{
    const TTegning linje = Linjetegning({{0, 0}, {1, 1}});
    struct
    {
        const char* navn;
        int W, H;
        TTegning tegning;
    } const tilfaelde[] = {
        {"NulBred", 0, 700, linje},
        {"NulHoej", 1000, 0, linje},
        {"NegativBredde", -5, 100, linje},
        {"TomTegning", 1000, 700, TTegning{}},
        {"KaempeKoordinater", 1000, 700, Linjetegning({{-1e308, 0}, {1e308, 1}})}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        for (const bool sammeSkala : {true, false})
        {
            OptagendeLaerred l;
            TegnTegning(l, c.W, c.H, c.tegning, sammeSkala);
            EXPECT_TRUE(l.kald.empty());
        }
    }
}

// The markers in pixels around their point, x right and y down, at any scale: arrowheads
// 6 pixels long and 6 wide, the plus 10, the cross 8, the circle an octagon of radius 4; a
// point is one pixel, an unknown kind nothing. Each stroke list is a set of polylines.
TEST(TegnMaerke, StregerneIPixelOmPunktet)
{
    using Linjer = std::vector<std::vector<TPixel>>;
    const Linjer plus{{{0, -5}, {0, 5}}, {{-5, 0}, {5, 0}}};
    const Linjer kryds{{{4, -4}, {-4, 4}}, {{-4, -4}, {4, 4}}};
    struct
    {
        const char* navn;
        std::uint8_t art;
        Linjer linjer;
        std::vector<TPixel> pixels;
    } const tilfaelde[] = {
        {"Punkt", kArtPunkt, {}, {{0, 0}}},
        {"Plus", kArtPlus, plus, {}},
        {"PlusMedKryds", kArtStjerne, {plus[0], plus[1], kryds[0], kryds[1]}, {}},
        {"Cirkel",
         kArtCirkel,
         {{{-4, 0}, {-3, 3}, {0, 4}, {3, 3}, {4, 0}, {3, -3}, {0, -4}, {-3, -3}, {-4, 0}}},
         {}},
        {"Kryds", kArtKryds, kryds, {}},
        {"PilOp", kArtPilOp, {{{-3, 6}, {0, 0}}, {{3, 6}, {0, 0}}}, {}},
        {"PilNed", kArtPilNed, {{{-3, -6}, {0, 0}}, {{3, -6}, {0, 0}}}, {}},
        {"PilVenstre", kArtPilVenstre, {{{6, 3}, {0, 0}}, {{6, -3}, {0, 0}}}, {}},
        {"PilHoejre", kArtPilHoejre, {{{-6, 3}, {0, 0}}, {{-6, -3}, {0, 0}}}, {}},
        {"UkendtArt", 10, {}, {}}};
    const auto flyt = [](TPixel p) { return TPixel{103 + p.X, 98 + p.Y}; };
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        OptagendeLaerred l;
        TegnMaerke(l, Enhedsvisning(), c.art, 3, 2, Farve(kRoed)); // pixel (103, 98)
        std::vector<OptagetStreg> streger;
        for (const auto& linje : c.linjer)
        {
            for (std::size_t n = 1; n < linje.size(); ++n)
            {
                streger.push_back({flyt(linje[n - 1]), flyt(linje[n])});
            }
        }
        std::vector<TPixel> pixels;
        std::ranges::transform(c.pixels, std::back_inserter(pixels), flyt);
        EXPECT_EQ(l.streger, streger);
        EXPECT_EQ(l.pixels, pixels);
    }
}

// An arrow, a text group of two texts and a filled line, in that list order: each figure is
// painted in turn with its own pen and brush, the line's outline segment by segment before
// its fill, and the texts after all figures, each on its background, all backgrounds first.
TEST(TegnElementer, FigurerIListeordenOmridsFoerFyldTeksterSidst)
{
    TTegning t;
    Figur(t, {{0, 0}}, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtPilOp);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kRoed, 0, 0), "tekst", 0, 0);
    TilfoejTekst(t.Tekster[0], "tekst", 0, -20);
    Figur(t, {{0, 0}, {1, 0}, {1, 1}}, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa);

    OptagendeLaerred l;
    TegnElementer(l, Enhedsvisning(), t);
    EXPECT_EQ(l.kald, (std::vector<std::string>{"Streg", "Streg", "Streg", "Streg", "Polygon",
                                                "Slet", "Slet", "Tekst", "Tekst"}));
    EXPECT_EQ(l.streger[0].til, (TPixel{100, 100}));
    EXPECT_EQ(l.streger[2], (OptagetStreg{{100, 100}, {101, 100}}));
    EXPECT_EQ(l.polygoner, (std::vector<std::vector<TPixel>>{{{100, 100}, {101, 100}, {101, 99}}}));
    EXPECT_EQ(l.penStil, TPenStil::StregPrik);
    EXPECT_EQ(l.penBredde, 3);
    EXPECT_EQ(l.penFarve, (TFarve{245, 219, 115}));
    EXPECT_EQ(l.fyldStil, TFyldStil::Krydsskraveret);
    EXPECT_EQ(l.fyldFarve, (TFarve{155, 155, 155}));
}

// Vertically centred texts are written hanging from half a line above the anchor (row 100),
// half the height of "0" rounded to even; unknown codes centre horizontally and hang. The
// group's colour is the text colour. The background of "0", 7 pixels wide and a line high,
// is the text's place less a pixel on every side: 5 columns by 11 or 12 rows.
TEST(TegnElementer, LodretCentreretTekstHaengerEnHalvLinjeOverAnkeret)
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
        OptagetStreg baggrund; // top left and bottom right corner
    } const tilfaelde[] = {
        {"VenstreBund", 0, 0, 13, V::Venstre, L::Bund, 0, {{101, 88}, {105, 98}}},
        {"CentreretMidt13PixelGiver6", 1, 1, 13, V::Centreret, L::Top, 6, {{98, 95}, {102, 105}}},
        {"HoejreMidt14PixelGiver7", 2, 1, 14, V::Hoejre, L::Top, 7, {{94, 94}, {98, 105}}},
        {"Top", 0, 2, 13, V::Venstre, L::Top, 0, {{101, 101}, {105, 111}}},
        {"UkendteKoder", 3, 7, 13, V::Centreret, L::Top, 0, {{98, 101}, {102, 111}}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, c.vandret, c.lodret), "0", 0, 0);
        OptagendeLaerred l;
        l.linjehoejde = c.linjehoejde;
        TegnElementer(l, Enhedsvisning(c.linjehoejde), t);
        ASSERT_EQ(l.tekster.size(), 1U);
        EXPECT_EQ(l.tekster[0].vandret, c.vandretFlag);
        EXPECT_EQ(l.tekster[0].lodret, c.lodretFlag);
        EXPECT_EQ(l.tekster[0].anker, (TPixel{100, 100 - c.op}));
        EXPECT_EQ(l.tekster[0].farve, (TFarve{0, 128, 0}));
        EXPECT_EQ(l.slettet, std::vector<OptagetStreg>{c.baggrund});
    }
}

// A text that would run over the edge of the paint box (200 x 200 pixels; "tekst" is 35
// pixels wide and 13 high) is written moved in just so far that it and its background do
// not: from column 190 to the left edge of 165, ending at column 5 to ending at 35, hanging
// from row 195 to row 187, standing on row 5 to row 13. A text inside stays at its anchor.
TEST(TegnElementer, TekstVedKantenFlyttesIndPaaMalefladen)
{
    struct
    {
        const char* navn;
        std::uint16_t vandret, lodret;
        TTegnPunkt anker; // world, one pixel a unit, (0, 0) on pixel (100, 100)
        TPixel skrevet;
    } const tilfaelde[] = {{"HoejreKant", kJustVenstre, kJustTop, {90, 50}, {165, 50}},
                           {"VenstreKantOgBund", kJustHoejre, kJustTop, {-95, -95}, {35, 187}},
                           {"Top", kJustVenstre, kJustBund, {0, 95}, {100, 13}},
                           {"Indenfor", kJustCentreret, kJustBund, {0, 0}, {100, 100}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        TilfoejTekst(NyTekstGruppe(t.Tekster, kSort, c.vandret, c.lodret), "tekst", c.anker.X,
                     c.anker.Y);
        OptagendeLaerred l;
        TegnElementer(l, Enhedsvisning(), t);
        ASSERT_EQ(l.tekster.size(), 1U);
        EXPECT_EQ(l.tekster[0].anker, c.skrevet);
        ASSERT_EQ(l.slettet.size(), 1U);
        for (const TPixel p : {l.slettet[0].fra, l.slettet[0].til})
        {
            EXPECT_TRUE(p.X >= 0 && p.X < 200 && p.Y >= 0 && p.Y < 200);
        }
    }
}

// Only the segments between finite points are drawn: (0,0)-(1,1) of the polyline and
// (1,0)-(1,1) of the filled figure's outline, whose fill keeps its three finite corners; a
// text at infinity is left out.
TEST(TegnTegning, IkkeEndeligeKoordinaterNaarAldrigLaerredet)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TTegning t = Linjetegning({{0, 0}, {1, 1}, {inf, 2}, {2, 2}, {nan, 0}});
    Figur(t, {{0, 0}, {-inf, 1}, {1, 0}, {1, 1}}, kPenFuld, 1, kSort, kFyldFuld);
    Figur(t, {{nan, nan}}, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtPlus);
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "væk", inf, 0);
    TilfoejTekst(t.Tekster[0], "her", 1, 1);

    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, t, true);
    EXPECT_EQ(l.kald, (std::vector<std::string>{"Streg", "Streg", "Polygon", "Slet", "Tekst"}));
    EXPECT_EQ(l.polygoner[0].size(), 3U);
    EXPECT_EQ(l.tekster[0].tekst, "her");
}

} // namespace
} // namespace taglo
