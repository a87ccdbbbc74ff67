#include "drawing/tegning.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace taglo
{
namespace
{

// Unknown pen styles are stored as solid, and any width but 3 as 1.
TEST(NyFigur, UkendtPenstilBliverFuldOgBreddeAndetEnd3Bliver1)
{
    struct
    {
        const char* navn;
        std::uint16_t stil, bredde, gemtStil, gemtBredde;
    } const tilfaelde[] = {{"Stil3Bredde3Bevares", 3, 3, 3, 3},
                           {"Stil4BliverFuld", 4, 1, 0, 1},
                           {"Stil7BliverFuld", 7, 1, 0, 1},
                           {"Bredde2Bliver1", 0, 2, 0, 1},
                           {"Bredde0Bliver1", 0, 0, 0, 1}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        std::vector<TTegnFigur> figurer;
        const TTegnFigur& f = NyFigur(figurer, c.stil, c.bredde, 16, 12, 17, 9);
        EXPECT_EQ(f.PenStil, c.gemtStil);
        EXPECT_EQ(f.PenBredde, c.gemtBredde);
        EXPECT_EQ(f.FyldFarve, 17);
        EXPECT_TRUE(f.Punkter.empty());
    }
}

// The box around all points of all figures: texts do not count, a lone anchor point or a
// vertical line is widened by 1 on the degenerate axis, points that are not finite numbers
// are left out, and an empty drawing gives the unit box.
TEST(FindGraenser, OmslutterFigurernesEndeligePunkter)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct
    {
        const char* navn;
        std::vector<std::vector<TTegnPunkt>> figurer;
        TGraenser boks;
    } const tilfaelde[] = {
        {"TomTegning", {}, {0, 0, 1, 1}},
        {"FigurUdenPunkter", {{}}, {0, 0, 1, 1}},
        {"ToFigurer", {{{2, -1}, {5, 3}}, {{-4, 7}}}, {-4, -1, 5, 7}},
        {"EtAnkerpunkt", {{{3, -2}}}, {2, -3, 4, -1}},
        {"LodretLinje", {{{1.5, 0}, {1.5, 4}}}, {0.5, 0, 2.5, 4}},
        {"IkkeEndelige", {{{0, 0}, {inf, 1}, {2, nan}, {3, -inf}, {1, 2}}}, {0, 0, 1, 2}},
    };
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        for (const auto& punkter : c.figurer)
        {
            TTegnFigur& f = NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
            for (const TTegnPunkt& p : punkter)
            {
                TilfoejPunkt(f, p.X, p.Y);
            }
        }
        TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "langt ude", 100, 100);
        const TGraenser g = FindGraenser(t.Figurer);
        EXPECT_EQ(g.MinX, c.boks.MinX);
        EXPECT_EQ(g.MinY, c.boks.MinY);
        EXPECT_EQ(g.MaxX, c.boks.MaxX);
        EXPECT_EQ(g.MaxY, c.boks.MaxY);
    }
}

// The nineteen colour codes of the drawings; any other code is black.
TEST(Farve, KoderneGiverFarvetabellensRgb)
{
    struct
    {
        std::uint16_t kode;
        TFarve rgb;
    } const tabel[] = {{0, {0, 0, 0}},        {1, {0, 0, 255}},      {2, {0, 128, 0}},
                       {3, {0, 128, 128}},    {4, {255, 0, 0}},      {5, {128, 0, 128}},
                       {6, {128, 0, 0}},      {7, {192, 192, 192}},  {8, {128, 128, 128}},
                       {9, {0, 255, 255}},    {10, {0, 255, 0}},     {11, {0, 192, 192}},
                       {12, {255, 204, 204}}, {13, {192, 0, 192}},   {14, {255, 255, 0}},
                       {15, {255, 255, 255}}, {16, {245, 219, 115}}, {17, {155, 155, 155}},
                       {18, {216, 228, 248}}, {19, {0, 0, 0}},       {65535, {0, 0, 0}}};
    for (const auto& c : tabel)
    {
        EXPECT_EQ(Farve(c.kode), c.rgb) << "kode " << c.kode;
    }
}

} // namespace
} // namespace taglo
