// The factors of a combination or contribution that is not in the table: always the
// largest the table holds, never 0, which would drop the load.
#include "loads/lastkombination.h"

#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;

constexpr int kCC1 = 0;
constexpr int kCC2 = 1;
constexpr int kCC3 = 2;

// A combination not in the table is reported and an unknown contribution code is taken at
// the largest factor of its combination's column: wind 1.5 (the largest of any
// combination), permanent load 1.2 K_FI (combination 1, 1.08 in CC1), point load 1.5 K_FI
// (combination 8, 1.65 in CC3).
TEST(LastFaktor09, UkendtKombinationEllerBidragGiverDenStoersteFaktor)
{
    test::OptagneMeddelelser m;
    EXPECT_DOUBLE_EQ(LastFaktor09('B', 14, kCC2, m), 1.5);
    EXPECT_DOUBLE_EQ(LastFaktor09('Y', -1, kCC1, m), 1.08);
    EXPECT_DOUBLE_EQ(LastFaktor09('Z', 99, kCC3, m), 1.65);
    const std::string p = "function LastFaktor09: Ugyldig lastkombination: ";
    EXPECT_EQ(m.liste, (std::vector<OptagetMeddelelse>{
                           {"fejl", p + "14. Skal være fra 1 til 13."},
                           {"fejl", p + "-1. Skal være fra 1 til 13."},
                           {"fejl", p + "99. Skal være fra 1 til 13."},
                       }));
    m.liste.clear();
    EXPECT_DOUBLE_EQ(LastFaktor09('?', 9, kCC2, m), 1.5);
    EXPECT_DOUBLE_EQ(LastFaktor09('?', 1, kCC1, m), 1.08);
    EXPECT_DOUBLE_EQ(LastFaktor09('?', 0, kCC3, m), 1.65);
    EXPECT_EQ(m.liste.size(), 4U); // the code three times, the combination once
}

} // namespace
} // namespace taglo
