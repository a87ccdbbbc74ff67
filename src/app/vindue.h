// What the window's controls show: a plain value that the window mirrors into its widgets.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The eight tabs, named by their sheets, in their order on the tab control.
enum class Fane : std::size_t
{
    Inddataark,           // "Inddata"
    Opsetningsark,        // "Specielle valg"
    HjelpTversnitArk,     // "Hjælp, Tvær"
    HjelpLengdesnitArk,   // "Hjælp, Længde"
    KontrolTversnitArk,   // "Kontrol, Tvær"
    KontrolLengdesnitArk, // "Kontrol, Længde"
    Resultatark,          // "Beregningsresultat"
    NailTegningsArk,      // "Sømforbindelse"
};
inline constexpr std::size_t kAntalFaner = 8;

// An edit field: its control name and, for a number field, the decimals of its text
// (nothing for a text field). Number texts are always ten characters wide.
struct FeltBeskrivelse
{
    Felt felt;
    std::string_view navn;
    std::optional<int> decimaler;
};

inline constexpr int kFeltbredde = 10;

inline constexpr std::array<FeltBeskrivelse, kAntalFelter> kFelter{{
    {Felt::EditFirmanavn, "EditFirmanavn", std::nullopt},
    {Felt::EditProjektnavn, "EditProjektnavn", std::nullopt},
    {Felt::EditBygningsdel, "EditBygningsdel", std::nullopt},
    {Felt::EditMedarb, "EditMedarb", std::nullopt},
    {Felt::EditHusBr, "EditHusBr", 2},
    {Felt::EditFacHjd, "EditFacHjd", 2},
    {Felt::EditTagVink, "EditTagVink", 0},
    {Felt::EditLegteAfst, "EditLegteAfst", 2},
    {Felt::EditFacUdh, "EditFacUdh", 2},
    {Felt::EditHusLn, "EditHusLn", 2},
    {Felt::EditNormalSpaerAfst, "EditNormalSpaerAfst", 2},
    {Felt::EditGavlSpaerAfst, "EditGavlSpaerAfst", 2},
    {Felt::EditGavlspaerIndrykn, "EditGavlspaerIndrykn", 2},
    {Felt::EditGavlUdh, "EditGavlUdh", 2},
    {Felt::EditLegteHojde, "EditLegteHojde", 0},
    {Felt::EditLegteBredde, "EditLegteBredde", 0},
    {Felt::EditAlisteTykkelse, "EditAlisteTykkelse", 0},
    {Felt::EditUtagtykkelse, "EditUtagtykkelse", 0},
    {Felt::EditTagTyng, "EditTagTyng", 0},
    {Felt::EditAfstVesterhav, "EditAfstVesterhav", 0},
    {Felt::EditSneFormFak, "EditSneFormFak", 2},
}};

// A radio group: its control name, its caption and its items, in order.
struct ValgBeskrivelse
{
    Valg valg;
    std::string_view navn;
    std::string_view overskrift;
    std::array<std::string_view, 4> punkter;
    int antalPunkter;
};

inline constexpr std::array<ValgBeskrivelse, kAntalValg> kValg{{
    {Valg::RadioGroupDublLegter,
     "RadioGroupDublLegter",
     "Dublering af lægter i gavlsektion",
     {"Ja", "Nej"},
     2},
    {Valg::RadioGroupTerrKat,
     "RadioGroupTerrKat",
     "Terrænkategori",
     {"I   Hede", "II  Land", "III Forstad", "IV City"},
     4},
    {Valg::RadioGroupNormSneFormFak,
     "RadioGroupNormSneFormFak",
     "Snelast",
     {"Normal", "Forhøjet"},
     2},
    {Valg::RadioGroupCvAreal, "RadioGroupCvAreal", "Vindforrmfaktor", {"10 m2  #", "1 m2 "}, 2},
    {Valg::RadioGroupStyrkeKlasse,
     "RadioGroupStyrkeKlasse",
     "Styrkeklasse",
     {"Konstruktionstræ  C18 #", "Limtræ              GL28h", "Limtræ              GL32h"},
     3},
    {Valg::RadioGroupSikkl,
     "RadioGroupSikkl",
     "Konsekvensklasse CC",
     {"1 (Lav) #", "2 (Normal)"},
     2},
    {Valg::RadioGroupForklaringMed,
     "RadioGroupForklaringMed",
     "Forklaring til resultater",
     {"medtages i udskrift  #", "overspringes"},
     2},
    {Valg::RadioGroupLogfil,
     "RadioGroupLogfil",
     "Mellemresultater (logfil) dannes",
     {"Nej  #", "Begrænset", "Detaljeret"},
     3},
}};

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
}};

// Control names that are not edit fields or radio groups but can receive the focus or
// are shown and hidden by the program.
inline constexpr std::string_view kComboBoxNail = "ComboBoxNail";
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

// The edit field, radio group or tab with the given control name; nothing for another name.
[[nodiscard]] std::optional<Felt> FeltMedNavn(std::string_view navn);
[[nodiscard]] std::optional<Valg> ValgMedNavn(std::string_view navn);
[[nodiscard]] std::optional<Fane> FaneMedNavn(std::string_view navn);

// The state of the input controls, as a project file holds it: the text of every edit
// field, the item of every radio group and of the nail list, and what the inputs enable
// or show. Starts with the window's design: the design texts of the edit fields, item 0
// in every radio group except the terrain category (item 1), no nail chosen, the snow
// form factor's field disabled, the group "Resultatomfang" hidden.
struct TInddatafelter
{
    TInddatafelter();

    std::array<std::string, kAntalFelter> Tekster; // text of every edit field
    std::array<int, kAntalValg> Valgt{};           // item index of every radio group
    int ComboBoxNail = -1;                         // item index of the nail list; -1: none chosen
    bool EditSneFormFakAktiv = false;              // enabled only while "Forhøjet" is chosen
    bool ResultatomfangSynlig = false;             // the group "Resultatomfang" with its memo
    bool RadioGroupLogfilSynlig = false;
    bool RadioGroupLogfilAktiv = false;

    [[nodiscard]] std::string& Tekst(Felt felt) { return Tekster[static_cast<std::size_t>(felt)]; }
    [[nodiscard]] const std::string& Tekst(Felt felt) const
    {
        return Tekster[static_cast<std::size_t>(felt)];
    }
    [[nodiscard]] int& Indeks(Valg valg) { return Valgt[static_cast<std::size_t>(valg)]; }
    [[nodiscard]] int Indeks(Valg valg) const { return Valgt[static_cast<std::size_t>(valg)]; }

    bool operator==(const TInddatafelter&) const = default;
};

// The state of the window's controls: the input controls and what only the window has,
// the tab shown, the focus, the warning panels and the result memo. Starts with the tab
// "Inddata" shown.
struct TVindue : TInddatafelter
{
    Fane AktivFane = Fane::Inddataark;
    // The control the program puts the focus on (a control name), waiting for the window
    // to move the focus there; the window takes it with TagFokus.
    std::optional<std::string> Fokus;
    bool MemoAdvarLgtSynlig = false;
    bool MemoAdvarForbSynlig = false;
    std::vector<std::string> Resultat; // lines of the result memo

    // The waiting focus target, which is then cleared; nothing when the program has not
    // asked to move the focus since the last call.
    [[nodiscard]] std::optional<std::string> TagFokus();

    bool operator==(const TVindue&) const = default;
};

} // namespace taglo
