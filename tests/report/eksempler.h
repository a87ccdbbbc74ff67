// Hand-made inputs and results for the report tests.
#pragma once

#include "core/inddata.h"
#include "engine/resultater.h"

namespace taglo::test
{

// A garage roof: 38 x 73 battens nailed with 4,5 x 90 mm batten nails.
inline TInddata Garage()
{
    TInddata inddata;
    inddata.Projektnavn = "Garage Vestergade 12";
    inddata.Bygningsdel = "Tag";
    inddata.Medarb = "Mette";
    inddata.HusBr = 6.0;
    inddata.FacHjd = 2.5;
    inddata.TagVink = 25.0;
    inddata.LegteAfst = 0.32;
    inddata.DublLegter = false;
    inddata.FacUdh = 0.3;
    inddata.HusLn = 7.2;
    inddata.NormalSpaerAfst = 0.9;
    inddata.GavlspaerAfst = 0.6;
    inddata.GavlspaerIndrykn = 0.1;
    inddata.GavlUdh = 0.35;
    inddata.LegteHojde = 38.0;
    inddata.LegteBredde = 73.0;
    VaelgSoem(inddata, 4);
    inddata.AlisteTykkelse = 25.0;
    inddata.UtagTykkelse = 4.0;
    inddata.TagTyng = 0.25;
    inddata.TerrKat = 1;
    inddata.AfstVesterhav = 25.0;
    inddata.CvAreal = false;
    inddata.NormSneFormFak = true;
    inddata.SneFormFak = 0.8;
    inddata.SneFormFakNormal = 0.8;
    inddata.StyrkeKlasse = 0;
    inddata.Sikkl = 1;
    inddata.ForklaringMed = false;
    return inddata;
}

// A result where everything holds: direct nailing, two nails at each rafter.
inline TResultater AltHolder()
{
    TResultater r;
    r.NormalfagOK = true;
    r.GavlfagOK = true;
    r.GavludkragningOK = true;
    r.DirekteFastgoerelse = true;
    r.NormalspaerSoemOK = true;
    r.GavlspaerSoemOK = true;
    r.SoemtypeOK = true;
    r.NormalfagTabel2005 = true;
    r.UdnNormalfag = 0.42;
    r.UdnNormalfagPkt = 0.9;
    r.UdnGavludkragning = 0.31;
    r.TraekNormalspaer = 350.0;
    r.TraekGavlspaer = 420.0;
    r.SoemantalNormalspaer = 2;
    r.SoemantalGavlspaer = 2;
    r.SoemPlads = 4;
    r.TekstNormalfag = "for lastkomb. 3: K_FI(1,0 g + 1,5 s)";
    r.TekstNormalfagPkt = "for karakteristisk last 1,50 kN";
    r.TekstGavlfag = "for lastkomb. 3: K_FI(1,0 g + 1,5 s)";
    r.TekstGavlfagPkt = "for karakteristisk last 1,50 kN";
    r.TekstGavludkragning = "for lastkomb. 9: 0,9 g + K_FI 1,5 w, vindtilfælde w";
    r.TekstTraekNormalspaer = "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde b";
    r.TekstTraekGavlspaer = "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde w";
    r.SoemNormalspaer = "2 søm";
    r.SoemGavlspaer = "2 søm";
    r.BaereevneNormalspaer = "  Regningsmæssig bæreevne: 1.100 N";
    r.BaereevneGavlspaer = "  Regningsmæssig bæreevne: 1.100 N";
    return r;
}

} // namespace taglo::test
