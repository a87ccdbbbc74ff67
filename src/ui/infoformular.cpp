#include "ui/infoformular.h"

#include "ui/kontroller.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace taglo
{

TInfoForm::TInfoForm(const QString& programmappe, QWidget* forfaelder)
    : QWidget(forfaelder, Qt::Window)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Om Taglo"));
    auto* lodret = Ny<QVBoxLayout>(this);
    lodret->setContentsMargins(0, 0, 0, 0);
    auto* billede = Ny<QLabel>(this);
    billede->setObjectName(QStringLiteral("ImageOmTaglo"));
    const QPixmap om(programmappe + QStringLiteral("OmTaglo.jpg"));
    billede->setPixmap(om);
    lodret->addWidget(billede);
    setFixedSize(om.isNull() ? QSize(440, 300) : om.size());
}

} // namespace taglo
