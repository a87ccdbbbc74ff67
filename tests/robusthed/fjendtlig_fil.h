// The bench of the hostile-file suite: the application started from the shipped default
// project file, a temporary folder for the hostile files, and the checks that every
// hostile input must pass.
#pragma once

#include "app/applikation.h"
#include "core/dialoger.h"
#include "core/regional.h"

#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
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
[[nodiscard]] std::string Konverteringsbesked(std::string_view tekst);

// The beginning of the load message for the file at `sti`, up to and with the support
// contact's e-mail address.
[[nodiscard]] std::string Hentebesked(const std::string& sti);

// The 31 lines of the shipped default project file, as Windows-1252 bytes.
[[nodiscard]] std::vector<std::string> StandardLinjer();

// The lines joined into a file's bytes, each ended by `slut`.
[[nodiscard]] std::string SomFil(const std::vector<std::string>& linjer,
                                 std::string_view slut = "\r\n");

inline constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;

// `antal` bytes of noise, every value from 0 to 255 alike, the same for the same seed.
[[nodiscard]] std::string BinaertStoej(unsigned froe, std::size_t antal);

// Writes `begyndelse` and then `antalMegabyte` megabytes of the byte `blok` to the file at
// `sti`, one megabyte at a time.
void SkrivStorFil(const std::string& sti, std::string_view begyndelse, char blok,
                  std::size_t antalMegabyte);

// Whether a text shows a number the formatter writes only for a value that is not finite.
[[nodiscard]] bool ViserIkkeEndeligtTal(std::string_view tekst);

// A fresh temporary folder, removed with everything in it afterwards.
class MidlertidigMappe
{
  public:
    MidlertidigMappe();
    ~MidlertidigMappe();
    MidlertidigMappe(const MidlertidigMappe&) = delete;
    MidlertidigMappe& operator=(const MidlertidigMappe&) = delete;
    MidlertidigMappe(MidlertidigMappe&&) = delete;
    MidlertidigMappe& operator=(MidlertidigMappe&&) = delete;

    [[nodiscard]] std::string Sti(std::string_view navn) const;

  private:
    std::filesystem::path mappe_;
};

// The application after its start-up from the default project file, with Danish settings
// and a fixed moment for the report.
class FjendtligFil : public ::testing::Test
{
  protected:
    void SetUp() override;

    // Writes the bytes as a project file in the temporary folder and loads it with the
    // load command; returns whether it was loaded.
    bool Hent(std::string_view bytes);
    // The same for the default project file's lines with line `nummer` (1..31) replaced.
    bool HentMedLinje(std::size_t nummer, std::string_view tekst);

    // Runs the calculation as the result tab does. When it finishes, every line of the
    // report and the log and every result value is checked to be finite; when it is
    // refused, exactly one error message was shown. Returns whether it finished.
    bool BeregnOgKontroller();

    // The load message was shown alone, and the window and the inputs are those of the
    // default project file.
    void ForventHentebeskedOgUaendret(const std::string& sti);

    // The conversion message of `tekst` was shown, once, and no other plain message; or,
    // when `vist` is false, no plain message at all.
    void ForventKonverteringsbesked(bool vist, std::string_view tekst) const;

    [[nodiscard]] std::vector<std::string> Beskeder(std::string_view art) const;

  private:
    void KontrollerAfvisning(std::size_t meddelelserFoer);
    void KontrollerRapport();
    void ForventStandardinddata();

  protected:
    MidlertidigMappe mappe;
    std::string projektfil; // the path Hent writes to
    OptagneMeddelelser meddelelser;
    AnnullerendeDialoger dialoger;
    TApplikation app{meddelelser, dialoger, Regionalindstillinger::Dansk(), "Robusthed ApS",
                     [] { return Tidspunkt{2014, 5, 1, 13, 5, 9}; }};
    TVindue standardvindue; // the window after the start-up
};

} // namespace taglo::test
