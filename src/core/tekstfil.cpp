#include "core/tekstfil.h"

#include "core/tekst.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
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

std::string Filnavn(const std::string& sti)
{
    const auto navn = fs::path(sti).filename().string();
    return navn.empty() ? sti : navn;
}

namespace
{

// Closes a file descriptor when it goes out of scope.
class Fildeskriptor
{
  public:
    explicit Fildeskriptor(int fd) : fd_(fd) {}
    Fildeskriptor(const Fildeskriptor&) = delete;
    Fildeskriptor& operator=(const Fildeskriptor&) = delete;
    Fildeskriptor(Fildeskriptor&&) = delete;
    Fildeskriptor& operator=(Fildeskriptor&&) = delete;
    ~Fildeskriptor()
    {
        if (fd_ >= 0)
        {
            ::close(fd_);
        }
    }
    [[nodiscard]] int fd() const { return fd_; }
    // Closes now and tells whether the system took every byte written.
    [[nodiscard]] bool Luk()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string Systemtekst(int fejlnummer)
{
    return std::generic_category().message(fejlnummer);
}

// Splits the bytes of a file into lines as they arrive, within the limits of a read.
class Linjedeler
{
  public:
    explicit Linjedeler(const Laesegraenser& graenser) : graenser_(graenser) {}

    [[nodiscard]] bool Fuld() const { return linjer_.size() >= graenser_.linjer; }

    void Tilfoej(std::string_view bytes)
    {
        for (const char c : bytes)
        {
            if (Fuld())
            {
                return;
            }
            if (c == '\n' && efterCR_)
            {
                efterCR_ = false;
                continue;
            }
            efterCR_ = c == '\r';
            if (c == '\r' || c == '\n')
            {
                linjer_.push_back(FraWindows1252(linje_));
                linje_.clear();
                iLinje_ = false;
                continue;
            }
            iLinje_ = true;
            if (linje_.size() < graenser_.bytesPrLinje)
            {
                linje_.push_back(c);
            }
        }
    }

    // The lines, with a last line that has no end.
    [[nodiscard]] std::vector<std::string> Slut()
    {
        if (iLinje_ && !Fuld())
        {
            linjer_.push_back(FraWindows1252(linje_));
        }
        return std::move(linjer_);
    }

  private:
    Laesegraenser graenser_;
    std::vector<std::string> linjer_;
    std::string linje_;    // the current line's bytes, at most bytesPrLinje of them
    bool iLinje_ = false;  // a line has started and not yet ended
    bool efterCR_ = false; // the previous byte was a CR, so an LF right after it ends nothing
};

TLaesteLinjer Laesefejl(TLaesefejl art, std::string besked)
{
    TLaesteLinjer laest;
    laest.fejl = art;
    laest.besked = std::move(besked);
    return laest;
}

TLaesteLinjer AabningsFejl(const std::string& navn, int fejlnummer)
{
    switch (fejlnummer)
    {
    case ENOENT:
    case ENOTDIR:
        return Laesefejl(TLaesefejl::FindesIkke, navn + " findes ikke.");
    case EACCES:
    case EPERM:
        return Laesefejl(TLaesefejl::IngenAdgang, "Du har ikke adgang til at læse " + navn + ".");
    default:
        return Laesefejl(TLaesefejl::Laesefejl,
                         navn + " kan ikke åbnes: " + Systemtekst(fejlnummer) + ".");
    }
}

} // namespace

TLaesteLinjer LaesTekstfil(const std::string& sti, Laesegraenser graenser)
{
    const std::string navn = Filnavn(sti);
    // Opened without waiting, so that a pipe without a writer cannot hold the program.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the system's open takes flags so
    Fildeskriptor fil(::open(sti.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fil.fd() < 0)
    {
        return AabningsFejl(navn, errno);
    }
    struct stat info
    {};
    if (::fstat(fil.fd(), &info) != 0)
    {
        return AabningsFejl(navn, errno);
    }
    if (S_ISDIR(info.st_mode))
    {
        return Laesefejl(TLaesefejl::IkkeAlmindeligFil, navn + " er en mappe, ikke en fil.");
    }
    if (!S_ISREG(info.st_mode))
    {
        return Laesefejl(TLaesefejl::IkkeAlmindeligFil,
                         navn + " er ikke en almindelig fil (men f.eks. et drev eller en kanal) " +
                             "og læses ikke.");
    }

    Linjedeler deler(graenser);
    std::array<char, 4096> blok{};
    std::size_t laest = 0;
    while (!deler.Fuld() && laest < graenser.bytes)
    {
        const std::size_t oenskes = std::min(blok.size(), graenser.bytes - laest);
        const ssize_t n = ::read(fil.fd(), blok.data(), oenskes);
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n < 0)
        {
            return Laesefejl(TLaesefejl::Laesefejl,
                             navn + " kan ikke læses: " + Systemtekst(errno) + ".");
        }
        if (n == 0)
        {
            break;
        }
        laest += static_cast<std::size_t>(n);
        deler.Tilfoej({blok.data(), static_cast<std::size_t>(n)});
    }
    TLaesteLinjer resultat;
    resultat.afkortet = !deler.Fuld() && laest >= graenser.bytes &&
                        static_cast<std::size_t>(info.st_size) > graenser.bytes;
    resultat.linjer = deler.Slut();
    return resultat;
}

namespace
{

Gemmefejl OpretteFejl(const std::string& sti, const std::string& aarsag)
{
    return {"EFCreateError", "Kan ikke oprette filen \"" + sti + "\": " + aarsag};
}

Gemmefejl OpretteFejl(const std::string& sti, int fejlnummer)
{
    return OpretteFejl(sti, Systemtekst(fejlnummer));
}

Gemmefejl SkriveFejl(const std::string& sti, int fejlnummer)
{
    return {"EWriteError", "Kan ikke skrive filen \"" + sti + "\": " + Systemtekst(fejlnummer)};
}

// Writes every byte at the file's current position; false with errno set on failure.
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

// Makes the open file hold exactly `bytes`, on disk; false with errno set on failure.
bool ErstatIndhold(int fd, std::string_view bytes)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && SkrivAlt(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Every byte of the open file from its start; nothing with errno set on failure.
std::optional<std::string> LaesAlt(int fd)
{
    std::string indhold;
    std::array<char, 65536> blok{};
    for (;;)
    {
        const ssize_t n = ::read(fd, blok.data(), blok.size());
        if (n < 0 && errno == EINTR)
        {
            continue;
        }
        if (n < 0)
        {
            return std::nullopt;
        }
        if (n == 0)
        {
            return indhold;
        }
        indhold.append(blok.data(), static_cast<std::size_t>(n));
    }
}

// The file a save replaces: the path itself, or the file its chain of links ends at.
// Nothing, with errno set, for a chain that does not end.
std::optional<fs::path> FoelgLinks(const fs::path& sti)
{
    constexpr int kFlestLinks = 40; // as the system itself follows
    fs::path p = sti;
    for (int led = 0; led < kFlestLinks; ++led)
    {
        std::error_code fejl;
        if (!fs::is_symlink(fs::symlink_status(p, fejl)))
        {
            return p;
        }
        const fs::path til = fs::read_symlink(p, fejl);
        if (fejl)
        {
            errno = fejl.value();
            return std::nullopt;
        }
        p = til.is_absolute() ? til : p.parent_path() / til;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Saves over an existing file in place, for a folder that allows no new file: its old
// bytes are kept in memory and written back when the new ones cannot be.
std::optional<Gemmefejl> GemPaaStedet(const std::string& sti, const fs::path& maal,
                                      std::string_view bytes)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the system's open takes flags so
    Fildeskriptor fil(::open(maal.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (fil.fd() < 0)
    {
        return OpretteFejl(sti, errno);
    }
    const auto gamle = LaesAlt(fil.fd());
    if (!gamle)
    {
        return SkriveFejl(sti, errno);
    }
    if (ErstatIndhold(fil.fd(), bytes))
    {
        return fil.Luk() ? std::nullopt : std::optional(SkriveFejl(sti, EIO));
    }
    const int fejlnummer = errno;
    // The old bytes go back; should even that fail, nothing more can be done here.
    ErstatIndhold(fil.fd(), *gamle);
    return SkriveFejl(sti, fejlnummer);
}

// The permission bits a new file gets: those for documents, less the user's mask.
mode_t NyFilsTilladelser()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return static_cast<mode_t>(0666) & ~maske;
}

} // namespace

namespace
{

// Why the existing regular file `maal` (saved as `sti`) may not be replaced; nothing when
// it may.
std::optional<Gemmefejl> Erstatningsfejl(const std::string& sti, const fs::path& maal,
                                         const struct stat& gammel)
{
    if (S_ISDIR(gammel.st_mode))
    {
        return OpretteFejl(sti, EISDIR);
    }
    if (!S_ISREG(gammel.st_mode))
    {
        return OpretteFejl(sti, "ikke en almindelig fil");
    }
    // The system's own access check: a colleague's file in a shared folder is not ours to
    // replace, whatever the folder allows. A file without any write bit was protected on
    // purpose, and stays so also for a user the system would let write it.
    if (::access(maal.c_str(), W_OK) != 0)
    {
        return OpretteFejl(sti, errno);
    }
    if ((gammel.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    {
        return OpretteFejl(sti, EACCES);
    }
    return std::nullopt;
}

// Writes the bytes to a temporary file beside `maal` and renames it over `maal`; the old
// file, when there is one (`gammel`), keeps its owner and permission bits. A folder that
// allows no new file sends the save to GemPaaStedet.
std::optional<Gemmefejl> GemViaMidlertidigFil(const std::string& sti, const fs::path& maal,
                                              const struct stat* gammel, std::string_view bytes)
{
    std::string skabelon = maal.has_parent_path() ? maal.parent_path().string() + "/" : "";
    skabelon += ".";
    skabelon += maal.filename().string();
    skabelon += ".XXXXXX";
    Fildeskriptor midlertidig(::mkstemp(skabelon.data()));
    if (midlertidig.fd() < 0)
    {
        const int fejlnummer = errno;
        if (gammel != nullptr && (fejlnummer == EACCES || fejlnummer == EPERM))
        {
            return GemPaaStedet(sti, maal, bytes);
        }
        return OpretteFejl(sti, fejlnummer);
    }
    const auto opgiv = [&](Gemmefejl fejl) {
        ::unlink(skabelon.c_str());
        return fejl;
    };
    if (gammel != nullptr)
    {
        // The replacement keeps the old file's owner and group where the system allows it
        // (a group the user is not in cannot be kept), and then its permission bits.
        [[maybe_unused]] const bool eierBevaret =
            ::fchown(midlertidig.fd(), gammel->st_uid, gammel->st_gid) == 0;
    }
    const mode_t tilladelser =
        gammel != nullptr ? static_cast<mode_t>(gammel->st_mode & 07777) : NyFilsTilladelser();
    if (::fchmod(midlertidig.fd(), tilladelser) != 0 || !SkrivAlt(midlertidig.fd(), bytes) ||
        ::fsync(midlertidig.fd()) != 0 || !midlertidig.Luk())
    {
        return opgiv(SkriveFejl(sti, errno));
    }
    if (::rename(skabelon.c_str(), maal.c_str()) != 0)
    {
        return opgiv(OpretteFejl(sti, errno));
    }
    return std::nullopt;
}

} // namespace

std::optional<Gemmefejl> GemFil(const std::string& sti, std::string_view bytes)
{
    if (sti.empty())
    {
        return OpretteFejl(sti, ENOENT);
    }
    const auto maal = FoelgLinks(sti);
    if (!maal)
    {
        return OpretteFejl(sti, errno);
    }
    struct stat gammel
    {};
    if (::stat(maal->c_str(), &gammel) != 0)
    {
        return errno == ENOENT ? GemViaMidlertidigFil(sti, *maal, nullptr, bytes)
                               : OpretteFejl(sti, errno);
    }
    if (auto fejl = Erstatningsfejl(sti, *maal, gammel))
    {
        return fejl;
    }
    return GemViaMidlertidigFil(sti, *maal, &gammel, bytes);
}

std::optional<Gemmefejl> GemTekstfil(const std::string& sti, const std::vector<std::string>& linjer)
{
    return GemFil(sti, SammenfoejLinjer(linjer));
}

} // namespace taglo
