// Hostile texts typed into the number fields: leaving a field gives the conversion message
// and 0, or a value; the field then shows a number at least ten characters wide that
// reads back, and the calculation refuses the inputs or writes finite numbers only.
#include "fjendtlig_fil.h"

#include "core/taltekst.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo::test
{
namespace
{

TEST_F(FjendtligFil, TastetTekstGiverEtFeltDerViserDenGemteVaerdi)
{
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1); // opens the snow form factor
    const std::pair<const char*, bool> kTekster[] = {
        // each text, and whether it is no number
        {"", true},        {"nan", true},     {"-inf", true},
        {"1e400", true},   {"1e-400", false}, {"1e300", false},
        {"-1e300", false}, {"\t5", true},     {"\xEF\xBC\x95", true}}; // a fullwidth 5
    for (const auto& [tastet, konvertering] : kTekster)
    {
        for (const auto& felt : kFelter)
        {
            if (!felt.decimaler)
            {
                continue;
            }
            SCOPED_TRACE(std::string(felt.navn) + " \"" + tastet + "\"");
            Vist();
            app.FeltForladt(felt.felt, tastet);
            const auto vist = Vist();
            EXPECT_EQ(!vist.empty() && vist[0] == Konverteringsbesked(tastet), konvertering);
            const std::string& tekst = app.Vindue().Tekst(felt.felt);
            EXPECT_GE(tekst.size(), 10U);
            EXPECT_TRUE(LaesTal(tekst, app.Regional()).has_value()) << tekst;
        }
        static_cast<void>(BeregnOgKontroller());
    }
}

} // namespace
} // namespace taglo::test
