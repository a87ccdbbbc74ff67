#include "app/projektfil.h"

#include "applikationsbaenk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{
namespace
{

struct Laesning
{
    TLaesning udfald = TLaesning::Ulaeselig;
    TVindue vindue;
    TInddata inddata;
    OptagneMeddelelser meddelelser;
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

// The 31 lines of a project file in order, and where each lands: its field shows the
// line as it stands, the input holds its value (the roofing's kg/m2 in kN/m2), and a
// choice's item is selected (the nail list has no radio group).
struct Linje
{
    const char* tekst;
    const char* navn; // the input
    std::optional<Felt> felt;
    double TInddata::*tal = nullptr;
    double vaerdi = 0.0;
    std::optional<Valg> valg = std::nullopt;
    int indeks = -1;
};
const Linje kLinjer[31] = {
    {"Carport Hansen", "Projektnavn", Felt::EditProjektnavn},
    {"Tag over carport", "Bygningsdel", Felt::EditBygningsdel},
    {"Mette", "Medarb", Felt::EditMedarb},
    {"     12,34", "HusBr", Felt::EditHusBr, &TInddata::HusBr, 12.34},
    {"      3,45", "FacHjd", Felt::EditFacHjd, &TInddata::FacHjd, 3.45},
    {"        30", "TagVink", Felt::EditTagVink, &TInddata::TagVink, 30.0},
    {"      0,31", "LegteAfst", Felt::EditLegteAfst, &TInddata::LegteAfst, 0.31},
    {"1", "DublLegter", std::nullopt, nullptr, 0.0, Valg::RadioGroupDublLegter, 1},
    {"      0,45", "FacUdh", Felt::EditFacUdh, &TInddata::FacUdh, 0.45},
    {"     15,50", "HusLn", Felt::EditHusLn, &TInddata::HusLn, 15.5},
    {"      0,95", "NormalSpaerAfst", Felt::EditNormalSpaerAfst, &TInddata::NormalSpaerAfst, 0.95},
    {"      0,65", "GavlspaerAfst", Felt::EditGavlSpaerAfst, &TInddata::GavlspaerAfst, 0.65},
    {"      0,35", "GavlspaerIndrykn", Felt::EditGavlspaerIndrykn, &TInddata::GavlspaerIndrykn,
     0.35},
    {"      0,25", "GavlUdh", Felt::EditGavlUdh, &TInddata::GavlUdh, 0.25},
    {"        45", "LegteHojde", Felt::EditLegteHojde, &TInddata::LegteHojde, 45.0},
    {"        95", "LegteBredde", Felt::EditLegteBredde, &TInddata::LegteBredde, 95.0},
    {" 3", "Nail", std::nullopt, nullptr, 0.0, std::nullopt, 3},
    {"        22", "AlisteTykkelse", Felt::EditAlisteTykkelse, &TInddata::AlisteTykkelse, 22.0},
    {"         2", "UtagTykkelse", Felt::EditUtagtykkelse, &TInddata::UtagTykkelse, 2.0},
    {"        60", "TagTyng", Felt::EditTagTyng, &TInddata::TagTyng, 0.6},
    {"2", "TerrKat", std::nullopt, nullptr, 0.0, Valg::RadioGroupTerrKat, 2},
    {"        12", "AfstVesterhav", Felt::EditAfstVesterhav, &TInddata::AfstVesterhav, 12.0},
    {"1", "NormSneFormFak", std::nullopt, nullptr, 0.0, Valg::RadioGroupNormSneFormFak, 1},
    {"      1,10", "SneFormFak", Felt::EditSneFormFak, &TInddata::SneFormFak, 1.1},
    {"      0,53", "SneFormFakNormal", std::nullopt, &TInddata::SneFormFakNormal, 0.53},
    {"      1,20", "SneFormFakForhojet", std::nullopt, &TInddata::SneFormFakForhojet, 1.2},
    {"1", "CvAreal", std::nullopt, nullptr, 0.0, Valg::RadioGroupCvAreal, 1},
    {"2", "StyrkeKlasse", std::nullopt, nullptr, 0.0, Valg::RadioGroupStyrkeKlasse, 2},
    {"1", "Sikkl", std::nullopt, nullptr, 0.0, Valg::RadioGroupSikkl, 1},
    {"1", "ForklaringMed", std::nullopt, nullptr, 0.0, Valg::RadioGroupForklaringMed, 1},
    {"2", "Logfil", std::nullopt, nullptr, 0.0, Valg::RadioGroupLogfil, 2}};

// The item an integer line selects.
int Valgt(const Laesning& l, std::size_t linje)
{
    const auto& valg = kLinjer[linje - 1].valg;
    return valg ? l.vindue.Indeks(*valg) : l.vindue.ComboBoxNail;
}

// A colleague's file reads under any regional settings: each line lands in its field, a
// number written with either decimal sign is read all the same and shown, and so saved
// again, with the regional one; a line already in the regional form stays as it was.
TEST(Projektfil, HverLinjeLanderISitFeltMedKommaEllerPunktOgGemmesMedDetRegionaleTegn)
{
    const auto medTegn = [](std::string tekst, char tegn) {
        std::replace(tekst.begin(), tekst.end(), ',', tegn);
        return tekst;
    };
    struct Tilfaelde
    {
        const char* navn;
        Regionalindstillinger regional;
        char filensTegn;
    };
    const auto dk = Regionalindstillinger::Dansk();
    const auto en = Regionalindstillinger::Engelsk();
    for (const auto& [navn, regional, filensTegn] :
         {Tilfaelde{"dansk fil, danske indstillinger", dk, ','},
          Tilfaelde{"dansk fil, engelske indstillinger", en, ','},
          Tilfaelde{"engelsk fil, danske indstillinger", dk, '.'},
          Tilfaelde{"engelsk fil, engelske indstillinger", en, '.'}})
    {
        SCOPED_TRACE(navn);
        std::vector<std::string> fil;
        std::vector<std::string> gemt;
        for (const auto& t : kLinjer)
        {
            const bool tal = t.felt || t.tal;
            fil.push_back(tal ? medTegn(t.tekst, filensTegn) : t.tekst);
            gemt.push_back(tal ? medTegn(t.tekst, regional.decimal.front()) : t.tekst);
        }
        const auto l = Laes(fil, regional);
        ASSERT_EQ(l.udfald, TLaesning::Laest);
        EXPECT_TRUE(l.meddelelser.liste.empty());
        for (std::size_t nr = 1; nr <= 31; ++nr)
        {
            const auto& t = kLinjer[nr - 1];
            SCOPED_TRACE(t.navn);
            EXPECT_EQ(t.felt ? l.vindue.Tekst(*t.felt) : gemt[nr - 1], gemt[nr - 1]);
            EXPECT_DOUBLE_EQ(t.tal != nullptr ? l.inddata.*t.tal : t.vaerdi, t.vaerdi);
            EXPECT_EQ(t.indeks >= 0 ? Valgt(l, nr) : t.indeks, t.indeks);
        }
        EXPECT_EQ(l.inddata.NailData, &kSoemKatalog[3]);
        EXPECT_EQ(l.inddata.Bygningsdel.str(), "Tag over carport");
        EXPECT_EQ(SkrivProjektdata(l.vindue, l.inddata, regional), gemt)
            << "saved again line for line";
    }
}

// An integer line selects its item; a text that is no integer in 32 bits, or a negative
// index, gives the line's default (5 for the nail, 1 for the terrain, else 0); an index
// beyond the last item selects the last; a negative nail warns and takes the first.
TEST(LaesProjektdata, HeltalslinjeVaelgerEtPunktDerFindes)
{
    const struct
    {
        std::size_t linje;
        const char* tekst;
        int forventet;
        bool advarsel;
    } kTilfaelde[] = {{17, " 3", 3, false}, {17, "12", 9, false}, {17, "2147483648", 5, false},
                      {17, "3 ", 5, false}, {17, "x", 5, false},  {17, "-1", 0, true},
                      {21, "7", 3, false},  {21, "-1", 1, false}, {21, "2,0", 1, false},
                      {8, "5", 1, false},   {31, "7", 2, false},  {31, "0", 0, false}};
    const Meddelelser advarsel{
        {"advarsel", "Sømtype er ikke valgt. Første søm på listen forudsættes"}};
    for (const auto& t : kTilfaelde)
    {
        SCOPED_TRACE("line " + std::to_string(t.linje) + " \"" + t.tekst + "\"");
        const auto l = Laes(StandardLinjer(t.linje, t.tekst));
        ASSERT_EQ(l.udfald, TLaesning::Laest);
        EXPECT_EQ(Valgt(l, t.linje), t.forventet);
        EXPECT_EQ(l.meddelelser.liste, t.advarsel ? advarsel : Meddelelser{});
        EXPECT_EQ(l.inddata.NailData, &kSoemKatalog.at(static_cast<std::size_t>(l.inddata.Nail)));
        EXPECT_EQ(l.vindue.ResultatomfangSynlig, l.inddata.Logfil != 0) << "with a log level";
        EXPECT_EQ(l.vindue.RadioGroupLogfilSynlig && l.vindue.RadioGroupLogfilAktiv,
                  l.inddata.Logfil != 0);
    }
}

TEST(SkrivProjektdata, SneformfaktorerMedToDecimalerOgIngenLinjeskiftITekst)
{
    TVindue vindue;
    vindue.Tekst(Felt::EditProjektnavn) = "Hus\r\nmed to linjer";
    TInddata inddata;
    inddata.SneFormFakNormal = 0.5333333;
    inddata.SneFormFakForhojet = 12.345;
    const auto linjer = DelLinjer(
        SammenfoejLinjer(SkrivProjektdata(vindue, inddata, Regionalindstillinger::Dansk())));
    ASSERT_EQ(linjer.size(), 31U) << "a line break in a text shifts no line";
    EXPECT_EQ(linjer[0], "Hus  med to linjer");
    EXPECT_EQ(linjer[24], "      0,53");
    EXPECT_EQ(linjer[25], "     12,35");
}

} // namespace
} // namespace taglo::test
