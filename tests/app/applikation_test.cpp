#include "applikationsbaenk.h"

#include "app/projektfil.h"

#include "reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace taglo::test
{
namespace
{
namespace fs = std::filesystem;

const OptagetMeddelelse kLaegteAdvarsel{"advarsel",
                                        "Mener du det? Lægteafstanden skal normalt være større"};

// A printer that remembers the pages of its one print job; without measures, the user
// cancels its dialog.
struct OptagendePrinter final : Udskrivning
{
    std::optional<TSidemaal> maal = TSidemaal{6000, 4500, 50, 80};
    std::optional<std::string> fejl;
    std::vector<TUdskriftside> sider;
    std::optional<TSidemaal> VisPrintdialog() override { return maal; }
    std::optional<std::string> Udskriv(const std::vector<TUdskriftside>& s) override
    {
        sider = s;
        return fejl;
    }
};

// A broken default file's message names what is wrong with it, not a guess, and the support's
// phone. Without a support contact configured, no message and no report names a placeholder:
// the sentences that would name it are left out.
TEST_F(Applikation, UdenSupportkontaktNaevnesIngen)
{
    SkrivFil("Standard.tgl", SomFil(std::vector<std::string>(30, "0")));
    EXPECT_FALSE(app.Init(Programmappe()));
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Uventet fejl i inddatafilen Standard.tgl.\r\n"
                                                  "Standard.tgl har kun 30 linier; en projektfil "
                                                  "har 31.\r\nRing evt. " +
                                                      std::string(kKontakt.telefon) + "."}}));
    TApplikation uden(meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS",
                      LokalTidNu, support::TKontakt{"", ""});
    EXPECT_FALSE(uden.Init(Programmappe() + "findes-ikke/"));
    EXPECT_FALSE(uden.HentProjektdata(SkrivFil("kort.tgl", "Kun en linje\r\n")));
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Programmet kunne ikke finde inddatafilen Standard.tgl."),
                                   {"fejldialog",
                                    "Uventet fejl: Programmet kan ikke hente inddata fra " +
                                        Sti("kort.tgl") +
                                        ".\r\nkort.tgl har kun 1 linie; en projektfil har 31.\r\n"
                                        "Det kan måske skyldes at denne fil er dannet af en "
                                        "tidligere version af Taglo."}}));
    // Reference project 3's gable section fails: its report asks for the inputs only when
    // there is an address to send them to.
    ASSERT_TRUE(uden.HentProjektdata(ReferenceFil(3, "tgl")));
    ASSERT_TRUE(uden.UdfoerBeregning());
    for (const std::string& linje : uden.Resultatliste())
    {
        EXPECT_EQ(linje.find("Send gerne"), std::string::npos) << linje;
    }
    EXPECT_NE(std::find(uden.Resultatliste().begin(), uden.Resultatliste().end(),
                        "  Uventet resultat, lægtedimensionen er muligvis for lille"),
              uden.Resultatliste().end());
}

// Leaving a number field: the text is rounded to the field's decimals and stored, even
// when a check then fails; a failing check shows its errors, the tab "Inddata" and the
// focus back in the field; a warning only shows its box.

struct Feltafslutning
{
    const char* navn;
    Felt felt;
    const char* tastet;
    double TInddata::*gemt;
    double vaerdi;
    const char* vist; // right-aligned in ten characters
    Meddelelser meddelelser;
    // A check against the other field of a pair: its message, but the user goes on, so the
    // two can be changed in either order.
    bool parvis = false;
};

// clang-format off
const Feltafslutning kFeltafslutninger[] = {
    {"HusbreddeRundesTilToDecimaler", Felt::EditHusBr, "7,255", &TInddata::HusBr, 7.26, "7,26", {}},
    {"PunktumErIkkeDecimaltegn", Felt::EditHusBr, "7.25", &TInddata::HusBr, 0.0, "0,00",
     {{"besked", "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'7.25' is not a valid "
                 "floating point value"}, Fejl("Huskropbredden skal være positiv")}},
    {"FacadehoejdeNegativ", Felt::EditFacHjd, "-1", &TInddata::FacHjd, -1.0, "-1,00",
     {Fejl("Facadehøjden skal være positiv")}},
    {"TagvinkelRundesTilHeleGrader", Felt::EditTagVink, "22,5", &TInddata::TagVink, 23.0, "23", {}},
    {"Tagvinkel0Godtages", Felt::EditTagVink, "0", &TInddata::TagVink, 0.0, "0", {}},
    {"Tagvinkel76", Felt::EditTagVink, "76", &TInddata::TagVink, 76.0, "76",
     {Fejl("Tagvinklen skal være mellem 0 og 75 grader")}},
    {"LilleLaegteafstandGiverKunEnAdvarsel", Felt::EditLegteAfst, "0,05", &TInddata::LegteAfst,
     0.05, "0,05", {kLaegteAdvarsel}},
    {"Laegteafstand01GiverIngenBesked", Felt::EditLegteAfst, "0,1", &TInddata::LegteAfst, 0.1,
     "0,10", {}},
    {"LaegteafstandNulGiverFejlOgSaaAdvarsel", Felt::EditLegteAfst, "0", &TInddata::LegteAfst, 0.0,
     "0,00", {Fejl("Lægteafstanden skal være positiv"), kLaegteAdvarsel}},
    {"FacadeudhaengNegativt", Felt::EditFacUdh, "-1", &TInddata::FacUdh, -1.0, "-1,00",
     {Fejl("Facadeudhænget må ikke være negativt")}},
    {"HuslaengdeNul", Felt::EditHusLn, "0", &TInddata::HusLn, 0.0, "0,00",
     {Fejl("Huskroplængden skal være positiv")}},
    {"NormalspaerNulBryderTreRegler", Felt::EditNormalSpaerAfst, "0", &TInddata::NormalSpaerAfst,
     0.0, "0,00", {Fejl("Normalspærafstanden skal være positiv"),
                   Fejl("Normalspærafstanden må ikke være mindre end gavlspærafstanden"),
                   Fejl("Normalspærafstanden må ikke være mindre end gavlspærindrykningen")}},
    {"NormalspaerLigGavlspaerErIOrden", Felt::EditNormalSpaerAfst, "0,6",
     &TInddata::NormalSpaerAfst, 0.6, "0,60", {}},
    {"GavlspaerNul", Felt::EditGavlSpaerAfst, "0", &TInddata::GavlspaerAfst, 0.0, "0,00",
     {Fejl("Gavlspærafstanden skal være positiv")}},
    {"GavlspaerStoerreEndNormalspaer", Felt::EditGavlSpaerAfst, "1", &TInddata::GavlspaerAfst, 1.0,
     "1,00", {Fejl("Gavlspærafstanden må ikke være større end normalspærafstanden")}, true},
    {"IndrykningNegativ", Felt::EditGavlspaerIndrykn, "-0,1", &TInddata::GavlspaerIndrykn, -0.1,
     "-0,10", {Fejl("Gavlspærindrykningen må ikke være negativ")}},
    {"IndrykningStoerreEndNormalspaer", Felt::EditGavlspaerIndrykn, "1,1",
     &TInddata::GavlspaerIndrykn, 1.1, "1,10",
     {Fejl("Gavlspærindrykningen må ikke være større end normalspærafstanden")}, true},
    {"GavludhaengNegativt", Felt::EditGavlUdh, "-0,3", &TInddata::GavlUdh, -0.3, "-0,30",
     {Fejl("Gavludhænget må ikke være negativt")}},
    {"LaegtehoejdeNul", Felt::EditLegteHojde, "0", &TInddata::LegteHojde, 0.0, "0",
     {Fejl("Lægtehøjden skal være positiv")}},
    {"LaegtebreddeNul", Felt::EditLegteBredde, "0", &TInddata::LegteBredde, 0.0, "0",
     {Fejl("Lægtebredden skal være positiv")}},
    {"AfstandslisteNegativ", Felt::EditAlisteTykkelse, "-1", &TInddata::AlisteTykkelse, -1.0, "-1",
     {Fejl("Afstandslistens tykkelse må ikke være negativ")}},
    {"UndertagNegativt", Felt::EditUtagtykkelse, "-1", &TInddata::UtagTykkelse, -1.0, "-1",
     {Fejl("Undertagets tykkelse må ikke være negativ")}},
    {"TagdaekningIKgPrM2GemmesIKilonewton", Felt::EditTagTyng, "250", &TInddata::TagTyng, 2.5,
     "250", {}},
    {"TagdaekningNegativ", Felt::EditTagTyng, "-100", &TInddata::TagTyng, -1.0, "-100",
     {Fejl("Tagdækningens egenvægt må ikke være negativ")}},
    {"VesterhavNegativ", Felt::EditAfstVesterhav, "-1", &TInddata::AfstVesterhav, -1.0, "-1",
     {Fejl("Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ")}},
    {"ForhoejetSneformfaktorSkalVaerePositiv", Felt::EditSneFormFak, "0",
     &TInddata::SneFormFakForhojet, 0.0, "0,00",
     {Fejl("Formfaktoren for snelast må ikke være nul eller negativ")}}};
// clang-format on

class FeltForladt : public Applikation, public ::testing::WithParamInterface<Feltafslutning>
{};

TEST_P(FeltForladt, GemmerVaerdienOgKontrollererFeltet)
{
    const auto& t = GetParam();
    app.RadioGroupClick(Valg::RadioGroupNormSneFormFak, 1); // opens the snow form factor
    app.VisFane(Fane::Opsetningsark);
    static_cast<void>(app.TagFokus());
    app.FeltForladt(t.felt, t.tastet);
    EXPECT_EQ(app.Vindue().Tekst(t.felt), std::string(10 - std::strlen(t.vist), ' ') + t.vist);
    EXPECT_DOUBLE_EQ(app.Inddata().*t.gemt, t.vaerdi);
    EXPECT_EQ(Vist(), t.meddelelser);
    const bool afvist = !t.parvis && std::any_of(t.meddelelser.begin(), t.meddelelser.end(),
                                                 [](const auto& m) { return m.art == "fejl"; });
    EXPECT_EQ(app.Vindue().AktivFane, afvist ? Fane::Inddataark : Fane::Opsetningsark);
    EXPECT_EQ(app.TagFokus(),
              afvist ? std::optional(std::string(Beskrivelse(t.felt).navn)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Applikation, FeltForladt, ::testing::ValuesIn(kFeltafslutninger),
                         [](const auto& info) { return std::string(info.param.navn); });

// The roof pitch sets the normal snow form factor: 0.8 up to 30 degrees, falling to 0 at
// 60; the inputs keep it unrounded, the factor in use is the field's two decimals.
TEST_F(Applikation, TagvinklenGiverNormalSneformfaktor)
{
    const std::tuple<const char*, double, double, const char*> kTrin[] = {
        {"22,5", 0.8, 0.8, "      0,80"},
        {"75", 0.0, 0.0, "      0,00"},
        {"40", 0.8 * 20.0 / 30.0, 0.53, "      0,53"},
        {"76", 0.8 * 20.0 / 30.0, 0.53, "      0,53"}}; // rejected: no factor changes
    for (const auto& [tastet, normal, iBrug, vist] : kTrin)
    {
        app.FeltForladt(Felt::EditTagVink, tastet);
        EXPECT_NEAR(app.Inddata().SneFormFakNormal, normal, 1e-15) << tastet;
        EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, iBrug) << tastet;
        EXPECT_EQ(app.Vindue().Tekst(Felt::EditSneFormFak), vist);
    }
    app.FeltForladt(Felt::EditSneFormFak, "3");
    EXPECT_DOUBLE_EQ(app.Inddata().SneFormFak, 0.53) << "the closed field has no exit";
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Tagvinklen skal være mellem 0 og 75 grader")}));
}

// Loading through the dialog shows the file's inputs on the tab "Inddata"; a file that cannot
// be read changes nothing and gives the load message. Loading over changed inputs asks first:
// "Annuller" goes back, "Ja" opens the save dialog, whose cancelling cancels the load too;
// nothing is asked when nothing changed since the inputs were loaded.
TEST_F(Applikation, HentViserFilensInddataOgSpoergerFoerAendringerGaarTabt)
{
    app.ButtonHentProjektdataClick(); // cancelled
    dialoger.svarene = {SkrivFil("hus.tgl", SammenfoejLinjer(StandardLinjer(4, "     11,50"))),
                        SkrivFil("kort.tgl", "Kun en linje\r\n")};
    app.VisFane(Fane::Opsetningsark);
    app.ButtonHentProjektdataClick();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.5);
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
    app.ButtonHentProjektdataClick();
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog",
                                    "Uventet fejl: Programmet kan ikke hente inddata fra " +
                                        Sti("kort.tgl") +
                                        ".\r\nkort.tgl har kun 1 linie; en projektfil har 31.\r\n"
                                        "Det kan måske skyldes at denne fil er dannet af en "
                                        "tidligere version af Taglo.\r\nEllers send filen til "
                                        "support@example.invalid\r\nmed en kort beskrivelse af "
                                        "problemets art, eller ring 00 00 00 00."}}));
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.5) << "a failed load changes nothing";
    EXPECT_TRUE(dialoger.spoergsmaal_.empty());

    app.FeltForladt(Felt::EditHusBr, "12");
    dialoger.svarPaaSpoergsmaal = {TSvar::Annuller, TSvar::Ja};
    dialoger.titler.clear();
    app.ButtonHentProjektdataClick();
    EXPECT_TRUE(dialoger.titler.empty());
    app.ButtonHentProjektdataClick();
    EXPECT_EQ(dialoger.titler, std::vector<std::string>{"Gem projektdata"});
    EXPECT_EQ(dialoger.spoergsmaal_, std::vector<std::string>(2, "Gem ændringer i projektet?"));
}

// A file that cannot be replaced is left intact, with a message. (Saving and loading every
// field and choice again is the project file's own test.)
TEST_F(Applikation, GemLaderEnSkrivebeskyttetFilUroertMedBesked)
{
    const auto laast = SkrivFil("laast.tgl", "gammelt indhold\r\n");
    fs::permissions(laast, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    dialoger.svarene.emplace_back(laast);
    app.ButtonGemProjektdataClick();
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Inddata-sættet kunne ikke gemmes som " + laast +
                                                      ".\n\rMåske findes denne fil allerede og er "
                                                      "skrivebeskyttet."}}));
    EXPECT_EQ(test::LaesHeleFilen(laast), "gammelt indhold\r\n");
}

// A run from the result tab shows the report there with the focus on it. The result and
// its nail figure are calculated once; leaving a field, even unchanged, any choice and a
// load each require a new run, which painting the figure starts, while print and save
// still find the last report.
TEST_F(Applikation, BeregningenViserRapportenOgGentagesKunEfterEnAendring)
{
    app.VisFane(Fane::Resultatark);
    app.ButtonBeregnClick();
    const auto& rapport = app.Resultatliste();
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue().Resultat, rapport);
    EXPECT_EQ(app.TagFokus(), "Resultat");
    const TTegning* figur = app.OptegnNail();
    ASSERT_NE(figur, nullptr);
    EXPECT_FALSE(figur->Figurer.empty());
    EXPECT_EQ(app.Vindue().AktivFane, Fane::NailTegningsArk);
    app.ButtonBeregnClick();
    app.MenuBeregnClick();
    EXPECT_EQ(app.OptegnNail(), figur) << "a repaint draws the kept figure";
    EXPECT_EQ(aflaesninger, 1);
    const std::function<void()> aendringer[] = {
        [&] { app.FeltForladt(Felt::EditHusBr, app.Vindue().Tekst(Felt::EditHusBr)); },
        [&] { app.RadioGroupClick(Valg::RadioGroupSikkl, 1); }, [&] { app.ComboBoxNailExit(4); },
        [&] { app.FeltForladt(Felt::EditMedarb, "Mette"); },
        [&] { ASSERT_TRUE(app.HentProjektdata(TAGLO_STANDARDFIL)); }};
    for (const auto& aendring : aendringer)
    {
        aendring();
        EXPECT_FALSE(app.Beregnet());
        EXPECT_TRUE(app.Vindue().Resultat.empty());
        EXPECT_TRUE(app.NailTegning().Figurer.empty());
        EXPECT_FALSE(app.Resultatliste().empty());
        ASSERT_NE(app.OptegnNail(), nullptr);
        EXPECT_TRUE(app.Beregnet());
    }
    EXPECT_EQ(aflaesninger, 6);
}

// Each way to the result refuses rejected inputs with the first failing field in tab
// order, and shows no verdict; a warning stops nothing.
TEST_F(Applikation, AfvistInddataGiverIngenDom)
{
    app.ButtonBeregnClick();
    const auto tidligereRapport = app.Resultatliste();
    app.FeltForladt(Felt::EditGavlUdh, "-1");
    app.FeltForladt(Felt::EditFacHjd, "0");
    app.FeltForladt(Felt::EditLegteAfst, "0,05");
    Vist();
    for (const auto& beregn :
         {std::function<void()>([&] { app.ButtonBeregnClick(); }),
          std::function<void()>([&] { app.MenuBeregnClick(); }),
          std::function<void()>([&] { EXPECT_EQ(app.OptegnNail(), nullptr); })})
    {
        app.VisFane(Fane::Resultatark);
        static_cast<void>(app.TagFokus());
        beregn();
        EXPECT_EQ(Vist(), (Meddelelser{Fejl("Facadehøjden skal være positiv")}));
        EXPECT_FALSE(app.Beregnet());
        EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
        EXPECT_EQ(app.TagFokus(), "EditFacHjd");
        EXPECT_TRUE(app.Vindue().Resultat.empty()) << "no verdict is shown";
        EXPECT_EQ(app.Resultatliste(), tidligereRapport);
    }
    app.FeltForladt(Felt::EditFacHjd, "3");
    app.ButtonBeregnClick();
    EXPECT_EQ(Vist(), (Meddelelser{Fejl("Gavludhænget må ikke være negativt")}));
    app.FeltForladt(Felt::EditGavlUdh, "0,3");
    app.ButtonBeregnClick();
    EXPECT_TRUE(app.Beregnet());
    EXPECT_EQ(aflaesninger, 2);
}

// The log file is asked for and saved at each run (its content is compared where taglo-cli
// writes the reference projects' logs). While its dialog is open, a repaint of the nail
// figure asks for the calculation again: that inner run is refused, and the outer one
// finishes.
TEST_F(Applikation, LogfilenGemmesVedHverBeregningSomIkkeStartesIgen)
{
    app.RadioGroupClick(Valg::RadioGroupLogfil, 1);
    std::optional<bool> indreKoersel;
    dialoger.mensVist = [&, foerste = true]() mutable {
        if (std::exchange(foerste, false)) // once, should the inner run show the dialog again
            indreKoersel = app.UdfoerBeregning();
    };
    dialoger.svarene.emplace_back(Sti("mellemresultater.log"));
    EXPECT_TRUE(app.UdfoerBeregning());
    EXPECT_EQ(indreKoersel, false);
    EXPECT_EQ(dialoger.titler, std::vector<std::string>{"Gem logfil"});
    EXPECT_TRUE(fs::exists(Sti("mellemresultater.log")));
    app.ButtonBeregnClick();
    EXPECT_EQ(dialoger.titler.size(), 1U) << "the valid result asks no more";
}

// Before the first run nothing is printed or saved; after a change the last report is
// printed and saved without a new run; a cancelled print prints nothing; a printer's
// failure is shown.
TEST_F(Applikation, UdskriftOgGemGiverDenSidstBeregnedeRapport)
{
    OptagendePrinter printer;
    app.ButtonPrintResultClick(printer);
    app.ButtonGemResultClick();
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Resultatet er endnu ikke beregnet"},
                                   {"besked", "Resultatet er endnu ikke beregnet"}}));
    EXPECT_TRUE(printer.sider.empty());
    EXPECT_TRUE(dialoger.titler.empty());

    app.ButtonBeregnClick();
    const auto rapport = app.Resultatliste();
    app.FeltForladt(Felt::EditHusBr, "9");
    app.ButtonPrintResultClick(printer);
    EXPECT_FALSE(app.Beregnet());
    EXPECT_EQ(printer.sider, OpdelISider(rapport, *printer.maal)) << "the last report, laid out";
    EXPECT_FALSE(printer.sider.empty());

    OptagendePrinter annulleret;
    OptagendePrinter fejlende;
    annulleret.maal.reset();
    fejlende.fejl = "Printeren svarer ikke";
    app.ButtonPrintResultClick(annulleret);
    app.ButtonPrintResultClick(fejlende);
    EXPECT_TRUE(annulleret.sider.empty());
    EXPECT_EQ(Vist(), (Meddelelser{{"fejldialog", "Printeren svarer ikke"}}));

    dialoger.svarene.emplace_back(Sti("resultat.txt"));
    app.ButtonGemResultClick();
    EXPECT_EQ(dialoger.titler, std::vector<std::string>{"Gem resultat"});
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(Sti("resultat.txt")), SammenfoejLinjer(rapport));
}

} // namespace
} // namespace taglo::test
