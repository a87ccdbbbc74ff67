// The commands of taglo-cli, run on streams so that they can be tested.
#pragma once

#include "cli/kommandolinje.h"
#include "core/meddelelser.h"
#include "core/regional.h"

#include <memory>
#include <ostream>
#include <string>

class QGuiApplication;

namespace taglo::cli
{

// Exit statuses of the tool.
inline constexpr int kKanAnvendes = 0;     // batten and nail can be used
inline constexpr int kKanIkkeAnvendes = 1; // the batten or the nail cannot be used
inline constexpr int kFejl =
    2; // a file could not be read or written, an input was rejected, bad arguments

// Messages of the program on a stream, one a line: "Fejl: ...", "Advarsel: ...",
// "Besked: ..." (an error dialog also as "Fejl: ..."); line breaks inside a message
// indent the next line under the text. With a non-empty `kilde`, each message starts
// with it and ": ", to tell several project files apart.
class Strommeddelelser final : public Meddelelser
{
  public:
    explicit Strommeddelelser(std::ostream& ud) : ud_(ud) {}

    void fejl(std::string_view tekst) override { Skriv("Fejl: ", tekst); }
    void advarsel(std::string_view tekst) override { Skriv("Advarsel: ", tekst); }
    void besked(std::string_view tekst) override { Skriv("Besked: ", tekst); }
    void fejldialog(std::string_view tekst) override { Skriv("Fejl: ", tekst); }

    std::string kilde;

  private:
    void Skriv(std::string_view art, std::string_view tekst);

    std::ostream& ud_;
};

// "rapport": for each project file, in order, loads it as the window's load command does,
// calculates it as the result tab does and writes the report lines (UTF-8, one a line, an empty
// line between two reports) or, with --json, the numbers to `ud`; saves what --ud, --pdf and
// --logfil ask for; messages go to `fejl`. Returns the worst status over the files.
[[nodiscard]] int KoerRapport(const RapportKommando& kommando,
                              const Regionalindstillinger& regional, std::ostream& ud,
                              std::ostream& fejl);

// "forslag": loads the project file as the window's load command does, tries every listed
// batten section with every nail of the catalogue as the window's suggestion does, and
// writes to `ud` the suggestion's sentence, an empty line and the table of the candidates
// (UTF-8), or with --json the numbers; messages go to `fejl`. Returns kKanAnvendes when a
// candidate passes, kKanIkkeAnvendes when none does, kFejl when the file cannot be loaded
// or its inputs fail a check (that check's message goes to `fejl`; no table is written).
[[nodiscard]] int KoerForslag(const ForslagKommando& kommando,
                              const Regionalindstillinger& regional, std::ostream& ud,
                              std::ostream& fejl);

// The Qt application that painting pictures and documents needs, on the offscreen platform
// so that no display is ever needed; nothing when one runs already.
[[nodiscard]] std::unique_ptr<QGuiApplication> StartQt();

} // namespace taglo::cli
