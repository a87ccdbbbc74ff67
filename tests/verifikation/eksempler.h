// Published worked examples that Taglo's own functions must reproduce: one table, read by
// the verification test and printed as the user guide's chapter "Verifikation".
#pragma once

#include "core/meddelelser.h"

#include <span>
#include <string>
#include <string_view>

namespace taglo::verifikation
{

// One published value and the call of Taglo's own function that must reproduce it.
struct TEksempel
{
    std::string_view navn;    // the test's name, letters and digits only
    std::string_view kontrol; // what is checked, and where Taglo's rule differs
    int kilde;                // number of the source in the chapter's list, from 0
    std::string_view sted;    // page, sheet or example number in the source
    double publiceret;        // the value as the source prints it
    int decimaler; // decimals the source prints: the tolerance is half a unit of the last
    std::string_view enhed;
    double (*taglo)(Meddelelser& meddelelser); // Taglo's value, in the source's unit and sign
};

[[nodiscard]] std::span<const TEksempel> Eksempler();

// Half a unit of the last decimal the source prints.
[[nodiscard]] double Tolerance(const TEksempel& eksempel);

// Taglo's value for the example; not a number when the call reported anything, since a
// published example never lies outside what the functions accept.
[[nodiscard]] double TagloVaerdi(const TEksempel& eksempel);

// The chapter's table in Markdown: what is checked, the source with its page, the
// published value, Taglo's value and the difference, with decimal commas; then the
// sources in full.
[[nodiscard]] std::string VerifikationTabel();

} // namespace taglo::verifikation
