// Files of the program on disk: Windows-1252 text with CR LF line ends (UTF-8 inside),
// read bounded and only from regular files, and saved so that a failed save leaves the
// old file as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// Splits Windows-1252 text into UTF-8 lines. A line ends at CR, LF or CR LF; a last line
// without an end counts, an empty text has no lines.
[[nodiscard]] std::vector<std::string> DelLinjer(std::string_view windows1252);

// Joins UTF-8 lines into Windows-1252 text, each line ended by CR LF. A character that
// Windows-1252 cannot hold is written as "?"; a form feed at the start of a line stays.
[[nodiscard]] std::string SammenfoejLinjer(const std::vector<std::string>& linjer);

// The name of the file at `sti` without its folder, as messages name it.
[[nodiscard]] std::string Filnavn(const std::string& sti);

// Limits of a bounded read.
struct Laesegraenser
{
    std::size_t linjer = 31;                    // lines looked at; the rest of the file is not read
    std::size_t bytesPrLinje = 4096;            // longer lines are cut
    std::size_t bytes = std::size_t{64} * 1024; // bytes looked at, far above any project file
};

// Why a file could not be read at all.
enum class TLaesefejl
{
    FindesIkke,        // no file of that name
    IngenAdgang,       // the user may not read it
    IkkeAlmindeligFil, // a folder, a device or a pipe: never read
    Laesefejl,         // the system failed to open or read it
};

// What a bounded read gave.
struct TLaesteLinjer
{
    std::vector<std::string> linjer; // the lines read, in UTF-8
    bool afkortet = false;           // the byte limit ended the reading before the line limit
    std::optional<TLaesefejl> fejl;  // why nothing was read; the lines are then empty
    std::string besked;              // with a failure: what is wrong, in Danish, naming the file
};

// Reads at most `graenser.linjer` lines of a Windows-1252 text file, each cut at
// `graenser.bytesPrLinje` bytes, from at most `graenser.bytes` bytes, whatever the size of
// the file. Only a regular file is read; a folder, a device or a pipe is refused at once,
// without waiting for it.
[[nodiscard]] TLaesteLinjer LaesTekstfil(const std::string& sti, Laesegraenser graenser = {});

// Why a file could not be saved: the kind of failure and its own message.
struct Gemmefejl
{
    std::string art;    // "EFCreateError" (cannot create or replace), "EWriteError" (cannot write)
    std::string besked; // e.g. "Kan ikke oprette filen \"/x/y.txt\": Permission denied"
};

// Saves `bytes` as the file `sti`, replacing an existing one. A link is followed and its
// target replaced. A file the user may not write, or without any write permission bit, is
// refused, whatever the folder allows.
// Normally a temporary file beside the target is written and renamed over it, keeping
// the old file's permission bits; where the folder forbids a new file but the file itself
// may be written, it is written in place and its old bytes are written back if that fails.
// In every case a failed save leaves an existing file as it was. Returns the failure, or
// nothing on success.
[[nodiscard]] std::optional<Gemmefejl> GemFil(const std::string& sti, std::string_view bytes);

// Saves the lines as a Windows-1252 text file with CR LF line ends, as GemFil saves.
[[nodiscard]] std::optional<Gemmefejl> GemTekstfil(const std::string& sti,
                                                   const std::vector<std::string>& linjer);

} // namespace taglo
