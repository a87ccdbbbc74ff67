// Draws the program's three pictures at build time: the two help pictures of the building's
// measures (648 x 464 pixels) and the About picture, as JPEG files.
//
//   taglo_tegn_billeder <output folder> <support telephone> <support e-mail>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace
{

const QColor kBlaek{20, 20, 20};
const QColor kMaal{0, 70, 160};
const QColor kTrae{222, 184, 135};
const QColor kMur{190, 190, 190};
const QColor kJord{120, 160, 90};

QFont Skrift(int pixels, bool fed = false)
{
    QFont skrift;
    skrift.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
    skrift.setPixelSize(pixels);
    skrift.setBold(fed);
    return skrift;
}

// A tick across a dimension line at p, slanted 45 degrees as on building drawings.
void Flueben(QPainter& p, QPointF punkt)
{
    p.drawLine(punkt + QPointF(-4, 4), punkt + QPointF(4, -4));
}

// A horizontal dimension from x1 to x2 at height y with its caption above the line.
void VandretMaal(QPainter& p, double x1, double x2, double y, const QString& tekst,
                 bool tekstUnder = false)
{
    p.setPen(QPen(kMaal, 1));
    p.drawLine(QPointF(x1 - 6, y), QPointF(x2 + 6, y));
    Flueben(p, {x1, y});
    Flueben(p, {x2, y});
    p.setFont(Skrift(12));
    const QRectF felt(std::min(x1, x2) - 60, tekstUnder ? y + 2 : y - 18, std::abs(x2 - x1) + 120,
                      16);
    p.drawText(felt, Qt::AlignHCenter | Qt::AlignVCenter, tekst);
}

// A vertical dimension from y1 to y2 at x with its caption turned along the line.
void LodretMaal(QPainter& p, double x, double y1, double y2, const QString& tekst)
{
    p.setPen(QPen(kMaal, 1));
    p.drawLine(QPointF(x, y1 + 6), QPointF(x, y2 - 6));
    Flueben(p, {x, y1});
    Flueben(p, {x, y2});
    p.save();
    p.translate(x - 4, (y1 + y2) / 2);
    p.rotate(-90);
    p.setFont(Skrift(12));
    p.drawText(QRectF(-100, -16, 200, 16), Qt::AlignHCenter | Qt::AlignBottom, tekst);
    p.restore();
}

// A thin extension line from a measured point to its dimension line.
void Hjaelpelinje(QPainter& p, QPointF fra, QPointF til)
{
    p.setPen(QPen(kMaal, 0.8, Qt::DashLine));
    p.drawLine(fra, til);
}

void Titel(QPainter& p, const QString& tekst)
{
    p.setPen(kBlaek);
    p.setFont(Skrift(20, true));
    p.drawText(QPointF(20, 34), tekst);
}

QImage NytBillede(int bredde, int hoejde)
{
    QImage billede(bredde, hoejde, QImage::Format_RGB32);
    billede.fill(Qt::white);
    return billede;
}

// The cross-section of a duo-pitch house with its measures, and an inset of one batten.
QImage Tvaersnit()
{
    QImage billede = NytBillede(648, 464);
    QPainter p(&billede);
    p.setRenderHint(QPainter::Antialiasing);
    Titel(p, QStringLiteral("Tværsnitsmål"));

    const double terraen = 390;
    const double facadeV = 150;
    const double facadeH = 430;
    const double tagfod = 250; // top of the roof at the facade line
    const double udhaeng = 45; // facade overhang in pixels
    const double haeldning = std::tan(30.0 * std::numbers::pi / 180.0);
    const double midte = (facadeV + facadeH) / 2;
    const double kip = tagfod - (midte - facadeV) * haeldning;
    const auto tagY = [&](double x) {
        return x <= midte ? tagfod - (x - facadeV) * haeldning : tagfod - (facadeH - x) * haeldning;
    };

    // Ground.
    p.setPen(Qt::NoPen);
    p.setBrush(kJord);
    p.drawRect(QRectF(40, terraen, 560, 8));

    // Walls and the ceiling line.
    p.setPen(QPen(kBlaek, 1));
    p.setBrush(kMur);
    p.drawRect(QRectF(facadeV, tagY(facadeV) + 16, 14, terraen - tagY(facadeV) - 16));
    p.drawRect(QRectF(facadeH - 14, tagY(facadeH) + 16, 14, terraen - tagY(facadeH) - 16));

    // Rafters: a band under the roof surface from eaves edge to eaves edge.
    const double spaer = 12;
    const double lag = 6; // batten layer
    QPolygonF spaerbaand;
    const double v = facadeV - udhaeng;
    const double h = facadeH + udhaeng;
    spaerbaand << QPointF(v, tagY(v) + lag) << QPointF(midte, kip + lag)
               << QPointF(h, tagY(h) + lag) << QPointF(h, tagY(h) + lag + spaer)
               << QPointF(midte, kip + lag + spaer) << QPointF(v, tagY(v) + lag + spaer);
    p.setBrush(kTrae);
    p.drawPolygon(spaerbaand);

    // Battens along both slopes.
    const double afstand = 26; // along the slope, pixels
    const double cosV = std::cos(std::atan(haeldning));
    const auto laegte = [&](double x) {
        p.save();
        p.translate(x, tagY(x));
        p.rotate(x <= midte ? -30 : 30);
        p.drawRect(QRectF(-4, 0, 8, lag));
        p.restore();
    };
    std::vector<double> hoejreLaegter;
    const double trin = afstand * cosV;
    for (int i = 0; midte - 6 - i * trin > v + 4; ++i)
    {
        laegte(midte - 6 - i * trin);
    }
    for (int i = 0; midte + 6 + i * trin < h - 4; ++i)
    {
        laegte(midte + 6 + i * trin);
        hoejreLaegter.push_back(midte + 6 + i * trin);
    }

    // Husbredde under the ground.
    Hjaelpelinje(p, {facadeV, terraen + 8}, {facadeV, terraen + 40});
    Hjaelpelinje(p, {facadeH, terraen + 8}, {facadeH, terraen + 40});
    VandretMaal(p, facadeV, facadeH, terraen + 34, QStringLiteral("Husbredde"), true);

    // Facadehøjde at the right, from terrain to the roof surface at the facade line.
    const double xHoejde = h + 40;
    Hjaelpelinje(p, {facadeH, tagfod}, {xHoejde + 6, tagfod});
    Hjaelpelinje(p, {facadeH + 8, terraen}, {xHoejde + 6, terraen});
    LodretMaal(p, xHoejde, terraen, tagfod, QStringLiteral("Facadehøjde"));

    // Facadeudhæng at the left, horizontal from the facade to the roof edge.
    const double yUdh = tagY(v) + 60;
    Hjaelpelinje(p, {v, tagY(v) + lag + spaer}, {v, yUdh + 6});
    Hjaelpelinje(p, {facadeV, tagY(facadeV) + 16}, {facadeV, yUdh + 6});
    VandretMaal(p, v, facadeV, yUdh, QString());
    p.drawText(QRectF(v - 160, yUdh - 8, 150, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Facadeudhæng"));

    // Lægteafstand along the right slope, between two battens, above the roof.
    if (hoejreLaegter.size() > 4)
    {
        const double x1 = hoejreLaegter[2];
        const double x2 = hoejreLaegter[3];
        p.save();
        p.translate(x1, tagY(x1));
        p.rotate(30);
        const double l = afstand;
        p.setPen(QPen(kMaal, 1));
        Hjaelpelinje(p, {0, 0}, {0, -26});
        Hjaelpelinje(p, {l, 0}, {l, -26});
        p.setPen(QPen(kMaal, 1));
        p.drawLine(QPointF(-6, -22), QPointF(l + 6, -22));
        Flueben(p, {0, -22});
        Flueben(p, {l, -22});
        p.setFont(Skrift(12));
        p.drawText(QPointF(l + 10, -18), QStringLiteral("Lægteafstand"));
        p.restore();
        (void)x2;
    }

    // Inset: one batten with its width along the roof and its height across it.
    const QRectF ramme(440, 56, 190, 150);
    p.setPen(QPen(kBlaek, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ramme);
    p.setFont(Skrift(14, true));
    p.drawText(QPointF(ramme.left() + 10, ramme.top() + 20), QStringLiteral("Lægtemål"));
    p.save();
    p.translate(ramme.left() + 80, ramme.top() + 105);
    p.rotate(-30);
    p.setPen(QPen(kBlaek, 1));
    p.setBrush(kTrae);
    const double b = 76;
    const double hh = 40;
    p.drawRect(QRectF(-b / 2, -hh, b, hh));
    p.drawLine(QPointF(-b / 2 - 30, 0), QPointF(b / 2 + 30, 0)); // roof plane
    p.setPen(QPen(kMaal, 1));
    p.drawLine(QPointF(-b / 2 - 4, -hh - 12), QPointF(b / 2 + 4, -hh - 12));
    Flueben(p, {-b / 2, -hh - 12});
    Flueben(p, {b / 2, -hh - 12});
    p.setFont(Skrift(12));
    p.drawText(QRectF(-b / 2, -hh - 30, b, 16), Qt::AlignCenter, QStringLiteral("Bredde"));
    p.drawLine(QPointF(b / 2 + 12, 4), QPointF(b / 2 + 12, -hh - 4));
    Flueben(p, {b / 2 + 12, 0});
    Flueben(p, {b / 2 + 12, -hh});
    p.drawText(QPointF(b / 2 + 18, -hh / 2 + 5), QStringLiteral("Højde"));
    p.restore();
    return billede;
}

// The gable end in longitudinal section: batten, gable triangle, gable rafter, normal
// rafters, wall plate and facade, with the spans and measures and the kinds of rafter.
QImage Laengdesnit()
{
    QImage billede = NytBillede(648, 464);
    QPainter p(&billede);
    p.setRenderHint(QPainter::Antialiasing);
    Titel(p, QStringLiteral("Spærtyper og afstande"));

    const double terraen = 345;
    const double laegteY = 110;   // top of the batten
    const double remY = 262;      // top of the wall plate
    const double lEnde = 30;      // batten end
    const double gavl = 70;       // outer face of the gable
    const double gavlspaer = 118; // anchored gable rafter
    const double normal1 = 198;   // first normal rafter
    const double nsa = 88;        // normal rafter spacing
    const double hoejreKant = 430;

    // Ground, facade and wall plate.
    p.setPen(Qt::NoPen);
    p.setBrush(kJord);
    p.drawRect(QRectF(20, terraen, hoejreKant - 10, 8));
    p.setPen(QPen(kBlaek, 1));
    p.setBrush(kMur);
    p.drawRect(QRectF(gavl, remY + 14, hoejreKant - gavl, terraen - remY - 14));
    p.setBrush(kTrae);
    p.drawRect(QRectF(gavl + 6, remY, hoejreKant - gavl - 6, 14));

    // Unanchored gable triangle: a hatched wall on the gable up to the batten.
    p.setBrush(QBrush(kMur.darker(115), Qt::BDiagPattern));
    p.drawRect(QRectF(gavl, laegteY + 8, 14, remY + 14 - laegteY - 8));

    // Anchored gable rafter and normal rafters.
    p.setBrush(kTrae);
    const auto spaer = [&](double x) {
        p.drawRect(QRectF(x - 5, laegteY + 8, 10, remY - laegteY - 8));
    };
    spaer(gavlspaer);
    for (int i = 0; normal1 + i * nsa < hoejreKant; ++i)
    {
        spaer(normal1 + i * nsa);
    }
    // The batten over everything.
    p.drawRect(QRectF(lEnde, laegteY, hoejreKant - lEnde, 8));
    // Break line at the right: the house goes on.
    p.setPen(QPen(kBlaek, 1, Qt::DashDotLine));
    p.drawLine(QPointF(hoejreKant, laegteY - 14), QPointF(hoejreKant, terraen + 12));

    // Leaders to the names of the parts.
    p.setFont(Skrift(12));
    const auto henvisning = [&](QPointF fra, QPointF tekstpunkt, const QString& tekst) {
        p.setPen(QPen(kBlaek, 0.8));
        p.drawLine(fra, tekstpunkt);
        p.drawEllipse(fra, 2, 2);
        p.drawText(tekstpunkt + QPointF(3, 4), tekst);
    };
    henvisning({150, laegteY + 4}, {160, 98}, QStringLiteral("Taglægte"));
    henvisning({gavlspaer, 170}, {128, 150}, QStringLiteral("Forankret gavlspær"));
    henvisning({normal1 + nsa, 190}, {300, 170}, QStringLiteral("Normalspær"));
    henvisning({250, remY + 7}, {262, 294}, QStringLiteral("Top- eller murrem"));
    henvisning({gavl + 7, 230}, {96, 318}, QStringLiteral("Uforankret gavltrekant"));
    p.drawText(QPointF(340, 336), QStringLiteral("Facade"));

    // Spans above the batten.
    VandretMaal(p, lEnde, normal1, laegteY - 28, QStringLiteral("Gavlsektion"));
    VandretMaal(p, normal1, normal1 + 2 * nsa, laegteY - 28, QStringLiteral("Normalsektion"));

    // Measures under the ground, in three rows.
    const double y1 = terraen + 24;
    const double y2 = y1 + 26;
    const double y3 = y2 + 26;
    Hjaelpelinje(p, {lEnde, laegteY + 8}, {lEnde, y1 + 6});
    Hjaelpelinje(p, {gavl, terraen}, {gavl, y3 + 6});
    Hjaelpelinje(p, {gavlspaer, remY}, {gavlspaer, y2 + 6});
    Hjaelpelinje(p, {normal1, remY}, {normal1, y2 + 6});
    Hjaelpelinje(p, {normal1 + nsa, remY}, {normal1 + nsa, y2 + 6});
    VandretMaal(p, lEnde, gavl, y1, QStringLiteral("Gavludhæng"), true);
    VandretMaal(p, gavlspaer, normal1, y1, QStringLiteral("Gavlspærafstand"), true);
    VandretMaal(p, gavl, gavlspaer, y2, QStringLiteral("Gavlspærindrykning"), true);
    VandretMaal(p, normal1, normal1 + nsa, y2, QStringLiteral("Normalspærafstand"), true);
    VandretMaal(p, gavl, hoejreKant + 4, y3, QStringLiteral("Huslængde  . . ."), true);

    // The kinds of rafter explained at the right.
    p.setPen(kBlaek);
    const QStringList forklaring{
        QStringLiteral("Uforankret gavltrekant:"),
        QStringLiteral("kan kun optage nedadrettede"),
        QStringLiteral("laster."),
        QString(),
        QStringLiteral("Forankret gavlspær:"),
        QStringLiteral("kan optage både opad- og"),
        QStringLiteral("nedadrettede laster."),
        QString(),
        QStringLiteral("Normalspær:"),
        QStringLiteral("er fastgjort til top- eller"),
        QStringLiteral("murremmen. Hvert 2. eller 3."),
        QStringLiteral("spær er forankret til"),
        QStringLiteral("fundamentet."),
    };
    double y = 90;
    for (const QString& linje : forklaring)
    {
        const bool overskrift = linje.endsWith(QLatin1Char(':'));
        p.setFont(Skrift(12, overskrift));
        p.drawText(QPointF(460, y), linje);
        y += 17;
    }
    return billede;
}

// The About picture: the program's name, its purpose, version, year and publisher.
QImage OmTaglo(const QString& telefon, const QString& email)
{
    QImage billede = NytBillede(440, 300);
    QPainter p(&billede);
    p.setRenderHint(QPainter::Antialiasing);

    // A roof with its battens as the emblem.
    p.setPen(QPen(kBlaek, 1.5));
    p.setBrush(kTrae);
    const QPolygonF tag{QPointF(30, 110),  QPointF(100, 40), QPointF(170, 110),
                        QPointF(158, 110), QPointF(100, 52), QPointF(42, 110)};
    p.drawPolygon(tag);
    p.setBrush(kMur);
    p.drawRect(QRectF(52, 110, 96, 50));
    p.setPen(QPen(kBlaek, 1));
    for (int i = 1; i <= 5; ++i)
    {
        const double t = i / 6.0;
        p.drawLine(QPointF(100 - 70 * t, 40 + 70 * t), QPointF(100 - 70 * t - 4, 40 + 70 * t - 5));
        p.drawLine(QPointF(100 + 70 * t, 40 + 70 * t), QPointF(100 + 70 * t + 4, 40 + 70 * t - 5));
    }

    p.setPen(kBlaek);
    p.setFont(Skrift(44, true));
    p.drawText(QPointF(195, 95), QStringLiteral("Taglo"));
    p.setFont(Skrift(15));
    p.drawText(QPointF(198, 125), QStringLiteral("Version 2.1  ·  2014"));

    p.setFont(Skrift(15, true));
    p.drawText(QRectF(20, 178, 400, 22), Qt::AlignHCenter,
               QStringLiteral("Dimensionering af taglægter og sømforbindelser"));
    p.setPen(QPen(kMaal, 1));
    p.drawLine(QPointF(20, 210), QPointF(420, 210));
    p.setPen(kBlaek);
    p.setFont(Skrift(13, true));
    p.drawText(QRectF(20, 220, 400, 18), Qt::AlignHCenter, QStringLiteral("Fibralis"));
    // The support contact as the build gives it; a part left empty is not named.
    p.setFont(Skrift(13));
    double y = 240;
    if (!telefon.isEmpty())
    {
        p.drawText(QRectF(20, y, 400, 18), Qt::AlignHCenter, QStringLiteral("Telefon ") + telefon);
        y += 20;
    }
    if (!email.isEmpty())
    {
        p.drawText(QRectF(20, y, 400, 18), Qt::AlignHCenter, QStringLiteral("E-mail ") + email);
    }
    return billede;
}

bool Gem(const QImage& billede, const QString& sti)
{
    if (!billede.save(sti, "JPEG", 92))
    {
        QTextStream(stderr) << "kunne ikke gemme " << sti << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const QGuiApplication app(argc, argv);
    const QStringList argumenter = QCoreApplication::arguments();
    if (argumenter.size() != 4)
    {
        QTextStream(stderr) << "brug: taglo_tegn_billeder <mappe> <telefon> <e-mail>\n";
        return 2;
    }
    const QString& mappe = argumenter[1];
    QDir().mkpath(mappe);
    const bool ok =
        Gem(Tvaersnit(), mappe + QStringLiteral("/HjaelpTvaersnit.jpg")) &&
        Gem(Laengdesnit(), mappe + QStringLiteral("/HjaelpLaengdesnit.jpg")) &&
        Gem(OmTaglo(argumenter[2], argumenter[3]), mappe + QStringLiteral("/OmTaglo.jpg"));
    return ok ? 0 : 1;
}
