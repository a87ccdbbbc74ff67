// BeregnAfledte against the derived values of the eight reference projects, computed
// independently of this code: the geometry, wind, snow, timber and nail values of roofs of
// every terrain category, pitches 0 to 75 degrees, both snow form factors and all classes.
#include "loads/afledte.h"

#include "optagne_meddelelser.h"
#include "reference_json.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{
namespace
{

class ReferenceProjekt : public ::testing::TestWithParam<int>
{};

TEST_P(ReferenceProjekt, AfledteSomDenUafhaengigeBeregning)
{
    const nlohmann::json projekt = test::ReferenceJson(GetParam());
    const TInddata ind = test::ReferenceInddata(projekt);
    ASSERT_EQ(ind.NailData->Name, projekt.at("Inddata").at("NailData").get<std::string>());
    test::OptagneMeddelelser m;
    test::ForventSomReferencen(projekt.at("AfledteFromBeregnAfledte"), BeregnAfledte(ind, m),
                               "Afledte", 1e-12, 0.0);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceProjekt, ::testing::Range(1, 9));

} // namespace
} // namespace taglo
