#include "drawing/maal.h"

#include "core/formater.h"
#include "drawing/figurdele.h"

#include <string>

namespace taglo
{
namespace
{

// The measured value as a dimension writes it: at least 2 characters wide.
std::string MaalTekst(const Regionalindstillinger& regional, double laengde, int decimaler)
{
    return Formater(regional, "%*.*f", 2, decimaler, laengde);
}

// Caption one unit above the line and value one unit below it, in a black group that is
// vertically centred and aligned by `vandretJust`.
void Tekster(TTegning& tegning, std::uint16_t vandretJust, double x, double yMidt, double D,
             std::string_view tekst, const std::string& vaerdi)
{
    TTekstGruppe& gruppe = NyTekstGruppe(tegning.Tekster, kSort, vandretJust, kJustMidt);
    TilfoejTekst(gruppe, tekst, x, yMidt + D);
    TilfoejTekst(gruppe, vaerdi, x, yMidt - D);
}

} // namespace

void MaalVandret(TTegning& tegning, int tekstmode, double A, double B, double Y0, double D,
                 int decimaler, std::string_view tekst, const Regionalindstillinger& regional)
{
    if (A > B)
    {
        Ombyt(A, B);
    }
    Maerke(tegning, kArtPilVenstre, A, Y0);
    Maerke(tegning, kArtPilHoejre, B, Y0);
    Linje(tegning, kSort, {{A, Y0 - D}, {A, Y0 + D}, {A, Y0}, {B, Y0}, {B, Y0 - D}, {B, Y0 + D}});

    const std::string vaerdi = MaalTekst(regional, B - A, decimaler);
    switch (tekstmode)
    {
    case 0:
        Tekster(tegning, kJustVenstre, A + D / 2, Y0, D, tekst, vaerdi);
        break;
    case 1:
        Tekster(tegning, kJustCentreret, (A + B) / 2, Y0, D, tekst, vaerdi);
        break;
    case 2:
        Tekster(tegning, kJustHoejre, B - D / 2, Y0, D, tekst, vaerdi);
        break;
    default:
        break;
    }
}

void MaalVandretVenstre(TTegning& tegning, int decimaler, double A, double B, double Y0, double D,
                        std::string_view tekst, const Regionalindstillinger& regional)
{
    if (A > B)
    {
        Ombyt(A, B);
    }
    Maerke(tegning, kArtPilHoejre, A, Y0);
    Maerke(tegning, kArtPlus, B, Y0);
    Linje(tegning, kSort, {{A, Y0 - D}, {A, Y0 + D}, {A, Y0}, {A - 2 * D, Y0}});
    Tekster(tegning, kJustHoejre, A - D / 2, Y0, D, tekst, MaalTekst(regional, B - A, decimaler));
}

void MaalVandretHoejre(TTegning& tegning, int decimaler, double A, double B, double Y0, double D,
                       std::string_view tekst, const Regionalindstillinger& regional)
{
    if (A > B)
    {
        Ombyt(A, B);
    }
    Maerke(tegning, kArtPilVenstre, B, Y0);
    Maerke(tegning, kArtPlus, A, Y0);
    Linje(tegning, kSort, {{B, Y0 - D}, {B, Y0 + D}, {B, Y0}, {B + 2 * D, Y0}});
    Tekster(tegning, kJustVenstre, B + D / 2, Y0, D, tekst, MaalTekst(regional, B - A, decimaler));
}

void MaalLodret(TTegning& tegning, int tekstmode, double A, double B, double X0, double D,
                int decimaler, std::string_view tekst, const Regionalindstillinger& regional)
{
    if (B > A)
    {
        Ombyt(A, B);
    }
    Maerke(tegning, kArtPilOp, X0, A);
    Maerke(tegning, kArtPilNed, X0, B);
    Linje(tegning, kSort, {{X0 - D, A}, {X0 + D, A}, {X0, A}, {X0, B}, {X0 - D, B}, {X0 + D, B}});

    const double M = (A + B) / 2;
    const std::string vaerdi = MaalTekst(regional, A - B, decimaler);
    switch (tekstmode)
    {
    case 0:
        Tekster(tegning, kJustVenstre, X0 + D / 2, M, D, tekst, vaerdi);
        break;
    case 1:
        Tekster(tegning, kJustCentreret, X0, M, D, tekst, vaerdi);
        break;
    case 2:
        Tekster(tegning, kJustHoejre, X0 - D / 2, M, D, tekst, vaerdi);
        break;
    default:
        break;
    }
}

} // namespace taglo
