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
    TApplikation app{meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS"};
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

} // namespace
} // namespace taglo
