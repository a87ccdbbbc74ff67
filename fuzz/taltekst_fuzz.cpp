// Fuzz target: the number texts of the edit fields and the project file.
//
// The input is one field text, read under Danish and English settings and under a
// decimal separator of two bytes. Every text either is a number, whose value is finite
// and which TalFraFelt gives without a message, or is not, when TalFraFelt shows the one
// conversion message naming the text and gives 0. A value written back by TalTilFelt
// reads again to within its rounding, and a re-formatted field always holds a number.
#include "fuzzstoette.h"

#include "core/taltekst.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace
{

using namespace taglo;
using taglo::fuzz::Kraev;

// The settings each text is read under: the decimal separator decides what a number is.
const std::array<Regionalindstillinger, 3>& Indstillinger()
{
    static const std::array<Regionalindstillinger, 3> indstillinger{
        Regionalindstillinger::Dansk(), Regionalindstillinger::Engelsk(),
        Regionalindstillinger{"٫", "٬", ":"}, // Arabic decimal and thousands marks
    };
    return indstillinger;
}

std::string Konverteringsbesked(std::string_view tekst)
{
    return "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'" + std::string(tekst) +
           "' is not a valid floating point value";
}

// The same double, the sign of a zero included.
bool Samme(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

void KontrollerTekst(std::string_view tekst, const Regionalindstillinger& regional)
{
    const auto tal = LaesTal(tekst, regional);
    if (tal)
    {
        Kraev(std::isfinite(*tal), "LaesTal gave a value that is not finite", tekst);
    }

    fuzz::OptagneMeddelelser meddelelser;
    const double vaerdi = TalFraFelt(tekst, regional, meddelelser);
    if (tal)
    {
        Kraev(Samme(vaerdi, *tal), "TalFraFelt and LaesTal disagree", tekst);
        Kraev(meddelelser.liste.empty(), "a number gave a message", tekst);
    }
    else
    {
        Kraev(Samme(vaerdi, 0.0), "a text that is not a number did not give 0", tekst);
        Kraev(meddelelser.liste.size() == 1 && meddelelser.liste[0].art == "besked" &&
                  meddelelser.liste[0].tekst == Konverteringsbesked(tekst),
              "not exactly the conversion message", tekst);
    }

    // Re-formatting a field: at most the one message of the typed text; the field then
    // holds a number at least ten characters wide, whose value is what came back.
    for (const int decimaler : {0, 2})
    {
        fuzz::OptagneMeddelelser omformatering;
        std::string felt(tekst);
        const double omformateret = OmformaterFelt(felt, 10, decimaler, regional, omformatering);
        Kraev(omformatering.liste.size() == (tal ? 0U : 1U),
              "re-formatting gave a message of its own", felt);
        Kraev(felt.size() >= 10, "re-formatted field narrower than ten characters", felt);
        const auto igen = LaesTal(felt, regional);
        Kraev(igen && Samme(*igen, omformateret), "re-formatted field is not its value", felt);
    }
}

// A value written with TalTilFelt reads back as itself, rounded to the decimals written
// and to the 15 significant digits the formatter works with.
void KontrollerTilbage(double vaerdi, const Regionalindstillinger& regional)
{
    for (const int decimaler : {0, 2, 6})
    {
        const std::string felt = TalTilFelt(10, decimaler, vaerdi, regional);
        const auto igen = LaesTal(felt, regional);
        Kraev(igen.has_value(), "a written value does not read back", felt);
        const double tolerance = 0.5001 * std::pow(10.0, -decimaler) + 1e-14 * std::fabs(vaerdi);
        Kraev(std::fabs(*igen - vaerdi) <= tolerance, "a written value reads back changed", felt);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast)
    const std::string_view tekst(reinterpret_cast<const char*>(data), size);
    for (const auto& regional : Indstillinger())
    {
        KontrollerTekst(tekst, regional);
        if (const auto tal = LaesTal(tekst, regional); tal)
        {
            KontrollerTilbage(*tal, regional);
        }
    }
    const int antal = size > 0 ? static_cast<int>(data[0]) - 64 : 0;
    Kraev(StregLinie(antal).size() == 3 * static_cast<std::size_t>(std::max(antal, 0)),
          "a rule line of the wrong length");
    return 0;
}
