#include "core/tekstfil.h"

#include "core/tekst.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taglo
{
namespace fs = std::filesystem;

std::vector<std::string> DelLinjer(std::string_view windows1252)
{
    std::vector<std::string> linjer;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < windows1252.size())
    {
        const char c = windows1252[pos];
        if (c == '\r' || c == '\n')
        {
            linjer.push_back(FraWindows1252(windows1252.substr(start, pos - start)));
            pos +=
                (c == '\r' && pos + 1 < windows1252.size() && windows1252[pos + 1] == '\n') ? 2 : 1;
            start = pos;
        }
        else
        {
            ++pos;
        }
    }
    if (start < windows1252.size())
    {
        linjer.push_back(FraWindows1252(windows1252.substr(start)));
    }
    return linjer;
}

std::string SammenfoejLinjer(const std::vector<std::string>& linjer)
{
    std::string tekst;
    for (const auto& linje : linjer)
    {
        tekst += TilWindows1252(linje);
        tekst += "\r\n";
    }
    return tekst;
}

std::optional<std::vector<std::string>> LaesTekstfil(const std::string& sti, Laesegraenser graenser)
{
    std::error_code fejl;
    if (fs::is_directory(sti, fejl))
    {
        return std::nullopt;
    }
    std::ifstream fil(sti, std::ios::binary);
    if (!fil)
    {
        return std::nullopt;
    }
    std::vector<std::string> linjer;
    std::string linje;    // the current line's bytes, at most bytesPrLinje of them
    bool iLinje = false;  // a line has started and not yet ended
    bool efterCR = false; // the previous byte was a CR, so an LF right after it ends nothing
    char c = 0;
    while (linjer.size() < graenser.linjer && fil.get(c))
    {
        if (c == '\n' && efterCR)
        {
            efterCR = false;
            continue;
        }
        efterCR = c == '\r';
        if (c == '\r' || c == '\n')
        {
            linjer.push_back(FraWindows1252(linje));
            linje.clear();
            iLinje = false;
            continue;
        }
        iLinje = true;
        if (linje.size() < graenser.bytesPrLinje)
        {
            linje.push_back(c);
        }
    }
    if (fil.bad())
    {
        return std::nullopt;
    }
    if (iLinje && linjer.size() < graenser.linjer)
    {
        linjer.push_back(FraWindows1252(linje));
    }
    return linjer;
}

namespace
{

Gemmefejl OpretteFejl(const std::string& sti, int fejlnummer)
{
    return {"EFCreateError", "Kan ikke oprette filen \"" + sti +
                                 "\": " + std::generic_category().message(fejlnummer)};
}

bool SkrivAlt(int fd, std::string_view bytes)
{
    while (!bytes.empty())
    {
        const ssize_t skrevet = ::write(fd, bytes.data(), bytes.size());
        if (skrevet < 0)
        {
            if (errno == EINTR)
            {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(skrevet));
    }
    return true;
}

} // namespace

std::optional<Gemmefejl> GemTekstfil(const std::string& sti, const std::vector<std::string>& linjer)
{
    if (sti.empty())
    {
        return OpretteFejl(sti, ENOENT);
    }
    const fs::path maal(sti);
    std::error_code fejl;
    const auto status = fs::status(maal, fejl);
    if (fs::is_directory(status))
    {
        return OpretteFejl(sti, EISDIR);
    }
    const bool findes = fs::exists(status);
    constexpr auto kSkriveret =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (findes && (status.permissions() & kSkriveret) == fs::perms::none)
    {
        return OpretteFejl(sti, EACCES);
    }

    const fs::path mappe = maal.has_parent_path() ? maal.parent_path() : fs::path(".");
    std::string skabelon = (mappe / ("." + maal.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(skabelon.data());
    if (fd < 0)
    {
        return OpretteFejl(sti, errno);
    }
    const std::string midlertidig = skabelon;
    const auto fjernMidlertidig = [&] { ::unlink(midlertidig.c_str()); };

    // The new file keeps the permissions of the one it replaces; a new file gets the
    // usual permissions for documents.
    const auto tilladelser =
        findes ? static_cast<mode_t>(status.permissions()) : static_cast<mode_t>(0644);
    ::fchmod(fd, tilladelser & static_cast<mode_t>(07777));

    const bool skrevet = SkrivAlt(fd, SammenfoejLinjer(linjer)) && ::fsync(fd) == 0;
    const int skrivefejl = errno;
    if (::close(fd) != 0 || !skrevet)
    {
        fjernMidlertidig();
        return Gemmefejl{"EWriteError",
                         "Kan ikke skrive filen \"" + sti +
                             "\": " + std::generic_category().message(skrevet ? EIO : skrivefejl)};
    }
    if (::rename(midlertidig.c_str(), sti.c_str()) != 0)
    {
        const int omdoebningsfejl = errno;
        fjernMidlertidig();
        return OpretteFejl(sti, omdoebningsfejl);
    }
    return std::nullopt;
}

} // namespace taglo
