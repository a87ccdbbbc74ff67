// Completing and saving the log file of intermediate results.
#pragma once

#include "core/dialoger.h"
#include "core/meddelelser.h"
#include "engine/log.h"

#include <string>
#include <vector>

namespace taglo
{

// The save dialog of the log file: "Gem logfil", "Tekstfil (*.log)|*.log", extension "log".
[[nodiscard]] FilDialog LogfilDialog();

// FuldfoerLog: when the log exists (level 1 or 2), puts the report lines `rapport` in
// front of the engine's lines, then an empty line and "DETALJER", so that "DETALJER" is
// line n + 2 of a report of n lines. Does nothing when the log does not exist (level 0).
void FuldfoerLog(const std::vector<std::string>& rapport, TLogliste& log);

// GemLogfil: when the log exists, asks for a file name with LogfilDialog and saves the
// whole log there (Windows-1252, CR LF), replacing an existing file. Cancelling the dialog
// saves nothing. Without a log: no dialog, nothing saved.
void GemLogfil(const TLogliste& log, Dialoger& dialoger, Meddelelser& meddelelser);

// Saves the whole log at `sti`. A failed save shows the error dialog "Kan ikke gemme
// logfilen under det anførte navn" and leaves an existing file as it was. Returns whether
// the log was saved.
bool GemLogfil(const std::string& sti, const TLogliste& log, Meddelelser& meddelelser);

} // namespace taglo
