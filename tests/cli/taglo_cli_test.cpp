// taglo-cli run as a program, as the README shows it.
#include "core/tekstfil.h"

#include "proces.h"
#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;

const std::string kReferencetid = "2014-05-01,13:05:09";

std::string Reference(int nr, const std::string& endelse)
{
    return test::ReferenceMappe() + "/projekt0" + std::to_string(nr) + "." + endelse;
}

// The lines of a Windows-1252 file as UTF-8 text, one a line, ended by LF.
std::string SomUtf8(const std::string& windows1252)
{
    std::string tekst;
    for (const auto& linje : DelLinjer(windows1252))
    {
        tekst += linje + "\n";
    }
    return tekst;
}

// The report lines of a reference project as its saved result file holds them. A report
// without the explanation ends with an empty line (the log files of the reference carry it:
// two empty lines before "DETALJER"), but the reference .txt files of those projects stop
// before it; the saved file holds one line per report line, so it has one CR LF more.
std::string ReferenceResultat(int nr)
{
    std::string tekst = test::LaesHeleFilen(Reference(nr, "txt"));
    const auto json = nlohmann::json::parse(test::LaesHeleFilen(Reference(nr, "json")));
    if (!json.at("Inddata").at("ForklaringMed").get<bool>())
    {
        tekst += "\r\n";
    }
    return tekst;
}

class TagloCli : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // One folder per test, also for the cases of a table ("Navn/3").
        std::string navn = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(navn.begin(), navn.end(), '/', '_');
        mappe_ = fs::temp_directory_path() /
                 ("taglo_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + navn);
        fs::remove_all(mappe_);
        fs::create_directories(mappe_);
    }
    void TearDown() override
    {
        std::error_code fejl;
        fs::remove_all(mappe_, fejl);
    }

    [[nodiscard]] std::string Sti(const std::string& navn) const
    {
        return (mappe_ / navn).string();
    }

    // Runs taglo-cli under the C locale (no regional settings: Danish) unless told otherwise.
    test::Udfald Koer(const std::vector<std::string>& argumenter,
                      const std::vector<std::string>& miljoe = {"LANG=C"}) const
    {
        return test::KoerProgram(TAGLO_CLI, argumenter, miljoe, mappe_.string());
    }

    // A copy of a project file with one line replaced.
    std::string Projekt(const std::string& navn, std::size_t linjeNr,
                        const std::string& tekst) const
    {
        auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).value();
        linjer[linjeNr - 1] = tekst;
        std::ofstream(Sti(navn), std::ios::binary) << SammenfoejLinjer(linjer);
        return Sti(navn);
    }

    fs::path mappe_;
};

// ---- The reference projects: report, saved result and log

// Whether the battens and the nails of a reference project can be used.
struct Dom
{
    bool laegte;
    bool soem;
};
Dom ReferencensDom(const nlohmann::json& reference)
{
    const auto& r = reference.at("Resultatdata");
    return {r.at("NormalfagOK").get<bool>() && r.at("GavlfagOK").get<bool>() &&
                r.at("GavludkragningOK").get<bool>(),
            r.at("NormalspaerSoemOK").get<bool>() && r.at("GavlspaerSoemOK").get<bool>()};
}

class ReferenceRapport : public TagloCli, public ::testing::WithParamInterface<int>
{};

TEST_P(ReferenceRapport, GivesSomGemtResultatPaaSkaermenOgSomDetaljeretLogfil)
{
    const auto udfald = Koer({"rapport", Reference(GetParam(), "tgl"), "--tidspunkt", kReferencetid,
                              "--firma", "Eksempel ApS", "--ud", Sti("resultat.txt"), "--log", "2",
                              "--logfil", Sti("mellemresultater.log")});
    EXPECT_EQ(test::LaesHeleFilen(Sti("resultat.txt")), ReferenceResultat(GetParam()));
    EXPECT_EQ(udfald.ud, SomUtf8(ReferenceResultat(GetParam())));
    EXPECT_EQ(test::LaesHeleFilen(Sti("mellemresultater.log")),
              test::LaesHeleFilen(Reference(GetParam(), "log")));
    EXPECT_EQ(udfald.fejl, "");
    const Dom dom =
        ReferencensDom(nlohmann::json::parse(test::LaesHeleFilen(Reference(GetParam(), "json"))));
    EXPECT_EQ(udfald.status, dom.laegte && dom.soem ? 0 : 1);
}

// Numbers agree when they differ by at most a billionth of their size, objects in every
// field of `forventet`, arrays element by element.
void ForventEns(const nlohmann::json& faktisk, const nlohmann::json& forventet,
                const std::string& navn)
{
    if (forventet.is_number())
    {
        ASSERT_TRUE(faktisk.is_number()) << navn;
        const double b = forventet.get<double>();
        EXPECT_NEAR(faktisk.get<double>(), b, 1e-9 * std::max(1.0, std::abs(b))) << navn;
    }
    else if (forventet.is_object())
    {
        for (const auto& [felt, vaerdi] : forventet.items())
        {
            ASSERT_TRUE(faktisk.contains(felt)) << navn << "." << felt;
            ForventEns(faktisk.at(felt), vaerdi, navn + "." + felt);
        }
    }
    else if (forventet.is_array())
    {
        ASSERT_EQ(faktisk.size(), forventet.size()) << navn;
        for (std::size_t i = 0; i < forventet.size(); ++i)
        {
            ForventEns(faktisk[i], forventet[i], navn + "[" + std::to_string(i) + "]");
        }
    }
    else
    {
        EXPECT_EQ(faktisk, forventet) << navn;
    }
}

TEST_P(ReferenceRapport, JsonGiverReferencensTal)
{
    const auto udfald = Koer({"rapport", "--json", Reference(GetParam(), "tgl")});
    ASSERT_NE(udfald.status, 2) << udfald.fejl;
    const auto faktisk = nlohmann::json::parse(udfald.ud);
    const auto forventet =
        nlohmann::json::parse(test::LaesHeleFilen(Reference(GetParam(), "json")));

    ForventEns(faktisk.at("Afledte"), forventet.at("Afledte"), "Afledte");
    ForventEns(faktisk.at("Resultatdata"), forventet.at("Resultatdata"), "Resultatdata");
    // The 22 cases in analysis order, with the fields the program writes of them.
    auto tilfaelde = nlohmann::json::array();
    for (const auto& t : forventet.at("Cases"))
    {
        tilfaelde.push_back({{"Id", t.at("Id")},
                             {"Lastkomb", t.at("Lastkomb")},
                             {"Vindtilf", t.at("Vindtilf")},
                             {"kmod", t.at("kmod")},
                             {"Noegle", t.at("Noegle")}});
    }
    ASSERT_EQ(tilfaelde.size(), 22U);
    ForventEns(faktisk.at("Tilfaeldeliste"), tilfaelde, "Tilfaeldeliste");
    for (std::size_t k = 0; k < 11; ++k)
    {
        EXPECT_EQ(faktisk.at("Rangliste")[k], forventet.at("Heads").at(std::to_string(k)))
            << "category " << k;
    }
    EXPECT_EQ(faktisk.at("Fil"), Reference(GetParam(), "tgl"));
    EXPECT_EQ(faktisk.at("KanAnvendes").at("Laegte").get<bool>(), ReferencensDom(forventet).laegte);
    EXPECT_EQ(faktisk.at("KanAnvendes").at("Soem").get<bool>(), ReferencensDom(forventet).soem);
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceRapport, ::testing::Range(1, 9));

// ---- Exit status and messages

TEST_F(TagloCli, ManglendeFilGiverStatus2OgHentebeskeden)
{
    const auto udfald = Koer({"rapport", Sti("findes_ikke.tgl")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_EQ(udfald.ud, "");
    EXPECT_TRUE(
        udfald.fejl.starts_with("Fejl: Uventet fejl: Programmet kan ikke hente inddata fra " +
                                Sti("findes_ikke.tgl") + ".\n      Det kan måske skyldes"))
        << udfald.fejl;
}

TEST_F(TagloCli, AfvistInddataGiverStatus2OgFeltetsBesked)
{
    const auto udfald = Koer({"rapport", Projekt("nul.tgl", 7, "      0,00")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_EQ(udfald.ud, "") << "no verdict from a rejected input";
    EXPECT_EQ(udfald.fejl, "Fejl: Lægteafstanden skal være positiv\n");
}

TEST_F(TagloCli, NegativtSoemGiverAdvarselOgBeregnes)
{
    const auto udfald = Koer({"rapport", Projekt("soem.tgl", 17, "-1")});
    EXPECT_EQ(udfald.fejl, "Advarsel: Sømtype er ikke valgt. Første søm på listen forudsættes\n");
    EXPECT_NE(udfald.ud.find("Sømtypen \"3,1 x 90 mm ringet søm (som i SKRIFT 12)\""),
              std::string::npos);
}

TEST_F(TagloCli, FlereFilerGiverEnRapportHverIRaekkefoelge)
{
    const auto udfald = Koer({"rapport", "--tidspunkt", kReferencetid, "--firma", "Eksempel ApS",
                              Reference(3, "tgl"), Sti("mangler.tgl"), Reference(1, "tgl")});
    EXPECT_EQ(udfald.status, 2) << "the worst status of the files";
    EXPECT_EQ(udfald.ud, SomUtf8(ReferenceResultat(3)) + "\n" + SomUtf8(ReferenceResultat(1)));
    EXPECT_TRUE(udfald.fejl.starts_with(Sti("mangler.tgl") + ": Fejl: Uventet fejl:"))
        << udfald.fejl;
}

TEST_F(TagloCli, FlereFilerMedUdmappeGiverEnFilHver)
{
    fs::create_directories(Sti("ud"));
    const auto udfald = Koer({"rapport", "--tidspunkt", kReferencetid, "--firma", "Eksempel ApS",
                              "--ud", Sti("ud"), Reference(2, "tgl"), Reference(5, "tgl")});
    EXPECT_NE(udfald.status, 2) << udfald.fejl;
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt02.txt")), ReferenceResultat(2));
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt05.txt")), ReferenceResultat(5));
}

TEST_F(TagloCli, FlereFilerMedEnEnkeltUdfilAfvises)
{
    const auto udfald =
        Koer({"rapport", "--ud", Sti("samlet.txt"), Reference(2, "tgl"), Reference(5, "tgl")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_FALSE(fs::exists(Sti("samlet.txt")));
    EXPECT_TRUE(udfald.fejl.starts_with("Fejl: ")) << udfald.fejl;
}

TEST_F(TagloCli, ResultatDerIkkeKanGemmesGiverStatus2)
{
    const auto udfald =
        Koer({"rapport", TAGLO_STANDARDFIL, "--ud", Sti("ingen/mappe/resultat.txt")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_TRUE(
        udfald.fejl.starts_with("Besked: Kan ikke gemme resultatet under det anførte navn\n"))
        << udfald.fejl;
}

TEST_F(TagloCli, LogfilDerIkkeKanGemmesGiverStatus2OgLogfilUdenLogniveauAdvarer)
{
    const auto udfald =
        Koer({"rapport", TAGLO_STANDARDFIL, "--log", "1", "--logfil", Sti("ingen/mappe/x.log")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_EQ(udfald.fejl, "Fejl: Kan ikke gemme logfilen under det anførte navn\n");

    const auto udenNiveau = Koer({"rapport", TAGLO_STANDARDFIL, "--logfil", Sti("x.log")});
    EXPECT_EQ(udenNiveau.status, 0);
    EXPECT_TRUE(udenNiveau.fejl.starts_with("Advarsel: ")) << udenNiveau.fejl;
    EXPECT_FALSE(fs::exists(Sti("x.log")));
}

TEST_F(TagloCli, BrugsfejlGiverStatus2OgBrugsanvisning)
{
    for (const auto& argumenter : std::vector<std::vector<std::string>>{
             {}, {"rapport"}, {"beregn"}, {"rapport", "a.tgl", "--log", "7"}})
    {
        const auto udfald = Koer(argumenter);
        EXPECT_EQ(udfald.status, 2);
        EXPECT_TRUE(udfald.fejl.starts_with("Fejl: ")) << udfald.fejl;
        EXPECT_NE(udfald.fejl.find("taglo-cli rapport"), std::string::npos);
    }
    const auto hjaelp = Koer({"--hjaelp"});
    EXPECT_EQ(hjaelp.status, 0);
    EXPECT_NE(hjaelp.ud.find("taglo-cli figur"), std::string::npos);
}

// ---- Regional settings

TEST_F(TagloCli, EngelskSystemLaeserIkkeEnDanskFilMedMindreDanskErValgt)
{
    const auto udfald = Koer({"rapport", Reference(1, "tgl")}, {"LC_ALL=en_US.UTF-8"});
    EXPECT_EQ(udfald.status, 2)
        << "the snow form factors 2,80 and 0,80 are no numbers with a decimal point";
    EXPECT_TRUE(
        udfald.fejl.starts_with("Fejl: Uventet fejl: Programmet kan ikke hente inddata fra "))
        << udfald.fejl;
    const auto dansk = Koer({"rapport", "--dansk", "--tidspunkt", kReferencetid, "--firma",
                             "Eksempel ApS", Reference(1, "tgl")},
                            {"LC_ALL=en_US.UTF-8"});
    EXPECT_EQ(dansk.ud, SomUtf8(ReferenceResultat(1)));
}

TEST_F(TagloCli, EngelskSystemSkriverDecimalpunktum)
{
    auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).value();
    for (auto& linje : linjer)
    {
        std::replace(linje.begin(), linje.end(), ',', '.');
    }
    std::ofstream(Sti("engelsk.tgl"), std::ios::binary) << SammenfoejLinjer(linjer);
    const auto udfald = Koer({"rapport", Sti("engelsk.tgl")}, {"LANG=en_GB.UTF-8"});
    EXPECT_EQ(udfald.status, 0) << udfald.fejl;
    EXPECT_NE(udfald.ud.find("  Husbredde:          8.00 m"), std::string::npos) << udfald.ud;
}

// ---- Figures

TEST_F(TagloCli, FigurSomTegningsdataOgBilleder)
{
    for (const std::string figur : {"tvaersnit", "laengdesnit", "soemforbindelse"})
    {
        const auto udfald = Koer({"figur", figur, TAGLO_STANDARDFIL, Sti(figur + ".json")});
        EXPECT_EQ(udfald.status, 0) << figur << ": " << udfald.fejl;
        const auto json = nlohmann::json::parse(test::LaesHeleFilen(Sti(figur + ".json")));
        EXPECT_FALSE(json.at("figurer").empty()) << figur;
    }
    EXPECT_EQ(Koer({"figur", "tvaersnit", TAGLO_STANDARDFIL, Sti("tvaer.svg")}).status, 0);
    EXPECT_NE(test::LaesHeleFilen(Sti("tvaer.svg")).find("<svg"), std::string::npos);

    EXPECT_EQ(Koer({"figur", "soemforbindelse", TAGLO_STANDARDFIL, Sti("soem.png"), "--bredde",
                    "320", "--hoejde", "200"})
                  .status,
              0);
    const auto bytes = test::LaesHeleFilen(Sti("soem.png"));
    ASSERT_GE(bytes.size(), 24U);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    // Width and height, four bytes each, most significant first: 320 = 0x140, 200 = 0xC8.
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xC8", 8));
}

TEST_F(TagloCli, SoemfigurAfAfvistInddataGemmesIkke)
{
    const auto udfald =
        Koer({"figur", "soemforbindelse", Projekt("nul.tgl", 7, "      0,00"), Sti("soem.json")});
    EXPECT_EQ(udfald.status, 2);
    EXPECT_EQ(udfald.fejl, "Fejl: Lægteafstanden skal være positiv\n");
    EXPECT_FALSE(fs::exists(Sti("soem.json")));
}

} // namespace
} // namespace taglo
