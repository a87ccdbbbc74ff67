#include "qtcanvas/indstillinger.h"

#include "core/support.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace taglo
{
namespace
{

const QString kFirmanavnNoegle = QStringLiteral("firma/navn");

QSettings Indstillinger()
{
    return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("taglo"),
            QStringLiteral("taglo")};
}

} // namespace

std::string GemtFirmanavn()
{
    const QVariant navn = Indstillinger().value(kFirmanavnNoegle);
    return navn.isValid() ? navn.toString().toStdString() : std::string(support::kFirmanavn);
}

void GemFirmanavn(const std::string& navn)
{
    Indstillinger().setValue(kFirmanavnNoegle, QString::fromStdString(navn));
}

} // namespace taglo
