#include "ui/kontroller.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QRadioButton>

namespace taglo
{

RadioGruppe::RadioGruppe(const QString& navn, const QString& overskrift, const QStringList& punkter,
                         int kolonner, QWidget* forfaelder)
    : QGroupBox(overskrift, forfaelder), gruppe_(Ny<QButtonGroup>(this))
{
    setObjectName(navn);
    gruppe_->setExclusive(true);
    auto* gitter = Ny<QGridLayout>(this);
    gitter->setContentsMargins(8, 4, 8, 4);
    gitter->setVerticalSpacing(2);
    const int raekker = (static_cast<int>(punkter.size()) + kolonner - 1) / kolonner;
    for (int i = 0; i < punkter.size(); ++i)
    {
        auto* knap = Ny<QRadioButton>(punkter[i], this);
        knap->setObjectName(navn + QStringLiteral("_%1").arg(i));
        gruppe_->addButton(knap, i);
        gitter->addWidget(knap, i % raekker, i / raekker);
        knapper_.push_back(knap);
    }
    connect(gruppe_, &QButtonGroup::idClicked, this, &RadioGruppe::klikket);
}

int RadioGruppe::itemIndex() const
{
    return gruppe_->checkedId();
}

void RadioGruppe::saetItemIndex(int indeks)
{
    if (indeks >= 0 && indeks < antalPunkter())
    {
        knapper_[static_cast<std::size_t>(indeks)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one item checked; lift the rule to clear it.
    gruppe_->setExclusive(false);
    for (QRadioButton* knap : knapper_)
    {
        knap->setChecked(false);
    }
    gruppe_->setExclusive(true);
}

QRadioButton* RadioGruppe::punkt(int indeks) const
{
    if (indeks < 0 || indeks >= antalPunkter())
    {
        return nullptr;
    }
    return knapper_[static_cast<std::size_t>(indeks)];
}

Tegneflade::Tegneflade(const QString& navn, QWidget* forfaelder) : QWidget(forfaelder)
{
    setObjectName(navn);
    setFocusPolicy(Qt::NoFocus);
}

void Tegneflade::paintEvent(QPaintEvent* /*event*/)
{
    if (!tegn_ || width() <= 0 || height() <= 0)
    {
        return;
    }
    QPainter maler(this);
    maler.setFont(font());
    tegn_(maler, width(), height());
}

} // namespace taglo
