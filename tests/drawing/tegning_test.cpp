#include "drawing/tegning.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace taglo
{
namespace
{
using test::PrintTo;

TEST(NyFigur, GemmerGyldigePenneUaendret)
{
    std::vector<TTegnFigur> figurer;
    const TTegnFigur& f = NyFigur(figurer, 3, 3, 16, 12, 17, 9);
    EXPECT_EQ(f.PenStil, 3);
    EXPECT_EQ(f.PenBredde, 3);
    EXPECT_EQ(f.PenFarve, 16);
    EXPECT_EQ(f.FyldStil, 12);
    EXPECT_EQ(f.FyldFarve, 17);
    EXPECT_EQ(f.Art, 9);
    EXPECT_TRUE(f.Punkter.empty());
}

struct PenRettelse
{
    const char* navn;
    std::uint16_t stil;
    std::uint16_t bredde;
    std::uint16_t gemtStil;
    std::uint16_t gemtBredde;
};

class NyFigurRetter : public ::testing::TestWithParam<PenRettelse>
{
};

TEST_P(NyFigurRetter, UkendtPenstilTilFuldOgBreddeTil1Eller3)
{
    const PenRettelse& c = GetParam();
    std::vector<TTegnFigur> figurer;
    const TTegnFigur& f = NyFigur(figurer, c.stil, c.bredde, 0, 0, 0, 0);
    EXPECT_EQ(f.PenStil, c.gemtStil);
    EXPECT_EQ(f.PenBredde, c.gemtBredde);
}

INSTANTIATE_TEST_SUITE_P(Penne, NyFigurRetter,
                         ::testing::Values(PenRettelse{"Stil7BliverFuld", 7, 1, 0, 1},
                                           PenRettelse{"Stil4BliverFuld", 4, 1, 0, 1},
                                           PenRettelse{"Stil3Bevares", 3, 1, 3, 1},
                                           PenRettelse{"Bredde2Bliver1", 0, 2, 0, 1},
                                           PenRettelse{"Bredde0Bliver1", 0, 0, 0, 1},
                                           PenRettelse{"Bredde3Bevares", 0, 3, 0, 3}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Tegning, ElementerBevarerRaekkefoelgen)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 1, 0, 0, 0), 1, 2);
    TTegnFigur& anden = NyFigur(t.Figurer, 0, 1, 2, 0, 0, 0);
    TilfoejPunkt(anden, 3, 4);
    TilfoejPunkt(anden, 5, 6);
    TTekstGruppe& g = NyTekstGruppe(t.Tekster, 4, 2, 1);
    TilfoejTekst(g, "første", 0, 0);
    TilfoejTekst(g, "anden", 1, 1);

    ASSERT_EQ(t.Figurer.size(), 2U);
    EXPECT_EQ(t.Figurer[0].PenFarve, 1);
    EXPECT_EQ(t.Figurer[1].PenFarve, 2);
    ASSERT_EQ(t.Figurer[1].Punkter.size(), 2U);
    EXPECT_EQ(t.Figurer[1].Punkter[0].X, 3);
    EXPECT_EQ(t.Figurer[1].Punkter[1].Y, 6);
    ASSERT_EQ(t.Tekster.size(), 1U);
    EXPECT_EQ(t.Tekster[0].TekstFarve, 4);
    EXPECT_EQ(t.Tekster[0].VandretJust, 2);
    EXPECT_EQ(t.Tekster[0].LodretJust, 1);
    ASSERT_EQ(t.Tekster[0].Tekster.size(), 2U);
    EXPECT_EQ(t.Tekster[0].Tekster[0].Tekst, "første");
    EXPECT_EQ(t.Tekster[0].Tekster[1].Tekst, "anden");
}

TEST(Tegning, TekstenErEnEgenKopi)
{
    TTegning t;
    std::string tekst = "Spærhoved";
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), tekst, 0, 0);
    tekst = "ændret";
    EXPECT_EQ(t.Tekster[0].Tekster[0].Tekst, "Spærhoved");
}

TEST(Frigiv, ToemmerListerneOgTaalerGentagelse)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0), 1, 1);
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "x", 0, 0);
    FrigivFigurer(t.Figurer);
    FrigivTekster(t.Tekster);
    EXPECT_TRUE(t.Figurer.empty());
    EXPECT_TRUE(t.Tekster.empty());
    FrigivFigurer(t.Figurer);
    FrigivTekster(t.Tekster);
    EXPECT_TRUE(t.Figurer.empty());
}

TEST(FindGraenser, TomTegningGiverEnhedskassen)
{
    const TGraenser g = FindGraenser({});
    EXPECT_EQ(g.MinX, 0);
    EXPECT_EQ(g.MinY, 0);
    EXPECT_EQ(g.MaxX, 1);
    EXPECT_EQ(g.MaxY, 1);
}

TEST(FindGraenser, FigurUdenPunkterTaellerIkke)
{
    TTegning t;
    NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_EQ(g.MinX, 0);
    EXPECT_EQ(g.MaxY, 1);
}

TEST(FindGraenser, OmslutterAllePunkterAfAlleFigurer)
{
    TTegning t;
    TTegnFigur& a = NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    TilfoejPunkt(a, 2, -1);
    TilfoejPunkt(a, 5, 3);
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0), -4, 7);
    // Texts do not count.
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "langt ude", 100, 100);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_EQ(g.MinX, -4);
    EXPECT_EQ(g.MaxX, 5);
    EXPECT_EQ(g.MinY, -1);
    EXPECT_EQ(g.MaxY, 7);
}

TEST(FindGraenser, EtEnkeltAnkerpunktTaellerOgUdvidesMed1)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 15, 0, 15, 0), 3, -2);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_EQ(g.MinX, 2);
    EXPECT_EQ(g.MaxX, 4);
    EXPECT_EQ(g.MinY, -3);
    EXPECT_EQ(g.MaxY, -1);
}

TEST(FindGraenser, PunkterPaaSammeLodretteLinjeUdvidesKunIX)
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    TilfoejPunkt(f, 1.5, 0);
    TilfoejPunkt(f, 1.5, 4);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_EQ(g.MinX, 0.5);
    EXPECT_EQ(g.MaxX, 2.5);
    EXPECT_EQ(g.MinY, 0);
    EXPECT_EQ(g.MaxY, 4);
}

TEST(FindGraenser, PunkterDerIkkeErEndeligeTalUdelades)
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    TilfoejPunkt(f, 0, 0);
    TilfoejPunkt(f, std::numeric_limits<double>::infinity(), 1);
    TilfoejPunkt(f, 2, std::numeric_limits<double>::quiet_NaN());
    TilfoejPunkt(f, 3, -std::numeric_limits<double>::infinity());
    TilfoejPunkt(f, 1, 2);
    const TGraenser g = FindGraenser(t.Figurer);
    EXPECT_EQ(g.MinX, 0);
    EXPECT_EQ(g.MaxX, 1);
    EXPECT_EQ(g.MinY, 0);
    EXPECT_EQ(g.MaxY, 2);
}

TEST(Ombyt, BytterDeToVaerdier)
{
    double a = 4.5;
    double b = 1.2;
    Ombyt(a, b);
    EXPECT_EQ(a, 1.2);
    EXPECT_EQ(b, 4.5);
}

struct FarveTilfaelde
{
    const char* navn;
    std::uint16_t kode;
    TFarve rgb;
};

class Farvetabel : public ::testing::TestWithParam<FarveTilfaelde>
{
};

TEST_P(Farvetabel, KodenGiverSinRgbFarve)
{
    EXPECT_EQ(Farve(GetParam().kode), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(
    Koder, Farvetabel,
    ::testing::Values(
        FarveTilfaelde{"Sort", 0, {0, 0, 0}}, FarveTilfaelde{"Blaa", 1, {0, 0, 255}},
        FarveTilfaelde{"Groen", 2, {0, 128, 0}}, FarveTilfaelde{"Blaagroen", 3, {0, 128, 128}},
        FarveTilfaelde{"Roed", 4, {255, 0, 0}}, FarveTilfaelde{"Lilla", 5, {128, 0, 128}},
        FarveTilfaelde{"Maroon", 6, {128, 0, 0}}, FarveTilfaelde{"Soelv", 7, {192, 192, 192}},
        FarveTilfaelde{"Graa", 8, {128, 128, 128}}, FarveTilfaelde{"Akva", 9, {0, 255, 255}},
        FarveTilfaelde{"Lime", 10, {0, 255, 0}}, FarveTilfaelde{"MoerkAkva", 11, {0, 192, 192}},
        FarveTilfaelde{"BlegRosa", 12, {255, 204, 204}}, FarveTilfaelde{"Violet", 13, {192, 0, 192}},
        FarveTilfaelde{"Gul", 14, {255, 255, 0}}, FarveTilfaelde{"Hvid", 15, {255, 255, 255}},
        FarveTilfaelde{"Trae", 16, {245, 219, 115}}, FarveTilfaelde{"Mellemgraa", 17, {155, 155, 155}},
        FarveTilfaelde{"Lyseblaa", 18, {216, 228, 248}}, FarveTilfaelde{"Kode19ErSort", 19, {0, 0, 0}},
        FarveTilfaelde{"StorKodeErSort", 65535, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo
