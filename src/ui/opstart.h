// What the program needs from its surroundings at start-up: where its data files are,
// the regional settings of the system, and Qt's own texts in Danish.
#pragma once

#include "core/regional.h"

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace taglo
{

// The folder of the data files, with a trailing separator: the folder of the program
// file when Standard.tgl lies there (a build tree or a portable copy), else the installed
// data folder ../share/taglo/ beside it when Standard.tgl lies there, else the folder of
// the program file (where start-up then reports the missing file).
[[nodiscard]] QString FindProgrammappe(const QString& programfilensMappe);

// The separators of `sprog` (the system's locale); Danish ones for the C locale, which
// has no regional settings of its own.
[[nodiscard]] Regionalindstillinger RegionalindstillingerFra(const QLocale& sprog);

// Installs Qt's Danish texts (qtbase_da) for the file, print and message dialogs.
// Whether they were found.
bool InstallerDanskeQtTekster(QCoreApplication& app);

} // namespace taglo
