#include "drawing/optegning.h"

#include "drawing/laerred.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace taglo
{
namespace
{
// A canvas that writes down each painting call in pixels, in order: "Streg 0,0 1,1; Polygon
// 0,0 1,0 1,1; Pixel 3,2; Slet 1,1 5,11; Tekst 100,94 0" (Slet: an erased rectangle's corners),
// and the pen, brush and text style last set. A character is 7 pixels wide.
class OptagendeLaerred final : public Laerred
{
  public:
    int linjehoejde = 13; // the full line height that TekstHoejde answers
    std::string kald;
    TPenStil penStil = TPenStil::Fuld;
    int penBredde = 1;
    TFarve penFarve;
    TFyldStil fyldStil = TFyldStil::Klar;
    TFarve fyldFarve;
    TVandretJustering vandret = TVandretJustering::Venstre;
    TLodretJustering lodret = TLodretJustering::Top;
    TFarve tekstFarve;

    void SaetPenStil(TPenStil s) override { penStil = s; }
    void SaetPenBredde(int b) override { penBredde = b; }
    void SaetPenFarve(TFarve f) override { penFarve = f; }
    void SaetFyldStil(TFyldStil s) override { fyldStil = s; }
    void SaetFyldFarve(TFarve f) override { fyldFarve = f; }
    void FlytTil(TPixel p) override { position_ = p; }
    void LinjeTil(TPixel p) override { Noter("Streg", {std::exchange(position_, p), p}); }
    void Polygon(std::span<const TPixel> p) override { Noter("Polygon", {p.begin(), p.end()}); }
    void SaetPixel(TPixel p, TFarve /*farve*/) override { Noter("Pixel", {p}); }
    int TekstHoejde(std::string_view /*tekst*/) override { return linjehoejde; }
    int TekstBredde(std::string_view tekst) override { return 7 * static_cast<int>(tekst.size()); }
    void SletRektangel(TPixel fra, TPixel til) override { Noter("Slet", {fra, til}); }
    void SaetTekstJustering(TVandretJustering v, TLodretJustering l) override
    {
        vandret = v;
        lodret = l;
    }
    void SaetTekstFarve(TFarve f) override { tekstFarve = f; }
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        Noter("Tekst", {p});
        kald += " " + std::string(tekst);
    }

  private:
    void Noter(const char* art, const std::vector<TPixel>& punkter)
    {
        kald += (kald.empty() ? "" : "; ") + std::string(art);
        for (const TPixel p : punkter)
        {
            kald += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
        }
    }
    TPixel position_;
};

// A drawing of one black line through the points.
TTegning Linjetegning(std::vector<TTegnPunkt> punkter)
{
    TTegning t;
    NyFigur(t.Figurer, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtLinje).Punkter =
        std::move(punkter);
    return t;
}

// A view of 200 x 200 pixels that maps world (0, 0) onto the pixel (100, 100), one pixel a
// unit, y upwards.
TVisning Enhedsvisning(int linjehoejde)
{
    TVisning v{.W = 200, .H = 200, .SX = 1, .SY = -1, .OX = 100, .OY = 100};
    v.TH = linjehoejde;
    return v;
}

// A margin of 1/18 of the extent on each side: the drawing fills 90 % of the limiting axis, the
// other centred at the same scale, or stretched, 90 % of each. On 1000 x 700 pixels 18 x 2 units
// span x -1..19 on 1000 columns (50 pixels a unit), 2 x 18 units y -1..19 on 700 rows (35). A
// paint box without area, an empty drawing or one too large to scale paints nothing.
TEST(TegnTegning, MargenEnAttendedelOgSammeSkalaEllerIntetAtTegnePaa)
{
    const TTegning bred = Linjetegning({{0, 0}, {18, 2}});
    struct
    {
        const char* navn;
        int W, H;
        TTegning tegning;
        const char* sammeSkala;
        const char* strakt;
    } const tilfaelde[] = {
        {"BredTegning", 1000, 700, bred, "Streg 50,400 950,300", "Streg 50,665 950,35"},
        {"HoejTegning", 1000, 700, Linjetegning({{0, 0}, {2, 18}}), "Streg 465,665 535,35",
         "Streg 50,665 950,35"},
        {"NulBred", 0, 700, bred, "", ""},
        {"NulHoej", 1000, 0, bred, "", ""},
        {"NegativBredde", -5, 100, bred, "", ""},
        {"TomTegning", 1000, 700, TTegning{}, "", ""},
        {"KaempeKoordinater", 1000, 700, Linjetegning({{-1e308, 0}, {1e308, 1}}), "", ""}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        OptagendeLaerred sammeSkala;
        TegnTegning(sammeSkala, c.W, c.H, c.tegning, true);
        EXPECT_EQ(sammeSkala.kald, c.sammeSkala);
        OptagendeLaerred strakt;
        TegnTegning(strakt, c.W, c.H, c.tegning, false);
        EXPECT_EQ(strakt.kald, c.strakt);
    }
}

// Figures in list order with their own pen and brush, outline before fill, then the texts in
// their group's colour, all backgrounds first. Only what lies between finite points is drawn
// and fitted: the polyline's (0,0)-(1,1), the filled figure's (1,0)-(1,1) and its three finite
// corners; a marker or text at a point not finite is left out. The finite points span 0..2,
// fitted on 700 rows at 315 pixels a unit with (0, 0) on pixel (185, 665).
TEST(TegnTegning, FigurerIListeordenTeksterSidstIkkeEndeligePunkterUdeladt)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TTegning t = Linjetegning({{0, 0}, {1, 1}, {inf, 2}, {2, 2}, {nan, 0}});
    NyFigur(t.Figurer, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtPlus).Punkter = {{nan, nan}};
    NyFigur(t.Figurer, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa, kArtLinje).Punkter = {
        {0, 0}, {-inf, 1}, {1, 0}, {1, 1}};
    TTekstGruppe& gruppe = NyTekstGruppe(t.Tekster, kRoed, kJustVenstre, kJustBund);
    TilfoejTekst(gruppe, "væk", inf, 0);
    TilfoejTekst(gruppe, "her", 1, 1);
    TilfoejTekst(gruppe, "der", 2, 2);

    OptagendeLaerred l;
    TegnTegning(l, 1000, 700, t, true);
    EXPECT_EQ(l.kald, "Streg 185,665 500,350; Streg 500,665 500,350; "
                      "Polygon 185,665 500,665 500,350; Slet 501,338 519,348; "
                      "Slet 816,23 834,33; Tekst 500,350 her; Tekst 815,35 der");
    EXPECT_EQ(l.penStil, TPenStil::StregPrik);
    EXPECT_EQ(l.penBredde, 3);
    EXPECT_EQ(l.penFarve, (TFarve{245, 219, 115}));
    EXPECT_EQ(l.fyldStil, TFyldStil::Krydsskraveret);
    EXPECT_EQ(l.fyldFarve, (TFarve{155, 155, 155}));
    EXPECT_EQ(l.tekstFarve, (TFarve{255, 0, 0}));
}

// One text "tekst" (35 pixels wide, a line high) in a group with the alignment codes, on the
// 200 x 200 view: the flags the canvas gets, its background (the text's place less a pixel on
// every side) and where it is written. Vertically centred texts hang from half a line above the
// anchor, half the line rounded to even (13 pixels give 6, 14 give 7); unknown codes centre
// horizontally and hang. A text that would run over the edge is moved in just so far that it
// and its background do not: from column 190 to start at 165, ending at column 5 to ending at
// 35, hanging from row 195 to row 187, standing on row 5 to row 13.
TEST(TegnElementer, TekstensJusteringBaggrundOgPladsPaaMalefladen)
{
    using enum TVandretJustering;
    using enum TLodretJustering;
    struct
    {
        const char* navn;
        std::uint16_t vandret, lodret;
        int linjehoejde;
        TTegnPunkt anker; // world, one pixel a unit, (0, 0) on pixel (100, 100)
        TVandretJustering vandretFlag;
        TLodretJustering lodretFlag;
        const char* kald; // the text written is "tekst"
    } const tilfaelde[] = {
        {"VenstreBund", 0, 0, 13, {0, 0}, Venstre, Bund, "Slet 101,88 133,98; Tekst 100,100"},
        {"Midt13Giver6", 1, 1, 13, {0, 0}, Centreret, Top, "Slet 84,95 116,105; Tekst 100,94"},
        {"Midt14Giver7", 2, 1, 14, {0, 0}, Hoejre, Top, "Slet 66,94 98,105; Tekst 100,93"},
        {"VenstreTop", 0, 2, 13, {0, 0}, Venstre, Top, "Slet 101,101 133,111; Tekst 100,100"},
        {"UkendteKoder", 3, 7, 13, {0, 0}, Centreret, Top, "Slet 84,101 116,111; Tekst 100,100"},
        {"HoejreKant", 0, 2, 13, {90, 50}, Venstre, Top, "Slet 166,51 198,61; Tekst 165,50"},
        {"VenstreKantBund", 2, 2, 13, {-95, -95}, Hoejre, Top, "Slet 1,188 33,198; Tekst 35,187"},
        {"TopKant", 0, 0, 13, {0, 95}, Venstre, Bund, "Slet 101,1 133,11; Tekst 100,13"}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, c.vandret, c.lodret), "tekst", c.anker.X,
                     c.anker.Y);
        OptagendeLaerred l;
        l.linjehoejde = c.linjehoejde;
        TegnElementer(l, Enhedsvisning(c.linjehoejde), t);
        EXPECT_EQ(l.kald, std::string(c.kald) + " tekst");
        EXPECT_EQ(l.vandret, c.vandretFlag);
        EXPECT_EQ(l.lodret, c.lodretFlag);
        EXPECT_EQ(l.tekstFarve, (TFarve{0, 128, 0}));
    }
}

} // namespace
} // namespace taglo
