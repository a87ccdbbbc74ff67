// The calculation document of a result: what the PDF of the last calculation shows.
#pragma once

#include "app/projekt.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "drawing/dokument.h"

namespace taglo
{

// DokumentAf: the document of `beregning`, everything taken from the calculation as it was
// run, whatever the project's inputs are now: its report lines; the nail connection
// figure; the cross-section and the longitudinal-section check figures of the inputs the
// calculation used, built afresh with `regional` (messages of the load functions go to
// `meddelelser`); in the header the company, the project name and the part of the
// building; in the footer the moment of the calculation as the report shows it and the
// employee. The title is the project name, or "Taglo" when it has none; the creation date
// is the moment of the calculation in the machine's time zone.
[[nodiscard]] TDokument DokumentAf(const TBeregningsresultat& beregning,
                                   const Regionalindstillinger& regional, Meddelelser& meddelelser);

} // namespace taglo
