// The project data file: 31 lines holding what the input tabs show, one value a line.
#pragma once

#include "app/vindue.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/soemkatalog.h"
#include "core/tekstfil.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// Number of lines of a project file; later lines are ignored.
inline constexpr std::size_t kProjektLinjer = 31;

// SkrivProjektdata: the 31 lines of a project file. Every line is what the window's
// control shows (the edit text as it stands, the item index of a choice; the nail index
// as "%2d", other indices as "%1d", the gable doubling as "0" for "Ja" and "1" otherwise),
// except lines 24 to 26, the three snow form factors of the inputs as "%10.2f". A line
// break inside a text would shift every later line, so it is written as a blank.
[[nodiscard]] std::vector<std::string> SkrivProjektdata(const TInddatafelter& felter,
                                                        const TInddata& inddata,
                                                        const Regionalindstillinger& regional);

// An integer line: optional leading blanks, an optional sign and decimal digits, nothing
// after them. Nothing for another text or a value outside 32 bits.
[[nodiscard]] std::optional<std::int32_t> LaesHeltal(std::string_view linje);

// A project file as read from disk: its lines, or why it cannot be loaded.
struct TProjektfil
{
    std::vector<std::string> linjer;     // at most the 31 lines of the format
    std::optional<TLaesefejl> laesefejl; // the file itself could not be read
    std::string fejl; // why the file cannot be loaded, in Danish, naming the file and the
                      // line; empty when it can
};

// Reads the project file at `sti`: a regular file, at most its first 31 lines from its
// first 64 KiB. It can be loaded when it has 31 lines and lines 25 and 26 (the normal and
// the elevated snow form factor) are numbers, with either decimal sign.
[[nodiscard]] TProjektfil LaesProjektfil(const std::string& sti,
                                         const Regionalindstillinger& regional);

// How a reading ended.
enum class TLaesning
{
    Laest,           // the window and the inputs hold the file's values
    Ulaeselig,       // too few lines, or line 25 or 26 not a number; nothing changed
    SoemtabelMangler // the nail table is empty: the program cannot go on; nothing changed
};

// LaesProjektdata: sets the window's controls and the inputs from the lines of a project
// file, line by line. Text lines as they stand (the inputs keep 70, 70 and 30
// characters); number lines become the field's text, the value its conversion (a text
// that is not a number shows the conversion message and gives 0), and a number written
// with the other decimal sign than the regional one is shown with the regional sign;
// integer lines select an item (a text that is not an integer, or a negative index,
// gives the line's default: 5 for the nail, 1 for the terrain category, 0 otherwise; an
// index beyond the last item selects the last). A negative nail index warns "Sømtype er ikke valgt.
// Første søm på listen forudsættes" and takes the first nail; an index beyond the last
// filled slot of `nails` takes the last nail. A log level of 0 hides the group
// "Resultatomfang", any other shows it. Neither checks the values nor recomputes the
// normal snow form factor nor invalidates a result. When the lines cannot be read, or
// the nail table is empty (after its error message), nothing is changed.
[[nodiscard]] TLaesning LaesProjektdata(const std::vector<std::string>& linjer, const TNails& nails,
                                        TInddatafelter& felter, TInddata& inddata,
                                        const Regionalindstillinger& regional,
                                        Meddelelser& meddelelser);

} // namespace taglo
