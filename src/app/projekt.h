// One roof project without a window: its inputs as the project file holds them, their
// checks, the calculation and everything it gives. The one headless API: the command-line
// tool, the benchmarks, the fuzz targets, the design suggestion and the calculation
// document use it, and the window's model is built on it.
#pragma once

#include "app/inddatakontrol.h"
#include "app/vindue.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/soemkatalog.h"
#include "core/support.h"
#include "core/tekstfil.h"
#include "drawing/tegning.h"
#include "engine/log.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"
#include "report/tidspunkt.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace taglo
{

// The default project file beside the program.
inline constexpr std::string_view kStandardfil = "Standard.tgl";

// The key values of one analysed case, one per result category.
struct TTilfaeldeNoegle
{
    std::int32_t Lastkomb = 0;
    char Vindtilf = 0;
    double kmod = 0.0;
    std::array<double, kAntalKategorier> Noegle{};
};

// The cases of a run in the order analysed, and per category the governing case (an
// index into the cases).
struct TTilfaeldeoversigt
{
    std::vector<TTilfaeldeNoegle> Tilfaelde;
    std::array<std::optional<std::size_t>, kAntalKategorier> Hoveder{};
};

// Everything one calculation gave, as a value: it stays as it was when the inputs change.
struct TBeregningsresultat
{
    TInddata Inddata; // the inputs the run used
    TAfledte Afledte; // the derived values as the run used them: the battens' weight 0
    TResultater Resultatdata;
    TTilfaeldeoversigt Tilfaelde;
    std::vector<std::string> Resultatliste; // the report lines
    // The log at the run's level: the report, an empty line, "DETALJER" and the engine's
    // lines; no lines at level 0.
    TLogliste Logliste;
    TTegning NailTegning; // the nail connection figure
    TAnvendelighed Anvendelig;
    Tidspunkt Beregnet;    // the moment the report is stamped with
    std::string Firmanavn; // the company named in the report's header
};

// Why the inputs are not calculated: the first check an input fails.
using TAfvisning = TFeltKontrol;

class TProjekt
{
  public:
    // A project as a new window shows it: the design texts, no file read, the nail list
    // filled. Numbers are shown and read with `regional`; `firmanavn` is shown in
    // EditFirmanavn and printed in the report's header, which is stamped with the moment
    // `ur` gives. Messages and the report name the support contact `kontakt`.
    TProjekt(Regionalindstillinger regional, std::string_view firmanavn, Ur ur = LokalTidNu,
             support::TKontakt kontakt = {});

    // ---- Project files. Messages go to `meddelelser`.

    // Start-up: reads the default project file Standard.tgl in `programmappe`. A missing
    // file shows the error box "Programmet kunne ikke finde inddatafilen Standard.tgl...",
    // one that cannot be read the error dialog "Uventet fejl i inddatafilen Standard.tgl."
    // with what is wrong with it. Returns false when the program must end.
    [[nodiscard]] bool HentStandard(const std::string& programmappe, Meddelelser& meddelelser);

    // Loads the project file at `sti` into the fields and the inputs (a text that is not a
    // number shows the conversion message; a negative nail index warns). A file that
    // cannot be loaded shows the error dialog "Uventet fejl: Programmet kan ikke hente
    // inddata fra <sti>." with what is wrong with it, and changes nothing. Returns whether
    // the file was loaded.
    [[nodiscard]] bool Hent(const std::string& sti, Meddelelser& meddelelser);

    // Saves what the fields show as a project file at `sti` (GemFil's rules). Returns the
    // failure, or nothing when saved.
    [[nodiscard]] std::optional<Gemmefejl> Gem(const std::string& sti) const;
    // The 31 lines a project file of the inputs holds.
    [[nodiscard]] std::vector<std::string> Projektdata() const;

    // The company's name, shown in EditFirmanavn and printed in the next report's header.
    void SaetFirmanavn(std::string_view firmanavn);

    // ---- Editing the inputs as a user does in the window.

    // A field left with `tekst`. A number field's text is re-formatted (a text that is not
    // a number shows the conversion message and becomes 0) and stored; returns the checks
    // of the field that the value fails, errors and warnings in order, for the caller to
    // show. An accepted roof pitch recomputes the normal snow form factor and, with
    // "Normal" chosen, shows it rounded to two decimals and uses that. A text field keeps
    // its first 70 (30 for the engineer) characters. The company name cannot be edited and
    // the disabled snow field has no exit: both leave everything as it was.
    std::vector<TFeltKontrol> SaetFelt(Felt felt, std::string_view tekst, Meddelelser& meddelelser);

    // Item `indeks` of a radio group chosen: stores it; the snow choice also switches the
    // factor in use and the field that shows it. Returns false, changing nothing, when
    // `indeks` is not an item of the group.
    bool SaetValg(Valg valg, int indeks);

    // Nail `indeks` chosen in the nail list; an index outside the list keeps the previous
    // nail, shown again.
    void SaetSoem(int indeks);

    // ---- Checking and calculating.

    // The first error check, over all number fields in tab order, that the inputs fail.
    [[nodiscard]] std::optional<TAfvisning> FoersteAfvisning() const;

    // The calculation of the inputs with the log at `logniveau` (0 none, 1 limited, 2
    // detailed): the derived values, the 22 cases, the rankings, the evaluation, the nail
    // figure, the report and the completed log. Inputs that fail a check are not
    // calculated: their first failing check comes back instead, with no message shown.
    // Messages of the load functions go to `meddelelser`.
    [[nodiscard]] std::variant<TBeregningsresultat, TAfvisning>
    Beregn(int logniveau, Meddelelser& meddelelser) const;

    // ---- What the project holds.

    [[nodiscard]] const TInddatafelter& Felter() const { return felter_; }
    [[nodiscard]] const TInddata& Inddata() const { return inddata_; }
    [[nodiscard]] const Regionalindstillinger& Regional() const { return regional_; }
    // The names of the nail list, in catalogue order.
    [[nodiscard]] const std::vector<std::string>& Soemnavne() const { return soemnavne_; }

  private:
    Regionalindstillinger regional_;
    Ur ur_;
    support::TKontakt kontakt_;
    TNails nails_{};
    std::vector<std::string> soemnavne_;
    TInddatafelter felter_;
    TInddata inddata_;
};

// The two check drawings of the inputs, built from their derived values (computed afresh;
// messages of the load functions go to `meddelelser`), calculated or not.
[[nodiscard]] TTegning TvaersnitAf(const TInddata& inddata, const Regionalindstillinger& regional,
                                   Meddelelser& meddelelser);
[[nodiscard]] TTegning LaengdesnitAf(const TInddata& inddata, const Regionalindstillinger& regional,
                                     Meddelelser& meddelelser);

} // namespace taglo
