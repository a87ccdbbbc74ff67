// Taglo's own functions reproduce published worked examples to the last decimal the
// sources print.
#include "eksempler.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo::verifikation
{
using test::PrintTo;

namespace
{

class PubliceretEksempel : public ::testing::TestWithParam<TEksempel>
{};

TEST_P(PubliceretEksempel, GengivesTilKildensSidsteDecimal)
{
    const TEksempel& e = GetParam();
    EXPECT_NEAR(TagloVaerdi(e), e.publiceret, Tolerance(e)) << e.kontrol;
}

INSTANTIATE_TEST_SUITE_P(verifikation, PubliceretEksempel,
                         ::testing::ValuesIn(Eksempler().begin(), Eksempler().end()),
                         [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo::verifikation
