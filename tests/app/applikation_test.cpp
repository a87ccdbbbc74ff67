#include "app/applikation.h"

#include "app/projektfil.h"
#include "core/support.h"
#include "core/tekstfil.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using test::OptagetMeddelelse;
using test::PrintTo;
using Meddelelser = std::vector<OptagetMeddelelse>;

const std::string kTelefon(support::kTelefon);

OptagetMeddelelse Fejl(const std::string& tekst)
{
    return {"fejl", tekst};
}

OptagetMeddelelse Konverteringsbesked(const std::string& tekst)
{
    return {"besked", "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'" + tekst +
                          "' is not a valid floating point value"};
}

const OptagetMeddelelse kLaegteAdvarsel{"advarsel",
                                        "Mener du det? Lægteafstanden skal normalt være større"};

// File dialogs that answer with the one file name prepared, once, and otherwise are
// cancelled; every dialog shown is remembered.
class SvarendeDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& d) override { return Besvar("aabn", d); }
    std::optional<std::string> gemFil(const FilDialog& d) override { return Besvar("gem", d); }
    void Svar(const std::string& sti) { svar_ = sti; }

    struct Vist
    {
        std::string art; // "aabn" or "gem"
        FilDialog dialog;
    };
    std::vector<Vist> viste;
    std::function<void()> mensVist; // what happens while a dialog is open

  private:
    std::optional<std::string> Besvar(const std::string& art, const FilDialog& dialog)
    {
        viste.push_back({art, dialog});
        if (mensVist)
        {
            mensVist();
        }
        return std::exchange(svar_, std::nullopt);
    }
    std::optional<std::string> svar_;
};

// The application started in a folder of its own with the shipped Standard.tgl beside it.
class Applikation : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string navn = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(navn.begin(), navn.end(), '/', '_');
        mappe_ = fs::temp_directory_path() /
                 ("taglo_app_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + navn);
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

    // The messages shown since the last call.
    Meddelelser Vist()
    {
        auto vist = meddelelser.liste;
        meddelelser.liste.clear();
        return vist;
    }

    fs::path mappe_;
    test::OptagneMeddelelser meddelelser;
    SvarendeDialoger dialoger;
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
    EXPECT_EQ(app.Inddata().NailData, &kSoemKatalog[static_cast<std::size_t>(app.Inddata().Nail)]);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, NormalSneFormFaktor(app.Inddata().TagVink))
        << "the shipped file's normal snow form factor belongs to its pitch";
    EXPECT_FALSE(app.Beregnet());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    EXPECT_EQ(app.Soemnavne().size(), 10U);
    EXPECT_EQ(app.Soemnavne()[2], "3,8 x130 mm ringet søm (som i SKRIFT 12)");
}

TEST_F(Applikation, UdenBrugbarStandardfilSlutterProgrammetMedBesked)
{
    fs::remove(mappe_ / "Standard.tgl");
    EXPECT_FALSE(app.Init(Mappe()));
    EXPECT_EQ(Vist(), (Meddelelser{{"fejl", "Programmet kunne ikke finde inddatafilen Standard.tgl."
                                            "\r\nRing evt. til support, " +
                                                kTelefon + "."}}));

    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer.pop_back();
    SkrivLinjer(Sti("Standard.tgl"), linjer);
    EXPECT_FALSE(app.Init(Mappe()));
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog",
                                    "Uventet fejl i inddatafilen Standard.tgl.\r\n"
                                    "Der er måske for få linier i den, eller den er helt tom.\r\n"
                                    "Ring evt. " +
                                        kTelefon + "."}}));
}

// ---- Leaving a number field: the text is rounded to the field's decimals and stored; a
// failing check shows its error, the tab "Inddata" and the focus back in the field, and
// the value stays stored; a warning only shows its box.

struct Feltafslutning
{
    const char* navn;
    Felt felt;
    const char* tastet;
    double TInddata::*gemt;
    double vaerdi;
    const char* vist;
    const char* fejl; // the error shown, or ""
    bool advarsel;    // then the warning of a small batten spacing
};

constexpr Feltafslutning kFeltafslutninger[] = {
    {"HusbreddeRundesTilToDecimaler", Felt::EditHusBr, "7,255", &TInddata::HusBr, 7.26,
     "      7,26", "", false},
    {"HusbreddeNul", Felt::EditHusBr, "0", &TInddata::HusBr, 0.0, "      0,00",
     "Huskropbredden skal være positiv", false},
    {"FacadehoejdeNegativ", Felt::EditFacHjd, "-1", &TInddata::FacHjd, -1.0, "     -1,00",
     "Facadehøjden skal være positiv", false},
    {"TagvinkelRundesTilHeleGrader", Felt::EditTagVink, "22,5", &TInddata::TagVink, 23.0,
     "        23", "", false},
    {"Tagvinkel76", Felt::EditTagVink, "76", &TInddata::TagVink, 76.0, "        76",
     "Tagvinklen skal være mellem 0 og 75 grader", false},
    {"TagvinkelNegativ", Felt::EditTagVink, "-1", &TInddata::TagVink, -1.0, "        -1",
     "Tagvinklen skal være mellem 0 og 75 grader", false},
    {"Tagvinkel0Godtages", Felt::EditTagVink, "0", &TInddata::TagVink, 0.0, "         0", "",
     false},
    {"LilleLaegteafstandGiverKunEnAdvarsel", Felt::EditLegteAfst, "0,05", &TInddata::LegteAfst,
     0.05, "      0,05", "", true},
    {"Laegteafstand01GiverIngenBesked", Felt::EditLegteAfst, "0,1", &TInddata::LegteAfst, 0.1,
     "      0,10", "", false},
    {"LaegteafstandNulGiverFejlOgSaaAdvarsel", Felt::EditLegteAfst, "0", &TInddata::LegteAfst, 0.0,
     "      0,00", "Lægteafstanden skal være positiv", true},
    {"FacadeudhaengNulErIOrden", Felt::EditFacUdh, "0", &TInddata::FacUdh, 0.0, "      0,00", "",
     false},
    {"NegativtFacadeudhaengAfvisesMenGemmes", Felt::EditFacUdh, "-1", &TInddata::FacUdh, -1.0,
     "     -1,00", "Facadeudhænget må ikke være negativt", false},
    {"HuslaengdeNul", Felt::EditHusLn, "0", &TInddata::HusLn, 0.0, "      0,00",
     "Huskroplængden skal være positiv", false},
    {"NormalspaerMindreEndGavlspaer", Felt::EditNormalSpaerAfst, "0,5", &TInddata::NormalSpaerAfst,
     0.5, "      0,50", "Normalspærafstanden må ikke være mindre end gavlspærafstanden", false},
    {"NormalspaerLigGavlspaerErIOrden", Felt::EditNormalSpaerAfst, "0,6",
     &TInddata::NormalSpaerAfst, 0.6, "      0,60", "", false},
    {"GavlspaerNul", Felt::EditGavlSpaerAfst, "0", &TInddata::GavlspaerAfst, 0.0, "      0,00",
     "Gavlspærafstanden skal være positiv", false},
    {"GavlspaerStoerreEndNormalspaer", Felt::EditGavlSpaerAfst, "1", &TInddata::GavlspaerAfst, 1.0,
     "      1,00", "Gavlspærafstanden må ikke være større end normalspærafstanden", false},
    {"IndrykningNegativ", Felt::EditGavlspaerIndrykn, "-0,1", &TInddata::GavlspaerIndrykn, -0.1,
     "     -0,10", "Gavlspærindrykningen må ikke være negativ", false},
    {"IndrykningStoerreEndNormalspaer", Felt::EditGavlspaerIndrykn, "1,1",
     &TInddata::GavlspaerIndrykn, 1.1, "      1,10",
     "Gavlspærindrykningen må ikke være større end normalspærafstanden", false},
    {"GavludhaengNegativt", Felt::EditGavlUdh, "-0,3", &TInddata::GavlUdh, -0.3, "     -0,30",
     "Gavludhænget må ikke være negativt", false},
    {"LaegtehoejdeNul", Felt::EditLegteHojde, "0", &TInddata::LegteHojde, 0.0, "         0",
     "Lægtehøjden skal være positiv", false},
    {"LaegtebreddeNul", Felt::EditLegteBredde, "0", &TInddata::LegteBredde, 0.0, "         0",
     "Lægtebredden skal være positiv", false},
    {"AfstandslisteNegativ", Felt::EditAlisteTykkelse, "-1", &TInddata::AlisteTykkelse, -1.0,
     "        -1", "Afstandslistens tykkelse må ikke være negativ", false},
    {"UndertagNegativt", Felt::EditUtagtykkelse, "-1", &TInddata::UtagTykkelse, -1.0, "        -1",
     "Undertagets tykkelse må ikke være negativ", false},
    {"TagdaekningIKgPrM2GemmesIKilonewton", Felt::EditTagTyng, "250", &TInddata::TagTyng, 2.5,
     "       250", "", false},
    {"TagdaekningNegativ", Felt::EditTagTyng, "-100", &TInddata::TagTyng, -1.0, "      -100",
     "Tagdækningens egenvægt må ikke være negativ", false},
    {"VesterhavNegativ", Felt::EditAfstVesterhav, "-1", &TInddata::AfstVesterhav, -1.0,
     "        -1", "Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ", false},
    {"ForhoejetSneformfaktorBrugesStraks", Felt::EditSneFormFak, "1,6", &TInddata::SneFormFak, 1.6,
     "      1,60", "", false},
    {"ForhoejetSneformfaktorSkalVaerePositiv", Felt::EditSneFormFak, "0",
     &TInddata::SneFormFakForhojet, 0.0, "      0,00",
     "Formfaktoren for snelast må ikke være nul eller negativ", false}};

class FeltForladt : public Applikation, public ::testing::WithParamInterface<Feltafslutning>
{};

TEST_P(FeltForladt, GemmerVaerdienOgKontrollererFeltet)
{
    const auto& t = GetParam();
    Start();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1); // opens the snow form factor
    app.VisFane(Fane::Opsetningsark);
    static_cast<void>(app.TagFokus());
    app.FeltForladt(t.felt, t.tastet);
    EXPECT_EQ(app.Vindue().Tekst(t.felt), t.vist);
    EXPECT_DOUBLE_EQ(app.Inddata().*t.gemt, t.vaerdi);
    const bool afvist = *t.fejl != '\0';
    Meddelelser forventet;
    if (afvist)
    {
        forventet.push_back(Fejl(t.fejl));
    }
    if (t.advarsel)
    {
        forventet.push_back(kLaegteAdvarsel);
    }
    EXPECT_EQ(meddelelser.liste, forventet);
    EXPECT_EQ(app.Vindue().AktivFane, afvist ? Fane::Inddataark : Fane::Opsetningsark);
    EXPECT_EQ(app.TagFokus(),
              afvist ? std::optional(std::string(Beskrivelse(t.felt).navn)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Applikation, FeltForladt, ::testing::ValuesIn(kFeltafslutninger),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST_F(Applikation, FeltetsBeskederVisesAlleIRaekkefoelge)
{
    Start();
    app.FeltForladt(Felt::EditHusBr, "7.25");
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), "      0,00");
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 0.0);
    EXPECT_EQ(Vist(),
              (Meddelelser{Konverteringsbesked("7.25"), Fejl("Huskropbredden skal være positiv")}));
    app.FeltForladt(Felt::EditNormalSpaerAfst, "0");
    EXPECT_EQ(
        Vist(),
        (Meddelelser{Fejl("Normalspærafstanden skal være positiv"),
                     Fejl("Normalspærafstanden må ikke være mindre end gavlspærafstanden"),
                     Fejl("Normalspærafstanden må ikke være mindre end gavlspærindrykningen")}));
}

// The roof pitch sets the normal snow form factor: 0.8 up to 30 degrees, falling to 0 at
// 60; the inputs keep it unrounded, while the factor in use is the field's two decimals.
TEST_F(Applikation, TagvinklenGiverNormalSneformfaktor)
{
    Start();
    const struct
    {
        const char* tastet;
        double normal;
        double iBrug;
        const char* vist;
    } kTrin[] = {{"22,5", 0.8, 0.8, "      0,80"},
                 {"75", 0.0, 0.0, "      0,00"},
                 {"40", 0.8 * 20.0 / 30.0, 0.53, "      0,53"}};
    for (const auto& t : kTrin)
    {
        app.FeltForladt(Felt::EditTagVink, t.tastet);
        EXPECT_NEAR(app.Inddata().SneFormFakNormal, t.normal, 1e-15) << t.tastet;
        EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, t.iBrug) << t.tastet;
        EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), t.vist);
        EXPECT_FALSE(app.Vindue().EditSneFormFakAktiv);
    }
    EXPECT_TRUE(meddelelser.liste.empty());

    app.FeltForladt(Felt::EditTagVink, "76");
    EXPECT_NEAR(app.Inddata().SneFormFakNormal, 0.8 * 20.0 / 30.0, 1e-15)
        << "a rejected pitch changes no factor";
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.53);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,53");

    app.FeltForladt(Felt::EditSneFormFak, "3");
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.53) << "the closed field has no exit";
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakForhojet, 0.8);
}

TEST_F(Applikation, TekstfelterBeholderDeresFoersteTegn)
{
    Start();
    app.FeltForladt(Felt::EditMedarb, "Medarbejder med et meget langt navn her");
    EXPECT_EQ(app.Inddata().Medarb.str(), "Medarbejder med et meget langt");
    app.FeltForladt(Felt::EditProjektnavn, "Æblehaven 7");
    EXPECT_EQ(app.Inddata().Projektnavn.str(), "Æblehaven 7");
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
    EXPECT_FALSE(app.Inddata().DublLegter) << "item 0 is \"Ja\"";
    app.RadioGroupClick(Valg::RadioGroupCvAreal, 1);
    EXPECT_FALSE(app.Inddata().CvAreal);
    app.RadioGroupClick(Valg::RadioGroupStyrkeKlasse, 2);
    EXPECT_EQ(app.Inddata().StyrkeKlasse, 2);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 3);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 4);
    app.RadioGroupClick(Valg::RadioGroupTerrKat, -1);
    EXPECT_EQ(app.Inddata().TerrKat, 3) << "a click beside the items changes nothing";
    EXPECT_EQ(app.Vindue().Indeks(Valg::RadioGroupTerrKat), 3);
}

TEST_F(Applikation, SnevalgetSkifterFaktorOgFelt)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    EXPECT_FALSE(app.Inddata().NormSneFormFak);
    EXPECT_TRUE(app.Vindue().EditSneFormFakAktiv);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.8);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,80");

    app.FeltForladt(Felt::EditSneFormFak, "1,6");
    app.FeltForladt(Felt::EditTagVink, "40");
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 1.6) << "the pitch sets only the normal factor";
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      1,60");

    app.FeltForladt(Felt::EditSneFormFak, "0");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 0);
    EXPECT_TRUE(app.Inddata().NormSneFormFak);
    EXPECT_FALSE(app.Vindue().EditSneFormFakAktiv);
    EXPECT_NEAR(app.Inddata().SneFormFak, 0.8 * 20.0 / 30.0, 1e-15) << "the unrounded copy";
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), "      0,53");
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_TRUE(app.Beregnet()) << "the elevated factor counts only while it is chosen";
}

TEST_F(Applikation, SoemlistenVaelgerKatalogetsRaekke)
{
    Start();
    app.ComboBoxNailExit(3);
    EXPECT_EQ(app.Inddata().Nail, 3);
    EXPECT_EQ(app.Inddata().NailData->Name, "4,2 x 130 mm ringet søm (som i SKRIFT 12)");
    EXPECT_EQ(app.Vindue().ComboBoxNail, 3);
    for (const int udenfor : {-1, 10})
    {
        app.ComboBoxNailExit(udenfor);
        EXPECT_EQ(app.Inddata().Nail, 3) << "no entry chosen keeps the nail";
        EXPECT_EQ(app.Vindue().ComboBoxNail, 3);
    }
}

// ---- Loading and saving a project

TEST_F(Applikation, HentLaeserFilenOgViserInddata)
{
    Start();
    const auto foer = app.Vindue();
    app.ButtonHentProjektdataClick(); // cancelled
    EXPECT_EQ(app.Vindue(), foer);

    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[3] = "     11,50";
    linjer[30] = "1";
    SkrivLinjer(Sti("hus.tgl"), linjer);
    app.VisFane(Fane::Opsetningsark);
    dialoger.Svar(Sti("hus.tgl"));
    app.ButtonHentProjektdataClick();
    ASSERT_EQ(dialoger.viste.size(), 2U);
    EXPECT_EQ(dialoger.viste[1].art, "aabn");
    EXPECT_EQ(dialoger.viste[1].dialog.titel, "Hent projektdata");
    EXPECT_EQ(dialoger.viste[1].dialog.filter, "Lægtedata (*.tgl)|*.tgl");
    EXPECT_EQ(dialoger.viste[1].dialog.standardEndelse, "tgl");
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.5);
    EXPECT_TRUE(app.Vindue().ResultatomfangSynlig);
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
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
        (Meddelelser{
            {"fejldialog",
             "Uventet fejl: Programmet kan ikke hente inddata fra " + Sti("kort.tgl") +
                 ".\r\nDet kan måske skyldes at denne fil er dannet af en tidligere version af "
                 "Taglo.\r\nEllers send filen til " +
                 std::string(support::kEmail) +
                 "\r\nmed en kort beskrivelse af problemets art, eller ring " + kTelefon + "."}}));
    EXPECT_EQ(app.Vindue(), vindueFoer);
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 9.5);
}

TEST_F(Applikation, GemtOgHentetProjektGenskaberAlleFelterOgValg)
{
    Start();
    app.FeltForladt(Felt::EditProjektnavn, "Æblehaven 7");
    app.FeltForladt(Felt::EditHusBr, "12,34");
    app.FeltForladt(Felt::EditTagVink, "40");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1);
    app.FeltForladt(Felt::EditSneFormFak, "1,25");
    app.RadioGroupClick(Valg::RadioGroupTerrKat, 3);
    app.ComboBoxNailExit(7);
    const auto vindueGemt = app.Vindue();
    dialoger.Svar(Sti("projekt.tgl"));
    app.ButtonGemProjektdataClick();
    EXPECT_EQ(dialoger.viste.back().dialog.titel, "Gem projektdata");
    ASSERT_TRUE(meddelelser.liste.empty());

    app.FeltForladt(Felt::EditHusBr, "5");
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 0);
    app.ComboBoxNailExit(1);
    ASSERT_TRUE(app.HentProjektdata(Sti("projekt.tgl")));
    EXPECT_EQ(app.Vindue(), vindueGemt);
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 12.34);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 1.25);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFakNormal, 0.53) << "the file holds two decimals";
    EXPECT_EQ(app.Inddata().Nail, 7);
}

TEST_F(Applikation, HentLaeserKunDetFilenSkalBruge)
{
    Start();
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[0] = std::string(100000, 'x');
    linjer.resize(20000, std::string(200, 'y'));
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
    app.ButtonGemProjektdataClick(); // cancelled
    const auto sti = Sti("projekt.tgl");
    EXPECT_FALSE(fs::exists(sti));
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
    EXPECT_EQ(meddelelser.liste,
              (Meddelelser{{"fejldialog",
                            "Inddata-sættet kunne ikke gemmes som " + sti +
                                ".\n\rMåske findes denne fil allerede og er skrivebeskyttet."}}));
    EXPECT_EQ(test::LaesHeleFilen(sti), "gammelt indhold\r\n") << "the old file is intact";
}

// ---- The calculation run

TEST_F(Applikation, ResultatfanenViserRapportenOgFokusGaarTilNotatet)
{
    Start();
    app.VisFane(Fane::Resultatark);
    app.ButtonBeregnClick();
    ASSERT_TRUE(app.Beregnet());
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue().Resultat, app.Resultatliste());
    const auto& rapport = app.Resultatliste();
    ASSERT_GT(rapport.size(), 12U);
    EXPECT_EQ(rapport[4], "Firma:             Eksempel ApS");
    EXPECT_EQ(rapport[7], "Beregnet:          2014-05-01,13:05:09 af Skriv dit eget navn her");
    EXPECT_EQ(rapport[10], "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.");
    EXPECT_EQ(rapport[12], "  Sømtypen \"4,5 x 110 mm lægtesøm\" kan anvendes.");
    EXPECT_FALSE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_FALSE(app.Vindue().MemoAdvarForbSynlig);
    EXPECT_EQ(app.TagFokus(), "Resultat");
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Resultatark);
    EXPECT_EQ(app.Tilfaelde().Tilfaelde.size(), 22U);

    app.VisFane(Fane::Inddataark);
    app.MenuBeregnClick();
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Resultatark) << "the menu shows the result tab";
    EXPECT_EQ(app.TagFokus(), "Resultat");
}

// A shown result is calculated once; leaving a field, even unchanged, any choice and a
// load each require a new calculation, while print and save still find the last report.
TEST_F(Applikation, KunEnAendringKraeverNyBeregning)
{
    Start();
    app.ButtonBeregnClick();
    app.ButtonBeregnClick();
    app.MenuBeregnClick();
    EXPECT_EQ(aflaesninger, 1);
    const std::function<void()> aendringer[] = {
        [&] { app.FeltForladt(Felt::EditHusBr, app.Vindue().Tekst(Felt::EditHusBr)); },
        [&] { app.RadioGroupClick(Valg::RadioGroupSikkl, 1); },
        [&] { app.ComboBoxNailExit(4); },
        [&] { app.FeltForladt(Felt::EditMedarb, "Mette"); },
        [&] { app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1); },
        [&] { ASSERT_TRUE(app.HentProjektdata(TAGLO_STANDARDFIL)); }};
    for (const auto& aendring : aendringer)
    {
        aendring();
        EXPECT_FALSE(app.Beregnet());
        EXPECT_TRUE(app.Vindue().Resultat.empty());
        EXPECT_FALSE(app.Resultatliste().empty());
        app.ButtonBeregnClick();
        EXPECT_TRUE(app.Beregnet());
    }
    EXPECT_EQ(aflaesninger, 7);
}

TEST_F(Applikation, AfvistInddataGiverIngenDom)
{
    Start();
    app.ButtonBeregnClick();
    const auto tidligereRapport = app.Resultatliste();
    app.FeltForladt(Felt::EditLegteAfst, "0");
    meddelelser.liste.clear();
    static_cast<void>(app.TagFokus());

    for (const auto& beregn :
         {std::function<void()>([&] { app.ButtonBeregnClick(); }),
          std::function<void()>([&] { app.MenuBeregnClick(); }),
          std::function<void()>([&] { EXPECT_EQ(app.OptegnNail(), nullptr); })})
    {
        app.VisFane(Fane::Resultatark);
        beregn();
        EXPECT_EQ(Vist(), (Meddelelser{Fejl("Lægteafstanden skal være positiv")}))
            << "the first failing check, and no warning";
        EXPECT_FALSE(app.Beregnet());
        EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
        EXPECT_EQ(app.TagFokus(), "EditLegteAfst");
        EXPECT_TRUE(app.Vindue().Resultat.empty()) << "no verdict is shown";
        EXPECT_EQ(app.Resultatliste(), tidligereRapport);
    }
    EXPECT_EQ(aflaesninger, 1);
}

TEST_F(Applikation, FoersteAfvisteFeltITabulatorraekkefoelgeVises)
{
    Start();
    app.FeltForladt(Felt::EditGavlUdh, "-1");
    app.FeltForladt(Felt::EditFacHjd, "0");
    app.FeltForladt(Felt::EditLegteAfst, "0,05"); // a warning stops nothing
    meddelelser.liste.clear();
    app.ButtonBeregnClick();
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Facadehøjden skal være positiv")}));
    app.FeltForladt(Felt::EditFacHjd, "3");
    app.ButtonBeregnClick();
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Gavludhænget må ikke være negativt")}));
    app.FeltForladt(Felt::EditGavlUdh, "0,3");
    app.ButtonBeregnClick();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_TRUE(app.Beregnet());
}

TEST_F(Applikation, FilMedAfvisteVaerdierGiverIngenDom)
{
    Start();
    auto linjer = *LaesTekstfil(TAGLO_STANDARDFIL);
    linjer[14] = "abc";
    linjer[23] = "ingen"; // the snow form factor in use may be no number either
    linjer[30] = "1";
    SkrivLinjer(Sti("uden_laegte.tgl"), linjer);
    ASSERT_TRUE(app.HentProjektdata(Sti("uden_laegte.tgl")));
    EXPECT_EQ(Vist(), (Meddelelser{Konverteringsbesked("abc"), Konverteringsbesked("ingen")}));
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditLegteHojde), "abc") << "the field keeps the line";
    EXPECT_DOUBLE_EQ(app.Inddata().LegteHojde, 0.0);
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.0);
    EXPECT_EQ(app.Inddata().Logfil, 1) << "the reading goes on to the last line";
    app.ButtonBeregnClick();
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Lægtehøjden skal være positiv")}));
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

// The log file's dialog is open while a repaint of the nail figure asks for the
// calculation again: that inner run is refused, and the outer one finishes.
TEST_F(Applikation, BeregningDerVenterIDialogenStartesIkkeIgen)
{
    Start();
    app.RadioGroupClick(Valg::RadioGroupLogfil, 2);
    std::optional<bool> indreKoersel;
    dialoger.mensVist = [&] {
        if (!indreKoersel) // once, should the inner run show the dialog again
        {
            indreKoersel = false;
            indreKoersel = app.UdfoerBeregning();
        }
    };
    EXPECT_TRUE(app.UdfoerBeregning());
    EXPECT_EQ(dialoger.viste.size(), 1U);
    EXPECT_EQ(indreKoersel, false);
    EXPECT_TRUE(app.Beregnet());
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
    EXPECT_EQ(app.OptegnNail(), figur) << "a repaint draws the kept figure";
    EXPECT_EQ(aflaesninger, 1);

    app.RadioGroupClick(Valg::RadioGroupTerrKat, 2);
    EXPECT_TRUE(app.NailTegning().Figurer.empty());
    EXPECT_TRUE(app.NailTegning().Tekster.empty());
}

// The check drawings of a too weak batten leave the result and its warning alone.
TEST_F(Applikation, KontroltegningerneRoererIkkeResultatet)
{
    Start();
    EXPECT_FALSE(app.ButtonTegnTversnitClick().Figurer.empty()) << "drawn before a calculation";
    EXPECT_FALSE(app.Beregnet());
    app.FeltForladt(Felt::EditLegteHojde, "10");
    app.ButtonBeregnClick();
    ASSERT_TRUE(app.Vindue().MemoAdvarLgtSynlig);
    const auto figurer = app.NailTegning().Figurer.size();

    EXPECT_FALSE(app.ButtonTegnTversnitClick().Figurer.empty());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::KontrolTversnitArk);
    EXPECT_FALSE(app.ButtonTegnLengdesnitClick().Figurer.empty());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::KontrolLengdesnitArk);
    EXPECT_TRUE(app.Beregnet());
    EXPECT_TRUE(app.Vindue().MemoAdvarLgtSynlig);
    EXPECT_EQ(app.NailTegning().Figurer.size(), figurer);
    EXPECT_EQ(aflaesninger, 1);

    app.FeltForladt(Felt::EditLegteHojde, "38");
    EXPECT_FALSE(app.Vindue().MemoAdvarLgtSynlig) << "the warning goes with the inputs";
}

// ---- Print and save of the result

TEST_F(Applikation, UdskriftOgGemFoerFoersteBeregningSigerAtIntetErBeregnet)
{
    Start();
    OptagendePrinter printer;
    app.ButtonPrintResultClick(printer);
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Resultatet er endnu ikke beregnet"}}));
    EXPECT_EQ(printer.dialoger, 0);
    app.ButtonGemResultClick();
    EXPECT_EQ(Vist(), (Meddelelser{{"besked", "Resultatet er endnu ikke beregnet"}}));
    EXPECT_TRUE(dialoger.viste.empty());
}

// A cancelled print prints nothing; a printer's failure is shown.
TEST_F(Applikation, UdskriftEfterAendringUdskriverDenForrigeRapport)
{
    Start();
    app.ButtonBeregnClick();
    const auto rapport = app.Resultatliste();
    app.FeltForladt(Felt::EditHusBr, "9");
    OptagendePrinter printer;
    app.ButtonPrintResultClick(printer);
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_FALSE(app.Beregnet()) << "printing does not calculate";
    ASSERT_FALSE(printer.sider.empty());
    std::size_t antal = 0;
    for (const auto& side : printer.sider)
    {
        antal += side.linjer.size();
    }
    EXPECT_EQ(antal, rapport.size() + 2) << "two empty lines, then each report line";
    EXPECT_EQ(printer.sider.front().linjer.at(2).tekst, "          " + rapport.front());
    EXPECT_EQ(printer.sider.back().linjer.back().tekst, "          " + rapport.back());

    OptagendePrinter annulleret;
    annulleret.annuller = true;
    app.ButtonPrintResultClick(annulleret);
    EXPECT_TRUE(annulleret.sider.empty());
    EXPECT_TRUE(meddelelser.liste.empty());
    OptagendePrinter fejlende;
    fejlende.fejl = "Printeren svarer ikke";
    app.ButtonPrintResultClick(fejlende);
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Printeren svarer ikke"}}));
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

    dialoger.Svar(Sti("findes/ikke/resultat.txt"));
    app.ButtonGemResultClick();
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0].art, "besked");
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(
        "Kan ikke gemme resultatet under det anførte navn\r\n"));
}

} // namespace
} // namespace taglo
