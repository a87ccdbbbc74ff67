#include "app/vindue.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

TEST(Vindue, KontrollerFindesVedDeresNavn)
{
    EXPECT_EQ(FeltMedNavn("EditGavlspaerIndrykn"), Felt::EditGavlspaerIndrykn);
    EXPECT_EQ(ValgMedNavn("RadioGroupLogfil"), Valg::RadioGroupLogfil);
    EXPECT_EQ(FaneMedNavn("Resultatark"), Fane::Resultatark);
    EXPECT_FALSE(FeltMedNavn("EditUkendt").has_value());
    EXPECT_FALSE(ValgMedNavn("EditHusBr").has_value());
    for (const auto& felt : kFelter)
    {
        EXPECT_EQ(Beskrivelse(felt.felt).navn, felt.navn)
            << "the table is in the order of the enumeration";
    }
    for (const auto& valg : kValg)
    {
        EXPECT_EQ(Beskrivelse(valg.valg).navn, valg.navn);
    }
}

TEST(Vindue, FokusTagesEnGang)
{
    TVindue vindue;
    vindue.Fokus = "EditHusBr";
    EXPECT_EQ(vindue.TagFokus(), "EditHusBr");
    EXPECT_FALSE(vindue.TagFokus().has_value());
}

} // namespace
} // namespace taglo
