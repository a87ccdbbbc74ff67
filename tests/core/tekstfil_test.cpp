#include "core/tekstfil.h"

#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;

class Tekstfil : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        mappe_ =
            fs::temp_directory_path() /
            ("taglo_tekstfil_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mappe_);
        fs::create_directories(mappe_);
    }
    void TearDown() override
    {
        std::error_code fejl;
        fs::permissions(mappe_, fs::perms::owner_all, fs::perm_options::add, fejl);
        fs::remove_all(mappe_, fejl);
    }
    std::string sti(const std::string& navn) const { return (mappe_ / navn).string(); }
    static void SkrivBytes(const std::string& sti, const std::string& bytes)
    {
        std::ofstream(sti, std::ios::binary) << bytes;
    }

    fs::path mappe_;
};

TEST(DelLinjer, LinjeEnderVedCrLfEllerCrLf)
{
    EXPECT_EQ(DelLinjer("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DelLinjer("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(DelLinjer("\r\n\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(DelLinjer("\n\r"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(DelLinjer("").empty());
    EXPECT_EQ(DelLinjer("\fSide 2\r\n\xE6"), (std::vector<std::string>{"\fSide 2", "æ"}));
}

TEST(SammenfoejLinjer, CrLfEfterHverLinjeIWindows1252)
{
    EXPECT_EQ(SammenfoejLinjer({"Lægte", "", "\fny side"}), "L\xE6gte\r\n\r\n\fny side\r\n");
    EXPECT_EQ(SammenfoejLinjer({}), "");
}

TEST_F(Tekstfil, GemErstatterFilenOgLaesGiverSammeLinjer)
{
    SkrivBytes(sti("p.tgl"), std::string(5000, 'z'));
    const std::vector<std::string> linjer{"Ærø Tømrer", "     13,43", "——", ""};
    ASSERT_FALSE(GemTekstfil(sti("p.tgl"), linjer).has_value());
    EXPECT_EQ(test::LaesHeleFilen(sti("p.tgl")),
              "\xC6r\xF8 T\xF8mrer\r\n     13,43\r\n\x97\x97\r\n\r\n");
    EXPECT_EQ(LaesTekstfil(sti("p.tgl")).value(), linjer);
}

TEST_F(Tekstfil, LaesningStopperEfterGraensen)
{
    std::string indhold;
    for (int i = 1; i <= 40; ++i)
    {
        indhold += "linje " + std::to_string(i) + "\r\n";
    }
    indhold += std::string(1 << 20, 'x');
    SkrivBytes(sti("lang.tgl"), indhold);
    const auto linjer = LaesTekstfil(sti("lang.tgl")).value();
    ASSERT_EQ(linjer.size(), 31U);
    EXPECT_EQ(linjer.back(), "linje 31");
}

TEST_F(Tekstfil, LangLinjeKlippes)
{
    SkrivBytes(sti("bred.tgl"), std::string(1 << 20, 'y') + "\nnaeste");
    const auto linjer = LaesTekstfil(sti("bred.tgl")).value();
    ASSERT_EQ(linjer.size(), 2U);
    EXPECT_EQ(linjer[0], std::string(4096, 'y'));
    EXPECT_EQ(linjer[1], "naeste");
}

TEST_F(Tekstfil, ManglendeFilEllerMappeKanIkkeLaeses)
{
    EXPECT_FALSE(LaesTekstfil(sti("findes-ikke.tgl")).has_value());
    EXPECT_FALSE(LaesTekstfil(mappe_.string()).has_value());
}

TEST_F(Tekstfil, SkrivebeskyttetFilErstattesIkke)
{
    SkrivBytes(sti("beskyttet.tgl"), "gammelt indhold");
    fs::permissions(sti("beskyttet.tgl"), fs::perms::owner_read | fs::perms::group_read);
    const auto fejl = GemTekstfil(sti("beskyttet.tgl"), {"nyt"});
    ASSERT_TRUE(fejl.has_value());
    EXPECT_EQ(fejl->art, "EFCreateError");
    EXPECT_NE(fejl->besked.find(sti("beskyttet.tgl")), std::string::npos);
    EXPECT_EQ(test::LaesHeleFilen(sti("beskyttet.tgl")), "gammelt indhold");
}

TEST_F(Tekstfil, GemIMappeDerIkkeFindesFejler)
{
    const auto fejl = GemTekstfil(sti("ingen/mappe/r.txt"), {"x"});
    ASSERT_TRUE(fejl.has_value());
    EXPECT_EQ(fejl->art, "EFCreateError");
}

TEST_F(Tekstfil, IngenMidlertidigeFilerEfterGem)
{
    ASSERT_FALSE(GemTekstfil(sti("a.log"), {"1", "2"}).has_value());
    ASSERT_FALSE(GemTekstfil(sti("a.log"), {"3"}).has_value());
    int filer = 0;
    for ([[maybe_unused]] const auto& post : fs::directory_iterator(mappe_))
    {
        ++filer;
    }
    EXPECT_EQ(filer, 1);
}

} // namespace
} // namespace taglo
