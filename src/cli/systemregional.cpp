#include "cli/systemregional.h"

#include <QLocale>
#include <QString>

namespace taglo::cli
{

Regionalindstillinger SystemetsRegionalindstillinger()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
    {
        return Regionalindstillinger::Dansk();
    }
    Regionalindstillinger regional;
    regional.decimal = QString(system.decimalPoint()).toStdString();
    regional.tusinde = QString(system.groupSeparator()).toStdString();
    // The time separator is what the locale's time format writes between hours and minutes.
    const QString format = system.timeFormat(QLocale::LongFormat);
    const auto time = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (time >= 0)
    {
        auto pos = time;
        while (pos < format.size() && format[pos].toLower() == QLatin1Char('h'))
        {
            ++pos;
        }
        if (pos < format.size() && !format[pos].isLetter())
        {
            regional.tid = QString(format[pos]).toStdString();
        }
    }
    return regional;
}

} // namespace taglo::cli
