// Saving the result: the report as a text file ("Gem resultat") and the calculation
// document as a PDF file ("Gem som PDF").
#pragma once

#include "core/dialoger.h"
#include "core/meddelelser.h"

#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// The save dialog of the result: "Gem resultat", "Tekstfil (*.txt)|*.txt", extension "txt".
[[nodiscard]] FilDialog ResultatDialog();

// GemResultat: writes the report lines to the file `sti` (chosen in ResultatDialog), each
// ended by CR LF, in Windows-1252, as they are (a form feed at the start of a line
// stays), replacing an existing file without asking. A temporary file beside the target
// is renamed over it, so a failed save leaves an existing file as it was. On failure
// shows the plain message box of three lines: "Kan ikke gemme resultatet under det
// anførte navn", the kind of failure and its own message. Returns true when saved.
bool GemResultat(const std::string& sti, const std::vector<std::string>& rapport,
                 Meddelelser& meddelelser);

// The save dialog of the calculation document: "Gem som PDF", "PDF-dokument (*.pdf)|*.pdf",
// extension "pdf".
[[nodiscard]] FilDialog PdfDialog();

// GemPdf: writes the bytes of the calculation document to the file `sti` (chosen in
// PdfDialog), replacing an existing file without asking, as GemResultat saves: a failed
// save leaves an existing file as it was and shows the same three-line message. Returns
// true when saved.
bool GemPdf(const std::string& sti, std::string_view pdf, Meddelelser& meddelelser);

} // namespace taglo
