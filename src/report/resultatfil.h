// Saving the result report as a text file ("Gem resultat").
#pragma once

#include "core/dialoger.h"
#include "core/meddelelser.h"

#include <string>
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

} // namespace taglo
