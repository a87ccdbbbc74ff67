// The one formatter behind every number the program writes: printf-like formats with
// the regional separators and decimal rounding with halves away from zero.
#pragma once

#include "core/regional.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace taglo
{

// One argument of a format: an integer, a real or a text (UTF-8).
class FormatArgument
{
  public:
    FormatArgument(int v)
        : vaerdi_(static_cast<std::int64_t>(v)) {} // NOLINT(google-explicit-constructor)
    FormatArgument(long v)
        : vaerdi_(static_cast<std::int64_t>(v)) {} // NOLINT(google-explicit-constructor)
    FormatArgument(long long v)
        : vaerdi_(static_cast<std::int64_t>(v)) {} // NOLINT(google-explicit-constructor)
    FormatArgument(unsigned v)
        : vaerdi_(static_cast<std::int64_t>(v)) {}         // NOLINT(google-explicit-constructor)
    FormatArgument(double v) : vaerdi_(v) {}               // NOLINT(google-explicit-constructor)
    FormatArgument(char c) : vaerdi_(std::string(1, c)) {} // NOLINT(google-explicit-constructor)
    FormatArgument(std::string_view s)
        : vaerdi_(std::string(s)) {}                     // NOLINT(google-explicit-constructor)
    FormatArgument(const std::string& s) : vaerdi_(s) {} // NOLINT(google-explicit-constructor)
    FormatArgument(const char* s)
        : vaerdi_(std::string(s)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] const std::variant<std::int64_t, double, std::string>& vaerdi() const
    {
        return vaerdi_;
    }

  private:
    std::variant<std::int64_t, double, std::string> vaerdi_;
};

// Formats `format` with `argumenter` under the regional settings `regional`.
//
// Conversions: %d (integer), %s (text; a width counts characters, not bytes), %f (fixed
// decimals), %n (fixed decimals with thousands separators), %% (a percent sign).
// Flags and sizes: "-" left-justifies; a width and a precision may be numbers or "*"
// (taken from the next argument, as in "%*.*f"). Widths are minimums and never cut.
// Reals are rounded by their decimal text at 15 significant digits, halves away from
// zero (7.255 with two decimals is 7,26 under Danish settings); a value that rounds to
// zero has no minus sign. A missing argument formats as nothing; an integer given to
// %f or %n is taken as a real, a real given to %d is rounded to a whole number.
[[nodiscard]] std::string FormaterListe(const Regionalindstillinger& regional,
                                        std::string_view format,
                                        std::span<const FormatArgument> argumenter);

// Variadic form of FormaterListe: Formater(regional, "%5.2f m", 3.2).
template <class... Argumenter>
[[nodiscard]] std::string Formater(const Regionalindstillinger& regional, std::string_view format,
                                   const Argumenter&... argumenter)
{
    const std::array<FormatArgument, sizeof...(Argumenter)> liste{FormatArgument(argumenter)...};
    return FormaterListe(regional, format, liste);
}

// The value rounded half away from zero at `decimaler` decimals (0..40) and written with
// the given decimal separator and, when not empty, the thousands separator between
// groups of three digits. Non-finite values give "NAN", "INF" or "-INF".
[[nodiscard]] std::string FormaterFast(double vaerdi, int decimaler, std::string_view decimalTegn,
                                       std::string_view tusindeTegn = {});

} // namespace taglo
