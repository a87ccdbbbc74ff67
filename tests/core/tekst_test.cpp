#include "core/tekst.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{
namespace
{

TEST(Windows1252, DanskeBogstaverOgTankestregFremOgTilbage)
{
    const std::string utf8 = "æøåÆØÅ—€";
    const std::string bytes = TilWindows1252(utf8);
    EXPECT_EQ(bytes, "\xE6\xF8\xE5\xC6\xD8\xC5\x97\x80");
    EXPECT_EQ(FraWindows1252(bytes), utf8);
}

TEST(Windows1252, AlleDefineredeTegnOverlever)
{
    for (int b = 1; b < 256; ++b)
    {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = FraWindows1252(byte);
        EXPECT_EQ(TilWindows1252(utf8), byte) << "byte " << b;
    }
    EXPECT_EQ(FraWindows1252(std::string(1, '\0')), std::string(1, '\0'));
    EXPECT_EQ(FraWindows1252("\x97"), "—");
    EXPECT_EQ(FraWindows1252("\x80"), "€");
    EXPECT_EQ(FraWindows1252("\x9F"), "Ÿ");
}

TEST(Windows1252, TegnDerIkkeFindesBliverSpoergsmaalstegn)
{
    EXPECT_EQ(TilWindows1252("→ł"), "??");
    EXPECT_EQ(TilWindows1252("a\xFF"
                             "b"),
              "a?b");                            // not UTF-8
    EXPECT_EQ(TilWindows1252("\xE2\x80"), "??"); // cut-off sequence
    EXPECT_EQ(TilWindows1252("😀"), "?");
}

TEST(Utf8, TegnTaellesIkkeBytes)
{
    EXPECT_EQ(AntalTegn("æøå"), 3U);
    EXPECT_EQ(AntalTegn("———"), 3U);
    EXPECT_EQ(AntalTegn(""), 0U);
    EXPECT_EQ(ForsteTegn("æøå", 2), "æø");
    EXPECT_EQ(ForsteTegn("abc", 10), "abc");
}

} // namespace
} // namespace taglo
