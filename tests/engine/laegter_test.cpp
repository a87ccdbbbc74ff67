// The engine run's log at the levels the reference projects do not use.
#include "engine/laegter.h"

#include "motorbaenk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taglo
{
namespace
{

TEST(Log, BegraensetLogHarKunHovedOgNoeglevaerdier)
{
    EXPECT_TRUE(test::Beregnet(test::Eksempeltag(), 0).log.linjer().empty()); // no log
    const test::Beregnet b(test::Eksempeltag(), 1);
    const std::vector<std::string>& linjer = b.log.linjer();
    // Per case: the load block (8 lines, 7 for combination 3 without a case line), the
    // table header (9 lines with doubled battens), the utilisations, an empty line and
    // the two key lines.
    EXPECT_EQ(linjer.size(), 22U * (8 + 9 + 4) - 1U);
    for (const std::string& linje : linjer)
    {
        EXPECT_NE(linje.rfind("g+s", 0), 0U);
        EXPECT_NE(linje.rfind("bøjningsspændinger", 0), 0U);
    }
    // The point-load case names its position in capitals, padded to 80 characters.
    const std::string punkt = "Lasttilfælde f: Personlast i punkt F" + std::string(80 - 20, ' ');
    EXPECT_NE(std::find(linjer.begin(), linjer.end(), punkt), linjer.end());
}

} // namespace
} // namespace taglo
