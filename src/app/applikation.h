// The window's model without a toolkit: the project, the kept result and the state of the
// window's controls, with the handlers the window forwards its events to.
#pragma once

#include "app/forslag.h"
#include "app/projekt.h"
#include "app/udskrift.h"
#include "app/vindue.h"
#include "core/dialoger.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "report/tidspunkt.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// The file dialogs of the program.
inline const FilDialog kHentProjektdataDialog{"Hent projektdata", "Lægtedata (*.tgl)|*.tgl", "tgl"};
inline const FilDialog kGemProjektdataDialog{"Gem projektdata", "Lægtedata (*.tgl)|*.tgl", "tgl"};

class TApplikation
{
  public:
    // The window as designed, the nail table and the nail list filled, no result. The
    // company name is shown in EditFirmanavn and printed in the report header. Messages
    // and dialogs go through `meddelelser` and `dialoger`, which must outlive the
    // application; numbers are shown and read with `regional`.
    // The report is stamped with the moment `ur` gives.
    TApplikation(Meddelelser& meddelelser, Dialoger& dialoger, Regionalindstillinger regional,
                 std::string_view firmanavn, Ur ur = LokalTidNu, support::TKontakt kontakt = {});

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

    // "&Hent ...": when the inputs have changed, first asks whether to save them
    // (BekraeftAtForlade); then asks for a project file and loads it (HentProjektdata).
    void ButtonHentProjektdataClick();
    // "Gem &som ...": asks for a file name and saves what the input tabs show there,
    // replacing an existing file. A file that cannot be written shows the error dialog
    // "Inddata-sættet kunne ikke gemmes som <name>." with its reason; nothing else changes.
    void ButtonGemProjektdataClick();
    // Whether the inputs differ from those last loaded or saved, as a project file holds
    // them.
    [[nodiscard]] bool InddataAendret() const;
    // Before the project is left (closing the program, loading another): when the inputs
    // have changed, asks "Gem ændringer i projektet?". "Ja" saves them as "Gem &som ..."
    // does; "Nej" goes on without; "Annuller" goes back. Returns whether the project may be
    // left: true when nothing changed, on "Nej", and on "Ja" when the inputs were saved;
    // false on "Annuller", a cancelled save dialog and a failed save.
    [[nodiscard]] bool BekraeftAtForlade();

    // "Firmaoplysninger ...": asks for the company's name, with the current one filled in.
    // A new name is shown in EditFirmanavn, printed in the next report's header (the
    // result is invalidated) and returned, for the window to keep for the next start;
    // nothing when cancelled or unchanged.
    [[nodiscard]] std::optional<std::string> MenuItemFirmaoplysningerClick();
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

    // UdfoerBeregning: makes the kept result belong to the inputs. Does nothing while it
    // does. When a stored input fails a check of its field (errors only, the fields in tab
    // order), shows the first such message, shows the tab "Inddata", puts the focus on the
    // field and calculates nothing. Otherwise: resets the result record, computes the
    // derived values, starts the log at the chosen level, analyses the 22 cases, shows
    // the warning panel of the batten when the batten fails anywhere and that of the nail
    // when the nail type cannot be used, builds the nail figure, writes the report (with
    // the log file's save dialog when a log is chosen), puts the report into the result
    // memo and marks the result as belonging to the inputs. A call made while a run waits
    // in its dialog returns at once. Returns whether the result belongs to the inputs.
    bool UdfoerBeregning();

    // The tab "Beregningsresultat" has become visible: runs the calculation; the focus
    // goes to the result memo.
    void ButtonBeregnClick();
    // Menu "Beregningsresultat": runs the calculation, shows the tab "Beregningsresultat"
    // and puts the focus on the result memo.
    void MenuBeregnClick();

    // OptegnNail: the nail connection figure must be painted (or its menu item was
    // chosen): runs the calculation when the result does not belong to the inputs, shows
    // the tab "Sømforbindelse" and returns the kept figure to paint, with the same scale on
    // both axes. Nothing when the calculation was refused; the figure stays kept until
    // the next invalidation.
    [[nodiscard]] const TTegning* OptegnNail();

    // The check figures, built on every paint from the current inputs, calculated or not:
    // each computes the derived values, shows its tab and returns its own drawing. Neither
    // reads nor changes the kept result.
    [[nodiscard]] TTegning ButtonTegnTversnitClick();
    [[nodiscard]] TTegning ButtonTegnLengdesnitClick();

    // ---- Print and save of the result: both use the report of the last run, also when
    // the inputs have changed since, and change nothing.

    // "Udskriv (&Print)": without a report the error dialog "Resultatet er endnu ikke
    // beregnet"; otherwise the print dialog and, unless cancelled, the report's pages as
    // one print job. A failure the printer reports is shown in the error dialog.
    void ButtonPrintResultClick(Udskrivning& printer);
    // "Gem &Resultat": without a report the message box "Resultatet er endnu ikke
    // beregnet"; otherwise the save dialog and, unless cancelled, the report lines as a
    // text file (Windows-1252, CR LF), replacing an existing file. A failed save shows its
    // three-line message and leaves an existing file as it was.
    void ButtonGemResultClick();
    // "Gem PDF" / "Gem som PDF ...": as "Gem &Resultat", for the calculation document of
    // the last run: without one the message box "Resultatet er endnu ikke beregnet";
    // otherwise the save dialog "Gem som PDF" and, unless cancelled, the document that
    // `dokument` makes of the last run, saved with the failure message of a result.
    void ButtonGemPdfClick(const std::function<std::string(const TBeregningsresultat&)>& dokument);

    // ---- The design suggestion (the tab "Forslag").

    // The candidates of the current inputs, or their first failing check; no message.
    [[nodiscard]] std::variant<TForslag, TAfvisning> Forslag() const;
    // "Brug forslaget": puts the candidate's section and nail into the inputs as if the
    // user had typed and chosen them: the result is invalidated, and a failing check
    // shows its message as after a field exit.
    void ButtonBrugForslagClick(const TKandidat& kandidat);

    // ---- Tabs.

    // A tab switch by a menu item or a button: makes the tab the active one.
    void VisFane(Fane fane);

    // The state the window mirrors into its widgets.
    [[nodiscard]] const TVindue& Vindue() const { return vindue_; }
    // The control the program has asked to put the focus on since the last call.
    [[nodiscard]] std::optional<std::string> TagFokus() { return vindue_.TagFokus(); }
    // The names of the nail list, in catalogue order.
    [[nodiscard]] const std::vector<std::string>& Soemnavne() const { return projekt_.Soemnavne(); }
    [[nodiscard]] const std::string& Programmappe() const { return programmappe_; }

    [[nodiscard]] const TProjekt& Projekt() const { return projekt_; }
    [[nodiscard]] const TInddata& Inddata() const { return projekt_.Inddata(); }
    [[nodiscard]] bool Beregnet() const { return Beregnet_; }
    // The last calculation, also after the inputs have changed; nothing before the first.
    [[nodiscard]] const TBeregningsresultat* SidsteBeregning() const
    {
        return resultat_ ? &*resultat_ : nullptr;
    }
    [[nodiscard]] const TAfledte& Afledte() const { return Sidste().Afledte; }
    [[nodiscard]] const TResultater& Resultatdata() const { return Sidste().Resultatdata; }
    // The report lines of the last run; empty before the first.
    [[nodiscard]] const std::vector<std::string>& Resultatliste() const
    {
        return Sidste().Resultatliste;
    }
    [[nodiscard]] const TLogliste& Logliste() const { return Sidste().Logliste; }
    // The nail connection figure of the last run; empty while the result does not belong
    // to the inputs.
    [[nodiscard]] const TTegning& NailTegning() const
    {
        return Beregnet_ ? Sidste().NailTegning : kIngenTegning;
    }
    [[nodiscard]] const TTilfaeldeoversigt& Tilfaelde() const { return Sidste().Tilfaelde; }
    [[nodiscard]] const Regionalindstillinger& Regional() const { return projekt_.Regional(); }

  private:
    void VisAfvisning(Felt felt, std::string_view besked);
    // The messages of the checks a value failed, as after a field exit.
    void VisAfviste(const std::vector<TFeltKontrol>& afviste);
    // The save dialog and the saving of "Gem &som ..."; whether the inputs were saved.
    bool GemProjektdataSom();
    // The input controls as the project holds them, into the window's state.
    void VisFelter();
    [[nodiscard]] const TBeregningsresultat& Sidste() const
    {
        return resultat_ ? *resultat_ : kIngenBeregning;
    }

    static const TBeregningsresultat kIngenBeregning;
    static const TTegning kIngenTegning;

    Meddelelser& meddelelser_;
    Dialoger& dialoger_;
    std::string programmappe_;
    TProjekt projekt_;
    TVindue vindue_;
    std::optional<TBeregningsresultat> resultat_; // the last run's, kept for print and save
    std::vector<std::string> gemteLinjer_;        // the inputs last loaded or saved, as file lines
    bool Beregnet_ = false;                       // the kept result belongs to the inputs
    bool iGang_ = false;                          // a run is waiting in its dialog
};

} // namespace taglo
