// The result report: the lines that the result tab shows, the printout prints, "Gem
// resultat" saves and the log file begins with.
#pragma once

#include "core/dialoger.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/support.h"
#include "engine/log.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"
#include "report/tidspunkt.h"

#include <string>
#include <vector>

namespace taglo
{

// Resultatliste: the report lines of the last calculation, UTF-8, without line ends. An
// empty line is an empty string; rule lines are 70 em dashes.
using Resultatliste = std::vector<std::string>;

// Width of the rule lines that frame the sections, in characters.
inline constexpr int kStregBredde = 70;

// What the report takes from outside the calculation.
struct Rapportomgivelser
{
    std::string firmanavn;          // the text of EditFirmanavn, printed after "Firma:"
    Regionalindstillinger regional; // decimal and thousands separators, time separator
    Ur ur = LokalTidNu;             // read once for the line "Beregnet:"
    // Named in the gable-section block as the address to send the inputs to; without one
    // that line is left out.
    std::string supportEmail = std::string(support::kEmail);
};

// SkrivRapport: the whole report of one calculation run, in this order: RapportHoved,
// RapportResultat, RapportDetaljer, RapportPrimaere, RapportAndre and, when
// inddata.ForklaringMed, RapportForklaring. Then completes the log (FuldfoerLog: the
// report in front of the engine's lines, when the log exists; GemLogfil saves it) and
// releases the engine's working lists: `beregning` is left empty. Reads inddata,
// afledte.KipHjd, resultater and the chosen nail's catalogue row. Returns the report
// lines.
[[nodiscard]] Resultatliste SkrivRapport(const TInddata& inddata, const TAfledte& afledte,
                                         const TResultater& resultater, TBeregning&& beregning,
                                         TLogliste& log, const Rapportomgivelser& omgivelser);

// RapportHoved: a new list holding the nine header lines: title, company, project,
// building part (each of these three cut at 89 characters), the moment of the
// calculation `beregnet` ("yyyy-MM-dd,HH:mm:ss") and the engineer, between rule lines.
[[nodiscard]] Resultatliste RapportHoved(const TInddata& inddata, std::string_view firmanavn,
                                         const Tidspunkt& beregnet,
                                         const Regionalindstillinger& regional);

// RapportResultat: appends RESULTAT: the verdict on the batten section (with the reason
// when it fails), the doubling in the gable section, the verdict on the nail type, the
// kind of fastening and the nails needed at a normal and at the anchored gable rafter.
void RapportResultat(Resultatliste& liste, const TInddata& inddata, const TResultater& resultater,
                     const Regionalindstillinger& regional);

// RapportDetaljer: appends DETALJEREDE RESULTATER: the normal section, the gable section
// (only when it fails, naming `supportEmail` when there is one), the gable overhang and the
// fastening, with utilisations in percent and design uplifts in N.
void RapportDetaljer(Resultatliste& liste, const TInddata& inddata, const TResultater& resultater,
                     const Regionalindstillinger& regional, std::string_view supportEmail);

// RapportPrimaere: appends PRIMÆRE FORUDSÆTNINGER: geometry, roofing, wind and snow
// inputs, and the ridge height afledte.KipHjd.
void RapportPrimaere(Resultatliste& liste, const TInddata& inddata, const TAfledte& afledte,
                     const Regionalindstillinger& regional);

// RapportAndre: appends ANDRE FORUDSÆTNINGER: codes, wind coefficient area, strength and
// consequence class, and the chosen nail's properties; ends with an empty line.
void RapportAndre(Resultatliste& liste, const TInddata& inddata,
                  const Regionalindstillinger& regional);

// RapportForklaring: appends the fixed explanation FORKLARING.
void RapportForklaring(Resultatliste& liste);

// The nails at the anchored gable rafter as the report writes them after "Forankret
// gavlspær: ": the result record's text, followed without a blank by "(i hver lægte)" when
// the battens are doubled in the gable section, since the count then holds for each of them.
[[nodiscard]] std::string SoemGavlspaerTekst(const TInddata& inddata,
                                             const TResultater& resultater);

} // namespace taglo
