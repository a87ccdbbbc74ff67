// BeregnAfledte against the derived values of the eight reference projects, computed
// independently of this code: the geometry, wind, snow, timber and nail values of roofs of
// every terrain category, pitches 0 to 75 degrees, both snow form factors and all classes.
#include "loads/afledte.h"

#include "optagne_meddelelser.h"
#include "reference.h"
#include "reference_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

namespace taglo
{

namespace
{

using nlohmann::json;

class ReferenceProjekt : public ::testing::TestWithParam<int>
{};

TEST_P(ReferenceProjekt, AfledteSomDenUafhaengigeBeregning)
{
    const std::string navn = "/projekt0" + std::to_string(GetParam()) + ".json";
    const std::string indhold = test::LaesHeleFilen(test::ReferenceMappe() + navn);
    ASSERT_FALSE(indhold.empty()) << navn;
    const json projekt = json::parse(indhold);
    TInddata ind = projekt.at("Inddata").get<TInddata>();
    VaelgSoem(ind, ind.Nail);
    ASSERT_EQ(ind.NailData->Name, projekt.at("Inddata").at("NailData").get<std::string>());

    test::OptagneMeddelelser m;
    const json egen = BeregnAfledte(ind, m);
    EXPECT_TRUE(m.liste.empty());
    const json& reference = projekt.at("AfledteFromBeregnAfledte");
    for (const auto& [felt, vaerdi] : egen.items())
    {
        if (vaerdi.is_number_float())
        {
            const double f = reference.at(felt).get<double>();
            EXPECT_NEAR(vaerdi.get<double>(), f, 1e-12 * std::abs(f)) << felt;
        }
        else
        {
            EXPECT_EQ(reference.at(felt), vaerdi) << felt;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceProjekt, ::testing::Range(1, 9));

} // namespace
} // namespace taglo
