// What the program needs from its surroundings at start-up: where its data files are and
// Qt's own texts in Danish (the regional settings: qtcanvas/systemregional.h).
#pragma once

#include <QString>

class QCoreApplication;

namespace taglo
{

// The folder of the data files, with a trailing separator: the folder of the program
// file when Standard.tgl lies there (a build tree or a portable copy), else the installed
// data folder ../share/taglo/ beside it when Standard.tgl lies there, else the folder of
// the program file (where start-up then reports the missing file).
[[nodiscard]] QString FindProgrammappe(const QString& programfilensMappe);

// Installs Qt's Danish texts (qtbase_da) for the file, print and message dialogs.
// Whether they were found.
bool InstallerDanskeQtTekster(QCoreApplication& app);

} // namespace taglo
