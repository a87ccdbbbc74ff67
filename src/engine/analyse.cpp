#include "engine/analyse.h"

#include "engine/laster.h"
#include "engine/spaendinger.h"

namespace taglo
{
namespace
{

// Forces of the log in N and moments in Nm: the stored value times 1000 and kmod.
struct TEnheder
{
    double kmod = 1.0;
    [[nodiscard]] double N(double vaerdi) const { return vaerdi * 1000.0 * kmod; }
    [[nodiscard]] double Linielast(double vaerdi) const { return vaerdi * kmod; }
};

void SkrivHoved(const TKoersel& koersel)
{
    TLogliste& log = koersel.log;
    log.LogLinie("");
    log.LogLinie("Regningsmæssige værdier:");
    if (koersel.inddata.DublLegter)
    {
        log.LogLinie(
            "Linielast Fzz refererer til normal lægteafstand, men da lægterne er dubleret i "
            "gavlsektionen,");
        log.LogLinie(
            "refererer reaktioner og momenter i gavlsektionen til halv normal lægteafstand.");
    }
    log.LogLinie(
        "Bidr   cv   Fzz   yst   ysl   Reaktioner & momenter i gavlsektion    Reak. & mom. i "
        "normalsektion");
    log.LogLinie(
        "      (pos opad)              RB2zz RB1zz  RDzz MB2xx MB1xx  MCxx    REzz  RGzz  MFxx  "
        "MGxx  MHxx");
    log.LogLinie(
        "           kN/m     m     m       N     N     N    Nm    Nm    Nm       N     N    Nm    "
        "Nm    Nm");
    log.LogLinie("");
    log.LogLinie("Før justering af RB2/RB1: RB2 iflg. model 2, øvrige reaktioner og momenter iflg. "
                 "model 1:");
}

// The wind: on the gable part zone by zone, on the normal section from above and below.
void LaegVindTil(TLasttilfaelde& t, double w, const TGavlGeometri& gavl, TKoersel& koersel)
{
    const bool gavlmodeller = koersel.gyldighed.Gavlfag;
    const bool detaljer = koersel.Detaljeret();
    const double D = gavl.D();
    const double L = koersel.inddata.NormalSpaerAfst;
    const TEnheder e{t.kmod};

    // Wind on the gable part, zone by zone.
    for (char omraade = 'B'; omraade <= 'N'; ++omraade)
    {
        const TVindLinielast vind = VindLinielast(t, omraade, w, koersel);
        if (!gavlmodeller || vind.Fzz == 0.0)
        {
            continue; // a zone that does not load the batten adds nothing
        }
        const TGavlBidrag bidrag = GavlBidrag(vind.yslut, vind.ystart, vind.Fzz, gavl);
        LaegGavlBidragTil(t, bidrag, Retning::zz);
        if (detaljer && bidrag.RB1 != 0.0)
        {
            koersel.Log("%2s %6.2f%6.2f%6.2f%6.2f%8.0f%6.0f%6.0f%6.0f%6.0f%6.0f", omraade, vind.cv,
                        e.Linielast(vind.Fzz), vind.ystart, vind.yslut, e.N(bidrag.RB2),
                        e.N(bidrag.RB1), e.N(bidrag.RD), e.N(bidrag.MB2), e.N(bidrag.MB1),
                        e.N(bidrag.MC));
            koersel.Log("  (Område %1s: qd = %5.3f kPa; cv = %5.3f; lastbredde = %5.3f m; Fzz = "
                        "produktet heraf = "
                        "%4.2f kN/m)",
                        omraade, vind.q * t.kmod, vind.cv, vind.bredde,
                        vind.q * t.kmod * vind.cv * vind.bredde);
        }
    }

    // Wind on the normal section, upper side and underside.
    const TVindNormalfag vind = VindNormalfag(t, w, koersel);
    const TNormalBidrag vindNormal = NormalBidrag(vind.FO + vind.FU, L);
    LaegNormalBidragTil(t, vindNormal, Retning::zz);
    if (detaljer && vind.FO != 0.0)
    {
        koersel.Log("%2s %6.2f%6.2f%6.2f%6.2f (oversidelast)", vind.Omraade, vind.cvO,
                    e.Linielast(vind.FO), D, D + 3.0 * L);
    }
    if (detaljer && vind.FU != 0.0)
    {
        koersel.Log(" N %6.2f%6.2f%6.2f%6.2f (underside)         over- og "
                    "underside:%6.0f%6.0f%6.0f%6.0f%6.0f",
                    vind.cvU, e.Linielast(vind.FU), D, D + 3.0 * L, e.N(vindNormal.RE),
                    e.N(vindNormal.RG), e.N(vindNormal.MF), e.N(vindNormal.MG), e.N(vindNormal.MH));
    }
}

} // namespace

TGavlGeometri GavlGeometri(const TKoersel& koersel)
{
    const TInddata& ind = koersel.inddata;
    TGavlGeometri g;
    g.GavlUdh = ind.GavlUdh;
    g.GavlspaerIndrykn = ind.GavlspaerIndrykn;
    g.GavlspaerAfst = ind.GavlspaerAfst;
    g.GavlAfst = koersel.afledte.GavlAfst;
    g.k = ind.DublLegter ? 0.5 : 1.0;
    return g;
}

namespace
{

// The permanent load and the snow, spread over the whole batten.
void LaegEgenlastOgSneTil(TLasttilfaelde& t, const TGavlGeometri& gavl, const TKoersel& koersel)
{
    const bool gavlmodeller = koersel.gyldighed.Gavlfag;
    const double D = gavl.D();
    const double L = koersel.inddata.NormalSpaerAfst;
    const double wzz = t.FzzEgen + t.FzzSne;
    const double wyy = t.FyyEgen + t.FyySne;
    const TGavlBidrag egenGavl = gavlmodeller ? GavlBidrag(D, 0.0, wzz, gavl) : TGavlBidrag{};
    const TNormalBidrag egenNormal = NormalBidrag(wzz, L);
    LaegGavlBidragTil(t, egenGavl, Retning::zz);
    LaegNormalBidragTil(t, egenNormal, Retning::zz);
    if (gavlmodeller)
    {
        LaegGavlBidragTil(t, GavlBidrag(D, 0.0, wyy, gavl), Retning::yy);
    }
    LaegNormalBidragTil(t, NormalBidrag(wyy, L), Retning::yy);
    if (koersel.Detaljeret())
    {
        const TEnheder e{t.kmod};
        const char* etiket = t.FzzSne != 0.0 ? "g+s" : " g ";
        koersel.Log("%3s%12.2f%6.2f%6.2f%8.0f%6.0f%6.0f%6.0f%6.0f%6.0f", etiket, e.Linielast(wzz),
                    0.0, D, e.N(egenGavl.RB2), e.N(egenGavl.RB1), e.N(egenGavl.RD),
                    e.N(egenGavl.MB2), e.N(egenGavl.MB1), e.N(egenGavl.MC));
        koersel.Log("%3s%12.2f%6.2f%6.2f%46.0f%6.0f%6.0f%6.0f%6.0f", etiket, e.Linielast(wzz), D,
                    D + 3.0 * L, e.N(egenNormal.RE), e.N(egenNormal.RG), e.N(egenNormal.MF),
                    e.N(egenNormal.MG), e.N(egenNormal.MH));
    }
}

// The point load, which stands in the end span of the normal section; the gable part gets
// nothing from it.
void LaegPunktlastTil(TLasttilfaelde& t, const TKoersel& koersel)
{
    const double L = koersel.inddata.NormalSpaerAfst;
    const TNormalBidrag punkt = PunktlastBidrag(t.FzzPkt, L);
    LaegNormalBidragTil(t, punkt, Retning::zz);
    LaegNormalBidragTil(t, PunktlastBidrag(t.FyyPkt, L), Retning::yy);
    if (koersel.Detaljeret())
    {
        const TEnheder e{t.kmod};
        koersel.Log(" Q %32.0f%6.0f%6.0f%18.0f%8.0f%6.0f%6.0f%6.0f%6.0f", 0.0, 0.0, 0.0, 0.0,
                    e.N(punkt.RE), e.N(punkt.RG), e.N(punkt.MF), e.N(punkt.MG), e.N(punkt.MH));
    }
}

// The log's lines of the summed reactions and moments, before and after the adjustment at
// the gable wall.
void LogSamlede(const TLasttilfaelde& t, const TKoersel& koersel, bool justeret)
{
    const TEnheder e{t.kmod};
    if (!justeret)
    {
        koersel.log.LogLinie("                            Samlede reaktioner og momenter:");
        koersel.Log("%35.0f%6.0f%6.0f%6.0f%6.0f%6.0f%8.0f%6.0f%6.0f%6.0f%6.0f", e.N(t.RB2zz),
                    e.N(t.RB1zz), e.N(t.RDzz), e.N(t.MB2xx), e.N(t.MB1xx), e.N(t.MCxx), e.N(t.REzz),
                    e.N(t.RGzz), e.N(t.MFxx), e.N(t.MGxx), e.N(t.MHxx));
        return;
    }
    koersel.log.LogLinie("Efter justering af RB2/RB1: Samlede reaktioner og momenter");
    koersel.Log("%35.0f%6.0f%6.0f%6.0f%6.0f%6.0f", e.N(t.RB2Justzz), e.N(t.RB1zz), e.N(t.RDzz),
                e.N(t.MB2xx), e.N(t.MB1xx), e.N(t.MCxx));
}

// The log's lines of the case's utilisations and key values.
void LogUdnyttelser(const TLasttilfaelde& t, const TKoersel& koersel)
{
    const TEnheder e{t.kmod};
    koersel.Log("Udnyttelsesgrader for momenter (pct):%16.0f%6.0f%6.0f%20.0f%6.0f%6.0f",
                t.UB2 * 100.0, t.UB1 * 100.0, t.UC * 100.0, t.UF * 100.0, t.UG * 100.0,
                t.UH * 100.0);
    koersel.log.LogLinie("");
    koersel.log.LogLinie("Nøgleværdier Rzz [N] og momentudnyttelsesgrader [%]:");
    koersel.Log("%41.0f%6.0f%9.0f%9.0f%14.0f%12.0f", e.N(t.RB1zz), e.N(t.RDEzz),
                t.Noegle[kGavludkragning] * 100.0, t.Noegle[kGavlfag] * 100.0, e.N(t.RGzz),
                t.Noegle[kNormalfag] * 100.0);
}

} // namespace

void AnalyserTilfaelde(TLasttilfaelde& t, TKoersel& koersel)
{
    const TGavlGeometri gavl = GavlGeometri(koersel);
    if (koersel.Logger())
    {
        SkrivHoved(koersel);
    }
    LaegEgenlastOgSneTil(t, gavl, koersel);

    // Wind, unless the combination has none.
    const double w = VindFaktor(t, koersel);
    if (w != 0.0)
    {
        LaegVindTil(t, w, gavl, koersel);
    }
    if (t.FzzPkt != 0.0 && t.Vindtilf == 'f')
    {
        LaegPunktlastTil(t, koersel);
    }
    if (koersel.Detaljeret())
    {
        LogSamlede(t, koersel, false);
    }
    if (koersel.gyldighed.Gavlfag)
    {
        JusterForGavlvaeg(t, gavl);
    }
    if (koersel.Detaljeret())
    {
        LogSamlede(t, koersel, true);
    }

    t.RDEzz = t.RDzz + t.REzz;
    t.RDEyy = t.RDyy + t.REyy;
    BeregnSpaendinger(t, koersel);
    BeregnNoegler(t);
    if (koersel.Logger())
    {
        LogUdnyttelser(t, koersel);
    }
}

} // namespace taglo
