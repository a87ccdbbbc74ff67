// The bench of the application's tests: the program started in a folder of its own with
// the shipped Standard.tgl beside it, its messages recorded and its file dialogs answered
// by the test.
#pragma once

#include "app/applikation.h"
#include "core/support.h"
#include "core/tekstfil.h"

#include "midlertidig_mappe.h"
#include "navngivne_tilfaelde.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taglo::test
{

using Meddelelser = std::vector<OptagetMeddelelse>;

inline OptagetMeddelelse Fejl(const std::string& tekst)
{
    return {"fejl", tekst};
}

// The lines joined into a file's bytes as they stand, each ended by `slut`.
inline std::string SomFil(const std::vector<std::string>& linjer, std::string_view slut = "\r\n")
{
    std::string fil;
    for (const auto& linje : linjer)
    {
        fil.append(linje).append(slut);
    }
    return fil;
}

// The 31 lines of the shipped project file, line `nummer` (1..31) replaced when given.
inline std::vector<std::string> StandardLinjer(std::size_t nummer = 0, std::string_view tekst = "")
{
    auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).linjer;
    linjer.resize(31);
    if (nummer > 0)
    {
        linjer.at(nummer - 1) = tekst;
    }
    return linjer;
}

// The support contact the reference projects were computed with.
inline constexpr support::TKontakt kKontakt{"00 00 00 00", "support@example.invalid"};

class Applikation : public ::testing::Test
{
  protected:
    // The program starts, and says nothing at a sound start-up.
    void SetUp() override
    {
        std::filesystem::copy_file(TAGLO_STANDARDFIL, mappe_.sti / "Standard.tgl");
        ASSERT_TRUE(app.Init(Programmappe()));
        ASSERT_TRUE(meddelelser.liste.empty());
    }

    // The program's folder, as the program names it.
    [[nodiscard]] std::string Programmappe() const { return mappe_.sti.string() + "/"; }
    [[nodiscard]] std::string Sti(std::string_view navn) const
    {
        return mappe_ / std::string(navn);
    }
    // Writes the bytes as the file `navn` in the folder; returns its path.
    std::string SkrivFil(std::string_view navn, std::string_view bytes) const
    {
        return mappe_.Skriv(std::string(navn), std::string(bytes));
    }

    // The messages shown since the last call.
    Meddelelser Vist() { return std::exchange(meddelelser.liste, {}); }

    const MidlertidigMappe mappe_;
    OptagneMeddelelser meddelelser;
    OptagneDialoger dialoger;
    int aflaesninger = 0; // how often a report has been stamped with the time
    TApplikation app{meddelelser,
                     dialoger,
                     Regionalindstillinger::Dansk(),
                     "Eksempel ApS",
                     [this] {
                         ++aflaesninger;
                         return Tidspunkt{2014, 5, 1, 13, 5, 9};
                     },
                     kKontakt};
};

} // namespace taglo::test
