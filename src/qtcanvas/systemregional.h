// The regional settings of the system the program runs on, read through Qt: the one place
// both the window and the command-line tool take them from.
#pragma once

#include "core/regional.h"

#include <QLocale>

namespace taglo
{

// The separators of `sprog`: its decimal and thousands separators, and as the time
// separator the first character after the hours in its short time format (":" when it has
// none). Danish ones for the C locale, which has no regional settings of its own.
[[nodiscard]] Regionalindstillinger RegionalindstillingerFra(const QLocale& sprog);

// The separators of the system's locale (LANG, LC_ALL and their kin).
[[nodiscard]] Regionalindstillinger SystemetsRegionalindstillinger();

} // namespace taglo
