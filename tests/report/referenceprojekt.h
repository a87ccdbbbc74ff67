// The reference projects as values: inputs, derived values and results read from
// projektNN.json, and the paths of their report and log files.
#pragma once

#include "core/inddata.h"
#include "engine/resultater.h"
#include "loads/afledte.h"
#include "reference.h"
#include "report/tidspunkt.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace taglo::test
{

// The values that every reference project was computed with.
inline constexpr Tidspunkt kReferenceTidspunkt{2014, 5, 1, 13, 5, 9};
inline constexpr const char* kReferenceFirma = "Eksempel ApS";
inline constexpr const char* kReferenceEmail = "support@example.invalid";

struct Referenceprojekt
{
    TInddata inddata;
    TAfledte afledte;       // after the run
    TResultater resultater; // after the run
};

// ".../projektNN<endelse>" for endelse ".json", ".txt", ".log" or ".tgl".
inline std::string ReferenceSti(int nummer, const std::string& endelse)
{
    const std::string nn = (nummer < 10 ? "0" : "") + std::to_string(nummer);
    return ReferenceMappe() + "/projekt" + nn + endelse;
}

namespace detalje
{

inline TSoemKapacitet Kapacitet(const nlohmann::json& j)
{
    return {j.at("Fra1"),    j.at("Til1"),  j.at("Fra2"), j.at("Til2"), j.at("Lef"),
            j.at("FaxPrMm"), j.at("Fhead"), j.at("Fax"),  j.at("Fd")};
}

inline std::optional<TSoemKapacitet> MuligKapacitet(const nlohmann::json& j)
{
    return j.is_null() ? std::nullopt : std::optional<TSoemKapacitet>(Kapacitet(j));
}

} // namespace detalje

// Reads projektNN.json; throws when the file is missing or lacks a field.
inline Referenceprojekt LaesReferenceprojekt(int nummer)
{
    std::ifstream fil(ReferenceSti(nummer, ".json"));
    if (!fil)
    {
        throw std::runtime_error("cannot read " + ReferenceSti(nummer, ".json"));
    }
    const nlohmann::json json = nlohmann::json::parse(fil);
    Referenceprojekt p;

    const auto& i = json.at("Inddata");
    TInddata& d = p.inddata;
    d.Projektnavn = i.at("Projektnavn").get<std::string>();
    d.Bygningsdel = i.at("Bygningsdel").get<std::string>();
    d.Medarb = i.at("Medarb").get<std::string>();
    d.HusBr = i.at("HusBr");
    d.FacHjd = i.at("FacHjd");
    d.TagVink = i.at("TagVink");
    d.LegteAfst = i.at("LegteAfst");
    d.DublLegter = i.at("DublLegter");
    d.FacUdh = i.at("FacUdh");
    d.HusLn = i.at("HusLn");
    d.NormalSpaerAfst = i.at("NormalSpaerAfst");
    d.GavlspaerAfst = i.at("GavlspaerAfst");
    d.GavlspaerIndrykn = i.at("GavlspaerIndrykn");
    d.GavlUdh = i.at("GavlUdh");
    d.LegteHojde = i.at("LegteHojde");
    d.LegteBredde = i.at("LegteBredde");
    VaelgSoem(d, i.at("Nail").get<int>());
    d.AlisteTykkelse = i.at("AlisteTykkelse");
    d.UtagTykkelse = i.at("UtagTykkelse");
    d.TagTyng = i.at("TagTyng");
    d.TerrKat = i.at("TerrKat");
    d.AfstVesterhav = i.at("AfstVesterhav");
    d.CvAreal = i.at("CvAreal");
    d.NormSneFormFak = i.at("NormSneFormFak");
    d.SneFormFak = i.at("SneFormFak");
    d.SneFormFakNormal = i.at("SneFormFakNormal");
    d.SneFormFakForhojet = i.at("SneFormFakForhojet");
    d.StyrkeKlasse = i.at("StyrkeKlasse");
    d.Sikkl = i.at("Sikkl");
    d.ForklaringMed = i.at("ForklaringMed");
    d.Logfil = i.at("Logfil");

    const auto& a = json.at("Afledte");
    TAfledte& f = p.afledte;
    f.TanTagVink = a.at("TanTagVink");
    f.CosTagVink = a.at("CosTagVink");
    f.SinTagVink = a.at("SinTagVink");
    f.TotalBr = a.at("TotalBr");
    f.KipHjd = a.at("KipHjd");
    f.TagfodHjd = a.at("TagfodHjd");
    f.GavlAfst = a.at("GavlAfst");
    f.VaegTykkelse = a.at("VaegTykkelse");
    f.LegteMidtX = a.at("LegteMidtX");
    f.LegteEgenlast = a.at("LegteEgenlast");
    f.WNormal = a.at("WNormal");
    f.WParallel = a.at("WParallel");
    f.StrimmelFra = a.at("StrimmelFra");
    f.StrimmelTil = a.at("StrimmelTil");
    f.Personlast = a.at("Personlast");
    f.QpKip = a.at("QpKip");
    f.QpKipN = a.at("QpKipN");
    f.SneKarak = a.at("SneKarak");
    f.SneLast = a.at("SneLast");
    f.FmkGammaM = a.at("FmkGammaM");
    f.KmodSoem = a.at("KmodSoem");
    f.Kmod9 = a.at("Kmod9");
    f.GammaM = a.at("GammaM");
    f.StyrkeKode = a.at("StyrkeKode");

    const auto& r = json.at("Resultatdata");
    TResultater& t = p.resultater;
    t.NormalfagOK = r.at("NormalfagOK");
    t.GavlfagOK = r.at("GavlfagOK");
    t.GavludkragningOK = r.at("GavludkragningOK");
    t.DirekteFastgoerelse = r.at("DirekteFastgoerelse");
    t.NormalspaerSoemOK = r.at("NormalspaerSoemOK");
    t.GavlspaerSoemOK = r.at("GavlspaerSoemOK");
    t.SoemtypeOK = r.at("SoemtypeOK");
    t.NormalfagTabel2005 = r.at("NormalfagTabel2005");
    t.GavlfagTabel2005 = r.at("GavlfagTabel2005");
    t.UdnNormalfag = r.at("UdnNormalfag");
    t.UdnNormalfagPkt = r.at("UdnNormalfagPkt");
    t.UdnGavlfag = r.at("UdnGavlfag");
    t.UdnGavlfagPkt = r.at("UdnGavlfagPkt");
    t.UdnGavludkragning = r.at("UdnGavludkragning");
    t.TraekNormalspaer = r.at("TraekNormalspaer");
    t.TraekGavlspaer = r.at("TraekGavlspaer");
    t.SoemantalNormalspaer = r.at("SoemantalNormalspaer");
    t.SoemantalGavlspaer = r.at("SoemantalGavlspaer");
    t.SoemPlads = r.at("SoemPlads");
    t.SoemBaereevne = r.at("SoemBaereevne");
    t.TekstNormalfag = r.at("TekstNormalfag");
    t.TekstNormalfagPkt = r.at("TekstNormalfagPkt");
    t.TekstGavlfag = r.at("TekstGavlfag");
    t.TekstGavlfagPkt = r.at("TekstGavlfagPkt");
    t.TekstGavludkragning = r.at("TekstGavludkragning");
    t.TekstTraekNormalspaer = r.at("TekstTraekNormalspaer");
    t.TekstTraekGavlspaer = r.at("TekstTraekGavlspaer");
    t.SoemNormalspaer = r.at("SoemNormalspaer");
    t.SoemGavlspaer = r.at("SoemGavlspaer");
    t.BaereevneNormalspaer = r.at("BaereevneNormalspaer");
    t.BaereevneGavlspaer = r.at("BaereevneGavlspaer");
    t.SoemDirekte = detalje::MuligKapacitet(r.at("SoemDirekte"));
    t.SoemAflisteSpaer = detalje::MuligKapacitet(r.at("SoemAflisteSpaer"));
    t.SoemLaegteAfliste = detalje::MuligKapacitet(r.at("SoemLaegteAfliste"));
    return p;
}

} // namespace taglo::test
