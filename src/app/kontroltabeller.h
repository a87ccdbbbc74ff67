// One description per control of the input tabs: its name, the input it sets, its line in
// the project file, and what the window shows of it. The window builds its widgets from
// these tables; the project file, the input checks and the window's model read them.
#pragma once

#include "core/inddata.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace taglo
{

// The edit fields of the window, named by their controls, in their tab order.
enum class Felt : std::size_t
{
    EditFirmanavn,
    EditProjektnavn,
    EditBygningsdel,
    EditMedarb,
    EditHusBr,
    EditFacHjd,
    EditTagVink,
    EditLegteAfst,
    EditFacUdh,
    EditHusLn,
    EditNormalSpaerAfst,
    EditGavlSpaerAfst,
    EditGavlspaerIndrykn,
    EditGavlUdh,
    EditLegteHojde,
    EditLegteBredde,
    EditAlisteTykkelse,
    EditUtagtykkelse,
    EditTagTyng,
    EditAfstVesterhav,
    EditSneFormFak,
};
inline constexpr std::size_t kAntalFelter = 21;

// The radio groups of the window, named by their controls.
enum class Valg : std::size_t
{
    RadioGroupDublLegter,
    RadioGroupTerrKat,
    RadioGroupNormSneFormFak,
    RadioGroupCvAreal,
    RadioGroupStyrkeKlasse,
    RadioGroupSikkl,
    RadioGroupForklaringMed,
    RadioGroupLogfil,
};
inline constexpr std::size_t kAntalValg = 8;

// The tabs, named by their sheets, in their order on the tab control: the eight of the
// design and the design suggestion after them.
enum class Fane : std::size_t
{
    Inddataark,
    Opsetningsark,
    HjelpTversnitArk,
    HjelpLengdesnitArk,
    KontrolTversnitArk,
    KontrolLengdesnitArk,
    Resultatark,
    NailTegningsArk,
    Forslagsark,
};
inline constexpr std::size_t kAntalFaner = 9;

// Number texts of the edit fields are right-aligned in this many characters.
inline constexpr int kFeltbredde = 10;

// An edit field. A number field sets its input either as typed (`tal`) or through `gem`;
// a text field sets its input through `gemTekst`, which keeps the characters the input
// holds. The company name sets no input.
struct FeltBeskrivelse
{
    Felt felt{};
    std::string_view navn = {}; // the control's name
    // The decimals of a number field's text; nothing for a text field.
    std::optional<int> decimaler = std::nullopt;
    double TInddata::*tal = nullptr;
    void (*gem)(TInddata&, double) = nullptr;
    void (*gemTekst)(TInddata&, std::string_view) = nullptr;
    std::size_t linje = 0;             // the project file's line (from 1) with its text; 0: none
    std::string_view ledetekst = {};   // the label beside it; lines split by '\n'
    std::string_view enhed = {};       // the unit label to its right
    std::string_view designtekst = {}; // what it shows before a project is read
    std::string_view hint = {};        // shown when the mouse rests on it
    // The label's hint where it is not the field's hint naming the help tab by its caption.
    std::string_view ledetekstHint = {};
    int kapacitet = 0; // the characters a text field takes; 0 for a number field
};

// clang-format off
inline constexpr std::array<FeltBeskrivelse, kAntalFelter> kFelter{{
    {.felt = Felt::EditFirmanavn, .navn = "EditFirmanavn", .decimaler = std::nullopt,
     .ledetekst = "Firmanavn", .designtekst = "Skriv firmanavn her", .kapacitet = 70},
    {.felt = Felt::EditProjektnavn, .navn = "EditProjektnavn", .decimaler = std::nullopt,
     .gemTekst = [](TInddata& d, std::string_view t) { d.Projektnavn = t; }, .linje = 1,
     .ledetekst = "Projektnavn", .designtekst = "Skriv projektnavn her", .kapacitet = 70},
    {.felt = Felt::EditBygningsdel, .navn = "EditBygningsdel", .decimaler = std::nullopt,
     .gemTekst = [](TInddata& d, std::string_view t) { d.Bygningsdel = t; }, .linje = 2,
     .ledetekst = "Byggeafsnit, bygningsdel etc.", .designtekst = "Skriv bygningsdel her",
     .kapacitet = 70},
    {.felt = Felt::EditMedarb, .navn = "EditMedarb", .decimaler = std::nullopt,
     .gemTekst = [](TInddata& d, std::string_view t) { d.Medarb = t; }, .linje = 3,
     .ledetekst = "Medarbejder", .designtekst = "Skriv dit eget navn her", .kapacitet = 30},
    {.felt = Felt::EditHusBr, .navn = "EditHusBr", .decimaler = 2, .tal = &TInddata::HusBr,
     .linje = 4, .ledetekst = "Husbredde", .enhed = "m",
     .hint = "Afstanden mellem facadernes ydersider. Se evt. fanebladet \"Hjælp, tværsnit\""},
    {.felt = Felt::EditFacHjd, .navn = "EditFacHjd", .decimaler = 2, .tal = &TInddata::FacHjd,
     .linje = 5, .ledetekst = "Facadehøjde", .enhed = "m",
     .hint = "Målt fra terræn til tagets overside i facadeflugten. Se evt. fanebladet "
             "\"Hjælp, tværsnit\""},
    {.felt = Felt::EditTagVink, .navn = "EditTagVink", .decimaler = 0, .tal = &TInddata::TagVink,
     .linje = 6, .ledetekst = "Tagvinkel", .enhed = "grader",
     .hint = "Tagfladens vinkel med vandret. Se evt. fanebladet \"Hjælp, tværsnit\""},
    {.felt = Felt::EditLegteAfst, .navn = "EditLegteAfst", .decimaler = 2,
     .tal = &TInddata::LegteAfst, .linje = 7, .ledetekst = "Normal lægteafstand (skrå)",
     .enhed = "m",
     .hint = "Den indbyrdes afstand mellem lægterne, målt i tagfladens retning. Se evt. "
             "fanebladet \"Hjælp, tværsnit\""},
    {.felt = Felt::EditFacUdh, .navn = "EditFacUdh", .decimaler = 2, .tal = &TInddata::FacUdh,
     .linje = 9, .ledetekst = "Facadeudhæng", .enhed = "m",
     .hint = "Målt vandret fra facadens yderside til tagkanten. Se evt. fanebladet \"Hjælp, "
             "tværsnit\""},
    {.felt = Felt::EditHusLn, .navn = "EditHusLn", .decimaler = 2, .tal = &TInddata::HusLn,
     .linje = 10, .ledetekst = "Huslængde", .enhed = "m",
     .hint = "Afstanden mellem gavlenes ydersider. Se evt. fanebladet \"Hjælp, længdesnit\""},
    {.felt = Felt::EditNormalSpaerAfst, .navn = "EditNormalSpaerAfst", .decimaler = 2,
     .tal = &TInddata::NormalSpaerAfst, .linje = 11, .ledetekst = "Normalspærafstand nsa",
     .enhed = "m",
     .hint = "Afstanden mellem normalspær = normal spændvidde for lægter. Se fanebladet "
             "\"Hjælp, længdesnit\""},
    {.felt = Felt::EditGavlSpaerAfst, .navn = "EditGavlSpaerAfst", .decimaler = 2,
     .tal = &TInddata::GavlspaerAfst, .linje = 12, .ledetekst = "Gavlspærafstand gsa",
     .enhed = "m",
     .hint = "Afstanden fra gavlspær til første normalspær. Se fanebladet \"Hjælp, "
             "længdesnit\""},
    {.felt = Felt::EditGavlspaerIndrykn, .navn = "EditGavlspaerIndrykn", .decimaler = 2,
     .tal = &TInddata::GavlspaerIndrykn, .linje = 13, .ledetekst = "Gavlspærindrykning gsi",
     .enhed = "m",
     .hint = "Se fanebladet \"Hjælp, længdesnit\". For træbeklædt gavl: ofte 0. For muret "
             "gavl: ofte ca. 0,4 m.",
     .ledetekstHint = "Se fanebladet \"Hjælp, Længde\". For træbeklædt gavl: ofte 0. For "
                      "muret gavl: ofte ca. 0,5 m."},
    {.felt = Felt::EditGavlUdh, .navn = "EditGavlUdh", .decimaler = 2, .tal = &TInddata::GavlUdh,
     .linje = 14, .ledetekst = "Gavludhæng guh", .enhed = "m",
     .hint = "Målt vandret fra gavlens yderside til vindskeden (lægteenden). Se fanebladet "
             "\"Hjælp, længdesnit\""},
    {.felt = Felt::EditLegteHojde, .navn = "EditLegteHojde", .decimaler = 0,
     .tal = &TInddata::LegteHojde, .linje = 15, .ledetekst = "Højde", .enhed = "mm",
     .designtekst = "        38",
     .hint = "Lægtehøjden måles vinkelret på tagfladen. Se evt. fanebladet \"Hjælp, "
             "tværsnit\""},
    {.felt = Felt::EditLegteBredde, .navn = "EditLegteBredde", .decimaler = 0,
     .tal = &TInddata::LegteBredde, .linje = 16, .ledetekst = "Bredde", .enhed = "mm",
     .designtekst = "        73",
     .hint = "Lægtebredden måles parallelt med tagfladen. Se evt. fanebladet \"Hjælp, "
             "tværsnit\""},
    {.felt = Felt::EditAlisteTykkelse, .navn = "EditAlisteTykkelse", .decimaler = 0,
     .tal = &TInddata::AlisteTykkelse, .linje = 18, .ledetekst = "Tykkelse af afstandsliste",
     .enhed = "mm",
     .hint = "Afstandslisten løfter lægterne fra undertaget, så vand og snavs kan løbe frit "
             "ned ad undertaget. Hvis der ikke er undertag og afstandslister, skrives \"0\""},
    {.felt = Felt::EditUtagtykkelse, .navn = "EditUtagtykkelse", .decimaler = 0,
     .tal = &TInddata::UtagTykkelse, .linje = 19, .ledetekst = "Tykkelse af undertag",
     .enhed = "mm", .hint = "Hvis der ikke er undertag og afstandslister, skrives \"0\""},
    // Typed in kg/m2, held in kN/m2.
    {.felt = Felt::EditTagTyng, .navn = "EditTagTyng", .decimaler = 0,
     .gem = [](TInddata& d, double kgPrM2) { d.TagTyng = kgPrM2 / 100.0; }, .linje = 20,
     .ledetekst = "Egenvægt tagdækning", .enhed = "kg/m2",
     .hint = "Se evt. eksempler i brugervejledningen"},
    {.felt = Felt::EditAfstVesterhav, .navn = "EditAfstVesterhav", .decimaler = 0,
     .tal = &TInddata::AfstVesterhav, .linje = 22,
     .ledetekst = "Afstand Vesterhavet/Ringkøb. Fjord\n(Vindlast)", .enhed = "km",
     .designtekst = "        25",
     .hint = "Hvis afstanden er større end 25 km kan der skrives et vilkårligt tal større end "
             "eller lig 25"},
    // The user types only the elevated factor, which is then the one in use. Line 24 of
    // the project file holds the factor in use, written from the inputs.
    {.felt = Felt::EditSneFormFak, .navn = "EditSneFormFak", .decimaler = 2,
     .gem =
         [](TInddata& d, double v) {
             d.SneFormFakForhojet = v;
             d.SneFormFak = v;
         },
     .ledetekst = "Karak. last", .enhed = "kg/m2"},
}};
// clang-format on

// A radio group. Its input holds the item index (`indeks`) or is true while item 0 is
// selected (`foersteValgt`).
struct ValgBeskrivelse
{
    Valg valg{};
    std::string_view navn = {};       // the control's name
    std::string_view overskrift = {}; // the group's caption
    std::array<std::string_view, 4> punkter{};
    int antalPunkter = 0;
    int kolonner = 1; // the items are laid out in this many columns
    std::int32_t TInddata::*indeks = nullptr;
    bool TInddata::*foersteValgt = nullptr;
    std::size_t linje = 0; // the project file's line (from 1) with the item index
    // The item selected in the window's design, and the one a project file line that is
    // not an integer selects.
    int standard = 0;
    std::string_view hint = {};
};

// clang-format off
inline constexpr std::array<ValgBeskrivelse, kAntalValg> kValg{{
    {.valg = Valg::RadioGroupDublLegter, .navn = "RadioGroupDublLegter",
     .overskrift = "Dublering af lægter i gavlsektion", .punkter = {"Ja", "Nej"},
     .antalPunkter = 2, .kolonner = 2, .foersteValgt = &TInddata::DublLegter, .linje = 8},
    {.valg = Valg::RadioGroupTerrKat, .navn = "RadioGroupTerrKat", .overskrift = "Terrænkategori",
     .punkter = {"I   Hede", "II  Land", "III Forstad", "IV City"}, .antalPunkter = 4,
     .indeks = &TInddata::TerrKat, .linje = 21, .standard = 1,
     .hint = "Se brugervejledningen for detaljerede beskrivelser"},
    {.valg = Valg::RadioGroupNormSneFormFak, .navn = "RadioGroupNormSneFormFak",
     .overskrift = "Snelast", .punkter = {"Normal", "Forhøjet"}, .antalPunkter = 2,
     .kolonner = 2, .foersteValgt = &TInddata::NormSneFormFak, .linje = 23},
    {.valg = Valg::RadioGroupCvAreal, .navn = "RadioGroupCvAreal", .overskrift = "Vindforrmfaktor",
     .punkter = {"10 m2  #", "1 m2 "}, .antalPunkter = 2, .foersteValgt = &TInddata::CvAreal,
     .linje = 27},
    {.valg = Valg::RadioGroupStyrkeKlasse, .navn = "RadioGroupStyrkeKlasse",
     .overskrift = "Styrkeklasse",
     .punkter = {"Konstruktionstræ  C18 #", "Limtræ              GL28h",
                 "Limtræ              GL32h"},
     .antalPunkter = 3, .indeks = &TInddata::StyrkeKlasse, .linje = 28},
    {.valg = Valg::RadioGroupSikkl, .navn = "RadioGroupSikkl", .overskrift = "Konsekvensklasse CC",
     .punkter = {"1 (Lav) #", "2 (Normal)"}, .antalPunkter = 2, .indeks = &TInddata::Sikkl,
     .linje = 29},
    {.valg = Valg::RadioGroupForklaringMed, .navn = "RadioGroupForklaringMed",
     .overskrift = "Forklaring til resultater",
     .punkter = {"medtages i udskrift  #", "overspringes"},
     .antalPunkter = 2, .foersteValgt = &TInddata::ForklaringMed, .linje = 30},
    {.valg = Valg::RadioGroupLogfil, .navn = "RadioGroupLogfil",
     .overskrift = "Mellemresultater (logfil) dannes",
     .punkter = {"Nej  #", "Begrænset", "Detaljeret"},
     .antalPunkter = 3, .kolonner = 3, .indeks = &TInddata::Logfil, .linje = 31},
}};
// clang-format on

// The nail list: the item index is the nail's index in the catalogue.
struct SoemlisteBeskrivelse
{
    std::string_view navn;
    std::size_t linje; // the project file's line with the item index
    int standard;      // the nail a line that is not an integer selects
    std::string_view hint;
};
inline constexpr SoemlisteBeskrivelse kSoemliste{
    "ComboBoxNail", 17, 5, "Klik på knappen til højre i feltet for at se mulighederne"};

// A tab: its sheet name and its caption.
struct FaneBeskrivelse
{
    Fane fane;
    std::string_view navn;
    std::string_view overskrift;
};

inline constexpr std::array<FaneBeskrivelse, kAntalFaner> kFaner{{
    {Fane::Inddataark, "Inddataark", "Inddata"},
    {Fane::Opsetningsark, "Opsetningsark", "Specielle valg"},
    {Fane::HjelpTversnitArk, "HjelpTversnitArk", "Hjælp, Tvær"},
    {Fane::HjelpLengdesnitArk, "HjelpLengdesnitArk", "Hjælp, Længde"},
    {Fane::KontrolTversnitArk, "KontrolTversnitArk", "Kontrol, Tvær"},
    {Fane::KontrolLengdesnitArk, "KontrolLengdesnitArk", "Kontrol, Længde"},
    {Fane::Resultatark, "Resultatark", "Beregningsresultat"},
    {Fane::NailTegningsArk, "NailTegningsArk", "Sømforbindelse"},
    {Fane::Forslagsark, "Forslagsark", "Forslag"},
}};

// Whether showing the tab starts a calculation: only those tabs check the inputs first;
// every other command goes on whatever a field holds.
[[nodiscard]] constexpr bool Beregner(Fane fane)
{
    return fane == Fane::Resultatark || fane == Fane::NailTegningsArk;
}

// The result memo, which the program gives the focus after a run.
inline constexpr std::string_view kMemoResultat = "Resultat";

// The lines of the two warning panels beside the tabs.
inline constexpr std::array<std::string_view, 5> kMemoAdvarLgtLinjer{
    "Bemærk:", "", "Lægte-", "dimensionen er", "utilstrækkelig"};
inline constexpr std::array<std::string_view, 6> kMemoAdvarForbLinjer{
    "Bemærk:", "", "Den", "specificerede", "sømtype er", "utilstrækkelig"};

[[nodiscard]] constexpr const FeltBeskrivelse& Beskrivelse(Felt felt)
{
    return kFelter[static_cast<std::size_t>(felt)];
}
[[nodiscard]] constexpr const ValgBeskrivelse& Beskrivelse(Valg valg)
{
    return kValg[static_cast<std::size_t>(valg)];
}
[[nodiscard]] constexpr const FaneBeskrivelse& Beskrivelse(Fane fane)
{
    return kFaner[static_cast<std::size_t>(fane)];
}

// Each table row stands at the index of its control, and every choice has one way into
// the inputs (the fields' ways in are function pointers, which a sanitizer build cannot
// compare at compile time: GemFeltvaerdi asserts them).
static_assert([] {
    for (std::size_t i = 0; i < kAntalFelter; ++i)
    {
        if (static_cast<std::size_t>(kFelter[i].felt) != i)
        {
            return false;
        }
    }
    for (std::size_t i = 0; i < kAntalValg; ++i)
    {
        const auto& v = kValg[i];
        if (static_cast<std::size_t>(v.valg) != i ||
            (v.indeks != nullptr) == (v.foersteValgt != nullptr))
        {
            return false;
        }
    }
    return true;
}());

// The edit field, radio group or tab with the given control name; nothing for another name.
[[nodiscard]] std::optional<Felt> FeltMedNavn(std::string_view navn);
[[nodiscard]] std::optional<Valg> ValgMedNavn(std::string_view navn);
[[nodiscard]] std::optional<Fane> FaneMedNavn(std::string_view navn);

// Stores the value of a number field in its input, as the field's row says (the typed
// kg/m2 of the roofing in kN/m2; the elevated snow form factor also as the factor in use).
// Text fields store nothing here.
void GemFeltvaerdi(Felt felt, double vaerdi, TInddata& inddata);

// Stores item `indeks` of a radio group in its input, as the group's row says.
void GemValgt(Valg valg, int indeks, TInddata& inddata);

} // namespace taglo
