#include "drawing/tegning_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>

namespace taglo
{
namespace
{

TTegning Eksempel()
{
    TTegning t;
    TTegnFigur& f =
        NyFigur(t.Figurer, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa, kArtPilOp);
    TilfoejPunkt(f, 0.1, -2.5);
    TilfoejPunkt(f, 1.0 / 3.0, 1e-17);
    NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    TTekstGruppe& g = NyTekstGruppe(t.Tekster, kRoed, 2, 1);
    TilfoejTekst(g, "Spærhoved", -180, -98.5);
    return t;
}

TEST(TegningSomJson, FigurerOgTeksterIListeordenMedKoderne)
{
    const auto j = nlohmann::json::parse(TegningSomJson(Eksempel()));
    ASSERT_EQ(j["figurer"].size(), 2U);
    const auto& f = j["figurer"][0];
    EXPECT_EQ(f["PenStil"], 2);
    EXPECT_EQ(f["PenBredde"], 3);
    EXPECT_EQ(f["PenFarve"], 16);
    EXPECT_EQ(f["FyldStil"], 12);
    EXPECT_EQ(f["FyldFarve"], 17);
    EXPECT_EQ(f["Art"], 6);
    ASSERT_EQ(f["punkter"].size(), 2U);
    EXPECT_TRUE(j["figurer"][1]["punkter"].empty());
    ASSERT_EQ(j["tekster"].size(), 1U);
    const auto& g = j["tekster"][0];
    EXPECT_EQ(g["TekstFarve"], 4);
    EXPECT_EQ(g["VandretJust"], 2);
    EXPECT_EQ(g["LodretJust"], 1);
    EXPECT_EQ(g["tekster"][0]["tekst"], "Spærhoved");
    EXPECT_EQ(g["tekster"][0]["x"], -180.0);
    EXPECT_EQ(g["tekster"][0]["y"], -98.5);
}

TEST(TegningSomJson, TalLaesesTilbageTilDeSammeDoubles)
{
    const auto j = nlohmann::json::parse(TegningSomJson(Eksempel(), -1));
    const auto& p = j["figurer"][0]["punkter"];
    EXPECT_EQ(p[0][0].get<double>(), 0.1);
    EXPECT_EQ(p[0][1].get<double>(), -2.5);
    EXPECT_EQ(p[1][0].get<double>(), 1.0 / 3.0);
    EXPECT_EQ(p[1][1].get<double>(), 1e-17);
}

TEST(TegningSomJson, FeltordenSomBeskrevet)
{
    const std::string tekst = TegningSomJson(Eksempel(), -1);
    EXPECT_LT(tekst.find("\"figurer\""), tekst.find("\"tekster\""));
    EXPECT_LT(tekst.find("\"PenStil\""), tekst.find("\"PenBredde\""));
    EXPECT_LT(tekst.find("\"FyldFarve\""), tekst.find("\"Art\""));
    EXPECT_LT(tekst.find("\"Art\""), tekst.find("\"punkter\""));
}

TEST(TegningSomJson, IkkeEndeligeKoordinaterBliverNull)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0), std::numeric_limits<double>::infinity(),
                 std::numeric_limits<double>::quiet_NaN());
    const auto j = nlohmann::json::parse(TegningSomJson(t));
    EXPECT_TRUE(j["figurer"][0]["punkter"][0][0].is_null());
    EXPECT_TRUE(j["figurer"][0]["punkter"][0][1].is_null());
}

TEST(TegningSomJson, UgyldigUtf8GiverIkkeUndtagelse)
{
    TTegning t;
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "\xff", 0, 0);
    const auto j = nlohmann::json::parse(TegningSomJson(t));
    EXPECT_EQ(j["tekster"][0]["tekster"][0]["tekst"], "\xEF\xBF\xBD");
}

TEST(TegningSomJson, TomTegningGiverToTommeLister)
{
    const auto j = nlohmann::json::parse(TegningSomJson(TTegning{}));
    EXPECT_TRUE(j["figurer"].is_array());
    EXPECT_TRUE(j["figurer"].empty());
    EXPECT_TRUE(j["tekster"].empty());
}

} // namespace
} // namespace taglo
