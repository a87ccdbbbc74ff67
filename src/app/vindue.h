// What the window's controls show: a plain value that the window mirrors into its widgets.
#pragma once

#include "app/kontroltabeller.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace taglo
{

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
