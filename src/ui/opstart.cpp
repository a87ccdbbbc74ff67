#include "ui/opstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace taglo
{

QString FindProgrammappe(const QString& programfilensMappe)
{
    const auto medSkilletegn = [](const QString& mappe) {
        return QDir::cleanPath(mappe) + QLatin1Char('/');
    };
    QString her = medSkilletegn(programfilensMappe);
    if (QFileInfo::exists(her + QStringLiteral("Standard.tgl")))
    {
        return her;
    }
    QString installeret = medSkilletegn(programfilensMappe + QStringLiteral("/../share/taglo"));
    if (QFileInfo::exists(installeret + QStringLiteral("Standard.tgl")))
    {
        return installeret;
    }
    return her;
}

bool InstallerDanskeQtTekster(QCoreApplication& app)
{
    auto oversaettelse = std::make_unique<QTranslator>();
    if (!oversaettelse->load(QStringLiteral("qtbase_da"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    {
        return false;
    }
    // The application keeps the translation for its lifetime.
    oversaettelse->setParent(&app);
    return QCoreApplication::installTranslator(oversaettelse.release());
}

} // namespace taglo
