// The arguments of taglo-cli: what to do, for which project files, with which options.
#pragma once

#include "report/tidspunkt.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace taglo::cli
{

// The three figures the tool can export.
enum class Figur
{
    Tvaersnit,      // the cross-section check figure
    Laengdesnit,    // the longitudinal-section check figure
    Soemforbindelse // the nail connection figure of the calculation
};

// "taglo-cli rapport [options] PROJEKT.tgl...": the report of each project file.
struct RapportKommando
{
    std::vector<std::string> projekter;
    std::optional<std::string> ud;      // --ud: the report as the program saves it
    std::optional<std::string> pdf;     // --pdf: the calculation document
    std::optional<int> logniveau;       // --log 1|2: the log level, instead of the file's
    std::optional<std::string> logfil;  // --logfil: where the log file goes
    std::optional<Tidspunkt> tidspunkt; // --tidspunkt: the moment the report is stamped with
    std::optional<std::string> firma;   // --firma: the company name of the header
    bool json = false;                  // --json: the numbers instead of the report
    bool dansk = false;                 // --dansk: Danish regional settings whatever the system's
};

// "taglo-cli figur FIGUR PROJEKT.tgl UD.svg|UD.png|UD.json [--bredde N --hoejde N]".
struct FigurKommando
{
    Figur figur = Figur::Tvaersnit;
    std::string projekt;
    std::string ud;
    int bredde = 1000; // pixels of the image
    int hoejde = 700;
    bool dansk = false;
};

// "taglo-cli forslag PROJEKT.tgl [--json]": the lightest batten section and nail that pass,
// and the table of every candidate.
struct ForslagKommando
{
    std::string projekt;
    bool json = false; // --json: the suggestion and the candidates as numbers
};

// "taglo-cli --hjaelp": the usage text.
struct HjaelpKommando
{};

using Kommando = std::variant<RapportKommando, FigurKommando, ForslagKommando, HjaelpKommando>;

// Why the arguments cannot be used, in Danish, for "Fejl: ...".
struct Brugsfejl
{
    std::string tekst;
};

// The command the arguments (without the program name) ask for, or why they cannot be used.
[[nodiscard]] std::variant<Kommando, Brugsfejl>
FortolkArgumenter(std::span<const std::string> argumenter);

// The moment "yyyy-MM-dd,HH:mm:ss" (":" or "." between the parts of the time), or
// nothing when the text is not such a moment of the calendar.
[[nodiscard]] std::optional<Tidspunkt> LaesTidspunkt(std::string_view tekst);

// The usage text of the tool.
[[nodiscard]] std::string_view Brugsanvisning();

} // namespace taglo::cli
