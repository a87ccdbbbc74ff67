// Number texts of the edit fields, the project file and the report.
#pragma once

#include "core/meddelelser.h"
#include "core/regional.h"

#include <optional>
#include <string>
#include <string_view>

namespace taglo
{

// The value of a number text, or nothing when the text is not a number.
// Accepted: leading blanks, an optional sign, digits with at most one decimal separator of
// the regional settings and at least one digit, an optional exponent ("E" or "e", an
// optional sign, digits), trailing blanks. Only the blank counts as a space; thousands
// separators are not accepted. A value beyond the range of a double is not a number, so
// neither infinity nor NaN ever comes out; a value too small for a double is 0.
[[nodiscard]] std::optional<double> LaesTal(std::string_view tekst,
                                            const Regionalindstillinger& regional);

// A number line of a project file in the regional form. A line that is a number only
// with the other decimal sign (a point where the regional sign is a comma, or the reverse)
// gets the regional sign in its place, its digits and blanks unchanged; any other line is
// returned as it is. A line holds one number and no thousands separators, so a single
// comma or point in it can only be the decimal sign.
[[nodiscard]] std::string MedRegionaltDecimaltegn(std::string_view linje,
                                                  const Regionalindstillinger& regional);

// TalFraFelt: the value of an edit field's text. A text that is not a number shows the
// plain message box with the three lines "Det indtastede er ugyldigt som tal",
// "EConvertError" and "'<text>' is not a valid floating point value", and gives 0.
[[nodiscard]] double TalFraFelt(std::string_view tekst, const Regionalindstillinger& regional,
                                Meddelelser& meddelelser);

// TalTilFelt: the value formatted with "%*.*f": right-aligned in at least `bredde`
// characters with exactly `decimaler` decimals, rounded halves away from zero.
[[nodiscard]] std::string TalTilFelt(int bredde, int decimaler, double vaerdi,
                                     const Regionalindstillinger& regional);

// OmformaterFelt: TalFraFelt of the text, then TalTilFelt of the result back into it.
// Returns the value that the re-formatted text holds.
double OmformaterFelt(std::string& tekst, int bredde, int decimaler,
                      const Regionalindstillinger& regional, Meddelelser& meddelelser);

// StregLinie: a rule of `antal` em dashes; empty for 0 or less.
[[nodiscard]] std::string StregLinie(int antal);

} // namespace taglo
