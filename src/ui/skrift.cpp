#include "ui/skrift.h"

#include <QStringList>

namespace taglo
{

namespace
{

QFont Skrift(const QStringList& familier, int pixels, bool fed)
{
    QFont skrift;
    skrift.setFamilies(familier);
    skrift.setPixelSize(pixels);
    skrift.setBold(fed);
    return skrift;
}

} // namespace

QFont SansSkrift(int pixels, bool fed)
{
    return Skrift({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, pixels, fed);
}

QFont ArialFed(int pixels)
{
    return Skrift({"Arial", "Liberation Sans", "DejaVu Sans"}, pixels, true);
}

QFont FastBreddeSkrift(int pixels)
{
    QFont skrift = Skrift({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, pixels, false);
    skrift.setStyleHint(QFont::Monospace);
    return skrift;
}

QFont PrinterSkrift(int punkter)
{
    QFont skrift;
    skrift.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    skrift.setStyleHint(QFont::Monospace);
    skrift.setPointSize(punkter);
    return skrift;
}

} // namespace taglo
