#include "drawing/maal.h"
#include "drawing/tegning.h"
#include "drawing/tegning_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>

namespace taglo
{
namespace
{
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A dimension's value is its length with two decimals and the regional decimal separator,
// also when it is given from right to left.
TEST(MaalVandret, VaerdienMedRegionensDecimaltegn)
{
    TTegning t;
    MaalVandret(t, 1, 4.5, 1.2, 0, 0.5, 2, "Husbredde", Regionalindstillinger::Engelsk());
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
