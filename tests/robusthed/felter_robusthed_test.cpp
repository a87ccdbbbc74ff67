// Hostile texts typed into the number fields: whatever is typed, leaving the field gives
// either the conversion message and 0, or a value; the field then shows a number at least
// ten characters wide that reads back as the stored value, and the calculation refuses
// the inputs with its message or writes a report with finite numbers only.
#include "fjendtlig_fil.h"

#include "core/taltekst.h"
#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo::test
{
namespace
{
using test::PrintTo;

struct TastetTilfaelde
{
    const char* navn;
    const char* tekst;
    bool konvertering; // the text is not a number
};

class TastetTekst : public FjendtligFil, public ::testing::WithParamInterface<TastetTilfaelde>
{};

// Every number field of the input tab, in tab order, with the elevated snow form factor
// made editable first.
TEST_P(TastetTekst, GiverEtFeltDerViserDenGemteVaerdi)
{
    const auto& t = GetParam();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    for (const auto& beskrivelse : kFelter)
    {
        if (!beskrivelse.decimaler)
        {
            continue;
        }
        SCOPED_TRACE(std::string(beskrivelse.navn));
        meddelelser.liste.clear();
        app.FeltForladt(beskrivelse.felt, t.tekst);
        const std::vector<std::string> konvertering{Konverteringsbesked(t.tekst)};
        EXPECT_EQ(Beskeder("besked"), t.konvertering ? konvertering : std::vector<std::string>{});
        const std::string& felt = app.Vindue().Tekst(beskrivelse.felt);
        EXPECT_GE(felt.size(), 10U);
        EXPECT_TRUE(LaesTal(felt, app.Regional()).has_value()) << felt;
    }
    meddelelser.liste.clear();
    static_cast<void>(BeregnOgKontroller());
}

INSTANTIATE_TEST_SUITE_P(
    Tekster, TastetTekst,
    ::testing::Values(
        TastetTilfaelde{"Tom", "", true}, TastetTilfaelde{"nan", "nan", true},
        TastetTilfaelde{"MinusInf", "-inf", true}, TastetTilfaelde{"UdOverEnDouble", "1e400", true},
        TastetTilfaelde{"UnderEnDouble", "1e-400", false}, TastetTilfaelde{"Enorm", "1e300", false},
        TastetTilfaelde{"EnormNegativ", "-1e300", false}, TastetTilfaelde{"Tabulator", "\t5", true},
        TastetTilfaelde{"Utf8Ciffer", "\xEF\xBC\x95", true}), // fullwidth 5
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(FjendtligFil, EnMegabyteTastetTekstGiverKonverteringsbeskedenOgNul)
{
    const std::string tekst(kMegabyte, '9');
    app.FeltForladt(Felt::EditLegteAfst, tekst);
    EXPECT_EQ(Beskeder("besked"), std::vector<std::string>{Konverteringsbesked(tekst)});
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditLegteAfst), "      0,00");
    EXPECT_DOUBLE_EQ(app.Inddata().LegteAfst, 0.0);
}

// The largest double typed into a field is shown as a number that reads back to the
// value kept, not as a 15-digit text rounded beyond every double.
TEST_F(FjendtligFil, StoersteDoubleTastetIEtFeltViserEtTalDerKanLaesesIgen)
{
    app.FeltForladt(Felt::EditHusBr, "1,7976931348623157e308");
    EXPECT_TRUE(meddelelser.liste.empty());
    const std::string& felt = app.Vindue().Tekst(Felt::EditHusBr);
    const auto igen = LaesTal(felt, app.Regional());
    ASSERT_TRUE(igen.has_value()) << felt;
    EXPECT_DOUBLE_EQ(*igen, app.Inddata().HusBr);
    EXPECT_GT(app.Inddata().HusBr, 1.79e308);
}

} // namespace
} // namespace taglo::test
