// The bench of the hostile-file suite: the application started from the shipped default
// project file, a temporary folder for the hostile files, and the checks that every
// hostile input must pass.
#pragma once

#include "app/applikation.h"
#include "core/dialoger.h"
#include "core/regional.h"
#include "core/support.h"
#include "core/tekstfil.h"

#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace taglo::test
{

// Every dialog is cancelled: no project is chosen, no log file or report is saved.
class AnnullerendeDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& /*dialog*/) override
    {
        return std::nullopt;
    }
    std::optional<std::string> gemFil(const FilDialog& /*dialog*/) override { return std::nullopt; }
};

// The conversion message of a text that is not a number.
inline std::string Konverteringsbesked(std::string_view tekst)
{
    return "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'" + std::string(tekst) +
           "' is not a valid floating point value";
}

// The beginning of the load message for the file at `sti`, up to the support e-mail.
inline std::string Hentebesked(const std::string& sti)
{
    return "Uventet fejl: Programmet kan ikke hente inddata fra " + sti +
           ".\r\nDet kan måske skyldes at denne fil er dannet af en tidligere version af "
           "Taglo.\r\nEllers send filen til " +
           std::string(support::kEmail);
}

// The 31 lines of the shipped default project file.
inline std::vector<std::string> StandardLinjer()
{
    auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).value_or(std::vector<std::string>{});
    EXPECT_EQ(linjer.size(), 31U) << "the shipped default project file";
    return linjer;
}

// The lines joined into a file's bytes, each ended by `slut`.
inline std::string SomFil(const std::vector<std::string>& linjer, std::string_view slut = "\r\n")
{
    std::string fil;
    for (const auto& linje : linjer)
    {
        fil += linje;
        fil += slut;
    }
    return fil;
}

inline constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;

// `antal` bytes of noise, every value from 0 to 255 alike, the same for the same seed.
inline std::string BinaertStoej(unsigned froe, std::size_t antal)
{
    std::mt19937 generator(froe);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string stoej(antal, '\0');
    for (char& c : stoej)
    {
        c = static_cast<char>(byte(generator));
    }
    return stoej;
}

// Writes `begyndelse` and then `antalMegabyte` megabytes of the byte `blok` to `sti`.
inline void SkrivStorFil(const std::string& sti, std::string_view begyndelse, char blok,
                         std::size_t antalMegabyte)
{
    std::ofstream fil(sti, std::ios::binary | std::ios::trunc);
    fil << begyndelse;
    const std::string megabyte(kMegabyte, blok);
    for (std::size_t i = 0; i < antalMegabyte; ++i)
    {
        fil << megabyte;
    }
    EXPECT_TRUE(fil.good()) << "cannot write " << sti;
}

// Whether a text shows a number the formatter writes only for a value that is not finite.
inline bool ViserIkkeEndeligtTal(std::string_view tekst)
{
    return tekst.find("NAN") != std::string_view::npos ||
           tekst.find("INF") != std::string_view::npos;
}

// A fresh temporary folder, removed with everything in it afterwards.
class MidlertidigMappe
{
  public:
    MidlertidigMappe()
    {
        std::string skabelon =
            (std::filesystem::temp_directory_path() / "taglo_robusthed_XXXXXX").string();
        if (::mkdtemp(skabelon.data()) == nullptr)
        {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
        mappe_ = skabelon;
    }
    ~MidlertidigMappe()
    {
        std::error_code fejl;
        std::filesystem::remove_all(mappe_, fejl);
    }
    MidlertidigMappe(const MidlertidigMappe&) = delete;
    MidlertidigMappe& operator=(const MidlertidigMappe&) = delete;
    MidlertidigMappe(MidlertidigMappe&&) = delete;
    MidlertidigMappe& operator=(MidlertidigMappe&&) = delete;

    [[nodiscard]] std::string Sti(std::string_view navn) const { return (mappe_ / navn).string(); }

  private:
    std::filesystem::path mappe_;
};

// The application after its start-up from the default project file, with Danish settings
// and a fixed moment for the report.
class FjendtligFil : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Init(std::filesystem::path(TAGLO_STANDARDFIL).parent_path().string()));
        ASSERT_TRUE(meddelelser.liste.empty());
        standardvindue = app.Vindue();
    }

    // Writes the bytes as a project file in the temporary folder and loads it with the
    // load command; returns whether it was loaded.
    bool Hent(std::string_view bytes)
    {
        {
            std::ofstream fil(projektfil, std::ios::binary | std::ios::trunc);
            fil.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            EXPECT_TRUE(fil.good()) << "cannot write " << projektfil;
        }
        return app.HentProjektdata(projektfil);
    }

    // The same for the default project file's lines with line `nummer` (1..31) replaced.
    bool HentMedLinje(std::size_t nummer, std::string_view tekst)
    {
        auto linjer = StandardLinjer();
        linjer.at(nummer - 1) = std::string(tekst);
        return Hent(SomFil(linjer));
    }

    // Runs the calculation as the result tab does. A refused run shows exactly one error
    // message and no report; a finished run writes a report and a log with finite numbers
    // and finite result values only. Returns whether it finished.
    bool BeregnOgKontroller()
    {
        const std::size_t foer = meddelelser.liste.size();
        if (!app.UdfoerBeregning())
        {
            EXPECT_EQ(meddelelser.liste.size(), foer + 1) << "a refused run shows one message";
            EXPECT_EQ(meddelelser.liste.back().art, "fejl");
            EXPECT_TRUE(app.Resultatliste().empty()) << "a refused run shows no report";
            return false;
        }
        EXPECT_FALSE(app.Resultatliste().empty());
        for (const auto* liste : {&app.Resultatliste(), &app.Logliste().linjer()})
        {
            for (const auto& linje : *liste)
            {
                EXPECT_FALSE(ViserIkkeEndeligtTal(linje)) << linje;
            }
        }
        const TResultater& r = app.Resultatdata();
        for (const double vaerdi :
             {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
              r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
        {
            EXPECT_TRUE(std::isfinite(vaerdi)) << "a result value is " << vaerdi;
        }
        return true;
    }

    // The load message was shown alone, and the window and the inputs are those of the
    // default project file.
    void ForventHentebeskedOgUaendret(const std::string& sti)
    {
        ASSERT_EQ(meddelelser.liste.size(), 1U);
        EXPECT_EQ(meddelelser.liste[0].art, "fejldialog");
        EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(Hentebesked(sti)))
            << meddelelser.liste[0].tekst;
        EXPECT_TRUE(app.Vindue() == standardvindue) << "a failed load changed the window";
        EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0) << "a failed load changed the inputs";
        EXPECT_DOUBLE_EQ(app.Inddata().TagVink, 45.0);
        EXPECT_EQ(app.Inddata().Nail, 5);
    }

    // The texts of the messages of one kind.
    [[nodiscard]] std::vector<std::string> Beskeder(std::string_view art) const
    {
        std::vector<std::string> tekster;
        for (const auto& m : meddelelser.liste)
        {
            if (m.art == art)
            {
                tekster.push_back(m.tekst);
            }
        }
        return tekster;
    }

    MidlertidigMappe mappe;
    std::string projektfil = mappe.Sti("projekt.tgl"); // the path Hent writes to
    OptagneMeddelelser meddelelser;
    AnnullerendeDialoger dialoger;
    TApplikation app{meddelelser, dialoger, Regionalindstillinger::Dansk(), "Robusthed ApS",
                     [] { return Tidspunkt{2014, 5, 1, 13, 5, 9}; }};
    TVindue standardvindue; // the window after the start-up
};

} // namespace taglo::test
