#include "kilde.h"

#include "core/laegtetvaersnit.h"
#include "core/soemkatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace taglo::vejledning
{
namespace
{

TEST(Kilde, ForsidenErAltFoerFoersteKapitel)
{
    const DeltKilde delt = DelKilde("# Taglo 2.1\n\nBrugervejledning\n### ikke et kapitel\n"
                                    "## Om Taglo\nTekst\n## Inddata\n");
    EXPECT_EQ(delt.forside, "# Taglo 2.1\n\nBrugervejledning\n### ikke et kapitel\n");
    EXPECT_EQ(delt.krop, "## Om Taglo\nTekst\n## Inddata\n");
}

TEST(Kilde, UdenKapitlerErAltForside)
{
    const DeltKilde delt = DelKilde("# Taglo\nkun forside");
    EXPECT_EQ(delt.forside, "# Taglo\nkun forside");
    EXPECT_TRUE(delt.krop.empty());
}

TEST(Figurer, KunLinjerDerAleneViserEtBillede)
{
    const std::vector<std::string> filer = Figurer("Tekst med ![indlejret](ikke.png) billede\n"
                                                   "![Tværsnit](figurer/tvaersnit.png)\n"
                                                   "  ![Længdesnit](figurer/laengdesnit.png)  \r\n"
                                                   "![Søm](figurer/soem.png)\\\n"
                                                   "[et link](side.html)\n");
    EXPECT_EQ(filer, (std::vector<std::string>{"figurer/tvaersnit.png", "figurer/laengdesnit.png",
                                               "figurer/soem.png"}));
}

TEST(Figurer, EnManglendeFigurGaarMedSinBilledtekst)
{
    const std::string kilde = "Før\n"
                              "![a](findes.png)\n"
                              "*Figurtekst a*\n"
                              "![b](mangler.png)\\\n"
                              "*Figurtekst b*\n"
                              "* et punkt i en liste\n"
                              "Efter\n";
    const auto findes = [](std::string_view fil) { return fil == "findes.png"; };
    EXPECT_EQ(UdenManglendeFigurer(kilde, findes), "Før\n"
                                                   "![a](findes.png)\n"
                                                   "*Figurtekst a*\n"
                                                   "* et punkt i en liste\n"
                                                   "Efter\n");
}

TEST(Figurer, EnManglendeFigurUdenBilledtekstTagerIntetAndet)
{
    const auto ingen = [](std::string_view) { return false; };
    EXPECT_EQ(UdenManglendeFigurer("![b](mangler.png)\n\n*fremhævet afsnit*\n", ingen),
              "\n*fremhævet afsnit*\n");
}

TEST(Betingelser, AfsnitBeholdesKunNaarFilenFindes)
{
    const std::string kilde = "før\n"
                              "{{hvis figurer/rapport.txt}}\n"
                              "med rapport\n"
                              "{{slut}}\n"
                              "{{hvis figurer/mangler.txt}}\n"
                              "uden\n"
                              "{{slut}}\n"
                              "efter\n";
    const auto findes = [](std::string_view fil) { return fil == "figurer/rapport.txt"; };
    EXPECT_EQ(MedBetingelser(kilde, findes), "før\nmed rapport\nefter\n");
    EXPECT_EQ(IndsatteFiler(kilde),
              (std::vector<std::string>{"figurer/rapport.txt", "figurer/mangler.txt"}));
}

TEST(IndsatteFiler, IndholdetStaarIEnFastBredBlok)
{
    const auto laes = [](std::string_view fil) -> std::optional<std::string> {
        if (fil == "rapport.txt")
        {
            return "RESULTAT\r\n  Lægtetværsnittet kan anvendes.\r\n";
        }
        if (fil == "tabel.md")
        {
            return "| a | b |\n|---|---|\n";
        }
        return std::nullopt;
    };
    EXPECT_EQ(MedIndsatteFiler("a\n{{indsaet rapport.txt}}\n{{indsaet mangler.txt}}\nb\n", laes),
              "a\n```\nRESULTAT\n  Lægtetværsnittet kan anvendes.\n```\nb\n");
    // A Markdown file becomes part of the text, so its table is laid out as a table.
    EXPECT_EQ(MedIndsatteFiler("a\n{{indsaet tabel.md}}\nb\n", laes),
              "a\n| a | b |\n|---|---|\nb\n");
    EXPECT_EQ(IndsatteFiler("{{indsaet}}\n{{indsaetx fil}}\ntekst {{indsaet fil}}\n"),
              std::vector<std::string>{});
}

TEST(Laegtetvaersnit, HvertTvaersnitIListensOrdenPaaEnLinje)
{
    const std::string linje = LaegtetvaersnitLinje();
    EXPECT_TRUE(linje.starts_with("De tværsnit, der afprøves (højde x bredde): 25 x 50, "));
    EXPECT_TRUE(linje.ends_with(" og 45 x 95 mm.\n")) << linje;
    EXPECT_EQ(std::count(linje.begin(), linje.end(), '\n'), 1);
    std::size_t gange = 0; // "højde x bredde", then one "H x B" per section
    for (auto pos = linje.find(" x "); pos != std::string::npos; pos = linje.find(" x ", pos + 1))
    {
        ++gange;
    }
    EXPECT_EQ(gange, 1 + kLaegtetvaersnit.size());
}

TEST(Soemkatalog, EnRaekkePrSoemIListensOrden)
{
    const std::string tabel = SoemkatalogTabel();
    const auto linjer = std::count(tabel.begin(), tabel.end(), '\n');
    EXPECT_EQ(linjer, 2 + static_cast<long>(kSoemKatalog.size()));
    std::size_t forrige = 0;
    for (const TNailData& soem : kSoemKatalog)
    {
        const std::size_t her = tabel.find(std::string(soem.Name));
        ASSERT_NE(her, std::string::npos) << soem.Name;
        EXPECT_GT(her, forrige) << soem.Name;
        forrige = her;
    }
}

TEST(Soemkatalog, RingetDelFraStartTilSlutOgGlatteSoemsSkaft)
{
    const std::string tabel = SoemkatalogTabel();
    // 3,1 x 90 mm ringet: the profile runs from 35,35 mm to 35,35 + 50 = 85,35 mm.
    EXPECT_NE(tabel.find("| 0 | 3,1 x 90 mm ringet søm (som i SKRIFT 12) | 3,1 | 6,2 | "
                         "35,35 – 85,35 | 7 | 14 |"),
              std::string::npos);
    // The 3,8 x 100 mm square nail counts with the 110 mm shank that the catalogue gives.
    EXPECT_NE(tabel.find("| 8 | 3,8 x 100 mm firkantsøm | 3,8 | 9,5 | glat skaft; 110 mm regnes | "
                         "2,45 | 8,6 |"),
              std::string::npos);
}

TEST(Vindtilfaelde, FireRetningerOgTeksterneIRaekkefoelge)
{
    const std::string tabel = VindtilfaeldeTabel();
    EXPECT_EQ(std::count(tabel.begin(), tabel.end(), '\n'), 2 + 24);
    for (
        const std::string_view raekke : {
            "| a | V | Vind fra V, tryk begge tagflader, sug indvendigt, sug begge gavludhæng |",
            "| f | V | Vind fra V, tryk vest-, sug øst-tagflade, sug indv., sug begge gavludhæng |",
            "| j | N | Vind fra N, tryk begge tagflader, sug indvendigt, sug begge facadeudhæng |",
            "| r | Ø | Vind fra Ø, tryk øst-, sug vest-tagflade, sug indv., sug begge gavludhæng |",
            "| x | S | Vind fra S, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L |",
        })
    {
        EXPECT_NE(tabel.find(raekke), std::string::npos) << raekke;
    }
    EXPECT_LT(tabel.find("| w | S |"), tabel.find("| x | S |"));
}

TEST(Lastkombinationer, FaktorerFoerKFiLastvarighedOgKmod)
{
    const std::string tabel = LastkombinationTabel();
    EXPECT_EQ(std::count(tabel.begin(), tabel.end(), '\n'), 2 + 10);
    // EN 1990 with the Danish annex; k_mod of EN 1995-1-1 in service class 2.
    for (const std::string_view raekke : {
             "| 1 | K_FI 1,2 g | 1,2 | - | - | - | permanent (P) | 0,6 |",
             "| 3 | K_FI(1,0 g + 1,5 s) | 1,0 | 1,5 | - | - | korttids (K) | 0,9 |",
             "| 5 | K_FI(1,0 g + 1,5 s + 0,45 w) | 1,0 | 1,5 | 0,45 | - | øjeblikkelig (Ø) | 1,1 |",
             "| 8 | K_FI(1,0 g + 1,5 Q) | 1,0 | - | - | 1,5 | øjeblikkelig (Ø) | 1,1 |",
             "| 9 | 0,9 g + K_FI 1,5 w | 0,9 | - | 1,5 | - | øjeblikkelig (Ø) | 1,1 |",
             "| 10 | 1,0 g + 0,2 w (brand) | 1,0 | - | 0,2 | - | ulykke | 1,0 |",
         })
    {
        EXPECT_NE(tabel.find(raekke), std::string::npos) << raekke;
    }
}

TEST(Pladsholder, HeleLinjenErstattes)
{
    EXPECT_EQ(IndsaetVed("a\n  {{x}}\nb {{x}}\n", "{{x}}", "| t |\n"), "a\n| t |\nb {{x}}\n");
    EXPECT_EQ(IndsaetVed("{{x}}", "{{x}}", "ny"), "ny\n");
}

TEST(Overskrifter, KapitlerOgAfsnitNummereres)
{
    Overskriftstaeller taeller;
    EXPECT_EQ(taeller.Naeste(3, "Før første kapitel"), "");
    EXPECT_EQ(taeller.Naeste(2, "Om Taglo"), "1");
    EXPECT_EQ(taeller.Naeste(3, "Normgrundlag"), "1.1");
    EXPECT_EQ(taeller.Naeste(3, "Arbejdsgang"), "1.2");
    EXPECT_EQ(taeller.Naeste(4, "Underpunkt"), "");
    EXPECT_EQ(taeller.Naeste(2, "Inddata"), "2");
    EXPECT_EQ(taeller.Naeste(3, "Laster"), "2.1");
}

TEST(Overskrifter, BilagNummereresIkkeOgAfbryderIkkeKapitlerne)
{
    Overskriftstaeller taeller;
    EXPECT_EQ(taeller.Naeste(2, "Om Taglo"), "1");
    EXPECT_EQ(taeller.Naeste(2, "Bilag A. Ordliste"), "");
    EXPECT_EQ(taeller.Naeste(3, "Tagdækninger"), "");
    EXPECT_EQ(taeller.Naeste(2, "Stikord"), "2");
}

} // namespace
} // namespace taglo::vejledning
