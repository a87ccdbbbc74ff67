// What one engine run works with besides the case records: the inputs, the derived values,
// the log, the regional settings and the message channel, and which parts of the roof
// the inputs give a meaning to.
#pragma once

#include "core/formater.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "engine/log.h"
#include "loads/afledte.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// Which parts of the analysis the inputs give a meaning to. A part without meaning is
// never reported as able to carry its loads; the engine skips the divisions of such a
// part instead of producing an infinity or a NaN.
struct TGyldighed
{
    // Every input and derived value the engine reads is a finite number, the batten
    // spacing is positive, and the house width, length and ridge height are positive
    // (the wind zones are measured from them).
    bool Laster = false;
    // Batten height and width, both section moduli and f_m,k / gamma_M are positive.
    bool Tvaersnit = false;
    // Gable rafter spacing and the span from the gable wall to the first normal rafter
    // (inset + gable rafter spacing) are positive.
    bool Gavlfag = false;
    // The normal rafter spacing is positive.
    bool Normalfag = false;
    // A nail row with a positive diameter, a batten with positive height and width, and
    // positive kmod and gamma_M for the nail capacity.
    bool Soem = false;
};

// VurderGyldighed: the meaning of the parts of the analysis for these inputs.
[[nodiscard]] TGyldighed VurderGyldighed(const TInddata& inddata, const TAfledte& afledte);

// Passes each distinct message on once: the load functions check their arguments on
// every call, and one run calls them hundreds of times with the same arguments.
class TEngangsMeddelelser final : public Meddelelser
{
  public:
    explicit TEngangsMeddelelser(Meddelelser& videre) : videre_(&videre) {}

    void fejl(std::string_view tekst) override;
    void advarsel(std::string_view tekst) override;
    void besked(std::string_view tekst) override;
    void fejldialog(std::string_view tekst) override;

  private:
    // True the first time this kind and text is seen.
    bool Ny(char art, std::string_view tekst);

    Meddelelser* videre_;
    std::vector<std::string> vist_;
};

// Number of wind zones 'B'..'N'.
inline constexpr std::size_t kAntalVindzoner = 13;

// Where a wind zone lies in plan and how much of the design batten's strip it covers. The
// zones of a wind case depend only on its direction.
struct TVindzone
{
    double bredde = 0.0; // m, the part of the batten's strip inside the zone
    double x1 = 0.0;     // m, the zone's rectangle in plan, across the ridge
    double x2 = 0.0;
    double y1 = 0.0; // m, and along it (along the batten)
    double y2 = 0.0;
};

// The zones 'B'..'N' of one wind direction on the design batten.
struct TVindretning
{
    bool beregnet = false;
    std::array<TVindzone, kAntalVindzoner> zoner{};
    char normalOmraade = 'H'; // roof zone at the second normal rafter on the batten's centre line
};

// The pressure coefficients of one wind case where they meet the design batten (as
// VindFormfaktor gives them); 0 for a zone beside the batten's strip, which loads it with
// nothing whatever its coefficient.
struct TVindkoefficienter
{
    bool beregnet = false;
    std::array<double, kAntalVindzoner> cv{}; // 'B'..'N'
    double cvNormalOmraade = 0.0;             // the roof zone of the normal section
    double cvIndvendig = 0.0;                 // the inside N
};

// One engine run's surroundings, passed to every step of the analysis.
struct TKoersel
{
    const TInddata& inddata;
    const TAfledte& afledte; // as the run uses them: the battens' own weight 0
    TLogliste& log;
    const Regionalindstillinger& regional;
    Meddelelser& meddelelser;
    TGyldighed gyldighed;
    // The wind zones of the four directions and the coefficients of the cases 'a'..'x' met
    // so far in this run.
    std::array<TVindretning, 4> vindretninger{};
    std::array<TVindkoefficienter, 24> vindkoefficienter{};
    // Worked out afresh for a letter outside 'a'..'x', so its messages are not lost.
    TVindretning vindretningUkendt{};
    TVindkoefficienter vindkoefficienterUkendt{};

    // The log list exists (level 1 limited or 2 detailed).
    [[nodiscard]] bool Logger() const { return log.findes(); }
    // The detailed log (level 2) is written.
    [[nodiscard]] bool Detaljeret() const { return log.niveau() >= 2; }
    // Consequence-class argument of the load factors: 1 for CC2, 0 otherwise.
    [[nodiscard]] int Konsekvensklasse() const { return inddata.Sikkl == 1 ? 1 : 0; }

    // LogLinie of the formatted line; formats nothing when there is no log.
    template <class... Argumenter>
    void Log(std::string_view format, const Argumenter&... argumenter) const
    {
        if (log.findes())
        {
            log.LogLinie(Formater(regional, format, argumenter...));
        }
    }
};

} // namespace taglo
