// The report's lines for cases the reference projects do not show: a reference project
// with its inputs or results changed, the header, the time and the log dialog.
#include "report/rapport.h"

#include "core/taltekst.h"
#include "navngivne_tilfaelde.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "referenceprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::PrintTo;
using Linjer = std::vector<std::string>;

// Project 4: every check holds, direct nailing, doubled battens in the gable section.
const test::Referenceprojekt& Projekt4()
{
    static const test::Referenceprojekt projekt = test::LaesReferenceprojekt(4);
    return projekt;
}

// The sections RESULTAT to ANDRE FORUDSÆTNINGER.
Linjer Afsnit(const TInddata& inddata, const TResultater& resultater,
              const Regionalindstillinger& regional)
{
    Linjer liste;
    RapportResultat(liste, inddata, resultater, regional);
    RapportDetaljer(liste, inddata, resultater, regional, "hjaelp@taglo.invalid");
    RapportPrimaere(liste, inddata, Projekt4().afledte, regional);
    RapportAndre(liste, inddata, regional);
    return liste;
}

// Nail rows on either side of the limit of 4,5 MPa between smooth and ringed nails.
const TNailData kGlat{"glat", 8.0, 3.0, 0.0, 80.0, 4.5, 9.0};
const TNailData kRinget{"ringet", 8.0, 3.0, 20.0, 45.0, 4.51, 9.0};

struct Variant
{
    const char* navn;
    void (*juster)(TInddata&, TResultater&);
    const char* linje;
};

class Rapportvariant : public ::testing::TestWithParam<Variant>
{};

TEST_P(Rapportvariant, GiverSinLinje)
{
    TInddata inddata = Projekt4().inddata;
    TResultater resultater = Projekt4().resultater;
    GetParam().juster(inddata, resultater);
    const Linjer linjer = Afsnit(inddata, resultater, Regionalindstillinger::Dansk());
    EXPECT_EQ(std::count(linjer.begin(), linjer.end(), GetParam().linje), 1) << GetParam().linje;
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, Rapportvariant,
    ::testing::Values(
        Variant{"KunGavlfagForLille", [](TInddata&, TResultater& r) { r.GavlfagOK = false; },
                "  (Det er for lille i gavlfag)"},
        Variant{"KunGavludkragningForLille",
                [](TInddata&, TResultater& r) { r.GavludkragningOK = false; },
                "  (Det er for lille i gavlfag)"},
        Variant{"GavludkragningForLilleNaevnerIkkeDubleringen",
                [](TInddata&, TResultater& r) { r.GavludkragningOK = false; },
                "  Lægtedimensionen er for lille."},
        Variant{"GavludkragningOKUdenDublering",
                [](TInddata& i, TResultater&) { i.DublLegter = false; },
                "  Lægtedimensionen er OK."},
        Variant{"NormalfagForLilleSelvomLaegtetabellenDaekker",
                [](TInddata&, TResultater& r) { r.NormalfagOK = false; },
                "  tabel 2005, og normmæssig eftervisning giver følgende resultat:"},
        Variant{"NormalfagOKVedEftervisning",
                [](TInddata&, TResultater& r) { r.NormalfagTabel2005 = false; },
                "  Lægtedimensionen er OK. Den er IKKE dækket af lægtetabel 2005."},
        Variant{"SupportadressenErDenAngivne",
                [](TInddata&, TResultater& r) { r.GavlfagOK = false; },
                "  Send gerne dine indputdata til hjaelp@taglo.invalid"},
        Variant{"LilleNegativtTraekUdenMinus",
                [](TInddata&, TResultater& r) { r.TraekNormalspaer = -0.4; },
                "  Regningsmæssigt træk:    0 N   "},
        Variant{"TerraenkategoriIkkeValgt", [](TInddata& i, TResultater&) { i.TerrKat = -1; },
                "  Dublering af lægter:    ja     Terrænkategori:                   "},
        Variant{"StyrkeklasseIkkeValgt", [](TInddata& i, TResultater&) { i.StyrkeKlasse = -1; },
                "Styrkeklasse:                         Anvendelsesklasse 2; "},
        // The load factors take every class but CC2 as CC1; so does the report.
        Variant{"KonsekvensklasseIkkeValgtErCC1", [](TInddata& i, TResultater&) { i.Sikkl = -1; },
                "Konsekvensklasse: CC1 (medfører K_FI = 0,9); "},
        Variant{"Udtraeksstyrke4komma5ErGlatSoem",
                [](TInddata& i, TResultater&) { i.NailData = &kGlat; },
                "  Udtræksstyrke f_uk:             4,5 MPa (Glat søm)"},
        Variant{"LigeOver4komma5ErRingetSoem",
                [](TInddata& i, TResultater&) { i.NailData = &kRinget; },
                "  Udtræksstyrke f_uk:      4,5 MPa       Ringet længde:     45 mm"}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(RapportHoved, LangeLinjerKlippesVed89Tegn)
{
    TInddata inddata = Projekt4().inddata;
    inddata.Projektnavn = std::string(70, 'p');
    const std::string firma = std::string(60, 'a') + "æææææææææææææ";
    const Linjer linjer = RapportHoved(inddata, firma, Tidspunkt{}, Regionalindstillinger::Dansk());
    // 19 characters of label, then 70 of the company's 73: the tenth "æ" is the last one,
    // and no "æ" is split into bytes.
    EXPECT_EQ(linjer[4], "Firma:             " + std::string(60, 'a') + "ææææææææææ");
    EXPECT_EQ(linjer[5], "Sag/Projekt:       " + std::string(70, 'p'));
}

TEST(FormaterTidspunkt, ForanstilledeNullerOgRegionensTidsskilletegn)
{
    Regionalindstillinger regional = Regionalindstillinger::Dansk();
    EXPECT_EQ(FormaterTidspunkt({987, 1, 2, 0, 4, 0}, regional), "0987-01-02,00:04:00");
    regional.tid = ".";
    EXPECT_EQ(FormaterTidspunkt({2014, 5, 1, 13, 5, 9}, regional), "2014-05-01,13.05.09");
}

TEST(LokalTidNu, GiverEtGyldigtTidspunkt)
{
    const Tidspunkt nu = LokalTidNu();
    EXPECT_GE(nu.aar, 2024);
    EXPECT_TRUE(nu.maaned >= 1 && nu.maaned <= 12 && nu.dag >= 1 && nu.dag <= 31);
    EXPECT_TRUE(nu.time >= 0 && nu.time <= 23 && nu.minut >= 0 && nu.minut <= 59);
    EXPECT_TRUE(nu.sekund >= 0 && nu.sekund <= 60);
}

// SkrivRapport of project 4 with the log at `niveau`; counts the readings of the clock.
Linjer RapportMedLog(int niveau, test::OptagneDialoger& dialoger, int& aflaesninger)
{
    const auto& p = Projekt4();
    auto omgivelser = test::ReferenceOmgivelser();
    omgivelser.ur = [&aflaesninger] {
        ++aflaesninger;
        return test::kReferenceTidspunkt;
    };
    TLogliste log(niveau);
    test::OptagneMeddelelser meddelelser;
    auto rapport = SkrivRapport(p.inddata, p.afledte, p.resultater, TBeregning{}, log, omgivelser,
                                dialoger, meddelelser);
    EXPECT_TRUE(meddelelser.liste.empty());
    return rapport;
}

TEST(SkrivRapport, UdenLogIngenDialogOgAnnulleretLogGiverRapportenSomSaedvanlig)
{
    int aflaesninger = 0;
    test::OptagneDialoger ubrugt({std::string("/tmp/skal-ikke-bruges.log")});
    const Linjer udenLog = RapportMedLog(0, ubrugt, aflaesninger);
    EXPECT_TRUE(ubrugt.viste().empty());
    EXPECT_EQ(aflaesninger, 1) << "the time is read once from the clock";
    for (const int niveau : {1, 2})
    {
        test::OptagneDialoger annulleret({std::nullopt});
        EXPECT_EQ(RapportMedLog(niveau, annulleret, aflaesninger), udenLog);
        ASSERT_EQ(annulleret.viste().size(), 1U);
        EXPECT_EQ(annulleret.viste()[0].dialog.titel, "Gem logfil");
    }
}

} // namespace
} // namespace taglo
