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

// A horizontal dimension given from right to left still has its arrowheads at its ends pointing
// out (left at the left end, right at the right), and its value is the length with two decimals
// and the regional decimal separator.
TEST(MaalVandret, PileIEnderneOgVaerdienMedRegionensDecimaltegn)
{
    TTegning t;
    MaalVandret(t, 1, 4.5, 1.2, 0, 0.5, 2, "Husbredde", Regionalindstillinger::Engelsk());
    std::vector<std::pair<std::uint8_t, double>> pile;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.Art != kArtLinje)
        {
            pile.emplace_back(f.Art, f.Punkter.at(0).X);
        }
    }
    std::ranges::sort(pile);
    EXPECT_EQ(pile, (std::vector<std::pair<std::uint8_t, double>>{{kArtPilVenstre, 1.2},
                                                                  {kArtPilHoejre, 4.5}}));
    EXPECT_EQ(t.Tekster.at(0).Tekster.at(1).Tekst, "3.30");
}

// The export is always valid JSON: a coordinate that is not a finite number is null, a
// malformed byte in a text becomes U+FFFD, and the other numbers read back to the same doubles.
TEST(TegningSomJson, AltidGyldigJson)
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, kPenFuld, 1, kSort, kFyldIngen, kSort, kArtLinje);
    TilfoejPunkt(f, 1.0 / 3.0, kInf);
    TilfoejPunkt(f, kNaN, 1e-17);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kSort, 0, 0),
                 "Sp\xff"
                 "ær",
                 0, 0);

    const std::string linje = TegningSomJson(t, -1);
    EXPECT_EQ(linje.find('\n'), std::string::npos);
    const nlohmann::json json = nlohmann::json::parse(linje);
    EXPECT_EQ(json.at("figurer").at(0).at("punkter"),
              nlohmann::json::parse("[[0.3333333333333333, null], [null, 1e-17]]"));
    EXPECT_EQ(json.at("tekster").at(0).at("tekster").at(0).at("tekst"), "Sp�ær");
}

} // namespace
} // namespace taglo
