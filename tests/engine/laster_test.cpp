// The design loads on the batten where no reference project goes.
#include "engine/laster.h"

#include "motorbaenk.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

// The second normal rafter of the example roof stands at y = 0.5 + 0.3 + 0.6 + 0.8 =
// 2.2 m from the south gable. In a house 1 m long the roof ends at y = 2 m, before it:
// no roof zone lies at the point, and zone H, suction on the windward slope's middle,
// is taken.
TEST(VindNormalfag, UdenTagomraadeVedPunktetBrugesH)
{
    TInddata ind = test::Eksempeltag();
    ind.HusLn = 1.0;
    test::Trin trin(ind);
    TLasttilfaelde t;
    OpstilLaster(t, 9, 'b', trin.koersel);
    EXPECT_EQ(VindNormalfag(t, trin.koersel).Omraade, 'H');
}

} // namespace
} // namespace taglo
