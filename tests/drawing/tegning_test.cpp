#include "drawing/maal.h"
#include "drawing/tegning.h"
#include "drawing/tegning_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace taglo
{
namespace
{
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Whichever way round the ends are given, the arrowheads point inwards at the left and the
// right end, and the value is the length with two decimals and the regional separator.
TEST(MaalVandret, PileIEnderneOgVaerdienMedRegionensDecimaltegn)
{
    struct
    {
        const char* navn;
        double a, b;
        Regionalindstillinger regional;
        const char* vaerdi;
    } const tilfaelde[] = {{"Frem", 1.2, 4.5, Regionalindstillinger::Dansk(), "3,30"},
                           {"Tilbage", 4.5, 1.2, Regionalindstillinger::Dansk(), "3,30"},
                           {"EngelskPunktum", 1.2, 4.5, Regionalindstillinger::Engelsk(), "3.30"}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TTegning t;
        MaalVandret(t, 1, c.a, c.b, 0, 0.5, 2, "Husbredde", c.regional);
        std::vector<std::pair<std::uint8_t, double>> pile;
        for (const TTegnFigur& f : t.Figurer)
        {
            if (f.Art == kArtPilVenstre || f.Art == kArtPilHoejre)
            {
                pile.emplace_back(f.Art, f.Punkter[0].X);
            }
        }
        std::ranges::sort(pile);
        EXPECT_EQ(pile, (std::vector<std::pair<std::uint8_t, double>>{{kArtPilVenstre, 1.2},
                                                                      {kArtPilHoejre, 4.5}}));
        ASSERT_EQ(t.Tekster.size(), 1U);
        ASSERT_EQ(t.Tekster[0].Tekster.size(), 2U);
        EXPECT_EQ(t.Tekster[0].Tekster[1].Tekst, c.vaerdi);
    }
}

// A figure and a text group as records with their codes in the described field order; the
// coordinates read back to the same doubles, those that are not finite numbers are null, and
// a malformed byte in a text becomes U+FFFD, so the export is always valid JSON.
TEST(TegningSomJson, FigurOgTekstgruppeSomPoster)
{
    TTegning t;
    TTegnFigur& f =
        NyFigur(t.Figurer, kPenStregPrik, 3, kTraefarve, kFyldKryds, kMellemgraa, kArtPilOp);
    TilfoejPunkt(f, 0.1, -2.5);
    TilfoejPunkt(f, 1.0 / 3.0, 1e-17);
    TilfoejPunkt(f, kInf, kNaN);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kRoed, 2, 1), "Spærhoved", -180, -98.5);
    TilfoejTekst(t.Tekster[0], "\xff", 0, 0);

    const std::string linje = TegningSomJson(t, -1);
    EXPECT_EQ(linje.find('\n'), std::string::npos);
    EXPECT_LT(linje.find("\"FyldFarve\""), linje.find("\"Art\""));
    EXPECT_EQ(nlohmann::json::parse(linje), nlohmann::json::parse(R"({"figurer": [
        {"PenStil": 2, "PenBredde": 3, "PenFarve": 16, "FyldStil": 12, "FyldFarve": 17,
         "Art": 6, "punkter": [[0.1, -2.5], [0.3333333333333333, 1e-17], [null, null]]}],
        "tekster": [{"TekstFarve": 4, "VandretJust": 2, "LodretJust": 1, "tekster": [
         {"x": -180.0, "y": -98.5, "tekst": "Spærhoved"},
         {"x": 0.0, "y": 0.0, "tekst": "�"}]}]})"));
    EXPECT_EQ(nlohmann::json::parse(TegningSomJson(t)), nlohmann::json::parse(linje));
}

} // namespace
} // namespace taglo
