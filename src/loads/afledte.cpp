#include "loads/afledte.h"

#include "core/tekst.h"
#include "loads/trae.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>

namespace taglo
{
namespace
{

// Terrain categories by the index the window offers: roughness length z0 and minimum
// height zmin, in metres (EN 1991-1-4, table 4.1).
struct TTerraen
{
    double z0;
    double zmin;
};
constexpr std::array<TTerraen, 4> kTerraen{{
    {0.01, 1.0}, // I heath
    {0.05, 2.0}, // II open country
    {0.3, 5.0},  // III suburb
    {1.0, 10.0}, // IV city
}};

// An unknown terrain index counts as category I, the smoothest terrain and the one with
// the highest peak velocity pressure at every height; its zmin keeps ln(z / z0) positive.
constexpr std::size_t kUkendtTerraen = 0;

constexpr double kEgenvaegtTrae = 5.0;     // kN/m3, the battens' timber
constexpr double kSneKarakteristisk = 1.0; // kN/m2, characteristic snow load on the ground
constexpr double kKystAfstandInde = 25.0;  // km, from here on v_b is 24 m/s
constexpr int kAnvendelsesklasse2 = 1;     // service class 2 as its 0-based index
constexpr int kOejeblikkeligKomb = 9;      // the load combination of instantaneous wind

} // namespace

double SinGrad(double v)
{
    return std::sin(std::numbers::pi * v / 180.0);
}

double CosGrad(double v)
{
    return std::cos(std::numbers::pi * v / 180.0);
}

double TanGrad(double v)
{
    const double cosinus = CosGrad(v);
    if (std::abs(cosinus) < 0.000001)
    {
        return 1000000.0;
    }
    return SinGrad(v) / cosinus;
}

double BasisVindtryk(double afstand)
{
    // DK NA to EN 1991-1-4, 4.2: v_b,0 falls linearly from 27 m/s at the west coast to
    // 24 m/s 25 km inland. A distance that is not a number counts as the coast.
    double d = afstand;
    if (d > kKystAfstandInde)
    {
        d = kKystAfstandInde;
    }
    if (!(d >= 0.0))
    {
        d = 0.0;
    }
    const double vb = 24.0 + (kKystAfstandInde - d) * 0.12;
    // EN 1991-1-4, 4.5 (1): q_b = rho / 2 v_b^2 with rho = 1.25 kg/m3, in kN/m2.
    return 0.625 * vb * vb / 1000.0;
}

double PeakHastTryk(int terraen, double afstand, double z, double c0, double kp)
{
    const TTerraen& t = terraen >= 0 && terraen < static_cast<int>(kTerraen.size())
                            ? kTerraen[static_cast<std::size_t>(terraen)]
                            : kTerraen[kUkendtTerraen];
    // EN 1991-1-4, 4.3.2: below zmin the value at zmin applies (also for a height that is
    // not a number).
    const double hoejde = z >= t.zmin ? z : t.zmin;
    // EN 1991-1-4, 4.3.2: terrain factor and roughness factor.
    const double kr = 0.19 * std::exp(0.07 * std::log(t.z0 / 0.05));
    const double lnZ = std::log(hoejde / t.z0);
    const double cr = kr * lnZ;
    // EN 1991-1-4, 4.3.1: mean velocity pressure q_m = q_b c_r^2 c_0^2.
    const double qm = BasisVindtryk(afstand) * cr * cr * c0 * c0;
    // EN 1991-1-4, 4.4: turbulence intensity with k_I = 1.
    const double iv = 1.0 / (c0 * lnZ);
    // EN 1991-1-4, 4.5: q_p = (1 + 2 k_p I_v) q_m.
    return (1.0 + 2.0 * kp * iv) * qm;
}

double Punktlast(char placering, Meddelelser& meddelelser)
{
    // DK NA to EN 1991-1-1: a person on the roof.
    if (placering == 'A')
    {
        return 1.5;
    }
    if (placering == 'Z')
    {
        return 2.0;
    }
    meddelelser.fejl("Ugyldig punktlastplacering: " +
                     FraWindows1252(std::string_view(&placering, 1)) + ". Skal være A eller Z.");
    return 1000.0;
}

double MindsteReel(double a, double b)
{
    return a < b ? a : b;
}

double StoersteReel(double a, double b)
{
    return a > b ? a : b;
}

int MindsteHeltal(int a, int b)
{
    return a < b ? a : b;
}

void OmbytReelle(double& a, double& b)
{
    const double gemt = a;
    a = b;
    b = gemt;
}

TAfledte BeregnAfledte(const TInddata& inddata, Meddelelser& meddelelser)
{
    TAfledte a;
    a.TanTagVink = TanGrad(inddata.TagVink);
    a.CosTagVink = CosGrad(inddata.TagVink);
    a.SinTagVink = SinGrad(inddata.TagVink);

    a.TotalBr = inddata.HusBr + 2.0 * inddata.FacUdh;
    a.KipHjd = inddata.FacHjd + 0.5 * inddata.HusBr * a.TanTagVink;
    a.TagfodHjd = a.KipHjd - (a.TotalBr / 2.0) * a.TanTagVink;
    a.GavlAfst = inddata.GavlUdh + inddata.GavlspaerIndrykn;
    a.VaegTykkelse = 0.0;

    a.LegteMidtX = inddata.FacUdh + inddata.LegteAfst * a.CosTagVink / 2.0;
    // Battens per m2 of roof: one batten section per spacing. A spacing that is not
    // positive (refused by the input check, but a project file can hold it) gives no
    // weight rather than a division by zero; the load setup does not use this weight.
    a.LegteEgenlast = inddata.LegteAfst > 0.0 ? inddata.LegteBredde * inddata.LegteHojde *
                                                    kEgenvaegtTrae / (inddata.LegteAfst * 1000000.0)
                                              : 0.0;
    a.StrimmelFra = inddata.FacUdh;
    a.StrimmelTil = inddata.FacUdh + inddata.LegteAfst * a.CosTagVink;
    const double bh6 = inddata.LegteBredde * inddata.LegteHojde / 6.0;
    a.WNormal = bh6 * inddata.LegteHojde;
    a.WParallel = bh6 * inddata.LegteBredde;

    a.Personlast = Punktlast('A', meddelelser);

    a.QpKip = PeakHastTryk(inddata.TerrKat, inddata.AfstVesterhav, a.KipHjd, 1.0, 3.5);
    a.QpKipN = PeakHastTryk(inddata.TerrKat, inddata.AfstVesterhav, a.KipHjd, 1.0, 1.5);

    a.SneKarak = kSneKarakteristisk;
    a.SneLast = a.SneKarak * inddata.SneFormFak;

    a.StyrkeKode = 100;
    if (inddata.StyrkeKlasse == 0)
    {
        a.StyrkeKode = 1;
    }
    else if (inddata.StyrkeKlasse == 1)
    {
        a.StyrkeKode = 4;
    }
    else if (inddata.StyrkeKlasse == 2)
    {
        a.StyrkeKode = 5;
    }

    const TTraeVaerdier trae = TraeVaerdier(a.StyrkeKode, inddata.Sikkl, meddelelser);
    a.FmkGammaM = trae.fmkGammaM;
    a.GammaM = trae.GammaM;

    a.Kmod9 = Kmod(kAnvendelsesklasse2, kOejeblikkeligKomb, meddelelser);
    a.KmodSoem = a.Kmod9;
    return a;
}

} // namespace taglo
