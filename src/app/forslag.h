// The design suggestion: every listed batten section with every nail of the catalogue,
// each calculated as the result tab calculates the project, and the lightest that the
// report would pass for both the batten and the nail.
#pragma once

#include "app/projekt.h"
#include "core/laegtetvaersnit.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "engine/resultater.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace taglo
{

// One section and nail tried with the project's other inputs, and what its calculation
// gave.
struct TKandidat
{
    TLaegtetvaersnit Tvaersnit;
    std::int32_t Soem = 0;     // the nail's catalogue index, as a project file's nail line holds it
    std::string_view Soemnavn; // the catalogue's name of the nail, verbatim
    TAnvendelighed Anvendelig; // the report's "kan anvendes" for the batten and the nail
    bool DirekteFastgoerelse = false; // as the calculation decided it from the spacer batten
    // The batten's governing utilisation: the largest of the normal section's, the gable
    // section's (wind/snow and point load each) and the gable overhang's. A section covered
    // by Lægtetabel 2005 can pass above 1.
    double UdnLaegte = 0.0;
    // The nail connection's utilisation at the rafter where it is largest: the design uplift
    // over the design capacity of the nails the calculation counts there (the nails needed
    // when they fit in the batten, else as many as fit). 0 when nothing lifts the batten;
    // nothing when uplift meets nails that carry nothing.
    std::optional<double> UdnSoem;
    std::int32_t SoemantalNormalspaer = 0; // nails needed per normal rafter
    std::string SoemNormalspaer;           // as the report writes it: "1 søm", "2 x 2 søm"
    std::string SoemGavlspaer;             // at the anchored gable rafter, as the report writes it
};

// Every candidate, ordered: those that pass first, each group by cross-section area, then
// by the nails needed per normal rafter, then by catalogue order, then by the order of
// the sections tried.
struct TForslag
{
    std::vector<TKandidat> Kandidater;

    // The suggestion: the first candidate when it passes for both the batten and the nail;
    // nothing when none passes.
    [[nodiscard]] const TKandidat* Bedste() const;
};

// The candidates of the project: each section of `tvaersnit` with each nail of the
// catalogue, put into a copy of the project as a user enters them and calculated there
// without a log; every message of these runs is kept out of sight and no file is written.
// Strength class, spacer batten, underlay and every other input stay as the project has
// them. Inputs that fail their checks are not tried: their first failing check comes back
// instead.
[[nodiscard]] std::variant<TForslag, TAfvisning>
BeregnForslag(const TProjekt& projekt,
              std::span<const TLaegtetvaersnit> tvaersnit = kLaegtetvaersnit);

// The sentence shown above the table: "Letteste lægte der kan anvendes: 38 x 56 mm med
// <nail>, direkte fastgørelse" (or "indirekte"); "Ingen af de afprøvede lægter og søm kan
// anvendes" when none passes; the message of the first failing check when the inputs
// fail one.
[[nodiscard]] std::string ForslagTekst(const std::variant<TForslag, TAfvisning>& udfald,
                                       const Regionalindstillinger& regional);

// A section as the suggestion names it: "38 x 56 mm".
[[nodiscard]] std::string TvaersnitTekst(const TLaegtetvaersnit& tvaersnit,
                                         const Regionalindstillinger& regional);

// A utilisation as a whole percentage as the report prints one, "87 %"; "ingen bæreevne"
// for nails that carry nothing.
[[nodiscard]] std::string UdnyttelseTekst(std::optional<double> udnyttelse,
                                          const Regionalindstillinger& regional);

// The verdict of one check in the table: "OK" or "ikke OK".
[[nodiscard]] std::string_view VurderingTekst(bool kanAnvendes);

// Puts the candidate's section and nail into `projekt` as a user enters them: the batten
// height typed and left, then the width, then the nail chosen in the list. Nothing else
// changes; the caller invalidates the result as after any input. Returns the checks the
// two fields fail, in that order, for the caller to show as after a field exit (a listed
// section fails none); a conversion message would go to `meddelelser`.
[[nodiscard]] std::vector<TFeltKontrol> BrugKandidat(TProjekt& projekt, const TKandidat& kandidat,
                                                     Meddelelser& meddelelser);

} // namespace taglo
