#include "qtcanvas/qtlaerred.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <vector>

namespace taglo
{
namespace
{

Qt::PenStyle QtPenStil(TPenStil stil)
{
    switch (stil)
    {
    case TPenStil::Prikket:
        return Qt::DotLine;
    case TPenStil::StregPrik:
        return Qt::DashDotLine;
    case TPenStil::Stiplet:
        return Qt::DashLine;
    case TPenStil::Fuld:
        break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle QtFyldStil(TFyldStil stil)
{
    switch (stil)
    {
    case TFyldStil::Fuld:
        return Qt::SolidPattern;
    case TFyldStil::Krydsskraveret:
        return Qt::CrossPattern;
    case TFyldStil::Klar:
        break;
    }
    return Qt::NoBrush;
}

QString TilQString(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

} // namespace

QColor TilQColor(TFarve farve)
{
    return {farve.R, farve.G, farve.B};
}

QtLaerred::QtLaerred(QPainter& maler) : maler_(maler), pensel_(Qt::NoBrush)
{
    pen_.setStyle(Qt::SolidLine);
    pen_.setColor(Qt::black);
    OpdaterPen();
    maler_.setRenderHint(QPainter::Antialiasing, false);
    maler_.setBackgroundMode(Qt::TransparentMode);
}

void QtLaerred::OpdaterPen()
{
    // A 1-pixel line with flat ends leaves out its end pixel; thick lines get round ends and
    // joins so that the corners of an outline close.
    if (pen_.width() <= 1)
    {
        pen_.setCapStyle(Qt::FlatCap);
        pen_.setJoinStyle(Qt::MiterJoin);
    }
    else
    {
        pen_.setCapStyle(Qt::RoundCap);
        pen_.setJoinStyle(Qt::RoundJoin);
    }
}

void QtLaerred::SaetPenStil(TPenStil stil)
{
    pen_.setStyle(QtPenStil(stil));
}

void QtLaerred::SaetPenBredde(int pixels)
{
    pen_.setWidth(pixels < 1 ? 1 : pixels);
    OpdaterPen();
}

void QtLaerred::SaetPenFarve(TFarve farve)
{
    pen_.setColor(TilQColor(farve));
}

void QtLaerred::SaetFyldStil(TFyldStil stil)
{
    pensel_.setStyle(QtFyldStil(stil));
}

void QtLaerred::SaetFyldFarve(TFarve farve)
{
    pensel_.setColor(TilQColor(farve));
}

void QtLaerred::FlytTil(TPixel p)
{
    position_ = QPoint(p.X, p.Y);
}

void QtLaerred::LinjeTil(TPixel p)
{
    const QPoint til(p.X, p.Y);
    maler_.setPen(pen_);
    maler_.drawLine(position_, til);
    position_ = til;
}

void QtLaerred::Polygon(std::span<const TPixel> punkter)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(punkter.size()));
    for (const TPixel& p : punkter)
    {
        polygon.append(QPoint(p.X, p.Y));
    }
    maler_.setPen(pen_);
    maler_.setBrush(pensel_);
    maler_.drawPolygon(polygon);
}

void QtLaerred::SaetPixel(TPixel p, TFarve farve)
{
    maler_.fillRect(QRect(p.X, p.Y, 1, 1), TilQColor(farve));
}

int QtLaerred::TekstHoejde(std::string_view /*tekst*/)
{
    // The height of a line of text: ascent and descent, whatever the characters.
    return QFontMetrics(maler_.font(), maler_.device()).height();
}

int QtLaerred::TekstBredde(std::string_view tekst)
{
    return QFontMetrics(maler_.font(), maler_.device()).horizontalAdvance(TilQString(tekst));
}

void QtLaerred::SletRektangel(TPixel fra, TPixel til)
{
    maler_.fillRect(QRect(QPoint(fra.X, fra.Y), QPoint(til.X, til.Y)), maler_.background());
}

void QtLaerred::SaetTekstJustering(TVandretJustering vandret, TLodretJustering lodret)
{
    vandret_ = vandret;
    lodret_ = lodret;
}

void QtLaerred::SaetTekstFarve(TFarve farve)
{
    tekstFarve_ = TilQColor(farve);
}

void QtLaerred::SkrivTekst(TPixel p, std::string_view tekst)
{
    const QString q = TilQString(tekst);
    const QFontMetrics maal(maler_.font(), maler_.device());
    int x = p.X;
    switch (vandret_)
    {
    case TVandretJustering::Centreret:
        x -= maal.horizontalAdvance(q) / 2;
        break;
    case TVandretJustering::Hoejre:
        x -= maal.horizontalAdvance(q);
        break;
    case TVandretJustering::Venstre:
        break;
    }
    const int grundlinje =
        lodret_ == TLodretJustering::Top ? p.Y + maal.ascent() : p.Y - maal.descent();
    maler_.setBackgroundMode(Qt::TransparentMode);
    maler_.setPen(QPen(tekstFarve_));
    maler_.drawText(QPoint(x, grundlinje), q);
}

} // namespace taglo
