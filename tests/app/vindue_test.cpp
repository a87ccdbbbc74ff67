#include "app/vindue.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{

TEST(Vindue, StarterSomVinduetsDesign)
{
    const TVindue vindue;
    EXPECT_EQ(vindue.Tekst(Felt::EditProjektnavn), "Skriv projektnavn her");
    EXPECT_EQ(vindue.Tekst(Felt::EditBygningsdel), "Skriv bygningsdel her");
    EXPECT_EQ(vindue.Tekst(Felt::EditMedarb), "Skriv dit eget navn her");
    EXPECT_EQ(vindue.Tekst(Felt::EditLegteHojde), "        38");
    EXPECT_EQ(vindue.Tekst(Felt::EditAfstVesterhav), "        25");
    EXPECT_EQ(vindue.Tekst(Felt::EditHusBr), "");
    EXPECT_EQ(vindue.Indeks(Valg::RadioGroupTerrKat), 1) << "II  Land";
    EXPECT_EQ(vindue.Indeks(Valg::RadioGroupDublLegter), 0);
    EXPECT_EQ(vindue.Indeks(Valg::RadioGroupLogfil), 0);
    EXPECT_FALSE(vindue.ResultatomfangSynlig);
    EXPECT_FALSE(vindue.MemoAdvarLgtSynlig);
    EXPECT_FALSE(vindue.MemoAdvarForbSynlig);
    EXPECT_EQ(vindue.AktivFane, Fane::Inddataark);
    EXPECT_TRUE(vindue.Resultat.empty());
}

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
