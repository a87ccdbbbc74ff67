// The regional settings of the system the tool runs on.
#pragma once

#include "core/regional.h"

namespace taglo::cli
{

// The decimal and thousands separators and the time separator of the system's locale
// (LC_ALL, LC_NUMERIC, LC_TIME, LANG), read without touching the C library's global
// locale. Where the system has none (the C or POSIX locale) the program is Danish:
// Danish settings.
[[nodiscard]] Regionalindstillinger SystemetsRegionalindstillinger();

} // namespace taglo::cli
