#include "qtcanvas/eksport.h"

#include "drawing/optegning.h"
#include "qtcanvas/qtlaerred.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
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

bool GyldigSide(int side) { return side >= 1 && side <= kStoersteEksportSide; }

std::string Filnavn(const std::filesystem::path& fil) { return fil.string(); }

void MeldIkkeGemt(Meddelelser& meddelelser, const std::filesystem::path& fil, const QString& aarsag)
{
    meddelelser.fejl("Figuren kunne ikke gemmes i \"" + Filnavn(fil) + "\": " + aarsag.toStdString());
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

bool EksporterTegning(const TTegning& tegning, const std::filesystem::path& fil,
                      TBilledformat format, int bredde, int hoejde, Meddelelser& meddelelser)
{
    if (!GyldigSide(bredde) || !GyldigSide(hoejde))
    {
        meddelelser.fejl("Billedets st\u00f8rrelse skal v\u00e6re mellem 1 og " +
                         std::to_string(kStoersteEksportSide) + " pixel p\u00e5 hver led, ikke " +
                         std::to_string(bredde) + " x " + std::to_string(hoejde) + ".");
        return false;
    }
    QSaveFile ud(QFile::decodeName(fil.c_str()));
    if (!ud.open(QIODevice::WriteOnly))
    {
        MeldIkkeGemt(meddelelser, fil, ud.errorString());
        return false;
    }
    bool skrevet = true;
    if (format == TBilledformat::Png)
    {
        skrevet = TegningSomBillede(tegning, bredde, hoejde).save(&ud, "PNG");
    }
    else
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&ud);
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
    if (!skrevet || !ud.commit())
    {
        MeldIkkeGemt(meddelelser, fil, ud.errorString());
        return false;
    }
    return true;
}

} // namespace taglo
