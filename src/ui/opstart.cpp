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

namespace
{

std::string Utf8(const QString& tekst)
{
    const QByteArray bytes = tekst.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

Regionalindstillinger RegionalindstillingerFra(const QLocale& sprog)
{
    if (sprog.language() == QLocale::C)
    {
        return Regionalindstillinger::Dansk();
    }
    // The time separator is the first character between the hours and the minutes.
    const QString format = sprog.timeFormat(QLocale::ShortFormat);
    const auto timer = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    QString tid = QStringLiteral(":");
    for (auto i = timer + 1; timer >= 0 && i < format.size(); ++i)
    {
        if (!format[i].isLetter())
        {
            tid = format.mid(i, 1);
            break;
        }
    }
    return {Utf8(sprog.decimalPoint()), Utf8(sprog.groupSeparator()), Utf8(tid)};
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
