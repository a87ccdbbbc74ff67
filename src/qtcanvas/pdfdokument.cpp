#include "qtcanvas/pdfdokument.h"

#include "core/support.h"
#include "drawing/optegning.h"
#include "drawing/tegning.h"
#include "qtcanvas/eksport.h"

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QHashSeed>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{
namespace
{

// The document is laid out in device units of 1/1200 inch.
constexpr int kOploesning = 1200;

constexpr double Mm(double mm)
{
    return mm * kOploesning / 25.4;
}

constexpr double Pt(double pt)
{
    return pt * kOploesning / 72.0;
}

// Where things stand on an A4 page (210 x 297 mm), mm from its left and top edges.
constexpr double kVenstre = 25.0;        // left edge of the texts: room for a punched hole
constexpr double kHoejre = 210.0 - 15.0; // right edge of the texts
constexpr double kHovedTop = 12.0;       // top of the header's first line
constexpr double kHovedlinje = 23.0;     // the rule under the header
constexpr double kIndholdTop = 30.0;     // top of the report's lines, the figures' captions
constexpr double kIndholdBund = 276.0;   // bottom of the report's lines and of the figures
constexpr double kFodlinje = 281.0;      // the rule over the footer
constexpr double kFodTop = 283.0;        // top of the footer's line
constexpr double kMellemrum = 6.0;       // between two texts of one line

// A figure is painted into a paint box kFigurBredde pixels wide with the drawings' font and
// pens, as the window paints it, and the box is scaled onto the page as a whole: the texts,
// markers and lines keep their proportions to the figure. The box has the proportions of
// the window's paint boxes, or more height where the drawing needs it (Figurhoejde).
constexpr int kFigurBredde = 800;
constexpr int kFigurHoejde = 560;

constexpr char kSideskift = '\f';

QString TilQString(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// The thin grey rules under the header, over the footer and round a figure.
QPen TyndStreg()
{
    return {QColor(0x80, 0x80, 0x80), Pt(0.5)};
}

QFont SansSkrift(double punkter, bool fed)
{
    QFont skrift;
    skrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                        QStringLiteral("DejaVu Sans")});
    skrift.setStyleHint(QFont::SansSerif);
    skrift.setPixelSize(static_cast<int>(std::lround(Pt(punkter))));
    skrift.setBold(fed);
    return skrift;
}

// The report's fixed-pitch font, as large as lets kRapportTegnPrLinje characters fill the
// width between the margins.
QFont RapportSkrift(QPaintDevice& enhed)
{
    constexpr int kProevestoerrelse = 1000;
    QFont skrift;
    skrift.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                        QStringLiteral("DejaVu Sans Mono")});
    skrift.setStyleHint(QFont::Monospace);
    skrift.setPixelSize(kProevestoerrelse);
    const double tegnbredde =
        QFontMetricsF(skrift, &enhed).horizontalAdvance(QLatin1Char('0')) / kProevestoerrelse;
    skrift.setPixelSize(
        static_cast<int>(std::floor(Mm(kHoejre - kVenstre) / (kRapportTegnPrLinje * tegnbredde))));
    return skrift;
}

// The report lines page by page, as they are shown: a line that starts with a form feed
// starts a new page unless the page is still empty, and a line longer than
// kRapportTegnPrLinje characters continues on the next line.
std::vector<std::vector<QString>> RapportSider(const std::vector<std::string>& rapport,
                                               int linjerPrSide)
{
    std::vector<std::vector<QString>> sider;
    const auto tilfoej = [&](const QString& linje) {
        if (sider.empty() || std::ssize(sider.back()) >= linjerPrSide)
        {
            sider.emplace_back();
        }
        sider.back().push_back(linje);
    };
    for (const std::string& linje : rapport)
    {
        QString tekst = TilQString(linje);
        if (tekst.startsWith(QLatin1Char(kSideskift)))
        {
            tekst.remove(0, 1);
            if (!sider.empty() && !sider.back().empty())
            {
                sider.emplace_back();
            }
        }
        qsizetype start = 0;
        do
        {
            tilfoej(tekst.mid(start, kRapportTegnPrLinje));
            start += kRapportTegnPrLinje;
        } while (start < tekst.size());
    }
    return sider;
}

// Writes `tekst` in the painter's font with its top at `top`, shortened with "…" to
// `bredde`: starting at `x`, or right-aligned ending there.
void SkrivLinje(QPainter& maler, const QString& tekst, double top, double x, double bredde,
                bool hoejrestillet)
{
    const QFontMetricsF maal(maler.font(), maler.device());
    const QString kort = maal.elidedText(tekst, Qt::ElideRight, bredde);
    const double start = hoejrestillet ? x - maal.horizontalAdvance(kort) : x;
    maler.drawText(QPointF(start, top + maal.ascent()), kort);
}

void TegnStreg(QPainter& maler, double y)
{
    maler.save();
    maler.setPen(TyndStreg());
    maler.drawLine(QPointF(Mm(kVenstre), Mm(y)), QPointF(Mm(kHoejre), Mm(y)));
    maler.restore();
}

// The header and the footer of page `side` of `sider`.
void TegnHovedOgFod(QPainter& maler, const TDokument& dokument, int side, int sider)
{
    const double bredde = Mm(kHoejre - kVenstre);
    const double halv = (bredde - Mm(kMellemrum)) / 2.0;
    maler.setPen(Qt::black);

    maler.setFont(SansSkrift(10.0, true));
    SkrivLinje(maler, TilQString(dokument.Projekt), Mm(kHovedTop), Mm(kVenstre), bredde, false);
    const double anden = Mm(kHovedTop) + QFontMetricsF(maler.font(), maler.device()).height();
    maler.setFont(SansSkrift(9.0, false));
    SkrivLinje(maler, TilQString(dokument.Firma), anden, Mm(kVenstre), halv, false);
    SkrivLinje(maler, TilQString(dokument.Bygningsdel), anden, Mm(kHoejre), halv, true);
    TegnStreg(maler, kHovedlinje);

    TegnStreg(maler, kFodlinje);
    const QString sidetal = QStringLiteral("Side %1 af %2").arg(side).arg(sider);
    const double sidetalsbredde =
        QFontMetricsF(maler.font(), maler.device()).horizontalAdvance(sidetal);
    QString beregnet = QStringLiteral("Beregnet ") + TilQString(dokument.Beregnet);
    if (!dokument.Medarbejder.empty())
    {
        beregnet += QStringLiteral(" af ") + TilQString(dokument.Medarbejder);
    }
    SkrivLinje(maler, beregnet, Mm(kFodTop), Mm(kVenstre), bredde - sidetalsbredde - Mm(kMellemrum),
               false);
    SkrivLinje(maler, sidetal, Mm(kFodTop), Mm(kHoejre), sidetalsbredde, true);
}

void TegnRapportside(QPainter& maler, const QFont& skrift, const std::vector<QString>& linjer)
{
    maler.setFont(skrift);
    maler.setPen(Qt::black);
    const QFontMetricsF maal(skrift, maler.device());
    double top = Mm(kIndholdTop);
    for (const QString& linje : linjer)
    {
        maler.drawText(QPointF(Mm(kVenstre), top + maal.ascent()), linje);
        top += maal.lineSpacing();
    }
}

// The height in pixels of the paint box, kFigurBredde wide, that a drawing fills across
// its width: at least kFigurHoejde, the proportion of the window's paint boxes, and at most
// `hoejst`. A drawing wider than that proportion is painted as the window paints it; a
// taller one gets the height it needs, so the texts of its top lines do not run into each
// other as on a narrow paint box.
int Figurhoejde(const TTegning& tegning, int hoejst)
{
    const TGraenser g = FindGraenser(tegning.Figurer);
    double minX = g.MinX;
    double maxX = g.MaxX;
    double minY = g.MinY;
    double maxY = g.MaxY;
    LaegMargen(minX, maxX, 90.0);
    LaegMargen(minY, maxY, 90.0);
    const double behov = std::ceil(kFigurBredde * (maxY - minY) / (maxX - minX));
    return static_cast<int>(std::max<double>(kFigurHoejde, std::min<double>(behov, hoejst)));
}

// The figure under its caption, in its paint box scaled to the width between the margins
// (or to the height left on the page) and centred.
void TegnFigurside(QPainter& maler, const TDokumentfigur& figur)
{
    maler.setFont(SansSkrift(11.0, true));
    maler.setPen(Qt::black);
    const double bredde = Mm(kHoejre - kVenstre);
    SkrivLinje(maler, TilQString(figur.Overskrift), Mm(kIndholdTop), Mm(kVenstre), bredde, false);
    const double top = Mm(kIndholdTop) + 2.0 * QFontMetricsF(maler.font(), maler.device()).height();
    const double plads = Mm(kIndholdBund) - top;
    const int hoejde =
        Figurhoejde(figur.Tegning, static_cast<int>(std::floor(plads * kFigurBredde / bredde)));
    const double skala = std::min(bredde / kFigurBredde, plads / hoejde);
    const QRectF boks(Mm(kVenstre) + (bredde - skala * kFigurBredde) / 2.0, top,
                      skala * kFigurBredde, skala * hoejde);

    maler.save();
    maler.translate(boks.topLeft());
    maler.scale(skala, skala);
    maler.setClipRect(QRectF(0.0, 0.0, kFigurBredde, hoejde));
    TegnPaaMaler(maler, kFigurBredde, hoejde, figur.Tegning);
    maler.restore();

    maler.save();
    maler.setPen(TyndStreg());
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(boks);
    maler.restore();
}

// The moment `sekunder` (since 1970, UTC) as a PDF date in the form `qtsDato` has: UTC,
// "yyyyMMddHHmmssZ", or the machine's local time with its offset, "yyyyMMddHHmmss+HH'mm'".
// Empty for another form, or a year that is not four digits.
std::string PdfDato(std::int64_t sekunder, std::string_view qtsDato)
{
    constexpr std::size_t kCifre = 14; // yyyyMMddHHmmss
    const bool utc = qtsDato.size() == kCifre + 1 && qtsDato.back() == 'Z';
    if (!utc && qtsDato.size() != kCifre + 7)
    {
        return {};
    }
    const QDateTime tid = QDateTime::fromSecsSinceEpoch(sekunder, utc ? Qt::UTC : Qt::LocalTime);
    QString dato = tid.toString(QStringLiteral("yyyyMMddHHmmss"));
    if (utc)
    {
        dato += QLatin1Char('Z');
    }
    else
    {
        const int minutter = std::abs(tid.offsetFromUtc()) / 60;
        dato += QStringLiteral("%1%2'%3'")
                    .arg(tid.offsetFromUtc() < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                    .arg(minutter / 60, 2, 10, QLatin1Char('0'))
                    .arg(minutter % 60, 2, 10, QLatin1Char('0'));
    }
    std::string tekst = dato.toStdString();
    return tekst.size() == qtsDato.size() ? tekst : std::string();
}

// Qt's hash tables with a fixed seed while it lives, then a random one again: the PDF
// writer keeps its fonts in a hash table and writes them in its order, which a random
// seed would change from run to run.
class FastHashfroe
{
  public:
    FastHashfroe() { QHashSeed::setDeterministicGlobalSeed(); }
    FastHashfroe(const FastHashfroe&) = delete;
    FastHashfroe& operator=(const FastHashfroe&) = delete;
    FastHashfroe(FastHashfroe&&) = delete;
    FastHashfroe& operator=(FastHashfroe&&) = delete;
    ~FastHashfroe() { QHashSeed::resetRandomGlobalSeed(); }
};

} // namespace

std::string PdfDokument(const TDokument& dokument)
{
    QByteArray bytes;
    {
        const FastHashfroe fastHashfroe;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kOploesning);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        pdf.setTitle(TilQString(dokument.Titel));
        pdf.setCreator(QStringLiteral("Taglo ") + TilQString(support::kVersion));

        const QFont rapportskrift = RapportSkrift(pdf);
        const int linjerPrSide =
            std::max(1, static_cast<int>((Mm(kIndholdBund) - Mm(kIndholdTop)) /
                                         QFontMetricsF(rapportskrift, &pdf).lineSpacing()));
        const auto rapportsider = RapportSider(dokument.Rapport, linjerPrSide);
        const int sider =
            std::max(1, static_cast<int>(rapportsider.size() + dokument.Figurer.size()));

        QPainter maler(&pdf);
        int side = 0;
        const auto nySide = [&] {
            if (side > 0)
            {
                pdf.newPage();
            }
            ++side;
            TegnHovedOgFod(maler, dokument, side, sider);
        };
        for (const auto& linjer : rapportsider)
        {
            nySide();
            TegnRapportside(maler, rapportskrift, linjer);
        }
        for (const TDokumentfigur& figur : dokument.Figurer)
        {
            nySide();
            TegnFigurside(maler, figur);
        }
        if (side == 0)
        {
            nySide();
        }
        maler.end();
    }
    std::string pdf = bytes.toStdString();
    FastsaetOprettelsesdato(pdf, dokument.Oprettet); // Qt always writes a creation date
    return pdf;
}

bool FastsaetOprettelsesdato(std::string& pdf, std::int64_t sekunder)
{
    constexpr std::string_view kNoegle = "/CreationDate (D:";
    const std::size_t start = pdf.find(kNoegle);
    const std::size_t slut = start == std::string::npos ? start : pdf.find(')', start);
    if (slut == std::string::npos)
    {
        return false;
    }
    const std::size_t dato = start + kNoegle.size();
    const std::string ny = PdfDato(sekunder, std::string_view(pdf).substr(dato, slut - dato));
    if (ny.empty())
    {
        return false;
    }
    pdf.replace(dato, ny.size(), ny);
    return true;
}

} // namespace taglo
