#include "drawing/tegning_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>

namespace taglo
{
namespace
{

// Two figures and a text group in list order with their codes, the fields in the described
// order, on one line or indented, and coordinates that read back to the same doubles.
TEST(TegningSomJson, FigurerOgTeksterIListeordenMedKoderne)
{
    TTegning t;
    TTegnFigur& f =
        NyFigur(t.Figurer, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa, kArtPilOp);
    TilfoejPunkt(f, 0.1, -2.5);
    TilfoejPunkt(f, 1.0 / 3.0, 1e-17);
    NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kRoed, 2, 1), "Spærhoved", -180, -98.5);

    const std::string linje = TegningSomJson(t, -1);
    EXPECT_EQ(linje.find('\n'), std::string::npos);
    EXPECT_LT(linje.find("\"figurer\""), linje.find("\"tekster\""));
    EXPECT_LT(linje.find("\"PenStil\""), linje.find("\"PenBredde\""));
    EXPECT_LT(linje.find("\"FyldFarve\""), linje.find("\"Art\""));
    EXPECT_LT(linje.find("\"Art\""), linje.find("\"punkter\""));
    const auto j = nlohmann::json::parse(TegningSomJson(t));
    EXPECT_EQ(j, nlohmann::json::parse(linje));
    ASSERT_EQ(j["figurer"].size(), 2U);
    EXPECT_EQ(j["figurer"][0],
              nlohmann::json::parse(R"({"PenStil": 2, "PenBredde": 3, "PenFarve": 16,
                  "FyldStil": 12, "FyldFarve": 17, "Art": 6,
                  "punkter": [[0.1, -2.5], [0.3333333333333333, 1e-17]]})"));
    EXPECT_EQ(j["figurer"][0]["punkter"][1][0].get<double>(), 1.0 / 3.0);
    EXPECT_TRUE(j["figurer"][1]["punkter"].empty());
    EXPECT_EQ(j["tekster"], nlohmann::json::parse(R"([{"TekstFarve": 4, "VandretJust": 2,
        "LodretJust": 1, "tekster": [{"x": -180.0, "y": -98.5, "tekst": "Spærhoved"}]}])"));
}

// Coordinates that are not finite numbers become null, a malformed byte in a text becomes
// U+FFFD, and an empty drawing gives two empty lists.
TEST(TegningSomJson, UgyldigeVaerdierGiverAlligevelGyldigJson)
{
    TTegning t;
    TilfoejPunkt(NyFigur(t.Figurer, 0, 1, 0, 0, 0, 0), std::numeric_limits<double>::infinity(),
                 std::numeric_limits<double>::quiet_NaN());
    TilfoejTekst(NyTekstGruppe(t.Tekster, 0, 0, 0), "\xff", 0, 0);
    const auto j = nlohmann::json::parse(TegningSomJson(t));
    EXPECT_TRUE(j["figurer"][0]["punkter"][0][0].is_null());
    EXPECT_TRUE(j["figurer"][0]["punkter"][0][1].is_null());
    EXPECT_EQ(j["tekster"][0]["tekster"][0]["tekst"], "\xEF\xBF\xBD");
    EXPECT_EQ(nlohmann::json::parse(TegningSomJson(TTegning{})),
              nlohmann::json::parse(R"({"figurer": [], "tekster": []})"));
}

} // namespace
} // namespace taglo
