#include "app/applikation.h"

#include "app/projektfil.h"
#include "core/support.h"
#include "core/tekstfil.h"

#include "optagne_meddelelser.h"
#include "reference.h"
#include "svarende_dialoger.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using test::OptagetMeddelelse;

const std::string kTelefon(support::kTelefon);

std::string KonverteringsBesked(const std::string& tekst)
{
    return "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'" + tekst +
           "' is not a valid floating point value";
}

// The application started in a folder of its own with the shipped Standard.tgl beside it.
class Applikation : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        mappe_ = fs::temp_directory_path() /
                 ("taglo_app_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mappe_);
        fs::create_directories(mappe_);
        fs::copy_file(TAGLO_STANDARDFIL, mappe_ / "Standard.tgl");
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
    [[nodiscard]] std::string Mappe() const { return mappe_.string() + "/"; }

    // Starts the application and forgets the start-up's messages.
    TApplikation& Start()
    {
        EXPECT_TRUE(app.Init(Mappe()));
        EXPECT_TRUE(meddelelser.liste.empty());
        meddelelser.liste.clear();
        return app;
    }

    static void SkrivLinjer(const std::string& sti, const std::vector<std::string>& linjer)
    {
        std::ofstream(sti, std::ios::binary) << SammenfoejLinjer(linjer);
    }

    fs::path mappe_;
    test::OptagneMeddelelser meddelelser;
    test::SvarendeDialoger dialoger;
    int aflaesninger = 0; // how often a report has been stamped with the time
    TApplikation app{meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS", [this] {
                         ++aflaesninger;
                         return Tidspunkt{2014, 5, 1, 13, 5, 9};
                     }};
};

// A printer that remembers the pages of its one print job.
class OptagendePrinter final : public Udskrivning
{
  public:
    std::optional<TSidemaal> VisPrintdialog() override
    {
        ++dialoger;
        return annuller ? std::nullopt : std::optional(TSidemaal{6000, 4500, 50, 80});
    }
    std::optional<std::string> Udskriv(const std::vector<TUdskriftside>& s) override
    {
        sider = s;
        return fejl;
    }
    // Every line printed, in order, without the page layout.
    [[nodiscard]] std::vector<std::string> Linjer() const
    {
        std::vector<std::string> linjer;
        for (const auto& side : sider)
        {
            for (const auto& linje : side.linjer)
            {
                linjer.push_back(linje.tekst);
            }
        }
        return linjer;
    }

    int dialoger = 0;
    bool annuller = false;
    std::optional<std::string> fejl;
    std::vector<TUdskriftside> sider;
};

// ---- Start-up

TEST_F(Applikation, StarterMedStandardfilensVaerdier)
{
    ASSERT_TRUE(app.Init(Mappe()));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditFirmanavn), "Eksempel ApS");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), "      8,00");
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0);
    EXPECT_DOUBLE_EQ(app.Inddata().TagVink, 45.0);
    EXPECT_EQ(app.Inddata().NailData, &kSoemKatalog[static_cast<std::size_t>(app.Inddata().Nail)]);
    EXPECT_FALSE(app.Beregnet());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(app.Soemnavne().size(), 10U);
    EXPECT_EQ(app.Soemnavne()[2], "3,8 x130 mm ringet søm (som i SKRIFT 12)");
}

TEST_F(Applikation, DenLeveredeStandardfilBeskriverEtHusDerKanBeregnes)
{
    Start();
    const auto linjer = LaesTekstfil(TAGLO_STANDARDFIL, {.linjer = 1000});
    ASSERT_TRUE(linjer.has_value());
    EXPECT_EQ(linjer->size(), 31U);
    EXPECT_EQ(test::LaesHeleFilen(TAGLO_STANDARDFIL).find('\n'),
              test::LaesHeleFilen(TAGLO_STANDARDFIL).find('\r') + 1)
        << "lines end with CR LF";
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, NormalSneFormFaktor(app.Inddata().TagVink))
        << "the normal snow form factor belongs to the pitch";
}

TEST_F(Applikation, UdenStandardfilSlutterProgrammetMedBesked)
{
    fs::remove(mappe_ / "Standard.tgl");
    EXPECT_FALSE(app.Init(Mappe()));
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(
        meddelelser.liste[0],
        (OptagetMeddelelse{"fejl", "Programmet kunne ikke finde inddatafilen Standard.tgl.\r\n"
                                   "Ring evt. til support, " +
                                       kTelefon + "."}));
}

TEST_F(Applikation, StandardfilMedTrediveLinjerSlutterProgrammet)
{
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer.pop_back();
    SkrivLinjer(Sti("Standard.tgl"), linjer);
    EXPECT_FALSE(app.Init(Mappe()));
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0],
              (OptagetMeddelelse{"fejldialog",
                                 "Uventet fejl i inddatafilen Standard.tgl.\r\n"
                                 "Der er måske for få linier i den, eller den er helt tom.\r\n"
                                 "Ring evt. " +
                                     kTelefon + "."}));
}

// ---- Editing a number field

TEST_F(Applikation, HusbreddeRundesTilToDecimaler)
{
    Start();
    app.FeltForladt(Felt::EditHusBr, "7,255");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), "      7,26");
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 7.26);
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_F(Applikation, PunktumIHusbreddenGiverKonverteringOgSaaAfvisning)
{
    Start();
    app.VisFane(Fane::Opsetningsark);
    app.FeltForladt(Felt::EditHusBr, "7.25");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), "      0,00");
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 0.0);
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"besked", KonverteringsBesked("7.25")},
                                              {"fejl", "Huskropbredden skal være positiv"}}));
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(app.TagFokus(), "EditHusBr");
}

TEST_F(Applikation, TagvinkelRundesTilHeleGrader)
{
    Start();
    app.FeltForladt(Felt::EditTagVink, "22,5");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditTagVink), "        23");
    EXPECT_DOUBLE_EQ(app.Inddata().TagVink, 23.0);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, 0.8);
}

TEST_F(Applikation, Tagvinkel40GiverNormalSneformfaktorPaaToDecimaler)
{
    Start();
    ASSERT_EQ(app.Vindue().Indeks(Valg::RadioGroupNormSneFormFak), 0);
    app.FeltForladt(Felt::EditTagVink, "40");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,53");
    EXPECT_NEAR(app.Inddata().SneFormFakNormal, 0.8 * 20.0 / 30.0, 1e-15);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.53);
    EXPECT_FALSE(app.Vindue().EditSneFormFakAktiv);
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_F(Applikation, AfvistTagvinkelRoererIkkeSneformfaktorerne)
{
    Start();
    const double normal = app.Inddata().SneFormFakNormal;
    const double iBrug = app.Inddata().SneFormFak;
    const std::string vist = app.Vindue().Tekst(Felt::EditSneFormFak);
    app.FeltForladt(Felt::EditTagVink, "76");
    EXPECT_EQ(meddelelser.liste, (std::vector<OptagetMeddelelse>{
                                     {"fejl", "Tagvinklen skal være mellem 0 og 75 grader"}}));
    EXPECT_DOUBLE_EQ(app.Inddata().TagVink, 76.0) << "a rejected value stays stored";
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, normal);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, iBrug);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), vist);
    EXPECT_EQ(app.TagFokus(), "EditTagVink");
}

TEST_F(Applikation, Tagvinkel75GodtagesOgGiverIngenSne)
{
    Start();
    app.FeltForladt(Felt::EditTagVink, "75");
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, 0.0);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,00");
}

TEST_F(Applikation, MedForhoejetSneRetterTagvinklenKunDenNormaleFaktor)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    app.FeltForladt(Felt::EditSneFormFak, "1,6");
    app.FeltForladt(Felt::EditTagVink, "45");
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, 0.4);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 1.6);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      1,60");
    EXPECT_TRUE(app.Vindue().EditSneFormFakAktiv);
}

TEST_F(Applikation, LilleLaegteafstandGiverKunEnAdvarsel)
{
    Start();
    app.VisFane(Fane::Opsetningsark);
    app.FeltForladt(Felt::EditLegteAfst, "0,05");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{
                  {"advarsel", "Mener du det? Lægteafstanden skal normalt være større"}}));
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Opsetningsark) << "a warning does not change the tab";
    EXPECT_FALSE(app.TagFokus().has_value()) << "nor move the focus";
}

TEST_F(Applikation, Laegteafstand01GiverIngenBesked)
{
    Start();
    app.FeltForladt(Felt::EditLegteAfst, "0,1");
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_F(Applikation, LaegteafstandNulGiverFejlOgSaaAdvarsel)
{
    Start();
    app.FeltForladt(Felt::EditLegteAfst, "0");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{
                  {"fejl", "Lægteafstanden skal være positiv"},
                  {"advarsel", "Mener du det? Lægteafstanden skal normalt være større"}}));
}

TEST_F(Applikation, SpaerafstandeneKontrolleresModHinanden)
{
    Start();
    app.FeltForladt(Felt::EditNormalSpaerAfst, "1,5");
    app.FeltForladt(Felt::EditGavlSpaerAfst, "1,2");
    ASSERT_TRUE(meddelelser.liste.empty());
    app.FeltForladt(Felt::EditNormalSpaerAfst, "1,0");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{
                  {"fejl", "Normalspærafstanden må ikke være mindre end gavlspærafstanden"}}));
    EXPECT_DOUBLE_EQ(app.Inddata().NormalSpaerAfst, 1.0) << "the rejected value stays stored";
    EXPECT_EQ(app.TagFokus(), "EditNormalSpaerAfst");

    meddelelser.liste.clear();
    app.FeltForladt(Felt::EditGavlspaerIndrykn, "1,1");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{
                  {"fejl", "Gavlspærindrykningen må ikke være større end normalspærafstanden"}}));
}

TEST_F(Applikation, NegativtFacadeudhaengAfvisesMenGemmes)
{
    Start();
    app.FeltForladt(Felt::EditFacUdh, "-1");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Facadeudhænget må ikke være negativt"}}));
    EXPECT_DOUBLE_EQ(app.Inddata().FacUdh, -1.0);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditFacUdh), "     -1,00");
}

TEST_F(Applikation, TagdaekningIKgPrM2GemmesIKilonewton)
{
    Start();
    app.FeltForladt(Felt::EditTagTyng, "250");
    EXPECT_DOUBLE_EQ(app.Inddata().TagTyng, 2.5);
    EXPECT_TRUE(meddelelser.liste.empty());
    app.FeltForladt(Felt::EditTagTyng, "-100");
    EXPECT_DOUBLE_EQ(app.Inddata().TagTyng, -1.0);
    EXPECT_EQ(meddelelser.liste, (std::vector<OptagetMeddelelse>{
                                     {"fejl", "Tagdækningens egenvægt må ikke være negativ"}}));
}

TEST_F(Applikation, ForhoejetSneformfaktorSkalVaerePositiv)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    app.VisFane(Fane::Opsetningsark);
    app.FeltForladt(Felt::EditSneFormFak, "0");
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{
                  {"fejl", "Formfaktoren for snelast må ikke være nul eller negativ"}}));
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(app.TagFokus(), "EditSneFormFak");
}

TEST_F(Applikation, LukketSneformfeltHarIngenAfslutning)
{
    Start();
    ASSERT_FALSE(app.Vindue().EditSneFormFakAktiv);
    const double iBrug = app.Inddata().SneFormFak;
    app.FeltForladt(Felt::EditSneFormFak, "3");
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, iBrug);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakForhojet, 0.8);
}

TEST_F(Applikation, TekstfelterBeholderDeresFoersteTegn)
{
    Start();
    app.FeltForladt(Felt::EditMedarb, "Medarbejder med et meget langt navn her");
    EXPECT_EQ(app.Inddata().Medarb.str(), "Medarbejder med et meget langt");
    app.FeltForladt(Felt::EditProjektnavn, "Æblehaven 7");
    EXPECT_EQ(app.Inddata().Projektnavn.str(), "Æblehaven 7");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditProjektnavn), "Æblehaven 7");
    app.FeltForladt(Felt::EditFirmanavn, "Andet firma");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditFirmanavn), "Eksempel ApS")
        << "the company name is not edited";
    EXPECT_TRUE(meddelelser.liste.empty());
}

// ---- Choices

TEST_F(Applikation, RadiogrupperGemmerDeresValg)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupDublLegter, 1);
    EXPECT_FALSE(app.Inddata().DublLegter);
    app.RadioGroupClick(Valg::RadioGroupDublLegter, 0);
    EXPECT_TRUE(app.Inddata().DublLegter);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 3);
    EXPECT_EQ(app.Inddata().TerrKat, 3);
    app.RadioGroupClick(Valg::RadioGroupCvAreal, 1);
    EXPECT_FALSE(app.Inddata().CvAreal);
    app.RadioGroupClick(Valg::RadioGroupStyrkeKlasse, 2);
    EXPECT_EQ(app.Inddata().StyrkeKlasse, 2);
    app.RadioGroupClick(Valg::RadioGroupSikkl, 1);
    EXPECT_EQ(app.Inddata().Sikkl, 1);
    app.RadioGroupClick(Valg::RadioGroupForklaringMed, 1);
    EXPECT_FALSE(app.Inddata().ForklaringMed);
    app.RadioGroupClick(Valg::RadioGroupLogfil, 2);
    EXPECT_EQ(app.Inddata().Logfil, 2);
    EXPECT_EQ(app.Vindue().Indeks(Valg::RadioGroupLogfil), 2);
}

TEST_F(Applikation, RadiogruppeUdenDetValgtePunktIgnoreres)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 4);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, -1);
    EXPECT_EQ(app.Inddata().TerrKat, 1);
    EXPECT_EQ(app.Vindue().Indeks(Valg::RadioGroupTerrKat), 1);
}

TEST_F(Applikation, SnevalgetSkifterFaktorOgFelt)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    EXPECT_FALSE(app.Inddata().NormSneFormFak);
    EXPECT_TRUE(app.Vindue().EditSneFormFakAktiv);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.8);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,80");

    app.FeltForladt(Felt::EditTagVink, "40");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 0);
    EXPECT_TRUE(app.Inddata().NormSneFormFak);
    EXPECT_FALSE(app.Vindue().EditSneFormFakAktiv);
    EXPECT_NEAR(app.Inddata().SneFormFak, 0.8 * 20.0 / 30.0, 1e-15) << "the unrounded copy";
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,53");
}

TEST_F(Applikation, SoemlistenVaelgerKatalogetsRaekke)
{
    Start();
    app.ComboBoxNailExit(3);
    EXPECT_EQ(app.Inddata().Nail, 3);
    EXPECT_EQ(app.Inddata().NailData->Name, "4,2 x 130 mm ringet søm (som i SKRIFT 12)");
    EXPECT_EQ(app.Vindue().ComboBoxNail, 3);
    app.ComboBoxNailExit(-1);
    EXPECT_EQ(app.Inddata().Nail, 3) << "no entry chosen keeps the nail";
    EXPECT_EQ(app.Vindue().ComboBoxNail, 3);
    app.ComboBoxNailExit(10);
    EXPECT_EQ(app.Inddata().Nail, 3);
}

// ---- Loading and saving a project

TEST_F(Applikation, HentLaeserFilenOgViserInddata)
{
    Start();
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[3] = "     11,50";
    linjer[30] = "1";
    SkrivLinjer(Sti("hus.tgl"), linjer);
    app.VisFane(Fane::Opsetningsark);
    dialoger.Svar(Sti("hus.tgl"));
    app.ButtonHentProjektdataClick();
    ASSERT_EQ(dialoger.viste.size(), 1U);
    EXPECT_EQ(dialoger.viste[0].art, "aabn");
    EXPECT_EQ(dialoger.viste[0].dialog.titel, "Hent projektdata");
    EXPECT_EQ(dialoger.viste[0].dialog.filter, "Lægtedata (*.tgl)|*.tgl");
    EXPECT_EQ(dialoger.viste[0].dialog.standardEndelse, "tgl");
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.5);
    EXPECT_TRUE(app.Vindue().ResultatomfangSynlig);
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
}

TEST_F(Applikation, AnnulleretHentGoerIntet)
{
    Start();
    const auto foer = app.Vindue();
    app.ButtonHentProjektdataClick();
    EXPECT_EQ(app.Vindue(), foer);
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_F(Applikation, MislykketHentAendrerIntet)
{
    Start();
    app.FeltForladt(Felt::EditHusBr, "9,5");
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[3] = "abc"; // would show a conversion message if the file were read line by line
    linjer[16] = "-1"; // and a nail warning
    linjer.pop_back();
    SkrivLinjer(Sti("kort.tgl"), linjer);
    const auto vindueFoer = app.Vindue();
    dialoger.Svar(Sti("kort.tgl"));
    app.ButtonHentProjektdataClick();
    EXPECT_EQ(
        meddelelser.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejldialog",
             "Uventet fejl: Programmet kan ikke hente inddata fra " + Sti("kort.tgl") +
                 ".\r\nDet kan måske skyldes at denne fil er dannet af en tidligere version af "
                 "Taglo.\r\nEllers send filen til " +
                 std::string(support::kEmail) +
                 "\r\nmed en kort beskrivelse af problemets art, eller ring " + kTelefon + "."}}));
    EXPECT_EQ(app.Vindue(), vindueFoer);
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 9.5);
}

TEST_F(Applikation, HentAfEnMappeGiverHentebeskeden)
{
    Start();
    EXPECT_FALSE(app.HentProjektdata(Mappe()));
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0].art, "fejldialog");
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(
        "Uventet fejl: Programmet kan ikke hente inddata fra "));
}

TEST_F(Applikation, GemtOgHentetProjektGenskaberAlleFelterOgValg)
{
    Start();
    app.FeltForladt(Felt::EditProjektnavn, "Æblehaven 7");
    app.FeltForladt(Felt::EditHusBr, "12,34");
    app.FeltForladt(Felt::EditTagVink, "40");
    app.FeltForladt(Felt::EditTagTyng, "60");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    app.FeltForladt(Felt::EditSneFormFak, "1,25");
    app.RadioGroupClick(Valg::RadioGroupDublLegter, 1);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 3);
    app.RadioGroupClick(Valg::RadioGroupStyrkeKlasse, 2);
    app.RadioGroupClick(Valg::RadioGroupForklaringMed, 1);
    app.ComboBoxNailExit(7);
    ASSERT_TRUE(meddelelser.liste.empty());
    const auto vindueGemt = app.Vindue();
    const auto inddataGemt = app.Inddata();

    dialoger.Svar(Sti("projekt.tgl"));
    app.ButtonGemProjektdataClick();
    ASSERT_EQ(dialoger.viste.back().dialog.titel, "Gem projektdata");
    ASSERT_TRUE(meddelelser.liste.empty());

    app.FeltForladt(Felt::EditHusBr, "5");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 0);
    app.ComboBoxNailExit(1);
    ASSERT_TRUE(app.HentProjektdata(Sti("projekt.tgl")));
    EXPECT_EQ(app.Vindue(), vindueGemt);
    const auto& d = app.Inddata();
    EXPECT_EQ(d.Projektnavn, inddataGemt.Projektnavn);
    EXPECT_DOUBLE_EQ(d.HusBr, 12.34);
    EXPECT_DOUBLE_EQ(d.TagVink, 40.0);
    EXPECT_DOUBLE_EQ(d.TagTyng, 0.6);
    EXPECT_FALSE(d.NormSneFormFak);
    EXPECT_DOUBLE_EQ(d.SneFormFak, 1.25);
    EXPECT_DOUBLE_EQ(d.SneFormFakForhojet, 1.25);
    EXPECT_DOUBLE_EQ(d.SneFormFakNormal, 0.53) << "the file holds two decimals";
    EXPECT_FALSE(d.DublLegter);
    EXPECT_EQ(d.TerrKat, 3);
    EXPECT_EQ(d.StyrkeKlasse, 2);
    EXPECT_FALSE(d.ForklaringMed);
    EXPECT_EQ(d.Nail, 7);
    EXPECT_EQ(d.NailData, inddataGemt.NailData);
    EXPECT_TRUE(app.Vindue().EditSneFormFakAktiv);
}

TEST_F(Applikation, HentLaeserKunDetFilenSkalBruge)
{
    Start();
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[0] = std::string(100000, 'x');
    for (int i = 0; i < 20000; ++i)
    {
        linjer.push_back(std::string(200, 'y'));
    }
    SkrivLinjer(Sti("stor.tgl"), linjer);
    ASSERT_TRUE(app.HentProjektdata(Sti("stor.tgl")));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditProjektnavn).size(), 4096U)
        << "a line is cut at 4 096 bytes";
    EXPECT_EQ(app.Inddata().Projektnavn.str(), std::string(70, 'x'));
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0);
}

TEST_F(Applikation, GemErstatterEnEksisterendeFilHelt)
{
    Start();
    const auto sti = Sti("projekt.tgl");
    SkrivLinjer(sti, std::vector<std::string>(100, std::string(80, 'z')));
    dialoger.Svar(sti);
    app.ButtonGemProjektdataClick();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(sti),
              SammenfoejLinjer(
                  SkrivProjektdata(app.Vindue(), app.Inddata(), Regionalindstillinger::Dansk())));
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe_), fs::directory_iterator()), 2)
        << "Standard.tgl and the project, no temporary file left";
}

TEST_F(Applikation, GemTilSkrivebeskyttetFilGiverBeskedMedFilnavnet)
{
    Start();
    const auto sti = Sti("laast.tgl");
    SkrivLinjer(sti, {"gammelt indhold"});
    fs::permissions(sti, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    dialoger.Svar(sti);
    app.ButtonGemProjektdataClick();
    EXPECT_EQ(
        meddelelser.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejldialog", "Inddata-sættet kunne ikke gemmes som " + sti +
                               ".\n\rMåske findes denne fil allerede og er skrivebeskyttet."}}));
    EXPECT_EQ(test::LaesHeleFilen(sti), "gammelt indhold\r\n") << "the old file is intact";
}

TEST_F(Applikation, AnnulleretGemSkriverIntet)
{
    Start();
    app.ButtonGemProjektdataClick();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_FALSE(fs::exists(Sti("projekt.tgl")));
}

// ---- The calculation run

TEST_F(Applikation, IntetBeregnesFoerResultatetVises)
{
    Start();
    EXPECT_FALSE(app.Beregnet());
    EXPECT_TRUE(app.Resultatliste().empty());
    EXPECT_EQ(aflaesninger, 0);
}

TEST_F(Applikation, ResultatfanenViserRapportenOgFokusGaarTilNotatet)
{
    Start();
    app.VisFane(Fane::Resultatark);
    app.ButtonBeregnClick();
    ASSERT_TRUE(app.Beregnet());
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue().Resultat, app.Resultatliste());
    ASSERT_GT(app.Resultatliste().size(), 9U);
    EXPECT_EQ(app.Resultatliste()[4], "Firma:             Eksempel ApS");
    EXPECT_EQ(app.Resultatliste()[7],
              "Beregnet:          2014-05-01,13:05:09 af Skriv dit eget navn her");
    EXPECT_EQ(app.TagFokus(), "Resultat");
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Resultatark);
    EXPECT_EQ(app.Tilfaelde().Tilfaelde.size(), 22U);
}

TEST_F(Applikation, StandardhusetKanBygges)
{
    Start();
    app.ButtonBeregnClick();
    const auto& rapport = app.Resultatliste();
    ASSERT_GT(rapport.size(), 12U);
    EXPECT_EQ(rapport[10], "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.");
    EXPECT_EQ(rapport[12], "  Sømtypen \"4,5 x 110 mm lægtesøm\" kan anvendes.");
    EXPECT_FALSE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_FALSE(app.Vindue().MemoAdvarForbSynlig);
}

TEST_F(Applikation, ResultatetVistToGangeBeregnesEnGang)
{
    Start();
    app.ButtonBeregnClick();
    app.ButtonBeregnClick();
    app.MenuBeregnClick();
    EXPECT_EQ(aflaesninger, 1);
}

TEST_F(Applikation, EtFeltForladtUaendretKraeverNyBeregning)
{
    Start();
    app.ButtonBeregnClick();
    ASSERT_FALSE(app.Vindue().Resultat.empty());
    app.FeltForladt(Felt::EditHusBr, app.Vindue().Tekst(Felt::EditHusBr));
    EXPECT_FALSE(app.Beregnet());
    EXPECT_TRUE(app.Vindue().Resultat.empty());
    EXPECT_FALSE(app.Resultatliste().empty()) << "print and save still find the last report";
    app.ButtonBeregnClick();
    EXPECT_EQ(aflaesninger, 2);
}

TEST_F(Applikation, HvertValgKraeverNyBeregning)
{
    Start();
    const auto beregnOgAendr = [&](const std::function<void()>& aendring) {
        app.ButtonBeregnClick();
        EXPECT_TRUE(app.Beregnet());
        aendring();
        EXPECT_FALSE(app.Beregnet());
    };
    beregnOgAendr([&] { app.RadioGroupClick(Valg::RadioGroupSikkl, 1); });
    beregnOgAendr([&] { app.ComboBoxNailExit(4); });
    beregnOgAendr([&] { app.FeltForladt(Felt::EditMedarb, "Mette"); });
    beregnOgAendr([&] { app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1); });
    beregnOgAendr([&] { ASSERT_TRUE(app.HentProjektdata(TAGLO_STANDARDFIL)); });
    EXPECT_EQ(aflaesninger, 5);
}

TEST_F(Applikation, MenuenViserResultatfanen)
{
    Start();
    app.MenuBeregnClick();
    EXPECT_TRUE(app.Beregnet());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Resultatark);
    EXPECT_EQ(app.TagFokus(), "Resultat");
}

TEST_F(Applikation, ForSvagLaegteViserAdvarslenIndtilInddataAendres)
{
    Start();
    app.FeltForladt(Felt::EditLegteHojde, "10");
    app.FeltForladt(Felt::EditLegteBredde, "10");
    app.ButtonBeregnClick();
    EXPECT_TRUE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_FALSE(app.Resultatdata().NormalfagOK);
    app.FeltForladt(Felt::EditLegteBredde, "10");
    EXPECT_FALSE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_FALSE(app.Vindue().MemoAdvarForbSynlig);
}

TEST_F(Applikation, AfvistInddataGiverIngenDom)
{
    Start();
    app.ButtonBeregnClick();
    const auto tidligereRapport = app.Resultatliste();
    app.FeltForladt(Felt::EditLegteAfst, "0");
    meddelelser.liste.clear();
    static_cast<void>(app.TagFokus());
    app.VisFane(Fane::Resultatark);

    app.ButtonBeregnClick();
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Lægteafstanden skal være positiv"}}))
        << "the first failing check, and no warning";
    EXPECT_FALSE(app.Beregnet());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(app.TagFokus(), "EditLegteAfst");
    EXPECT_TRUE(app.Vindue().Resultat.empty()) << "no verdict is shown";
    EXPECT_EQ(app.Resultatliste(), tidligereRapport);
    EXPECT_EQ(aflaesninger, 1);

    meddelelser.liste.clear();
    app.MenuBeregnClick();
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(meddelelser.liste.size(), 1U);
}

TEST_F(Applikation, FoersteAfvisteFeltITabulatorraekkefoelgeVises)
{
    Start();
    app.FeltForladt(Felt::EditGavlUdh, "-1");
    app.FeltForladt(Felt::EditFacHjd, "0");
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Facadehøjden skal være positiv"}}));
    app.FeltForladt(Felt::EditFacHjd, "3");
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Gavludhænget må ikke være negativt"}}));
    app.FeltForladt(Felt::EditGavlUdh, "0,3");
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_TRUE(app.Beregnet());
}

TEST_F(Applikation, FilMedAfvisteVaerdierGiverIngenDom)
{
    Start();
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[14] = "abc";
    SkrivLinjer(Sti("uden_laegte.tgl"), linjer);
    ASSERT_TRUE(app.HentProjektdata(Sti("uden_laegte.tgl")));
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"besked", KonverteringsBesked("abc")}}));
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Lægtehøjden skal være positiv"}}));
    EXPECT_FALSE(app.Beregnet());
    EXPECT_EQ(app.TagFokus(), "EditLegteHojde");
}

TEST_F(Applikation, LogfilenGemmesVedHverBeregning)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupLogfil, 1);
    dialoger.Svar(Sti("mellemresultater.log"));
    app.ButtonBeregnClick();
    ASSERT_EQ(dialoger.viste.size(), 1U);
    EXPECT_EQ(dialoger.viste[0].dialog.titel, "Gem logfil");
    const auto log = LaesTekstfil(Sti("mellemresultater.log"), {.linjer = 100000});
    ASSERT_TRUE(log.has_value());
    const auto n = app.Resultatliste().size();
    ASSERT_GT(log->size(), n + 2);
    EXPECT_EQ(std::vector<std::string>(log->begin(), log->begin() + static_cast<long>(n)),
              app.Resultatliste());
    EXPECT_EQ((*log)[n], "");
    EXPECT_EQ((*log)[n + 1], "DETALJER");

    app.ButtonBeregnClick();
    EXPECT_EQ(dialoger.viste.size(), 1U) << "the valid result asks no more";
}

// Answers the log file's dialog by trying to run the calculation again, as a repaint of
// the nail figure would while the dialog is open.
class GenindtraedendeDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& /*dialog*/) override
    {
        return std::nullopt;
    }
    std::optional<std::string> gemFil(const FilDialog& /*dialog*/) override
    {
        ++viste;
        indreKoersel = app->UdfoerBeregning();
        return std::nullopt;
    }
    TApplikation* app = nullptr;
    int viste = 0;
    std::optional<bool> indreKoersel;
};

TEST_F(Applikation, BeregningDerVenterIDialogenStartesIkkeIgen)
{
    GenindtraedendeDialoger genindtraedende;
    TApplikation app2(meddelelser, genindtraedende, Regionalindstillinger::Dansk(), "Eksempel ApS");
    genindtraedende.app = &app2;
    ASSERT_TRUE(app2.Init(Mappe()));
    app2.RadioGroupClick(Valg::RadioGroupLogfil, 2);
    EXPECT_TRUE(app2.UdfoerBeregning());
    EXPECT_EQ(genindtraedende.viste, 1);
    EXPECT_EQ(genindtraedende.indreKoersel, false);
    EXPECT_TRUE(app2.Beregnet());
}

// ---- Figures

TEST_F(Applikation, SoemfigurenBeregnesEnGangOgHoldesTilInddataAendres)
{
    Start();
    const TTegning* figur = app.OptegnNail();
    ASSERT_NE(figur, nullptr);
    EXPECT_TRUE(app.Beregnet());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::NailTegningsArk);
    EXPECT_FALSE(figur->Figurer.empty());
    EXPECT_FALSE(figur->Tekster.empty());
    const auto antalFigurer = figur->Figurer.size();

    EXPECT_EQ(app.OptegnNail(), figur) << "a repaint draws the kept figure";
    EXPECT_EQ(figur->Figurer.size(), antalFigurer);
    EXPECT_EQ(aflaesninger, 1);

    app.RadioGroupClick(Valg::RadioGroupTerrKat, 2);
    EXPECT_TRUE(app.NailTegning().Figurer.empty());
    EXPECT_TRUE(app.NailTegning().Tekster.empty());
}

TEST_F(Applikation, SoemfigurAfAfvisteInddataTegnesIkke)
{
    Start();
    app.FeltForladt(Felt::EditHusLn, "0");
    meddelelser.liste.clear();
    EXPECT_EQ(app.OptegnNail(), nullptr);
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejl", "Huskroplængden skal være positiv"}}));
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
}

TEST_F(Applikation, KontroltegningerneRoererIkkeResultatet)
{
    Start();
    app.FeltForladt(Felt::EditLegteHojde, "10");
    app.FeltForladt(Felt::EditLegteBredde, "10");
    app.ButtonBeregnClick();
    ASSERT_TRUE(app.Vindue().MemoAdvarLgtSynlig);
    const double egenlast = app.Afledte().LegteEgenlast;
    const auto figurer = app.NailTegning().Figurer.size();

    const TTegning tvaer = app.ButtonTegnTversnitClick();
    EXPECT_FALSE(tvaer.Figurer.empty());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::KontrolTversnitArk);
    const TTegning laengde = app.ButtonTegnLengdesnitClick();
    EXPECT_FALSE(laengde.Figurer.empty());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::KontrolLengdesnitArk);

    EXPECT_TRUE(app.Beregnet());
    EXPECT_TRUE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_DOUBLE_EQ(app.Afledte().LegteEgenlast, egenlast);
    EXPECT_EQ(app.NailTegning().Figurer.size(), figurer);
    EXPECT_EQ(aflaesninger, 1);
}

TEST_F(Applikation, KontroltegningVisesOgsaaFoerEnBeregning)
{
    Start();
    const TTegning tvaer = app.ButtonTegnTversnitClick();
    EXPECT_FALSE(tvaer.Figurer.empty());
    EXPECT_FALSE(app.Beregnet());
    EXPECT_FALSE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_FALSE(app.Vindue().MemoAdvarForbSynlig);
}

// ---- Print and save of the result

TEST_F(Applikation, UdskriftFoerFoersteBeregningSigerAtIntetErBeregnet)
{
    Start();
    OptagendePrinter printer;
    app.ButtonPrintResultClick(printer);
    EXPECT_EQ(meddelelser.liste, (std::vector<OptagetMeddelelse>{
                                     {"fejldialog", "Resultatet er endnu ikke beregnet"}}));
    EXPECT_EQ(printer.dialoger, 0);
}

TEST_F(Applikation, GemFoerFoersteBeregningSigerAtIntetErBeregnet)
{
    Start();
    app.ButtonGemResultClick();
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"besked", "Resultatet er endnu ikke beregnet"}}));
    EXPECT_TRUE(dialoger.viste.empty());
}

TEST_F(Applikation, UdskriftEfterAendringUdskriverDenForrigeRapport)
{
    Start();
    app.ButtonBeregnClick();
    const auto rapport = app.Resultatliste();
    app.FeltForladt(Felt::EditHusBr, "9");
    ASSERT_TRUE(app.Vindue().Resultat.empty());

    OptagendePrinter printer;
    app.ButtonPrintResultClick(printer);
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_FALSE(app.Beregnet()) << "printing does not calculate";
    const auto linjer = printer.Linjer();
    ASSERT_EQ(linjer.size(), rapport.size() + 2) << "two empty lines, then each report line";
    EXPECT_EQ(linjer[0], "");
    EXPECT_EQ(linjer[1], "");
    for (std::size_t i = 0; i < rapport.size(); ++i)
    {
        EXPECT_EQ(linjer[i + 2], "          " + rapport[i]);
    }
}

TEST_F(Applikation, AnnulleretUdskriftUdskriverIntet)
{
    Start();
    app.ButtonBeregnClick();
    OptagendePrinter printer;
    printer.annuller = true;
    app.ButtonPrintResultClick(printer);
    EXPECT_TRUE(printer.sider.empty());
    EXPECT_TRUE(meddelelser.liste.empty());
}

TEST_F(Applikation, PrinterfejlVisesIFejldialogen)
{
    Start();
    app.ButtonBeregnClick();
    OptagendePrinter printer;
    printer.fejl = "Printeren svarer ikke";
    app.ButtonPrintResultClick(printer);
    EXPECT_EQ(meddelelser.liste,
              (std::vector<OptagetMeddelelse>{{"fejldialog", "Printeren svarer ikke"}}));
}

TEST_F(Applikation, GemtResultatErRapportensLinjer)
{
    Start();
    app.ButtonBeregnClick();
    dialoger.Svar(Sti("resultat.txt"));
    app.ButtonGemResultClick();
    ASSERT_EQ(dialoger.viste.size(), 1U);
    EXPECT_EQ(dialoger.viste[0].dialog.titel, "Gem resultat");
    EXPECT_EQ(dialoger.viste[0].dialog.filter, "Tekstfil (*.txt)|*.txt");
    EXPECT_EQ(dialoger.viste[0].dialog.standardEndelse, "txt");
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(Sti("resultat.txt")), SammenfoejLinjer(app.Resultatliste()));
}

TEST_F(Applikation, ResultatDerIkkeKanGemmesGiverTreLinjer)
{
    Start();
    app.ButtonBeregnClick();
    dialoger.Svar(Sti("findes/ikke/resultat.txt"));
    app.ButtonGemResultClick();
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0].art, "besked");
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(
        "Kan ikke gemme resultatet under det anførte navn\r\n"));
}

} // namespace
} // namespace taglo
