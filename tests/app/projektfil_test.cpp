#include "app/projektfil.h"

#include "core/support.h"
#include "core/tekstfil.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
using test::PrintTo;

// The shipped default project: an 8 m wide house with a 45 degree roof, its texts named.
std::vector<std::string> Husfil()
{
    auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).value();
    linjer[0] = "Carport Hansen";
    linjer[1] = "Tag over carport";
    linjer[2] = "Mette";
    return linjer;
}

std::vector<std::string> MedLinje(std::size_t nr, const std::string& tekst)
{
    auto linjer = Husfil();
    linjer[nr - 1] = tekst;
    return linjer;
}

struct Laesning
{
    TLaesning udfald = TLaesning::Ulaeselig;
    TVindue vindue;
    TInddata inddata;
    test::OptagneMeddelelser meddelelser;
};

Laesning Laes(const std::vector<std::string>& linjer,
              const Regionalindstillinger& regional = Regionalindstillinger::Dansk())
{
    TNails nails{};
    static_cast<void>(FyldSoemliste(nails));
    Laesning l;
    l.udfald = LaesProjektdata(linjer, nails, l.vindue, l.inddata, regional, l.meddelelser);
    return l;
}

// The number lines: each sets its field's text as it stands and its input's value
// (the roofing's kg/m2 held in kN/m2). Lines 25 and 26 have no field of their own.
struct Tallinje
{
    std::size_t linje;
    std::optional<Felt> felt;
    double TInddata::*inddata;
    double vaerdi; // of the line "     12,34"
};
const std::vector<Tallinje> kTallinjer{
    {4, Felt::EditHusBr, &TInddata::HusBr, 12.34},
    {5, Felt::EditFacHjd, &TInddata::FacHjd, 12.34},
    {6, Felt::EditTagVink, &TInddata::TagVink, 12.34},
    {7, Felt::EditLegteAfst, &TInddata::LegteAfst, 12.34},
    {9, Felt::EditFacUdh, &TInddata::FacUdh, 12.34},
    {10, Felt::EditHusLn, &TInddata::HusLn, 12.34},
    {11, Felt::EditNormalSpaerAfst, &TInddata::NormalSpaerAfst, 12.34},
    {12, Felt::EditGavlSpaerAfst, &TInddata::GavlspaerAfst, 12.34},
    {13, Felt::EditGavlspaerIndrykn, &TInddata::GavlspaerIndrykn, 12.34},
    {14, Felt::EditGavlUdh, &TInddata::GavlUdh, 12.34},
    {15, Felt::EditLegteHojde, &TInddata::LegteHojde, 12.34},
    {16, Felt::EditLegteBredde, &TInddata::LegteBredde, 12.34},
    {18, Felt::EditAlisteTykkelse, &TInddata::AlisteTykkelse, 12.34},
    {19, Felt::EditUtagtykkelse, &TInddata::UtagTykkelse, 12.34},
    {20, Felt::EditTagTyng, &TInddata::TagTyng, 0.1234},
    {22, Felt::EditAfstVesterhav, &TInddata::AfstVesterhav, 12.34},
    {24, Felt::EditSneFormFak, &TInddata::SneFormFak, 12.34},
    {25, std::nullopt, &TInddata::SneFormFakNormal, 12.34},
    {26, std::nullopt, &TInddata::SneFormFakForhojet, 12.34},
};

TEST(LaesProjektdata, HverTallinjeSaetterSitFeltOgSitInddatafelt)
{
    for (const auto& t : kTallinjer)
    {
        SCOPED_TRACE("line " + std::to_string(t.linje));
        const auto l = Laes(MedLinje(t.linje, "     12,34"));
        ASSERT_EQ(l.udfald, TLaesning::Laest);
        EXPECT_TRUE(l.meddelelser.liste.empty());
        EXPECT_DOUBLE_EQ(l.inddata.*t.inddata, t.vaerdi);
        if (t.felt)
        {
            EXPECT_EQ(l.vindue.Tekst(*t.felt), "     12,34");
        }
    }
}

TEST(LaesProjektdata, TekstlinjerBeholdesHeleIFeltetMenAfkortesIInddata)
{
    auto linjer = MedLinje(1, std::string(80, 'x'));
    linjer[2] = "Medarbejder med et meget langt navn her";
    const auto l = Laes(linjer);
    EXPECT_EQ(l.vindue.Tekst(Felt::EditProjektnavn), std::string(80, 'x'));
    EXPECT_EQ(l.inddata.Projektnavn.str(), std::string(70, 'x'));
    EXPECT_EQ(l.inddata.Bygningsdel.str(), "Tag over carport");
    EXPECT_EQ(l.inddata.Medarb.str(), "Medarbejder med et meget langt");
    EXPECT_EQ(l.vindue.Tekst(Felt::EditMedarb), "Medarbejder med et meget langt")
        << "the field shows Medarb";
}

// The integer lines: the nail's list, and the radio groups in their order.
constexpr std::pair<std::size_t, Valg> kValglinjer[] = {
    {8, Valg::RadioGroupDublLegter},      {21, Valg::RadioGroupTerrKat},
    {23, Valg::RadioGroupNormSneFormFak}, {27, Valg::RadioGroupCvAreal},
    {28, Valg::RadioGroupStyrkeKlasse},   {29, Valg::RadioGroupSikkl},
    {30, Valg::RadioGroupForklaringMed},  {31, Valg::RadioGroupLogfil}};

int Valgt(const Laesning& l, std::size_t linje)
{
    for (const auto& [valgLinje, valg] : kValglinjer)
    {
        if (valgLinje == linje)
        {
            return l.vindue.Indeks(valg);
        }
    }
    EXPECT_EQ(l.inddata.Nail, l.vindue.ComboBoxNail);
    EXPECT_EQ(l.inddata.NailData, &kSoemKatalog.at(static_cast<std::size_t>(l.inddata.Nail)));
    return l.vindue.ComboBoxNail;
}

TEST(LaesProjektdata, HeltalslinjeDerIkkeErEtHeltalGiverLinjensStandard)
{
    for (const std::size_t linje : {8, 17, 21, 23, 27, 28, 29, 30, 31})
    {
        const int standard = linje == 17 ? 5 : linje == 21 ? 1 : 0;
        for (const char* tekst : {"x", ""})
        {
            SCOPED_TRACE("line " + std::to_string(linje) + " \"" + tekst + "\"");
            const auto l = Laes(MedLinje(linje, tekst));
            ASSERT_EQ(l.udfald, TLaesning::Laest);
            EXPECT_EQ(Valgt(l, linje), standard);
            EXPECT_TRUE(l.meddelelser.liste.empty());
        }
    }
}

TEST(LaesProjektdata, HeltalslinjeVaelgerEtPunktDerFindes)
{
    const struct
    {
        const char* navn;
        std::size_t linje;
        const char* tekst;
        int forventet;
        bool advarsel; // "no nail chosen"
    } kTilfaelde[] = {{"Soem3MedForanstilletBlank", 17, " 3", 3, false},
                      {"SoemMedPlus", 17, "+4", 4, false},
                      {"Soem12GiverSidsteSoem", 17, "12", 9, false},
                      {"SoemStoersteHeltalGiverSidsteSoem", 17, "2147483647", 9, false},
                      {"SoemUdenfor32BitErIkkeEtHeltal", 17, "2147483648", 5, false},
                      {"SoemMedEfterstilletBlankErIkkeEtHeltal", 17, "3 ", 5, false},
                      {"SoemToFortegnErIkkeEtHeltal", 17, "+-1", 5, false},
                      {"NegativtSoemAdvarerOgGiverFoersteSoem", 17, "-1", 0, true},
                      {"MindsteHeltalSomSoemGiverFoersteSoem", 17, "-2147483648", 0, true},
                      {"Terraen7GiverIVCity", 21, "7", 3, false},
                      {"TerraenNegativGiverIILand", 21, "-1", 1, false},
                      {"TerraenDecimaltalErIkkeEtHeltal", 21, "2,0", 1, false},
                      {"TerraenMedForanstilledeBlanke", 21, "   0", 0, false},
                      {"DubleringForStorGiverNej", 8, "5", 1, false},
                      {"DubleringNegativGiverJa", 8, "-2", 0, false},
                      {"StyrkeklasseForStorGiverSidste", 28, "9", 2, false},
                      {"LogfilForStorGiverDetaljeret", 31, "7", 2, false}};
    const std::vector<test::OptagetMeddelelse> advarsel{
        {"advarsel", "Sømtype er ikke valgt. Første søm på listen forudsættes"}};
    for (const auto& t : kTilfaelde)
    {
        SCOPED_TRACE(t.navn);
        const auto l = Laes(MedLinje(t.linje, t.tekst));
        ASSERT_EQ(l.udfald, TLaesning::Laest);
        EXPECT_EQ(Valgt(l, t.linje), t.forventet);
        EXPECT_EQ(l.meddelelser.liste, t.advarsel ? advarsel : decltype(advarsel){});
    }
}

TEST(LaesProjektdata, TomSoemtabelErEnFejlOgAendrerIntet)
{
    TNails tomme{};
    TVindue vindue;
    TInddata inddata;
    test::OptagneMeddelelser meddelelser;
    EXPECT_EQ(LaesProjektdata(Husfil(), tomme, vindue, inddata, Regionalindstillinger::Dansk(),
                              meddelelser),
              TLaesning::SoemtabelMangler);
    EXPECT_EQ(meddelelser.liste, (std::vector<test::OptagetMeddelelse>{
                                     {"fejl", "Sømtabellen Nails er ikke oprettet. Ring " +
                                                  std::string(support::kTelefon) + "."}}));
    EXPECT_EQ(vindue, TVindue{});
    EXPECT_DOUBLE_EQ(inddata.HusBr, 0.0);
}

TEST(LaesProjektdata, LogniveauViserOgSkjulerResultatomfang)
{
    for (const int niveau : {0, 1, 2})
    {
        const auto l = Laes(MedLinje(31, std::to_string(niveau)));
        EXPECT_EQ(l.inddata.Logfil, niveau);
        EXPECT_EQ(l.vindue.ResultatomfangSynlig, niveau != 0);
        EXPECT_EQ(l.vindue.RadioGroupLogfilSynlig, niveau != 0);
        EXPECT_EQ(l.vindue.RadioGroupLogfilAktiv, niveau != 0);
    }
}

struct UlaeseligFil
{
    const char* navn;
    std::vector<std::string> linjer;
};

class UlaeseligProjektfil : public ::testing::TestWithParam<UlaeseligFil>
{};

TEST_P(UlaeseligProjektfil, AendrerIntetOgSigerIntet)
{
    const auto l = Laes(GetParam().linjer);
    EXPECT_EQ(l.udfald, TLaesning::Ulaeselig);
    EXPECT_TRUE(l.meddelelser.liste.empty()) << "the caller shows its own message";
    EXPECT_EQ(l.vindue, TVindue{});
    EXPECT_DOUBLE_EQ(l.inddata.HusBr, 0.0);
}

std::vector<std::string> Foerste(std::size_t antal)
{
    auto linjer = Husfil();
    linjer.resize(antal);
    return linjer;
}

INSTANTIATE_TEST_SUITE_P(
    LaesProjektdata, UlaeseligProjektfil,
    ::testing::Values(UlaeseligFil{"TrediveLinjer", Foerste(30)}, UlaeseligFil{"Tom", {}},
                      UlaeseligFil{"NormalSneformfaktorIkkeTal", MedLinje(25, "x")},
                      UlaeseligFil{"ForhoejetSneformfaktorIkkeTal", MedLinje(26, "")},
                      UlaeseligFil{"SneformfaktorMedPunktum", MedLinje(25, "0.40")}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(SkrivProjektdata, SkriverFelternesTeksterOgValgenesIndeks)
{
    const auto l = Laes(Husfil());
    EXPECT_EQ(SkrivProjektdata(l.vindue, l.inddata, Regionalindstillinger::Dansk()), Husfil());
}

TEST(SkrivProjektdata, SoemMedToTegnOgSneformfaktorerneMedToDecimaler)
{
    TVindue vindue;
    vindue.ComboBoxNail = 3;
    vindue.Indeks(Valg::RadioGroupDublLegter) = 1;
    vindue.Indeks(Valg::RadioGroupLogfil) = 2;
    TInddata inddata;
    inddata.SneFormFak = 0.5333333;
    inddata.SneFormFakNormal = 0.5333333;
    inddata.SneFormFakForhojet = 12.345;
    const auto linjer = SkrivProjektdata(vindue, inddata, Regionalindstillinger::Dansk());
    ASSERT_EQ(linjer.size(), 31U);
    EXPECT_EQ(linjer[7], "1");
    EXPECT_EQ(linjer[16], " 3") << "the nail index is two characters wide";
    EXPECT_EQ(linjer[30], "2");
    EXPECT_EQ(std::vector(linjer.begin() + 23, linjer.begin() + 26),
              (std::vector<std::string>{"      0,53", "      0,53", "     12,35"}));
    EXPECT_EQ(SkrivProjektdata(vindue, inddata, Regionalindstillinger::Engelsk())[25], "     12.35")
        << "the user's decimal sign";
}

TEST(SkrivProjektdata, LinjeskiftITekstForskyderIkkeLinjerne)
{
    TVindue vindue;
    vindue.Tekst(Felt::EditProjektnavn) = "Hus\r\nmed to linjer";
    const auto linjer = SkrivProjektdata(vindue, TInddata{}, Regionalindstillinger::Dansk());
    const auto igen = DelLinjer(SammenfoejLinjer(linjer));
    ASSERT_EQ(igen.size(), 31U);
    EXPECT_EQ(igen[0], "Hus  med to linjer");
}

// The reference projects were saved by the program: reading one gives the inputs of its
// numbers, and writing it again gives the same lines.
class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, LaesesTilReferencensInddataOgSkrivesUaendret)
{
    char navn[32];
    std::snprintf(navn, sizeof navn, "/projekt%02d", GetParam());
    const std::string sti = test::ReferenceMappe() + navn;
    const auto linjer = LaesTekstfil(sti + ".tgl");
    ASSERT_TRUE(linjer.has_value()) << sti;
    const auto l = Laes(*linjer);
    ASSERT_EQ(l.udfald, TLaesning::Laest);
    EXPECT_TRUE(l.meddelelser.liste.empty());

    const auto json = nlohmann::json::parse(test::LaesHeleFilen(sti + ".json"));
    const auto& forventet = json.at("Inddata");
    const auto& d = l.inddata;
    EXPECT_EQ(d.Projektnavn.str(), forventet.at("Projektnavn").get<std::string>());
    EXPECT_EQ(d.Bygningsdel.str(), forventet.at("Bygningsdel").get<std::string>());
    EXPECT_EQ(d.Medarb.str(), forventet.at("Medarb").get<std::string>());
    const char* const tal[] = {
        "HusBr",         "FacHjd",          "TagVink",          "LegteAfst",         "FacUdh",
        "HusLn",         "NormalSpaerAfst", "GavlspaerAfst",    "GavlspaerIndrykn",  "GavlUdh",
        "LegteHojde",    "LegteBredde",     "AlisteTykkelse",   "UtagTykkelse",      "TagTyng",
        "AfstVesterhav", "SneFormFak",      "SneFormFakNormal", "SneFormFakForhojet"};
    const double talLaest[std::size(tal)] = {
        d.HusBr,         d.FacHjd,          d.TagVink,          d.LegteAfst,         d.FacUdh,
        d.HusLn,         d.NormalSpaerAfst, d.GavlspaerAfst,    d.GavlspaerIndrykn,  d.GavlUdh,
        d.LegteHojde,    d.LegteBredde,     d.AlisteTykkelse,   d.UtagTykkelse,      d.TagTyng,
        d.AfstVesterhav, d.SneFormFak,      d.SneFormFakNormal, d.SneFormFakForhojet};
    for (std::size_t i = 0; i < std::size(tal); ++i)
    {
        EXPECT_NEAR(talLaest[i], forventet.at(tal[i]).get<double>(), 1e-12) << tal[i];
    }
    const char* const valg[] = {"DublLegter",     "Nail",         "TerrKat", "CvAreal",
                                "NormSneFormFak", "StyrkeKlasse", "Sikkl",   "ForklaringMed"};
    const int valgLaest[std::size(valg)] = {d.DublLegter, d.Nail,           d.TerrKat,
                                            d.CvAreal,    d.NormSneFormFak, d.StyrkeKlasse,
                                            d.Sikkl,      d.ForklaringMed};
    for (std::size_t i = 0; i < std::size(valg); ++i)
    {
        EXPECT_EQ(valgLaest[i], forventet.at(valg[i]).get<int>()) << valg[i];
    }
    EXPECT_EQ(std::string(d.NailData->Name), forventet.at("NailData").get<std::string>());

    // The engineer's field shows the 30 characters the inputs keep, so a longer name is
    // saved shortened; everything else is saved as it was read.
    auto gemt = *linjer;
    gemt[2] = d.Medarb.str();
    EXPECT_EQ(SkrivProjektdata(l.vindue, l.inddata, Regionalindstillinger::Dansk()), gemt);
}

INSTANTIATE_TEST_SUITE_P(Reference, Referenceprojekt, ::testing::Range(1, 9));

} // namespace
} // namespace taglo
