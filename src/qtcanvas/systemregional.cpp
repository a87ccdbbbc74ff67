#include "qtcanvas/systemregional.h"

#include <QByteArray>
#include <QString>

namespace taglo
{
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

Regionalindstillinger SystemetsRegionalindstillinger()
{
    return RegionalindstillingerFra(QLocale::system());
}

} // namespace taglo
