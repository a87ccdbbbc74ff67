// Regional settings: the separators the user's system writes numbers and times with.
#pragma once

#include <string>

namespace taglo
{

// The three separators that numbers and times are shown with. A value passed to the
// formatter and the number-text helpers; the C library's global locale is never used.
struct Regionalindstillinger
{
    std::string decimal = ","; // between the whole and the fractional part
    std::string tusinde = "."; // between groups of three digits (%n formats)
    std::string tid = ":";     // between hours, minutes and seconds

    // Danish settings: decimal comma, thousands point, colon in times.
    [[nodiscard]] static Regionalindstillinger Dansk() { return {",", ".", ":"}; }
    // English settings: decimal point, thousands comma, colon in times.
    [[nodiscard]] static Regionalindstillinger Engelsk() { return {".", ",", ":"}; }

    bool operator==(const Regionalindstillinger&) const = default;
};

} // namespace taglo
