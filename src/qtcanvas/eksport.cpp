#include "qtcanvas/eksport.h"

#include "drawing/optegning.h"
#include "qtcanvas/qtlaerred.h"

#include "core/tekstfil.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <string>

namespace taglo
{
namespace
{

constexpr int kSkriftPixel = 12;

bool GyldigSide(int side)
{
    return side >= 1 && side <= kStoersteEksportSide;
}

void MeldIkkeGemt(Meddelelser& meddelelser, const std::filesystem::path& fil,
                  const std::string& aarsag)
{
    meddelelser.fejl("Figuren kunne ikke gemmes i \"" + fil.string() + "\": " + aarsag);
}

} // namespace

QFont TegningensSkrift()
{
    QFont skrift;
    skrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans")});
    skrift.setStyleHint(QFont::SansSerif);
    skrift.setPixelSize(kSkriftPixel);
    return skrift;
}

void TegnPaaMaler(QPainter& maler, int bredde, int hoejde, const TTegning& tegning)
{
    maler.save();
    maler.setFont(TegningensSkrift());
    QtLaerred laerred(maler);
    TegnTegning(laerred, bredde, hoejde, tegning, true);
    maler.restore();
}

std::optional<TBilledformat> BilledformatAfFilnavn(const std::filesystem::path& fil)
{
    std::string endelse = fil.extension().string();
    std::transform(endelse.begin(), endelse.end(), endelse.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endelse == ".png")
    {
        return TBilledformat::Png;
    }
    if (endelse == ".svg")
    {
        return TBilledformat::Svg;
    }
    return std::nullopt;
}

QImage TegningSomBillede(const TTegning& tegning, int bredde, int hoejde)
{
    if (!GyldigSide(bredde) || !GyldigSide(hoejde))
    {
        return {};
    }
    QImage billede(bredde, hoejde, QImage::Format_RGB32);
    billede.fill(Qt::white);
    QPainter maler(&billede);
    TegnPaaMaler(maler, bredde, hoejde, tegning);
    maler.end();
    return billede;
}

std::optional<std::string> TegningSomBilledfil(const TTegning& tegning, TBilledformat format,
                                               int bredde, int hoejde)
{
    if (!GyldigSide(bredde) || !GyldigSide(hoejde))
    {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool skrevet = true;
    if (format == TBilledformat::Png)
    {
        skrevet = TegningSomBillede(tegning, bredde, hoejde).save(&buffer, "PNG");
    }
    else
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(bredde, hoejde));
        svg.setViewBox(QRect(0, 0, bredde, hoejde));
        QPainter maler;
        skrevet = maler.begin(&svg);
        if (skrevet)
        {
            maler.fillRect(QRect(0, 0, bredde, hoejde), Qt::white);
            TegnPaaMaler(maler, bredde, hoejde, tegning);
            skrevet = maler.end();
        }
    }
    if (!skrevet)
    {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool EksporterTegning(const TTegning& tegning, const std::filesystem::path& fil,
                      TBilledformat format, int bredde, int hoejde, Meddelelser& meddelelser)
{
    if (!GyldigSide(bredde) || !GyldigSide(hoejde))
    {
        meddelelser.fejl("Billedets størrelse skal være mellem 1 og " +
                         std::to_string(kStoersteEksportSide) + " pixel på hver led, ikke " +
                         std::to_string(bredde) + " x " + std::to_string(hoejde) + ".");
        return false;
    }
    const auto bytes = TegningSomBilledfil(tegning, format, bredde, hoejde);
    if (!bytes)
    {
        MeldIkkeGemt(meddelelser, fil, "billedet kunne ikke tegnes");
        return false;
    }
    if (const auto fejl = GemFil(fil.string(), *bytes))
    {
        MeldIkkeGemt(meddelelser, fil, fejl->besked);
        return false;
    }
    return true;
}

} // namespace taglo
