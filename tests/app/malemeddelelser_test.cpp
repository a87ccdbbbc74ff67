#include "app/malemeddelelser.h"

#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <vector>

namespace taglo::test
{
namespace
{

// No message box opens during a paint: its messages come after it, in order, and a
// repaint of the same inputs does not show them again until the inputs change.
TEST(MaleMeddelelser, VenterTilMalingenErOverOgVisesEnGangPrInddata)
{
    OptagneMeddelelser ud;
    MaleMeddelelser meddelelser(ud);
    const auto mal = [&](const char* tekst) {
        meddelelser.begyndMaling();
        meddelelser.fejl(tekst);
        meddelelser.advarsel("og så");
        meddelelser.slutMaling();
    };
    const std::vector<OptagetMeddelelse> fraMalingen{{"fejl", "a"}, {"advarsel", "og så"}};

    meddelelser.besked("uden for malingen");
    EXPECT_EQ(ud.liste, (std::vector<OptagetMeddelelse>{{"besked", "uden for malingen"}}));
    ud.liste.clear();
    mal("a");
    EXPECT_TRUE(ud.liste.empty());
    meddelelser.visVentende();
    EXPECT_EQ(ud.liste, fraMalingen);
    ud.liste.clear();
    mal("a");
    meddelelser.visVentende();
    EXPECT_TRUE(ud.liste.empty()) << "the same messages from a repaint";
    meddelelser.glemVist();
    mal("a");
    meddelelser.visVentende();
    EXPECT_EQ(ud.liste, fraMalingen) << "the inputs have changed";
}

} // namespace
} // namespace taglo::test
