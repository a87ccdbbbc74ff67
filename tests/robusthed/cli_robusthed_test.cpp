// The hostile project files given to "taglo-cli rapport", run as a program: an unreadable
// or refused file ends with exit status 2 and the program's message on standard error, a
// calculated one gives a report without a value that is not finite; and the program
// always ends by itself.
#include "fjendtlig_fil.h"

#include "proces.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo::test
{
namespace
{

class CliRapport : public FjendtligFil, public ::testing::WithParamInterface<FjendtligFilTilfaelde>
{};

TEST_P(CliRapport, GiverStatusOgBeskedEllerEnEndeligRapport)
{
    const auto& t = GetParam();
    const std::string sti = SkrivFil("fjendtlig.tgl", t.bytes());
    const auto udfald =
        KoerProgram(TAGLO_CLI, {"rapport", "--dansk", sti}, {"QT_QPA_PLATFORM=offscreen"}, Sti(""));
    const bool beregnet = udfald.status == 0 || udfald.status == 1;
    EXPECT_TRUE(beregnet || udfald.status == 2) << "status " << udfald.status;
    EXPECT_EQ(udfald.fejl.find("Fejl: Uventet fejl: Programmet kan ikke hente inddata fra " + sti +
                               ".") != std::string::npos,
              t.dom == Dom::Ulaeselig)
        << udfald.fejl;
    if (t.dom != Dom::AfvistEllerBeregnet)
    {
        EXPECT_EQ(beregnet, t.dom == Dom::Beregnet) << udfald.fejl;
    }
    EXPECT_EQ(udfald.ud.find("RESULTAT") != std::string::npos, beregnet);
    EXPECT_FALSE(ViserIkkeEndeligtTal(udfald.ud)) << udfald.ud;
}

INSTANTIATE_TEST_SUITE_P(Filer, CliRapport, ::testing::ValuesIn(kFjendtligeFiler), NavnPaa);

} // namespace
} // namespace taglo::test
