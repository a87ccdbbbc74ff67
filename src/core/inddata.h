// The one record of all inputs of a calculation, and the normal snow form factor.
#pragma once

#include "core/soemkatalog.h"
#include "core/tekst.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace taglo
{

// A text that holds at most `Kapacitet` characters; a longer text is cut to its first
// characters (characters, not UTF-8 bytes, so a letter such as "æ" is never split).
template <std::size_t Kapacitet> class BegraensetTekst
{
  public:
    BegraensetTekst() = default;
    BegraensetTekst(std::string_view tekst)
        : tekst_(ForsteTegn(tekst, Kapacitet)) {} // NOLINT(google-explicit-constructor)

    BegraensetTekst& operator=(std::string_view tekst)
    {
        tekst_ = ForsteTegn(tekst, Kapacitet);
        return *this;
    }

    [[nodiscard]] const std::string& str() const { return tekst_; }
    operator std::string_view() const { return tekst_; } // NOLINT(google-explicit-constructor)
    [[nodiscard]] static constexpr std::size_t kapacitet() { return Kapacitet; }

    bool operator==(const BegraensetTekst&) const = default;

  private:
    std::string tekst_;
};

// Inputs of one roof, in declaration order. Lengths of the building in m, of the batten,
// spacer, underlay and nail in mm, the pitch in degrees, the coast distance in km.
struct TInddata
{
    BegraensetTekst<70> Projektnavn;
    BegraensetTekst<70> Bygningsdel;
    BegraensetTekst<30> Medarb;
    double HusBr = 0.0;            // m, between the outer faces of the facades
    double FacHjd = 0.0;           // m, terrain to the top of the roof at the facade line
    double TagVink = 0.0;          // degrees against the horizontal
    double LegteAfst = 0.0;        // m, batten spacing along the slope
    bool DublLegter = false;       // battens doubled in the gable section
    double FacUdh = 0.0;           // m, facade overhang, horizontal
    double HusLn = 0.0;            // m, between the outer faces of the gables
    double NormalSpaerAfst = 0.0;  // m, normal rafter spacing
    double GavlspaerAfst = 0.0;    // m, gable rafter to the first normal rafter
    double GavlspaerIndrykn = 0.0; // m, inset of the gable rafter from the gable's outer face
    double GavlUdh = 0.0;          // m, gable overhang, horizontal
    double LegteHojde = 0.0;       // mm, perpendicular to the roof plane
    double LegteBredde = 0.0;      // mm, parallel to the roof plane
    std::int32_t Nail = 0;         // index of the chosen nail in the nail table, 0..9
    // The chosen nail's catalogue row; always the row at index Nail. Refers into the
    // constant catalogue, so it can never dangle.
    const TNailData* NailData = kSoemKatalog.data();
    double AlisteTykkelse = 0.0;     // mm, spacer batten; 0 without underlay and spacer
    double UtagTykkelse = 0.0;       // mm, underlay; 0 when there is none
    double TagTyng = 0.0;            // kN/m2, roofing self-weight (typed in kg/m2, divided by 100)
    std::int32_t TerrKat = 0;        // terrain category: 0 = I, 1 = II, 2 = III, 3 = IV
    double AfstVesterhav = 0.0;      // km from the North Sea or Ringkoebing Fjord
    bool CvAreal = false;            // true: wind coefficients for 10 m2; false: for 1 m2
    bool NormSneFormFak = false;     // true: the normal snow form factor is used
    double SneFormFak = 0.0;         // the snow form factor the calculation uses
    double SneFormFakNormal = 0.0;   // the normal factor computed from TagVink
    double SneFormFakForhojet = 0.0; // the elevated factor typed by the user
    std::int32_t StyrkeKlasse = 0;   // strength class index 0, 1 or 2
    std::int32_t Sikkl = 0;          // consequence class: 0 = CC1, 1 = CC2
    bool ForklaringMed = false;      // the report carries its explanation section
    std::int32_t Logfil = 0;         // log level: 0 none, 1 limited, 2 detailed
};

// Sets Nail and NailData together to a catalogue row; an index outside 0..9 takes the
// nearest row, so NailData always refers to a row.
void VaelgSoem(TInddata& inddata, int indeks);

// NormalSneFormFaktor: the shape coefficient for a pitched roof (EN 1991-1-3, 5.3.2):
// 0.8 up to and including 30 degrees, 0.8 (60 - pitch) / 30 above 30 up to and including
// 60 degrees, and 0 above 60 degrees and below 0.
[[nodiscard]] double NormalSneFormFaktor(double tagvinkel);

} // namespace taglo
