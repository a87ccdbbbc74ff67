// The application without a toolkit: the inputs, the kept result and the state of the
// window's controls, with the handlers the window forwards its events to.
#pragma once

#include "app/udskrift.h"
#include "app/vindue.h"
#include "core/dialoger.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/soemkatalog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// The file dialogs of the program.
inline const FilDialog kHentProjektdataDialog{"Hent projektdata", "Lægtedata (*.tgl)|*.tgl", "tgl"};
inline const FilDialog kGemProjektdataDialog{"Gem projektdata", "Lægtedata (*.tgl)|*.tgl", "tgl"};
inline const FilDialog kGemResultatDialog{"Gem resultat", "Tekstfil (*.txt)|*.txt", "txt"};

// The default project file beside the program.
inline constexpr std::string_view kStandardfil = "Standard.tgl";

class TApplikation
{
  public:
    // The window as designed, the nail table and the nail list filled, no result. The
    // company name is shown in EditFirmanavn and printed in the report header. Messages
    // and dialogs go through `meddelelser` and `dialoger`, which must outlive the
    // application; numbers are shown and read with `regional`.
    TApplikation(Meddelelser& meddelelser, Dialoger& dialoger, Regionalindstillinger regional,
                 std::string_view firmanavn);

    // Start-up: reads the default project file Standard.tgl from `programmappe` (the
    // program's folder) into the window and the inputs. Returns false, after the error
    // message, when the file is missing or cannot be read: the program must then end.
    [[nodiscard]] bool Init(const std::string& programmappe);

    // ---- Input editing: the window calls these when the focus leaves a control or a
    // radio item is clicked.

    // The exit of an edit field whose text is now `tekst`. A number field is re-formatted
    // (a text that is not a number shows the conversion message and becomes 0), stored,
    // the result invalidated, and then checked: each failing check shows its message,
    // an error also shows the tab "Inddata" and puts the focus back into the field; the
    // value stays stored. An accepted roof pitch recomputes the normal snow form factor
    // and, with "Normal" chosen, shows it rounded to two decimals and uses that. A text
    // field stores its first 70 (30 for the engineer) characters and invalidates the
    // result. The company name cannot be edited; a disabled field has no exit.
    void FeltForladt(Felt felt, std::string_view tekst);

    // A click on item `indeks` of a radio group: stores the choice and invalidates the
    // result. The snow choice also switches the factor in use and the field that shows
    // it. An index that is not an item of the group is ignored.
    void RadioGroupClick(Valg valg, int indeks);

    // The exit of the nail list with item `indeks` chosen: stores the nail and invalidates
    // the result. With no item chosen (an index outside the list), the previous nail stays
    // chosen and is shown again.
    void ComboBoxNailExit(int indeks);

    // ---- Project files.

    // "&Hent ...": asks for a project file and loads it (HentProjektdata).
    void ButtonHentProjektdataClick();
    // "Gem &som ...": asks for a file name and saves what the input tabs show there,
    // replacing an existing file. A file that cannot be written shows the error dialog
    // "Inddata-sættet kunne ikke gemmes som <name>." with its reason; nothing else changes.
    void ButtonGemProjektdataClick();
    // Loads the project file at `sti` into the window and the inputs, invalidates the
    // result and shows the tab "Inddata". A file that cannot be read, has fewer than 31
    // lines, or whose line 25 or 26 is not a number, shows the error dialog with the load
    // message and changes nothing. Returns whether the file was loaded.
    bool HentProjektdata(const std::string& sti);

    // ---- Calculation run.

    // NulstilBeregning: the kept result no longer belongs to the inputs: hides the two
    // warning panels, empties the result memo and frees the nail figure. The report lines
    // of the last run stay for print and save.
    void NulstilBeregning();

    // ---- Tabs.

    // A tab switch by a menu item or a button: makes the tab the active one.
    void VisFane(Fane fane);

    // The state the window mirrors into its widgets.
    [[nodiscard]] const TVindue& Vindue() const { return vindue_; }
    // The control the program has asked to put the focus on since the last call.
    [[nodiscard]] std::optional<std::string> TagFokus() { return vindue_.TagFokus(); }
    // The names of the nail list, in catalogue order.
    [[nodiscard]] const std::vector<std::string>& Soemnavne() const { return soemnavne_; }
    [[nodiscard]] const std::string& Programmappe() const { return programmappe_; }

    [[nodiscard]] const TInddata& Inddata() const { return Inddata_; }
    [[nodiscard]] bool Beregnet() const { return Beregnet_; }
    [[nodiscard]] const Regionalindstillinger& Regional() const { return regional_; }

  private:
    void VisAfvisning(Felt felt, std::string_view besked);

    Meddelelser& meddelelser_;
    Dialoger& dialoger_;
    Regionalindstillinger regional_;
    std::string programmappe_;
    TNails Nails_{};
    std::vector<std::string> soemnavne_;
    TVindue vindue_;

    TInddata Inddata_;
    bool Beregnet_ = false;
};

} // namespace taglo
