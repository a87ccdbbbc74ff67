// Text in Windows-1252 with CR LF line ends: characters, lines and files.
#include "core/tekst.h"
#include "core/tekstfil.h"

#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

TEST(Utf8, TegnTaellesIkkeBytes)
{
    EXPECT_EQ(AntalTegn("æ—a"), 3U);
    EXPECT_EQ(ForsteTegn("æøå", 2), "æø");
    EXPECT_EQ(ForsteTegn("abc", 10), "abc");
}

TEST(Linjer, EnderVedCrLfCrEllerLfOgSammenfoejesMedCrLf)
{
    EXPECT_EQ(DelLinjer("a\r\nb\rc\nd"), (Linjer{"a", "b", "c", "d"}));
    EXPECT_EQ(DelLinjer("\n\r"), (Linjer{"", ""})); // two line ends
    EXPECT_EQ(DelLinjer(""), Linjer{});
    EXPECT_EQ(DelLinjer("\fSide 2\r\n\xE6"), (Linjer{"\fSide 2", "æ"}));
    EXPECT_EQ(SammenfoejLinjer({"Lægte", "", "\fny side"}), "L\xE6gte\r\n\r\n\fny side\r\n");
}

class Tekstfil : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        fs::remove_all(mappe);
        fs::create_directories(mappe);
    }
    void TearDown() override { fs::remove_all(mappe); }
    [[nodiscard]] std::string sti(const std::string& navn) const { return (mappe / navn).string(); }

    const fs::path mappe = fs::temp_directory_path() / ("taglo_core_" + std::to_string(::getpid()));
};

TEST_F(Tekstfil, GemErstatterFilenHeltOgLaesGiverSammeLinjer)
{
    std::ofstream(sti("p.tgl"), std::ios::binary) << std::string(5000, 'z');
    const Linjer linjer{"Ærø Tømrer", "     13,43", "——", ""};
    ASSERT_FALSE(GemTekstfil(sti("p.tgl"), linjer).has_value());
    EXPECT_EQ(test::LaesHeleFilen(sti("p.tgl")),
              "\xC6r\xF8 T\xF8mrer\r\n     13,43\r\n\x97\x97\r\n\r\n");
    EXPECT_EQ(LaesTekstfil(sti("p.tgl")), linjer);
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe), {}), 1) << "no temporary file left";
}

TEST_F(Tekstfil, LaesningStopperVed31LinjerKlipperVed4096BytesOgKraeverEnFil)
{
    std::string indhold = std::string(1 << 20, 'y') + "\n";
    for (int i = 2; i <= 40; ++i)
    {
        indhold += "linje " + std::to_string(i) + "\r\n";
    }
    std::ofstream(sti("lang.tgl"), std::ios::binary) << indhold + std::string(1 << 20, 'x');
    const auto linjer = LaesTekstfil(sti("lang.tgl")).value();
    ASSERT_EQ(linjer.size(), 31U);
    EXPECT_EQ(linjer.front(), std::string(4096, 'y'));
    EXPECT_EQ(linjer.back(), "linje 31");
    EXPECT_FALSE(LaesTekstfil(sti("findes-ikke.tgl")).has_value());
    EXPECT_FALSE(LaesTekstfil(mappe.string()).has_value()) << "a folder is no file";
}

} // namespace
} // namespace taglo
