// The hostile project files through the load command and the calculation run.
#include "fjendtlig_fil.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo::test
{
namespace
{

class FjendtligProjektfil : public FjendtligFil,
                            public ::testing::WithParamInterface<FjendtligFilTilfaelde>
{};

// Reading takes memory bounded by the 31 lines of 4096 bytes it looks at; a failed load
// changes nothing; a loaded file gives choices that exist and a defined verdict.
TEST_P(FjendtligProjektfil, GiverHentebeskedenEllerEtDefineretResultat)
{
    const auto& t = GetParam();
    const std::string sti = SkrivFil("fjendtlig.tgl", t.bytes());
    const TVindue standardvindue = app.Vindue();
    NulstilStoersteAllokering();
    const bool hentet = app.HentProjektdata(sti);
    EXPECT_LT(StoersteAllokering(), kMegabyte);
    if (t.dom == Dom::Ulaeselig)
    {
        EXPECT_FALSE(hentet);
        const auto vist = Vist();
        ASSERT_EQ(vist.size(), 1U);
        EXPECT_EQ(vist[0].art, "fejldialog");
        EXPECT_TRUE(vist[0].tekst.starts_with(
            "Uventet fejl: Programmet kan ikke hente inddata fra " + sti + ".\r\n" + t.aarsag))
            << vist[0].tekst;
        EXPECT_EQ(app.Vindue(), standardvindue) << "a failed load changed the window";
        EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0) << "a failed load changed the inputs";
        EXPECT_TRUE(BeregnOgKontroller()) << "the default inputs are still there to calculate";
        return;
    }
    ASSERT_TRUE(hentet);
    for (const auto& valg : kValg)
    {
        EXPECT_GE(app.Vindue().Indeks(valg.valg), 0) << valg.navn;
        EXPECT_LT(app.Vindue().Indeks(valg.valg), valg.antalPunkter) << valg.navn;
    }
    EXPECT_EQ(app.Inddata().NailData,
              &kSoemKatalog.at(static_cast<std::size_t>(app.Inddata().Nail)));
    const bool beregnet = BeregnOgKontroller();
    if (t.dom != Dom::AfvistEllerBeregnet)
    {
        EXPECT_EQ(beregnet, t.dom == Dom::Beregnet);
    }
}

INSTANTIATE_TEST_SUITE_P(Filer, FjendtligProjektfil, ::testing::ValuesIn(kFjendtligeFiler),
                         NavnPaa);

} // namespace
} // namespace taglo::test
