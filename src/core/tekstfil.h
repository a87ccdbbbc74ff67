// Text files of the program: Windows-1252 on disk, CR LF line ends, UTF-8 inside.
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

// Limits of a bounded read.
struct Laesegraenser
{
    std::size_t linjer = 31;         // lines looked at; the rest of the file is not read
    std::size_t bytesPrLinje = 4096; // longer lines are cut
};

// Reads at most `graenser.linjer` lines of a Windows-1252 text file, each cut at
// `graenser.bytesPrLinje` bytes, whatever the size of the file. Nothing when the file
// cannot be opened or read.
[[nodiscard]] std::optional<std::vector<std::string>> LaesTekstfil(const std::string& sti,
                                                                   Laesegraenser graenser = {});

// Why a file could not be saved: the kind of failure and its own message.
struct Gemmefejl
{
    std::string art;    // "EFCreateError" (cannot create or replace), "EWriteError" (cannot write)
    std::string besked; // e.g. "Kan ikke oprette filen \"/x/y.txt\": Permission denied"
};

// Saves the lines as a Windows-1252 text file with CR LF line ends. Writes a temporary
// file beside the target and renames it over the target, so a failed save leaves an
// existing file as it was. An existing target without any write permission bit is
// write-protected and is not replaced. Returns the failure, or nothing on success.
[[nodiscard]] std::optional<Gemmefejl> GemTekstfil(const std::string& sti,
                                                   const std::vector<std::string>& linjer);

} // namespace taglo
