// Text in Windows-1252 with CR LF line ends: characters, lines and files.
#include "core/tekst.h"
#include "core/tekstfil.h"

#include "midlertidig_mappe.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using Linjer = std::vector<std::string>;

TEST(Windows1252, DanskeBogstaverOgHverByteFremOgTilbage)
{
    EXPECT_EQ(TilWindows1252("æøåÆØÅ—€Ÿ"), "\xE6\xF8\xE5\xC6\xD8\xC5\x97\x80\x9F");
    EXPECT_EQ(FraWindows1252("\xE6\xF8\xE5\xC6\xD8\xC5\x97\x80\x9F"), "æøåÆØÅ—€Ÿ");
    for (int b = 0; b < 256; ++b)
    {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(TilWindows1252(FraWindows1252(byte)), byte) << "byte " << b;
    }
}

TEST(Windows1252, TegnDerIkkeFindesOgUgyldigUtf8BliverSpoergsmaalstegn)
{
    EXPECT_EQ(TilWindows1252("→ł😀"), "???");
    // A stray byte, then a cut-off sequence.
    EXPECT_EQ(TilWindows1252(std::string("a\xFF") + "b\xE2\x80"), "a?b??");
}

TEST(Linjer, EnderVedCrLfCrEllerLfOgSammenfoejesMedCrLf)
{
    EXPECT_EQ(DelLinjer("a\r\nb\rc\nd"), (Linjer{"a", "b", "c", "d"}));
    EXPECT_EQ(DelLinjer("\n\r"), (Linjer{"", ""})); // two line ends
    EXPECT_EQ(DelLinjer(""), Linjer{});
    EXPECT_EQ(DelLinjer("\fSide 2\r\n\xE6"), (Linjer{"\fSide 2", "æ"}));
    EXPECT_EQ(SammenfoejLinjer({"Lægte", "", "\fny side"}), "L\xE6gte\r\n\r\n\fny side\r\n");
}

// In a shared folder: everybody may add files.
class Tekstfil : public ::testing::Test
{
  protected:
    void SetUp() override { fs::permissions(mappe.sti, fs::perms::all); }
    const test::MidlertidigMappe mappe;
};

TEST_F(Tekstfil, GemErstatterFilenHeltOgLaesGiverSammeLinjer)
{
    mappe.Skriv("p.tgl", std::string(5000, 'z'));
    const Linjer linjer{"Ærø Tømrer", "     13,43", "——", ""};
    ASSERT_FALSE(GemTekstfil(mappe / "p.tgl", linjer).has_value());
    EXPECT_EQ(test::LaesHeleFilen(mappe / "p.tgl"),
              "\xC6r\xF8 T\xF8mrer\r\n     13,43\r\n\x97\x97\r\n\r\n");
    EXPECT_EQ(LaesTekstfil(mappe / "p.tgl").linjer, linjer);
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe.sti), {}), 1) << "no temporary file left";
}

// Reading looks at 31 lines of at most 4096 bytes within the first 64 KiB, whatever follows.
TEST_F(Tekstfil, LaesningStopperVed31LinjerKlipperVed4096BytesOgVed64KiB)
{
    std::string indhold = std::string(10000, 'y') + "\n";
    for (int i = 2; i <= 40; ++i)
    {
        indhold += "linje " + std::to_string(i) + "\r\n";
    }
    const auto lang = LaesTekstfil(mappe.Skriv("lang.tgl", indhold + std::string(1 << 20, 'x')));
    ASSERT_EQ(lang.linjer.size(), 31U);
    EXPECT_EQ(lang.linjer.front(), std::string(4096, 'y'));
    EXPECT_EQ(lang.linjer.back(), "linje 31");
    EXPECT_FALSE(lang.afkortet);

    const auto udenLinjeskift = LaesTekstfil(mappe.Skriv("stor.tgl", std::string(200 << 20, '7')));
    EXPECT_EQ(udenLinjeskift.linjer, Linjer{std::string(4096, '7')});
    EXPECT_TRUE(udenLinjeskift.afkortet) << "the reading ended at the byte limit";
}

// Only a regular file is read: a folder, a device or a pipe without a writer gets its
// message at once instead of holding the program.
TEST_F(Tekstfil, KunEnAlmindeligFilLaesesOgAldrigVentes)
{
    ASSERT_EQ(::mkfifo((mappe / "kanal.tgl").c_str(), 0600), 0);
    struct Tilfaelde
    {
        std::string sti;
        TLaesefejl fejl;
        std::string besked;
    };
    for (const auto& [fil, fejl, besked] : std::vector<Tilfaelde>{
             {mappe / "findes-ikke.tgl", TLaesefejl::FindesIkke, "findes-ikke.tgl findes ikke."},
             {mappe.sti.string(), TLaesefejl::IkkeAlmindeligFil,
              mappe.sti.filename().string() + " er en mappe, ikke en fil."},
             {mappe / "kanal.tgl", TLaesefejl::IkkeAlmindeligFil,
              "kanal.tgl er ikke en almindelig fil (men f.eks. et drev eller en kanal) og "
              "læses ikke."},
             {"/dev/zero", TLaesefejl::IkkeAlmindeligFil,
              "zero er ikke en almindelig fil (men f.eks. et drev eller en kanal) og læses ikke."},
         })
    {
        const auto laest = LaesTekstfil(fil);
        EXPECT_EQ(laest.fejl, fejl) << fil;
        EXPECT_EQ(laest.besked, besked);
        EXPECT_TRUE(laest.linjer.empty());
    }
}

TEST_F(Tekstfil, GemFoelgerEnLinkOgBevarerFilensTilladelser)
{
    fs::create_directory(mappe.sti / "projekter");
    const auto maal = mappe.Skriv("projekter/hus.tgl", "gammel");
    fs::permissions(maal, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("projekter/hus.tgl", mappe / "genvej.tgl");

    ASSERT_FALSE(GemFil(mappe / "genvej.tgl", "ny").has_value());
    EXPECT_TRUE(fs::is_symlink(mappe / "genvej.tgl")) << "the link stays a link";
    EXPECT_EQ(test::LaesHeleFilen(maal), "ny");
    EXPECT_EQ(fs::status(maal).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// How a save run by another user ended, in a child process: the exit status says which.
enum class Gemt
{
    Ja = 0,
    Oprettefejl = 1,
    Skrivefejl = 2,
    Opsaetningsfejl = 3,
};

constexpr uid_t kIngen = 65534; // the unprivileged user "nobody"

// Saves `bytes` at `sti` in a child process running as the user "nobody" (when the tests
// run as root) and, when `filgraense` is given, allowed to write files of at most that
// many bytes, so that a write fails as on a full disk.
Gemt GemSomAndenBruger(const std::string& sti, const std::string& bytes,
                       std::optional<rlim_t> filgraense = std::nullopt)
{
    const pid_t barn = ::fork();
    if (barn == 0)
    {
        const auto slut = [](Gemt g) { ::_exit(static_cast<int>(g)); };
        if (::getuid() == 0 && (::setgid(kIngen) != 0 || ::setuid(kIngen) != 0))
        {
            slut(Gemt::Opsaetningsfejl);
        }
        if (filgraense)
        {
            ::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of killing
            const rlimit graense{*filgraense, *filgraense};
            if (::setrlimit(RLIMIT_FSIZE, &graense) != 0)
            {
                slut(Gemt::Opsaetningsfejl);
            }
        }
        const auto fejl = GemFil(sti, bytes);
        slut(!fejl ? Gemt::Ja
                   : (fejl->art == "EFCreateError" ? Gemt::Oprettefejl : Gemt::Skrivefejl));
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
    return WIFEXITED(status) ? static_cast<Gemt>(WEXITSTATUS(status)) : Gemt::Opsaetningsfejl;
}

// A colleague's file in a shared folder: the folder would let a new file be renamed over
// it, but the file is not ours to write, so it stays.
TEST_F(Tekstfil, EnAndensFilErstattesIkke)
{
    if (::getuid() != 0)
    {
        GTEST_SKIP() << "needs a file of another user: run as root, as CI does";
    }
    const auto fil = mappe.Skriv("kollegas.tgl", "kollegaens projekt");
    fs::permissions(fil, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                             fs::perms::others_read);
    EXPECT_EQ(GemSomAndenBruger(fil, "mit projekt"), Gemt::Oprettefejl);
    EXPECT_EQ(test::LaesHeleFilen(fil), "kollegaens projekt");
}

// A file the user may write in a folder that allows no new file is written in place; when
// the new bytes cannot all be written, the old ones are put back. When the folder allows a
// temporary file, a failed write leaves neither a changed file nor the temporary one.
TEST_F(Tekstfil, EnSkrivbarFilIEnLaastMappeSkrivesPaaStedetOgGenskabesVedFejl)
{
    const auto fil = mappe.Skriv("egen.tgl", "gammelt indhold");
    ASSERT_EQ(::chown(fil.c_str(), ::getuid() == 0 ? kIngen : ::getuid(), ::getgid()), 0);
    const std::string stort(1000, 'n');

    EXPECT_EQ(GemSomAndenBruger(fil, stort, rlim_t{100}), Gemt::Skrivefejl);
    EXPECT_EQ(test::LaesHeleFilen(fil), "gammelt indhold");
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe.sti), {}), 1) << "no temporary file left";

    fs::permissions(mappe.sti, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    if (::getuid() != 0)
    {
        fs::permissions(mappe.sti, fs::perms::owner_write, fs::perm_options::remove);
    }
    EXPECT_EQ(GemSomAndenBruger(fil, stort, rlim_t{100}), Gemt::Skrivefejl);
    EXPECT_EQ(test::LaesHeleFilen(fil), "gammelt indhold");
    EXPECT_EQ(GemSomAndenBruger(fil, "nyt indhold"), Gemt::Ja);
    EXPECT_EQ(test::LaesHeleFilen(fil), "nyt indhold");
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe.sti), {}), 1);
    fs::permissions(mappe.sti, fs::perms::owner_write, fs::perm_options::add);
}

} // namespace
} // namespace taglo
