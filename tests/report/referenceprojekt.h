// The reference projects as values: inputs, derived values and results read from
// projektNN.json, and the paths of their report and log files.
#pragma once

#include "core/inddata.h"
#include "engine/resultater.h"
#include "loads/afledte.h"
#include "reference.h"
#include "report/rapport.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace taglo::test
{

// The values that every reference project was computed with.
inline constexpr Tidspunkt kReferenceTidspunkt{2014, 5, 1, 13, 5, 9};

inline Rapportomgivelser ReferenceOmgivelser()
{
    Rapportomgivelser omgivelser;
    omgivelser.firmanavn = "Eksempel ApS";
    omgivelser.regional = Regionalindstillinger::Dansk();
    omgivelser.ur = [] { return kReferenceTidspunkt; };
    omgivelser.supportEmail = "support@example.invalid";
    return omgivelser;
}

struct Referenceprojekt
{
    TInddata inddata;
    TAfledte afledte;       // after the run
    TResultater resultater; // after the run
};

// ".../projektNN<endelse>" for endelse ".json", ".txt", ".log" or ".tgl".
inline std::string ReferenceSti(int nummer, const std::string& endelse)
{
    return ReferenceMappe() + "/projekt" + (nummer < 10 ? "0" : "") + std::to_string(nummer) +
           endelse;
}

// Reads the named members of `maal` from the JSON object `kilde`, each under its own name;
// throws when a field is missing.
#define TAGLO_LAES_FELTER(kilde, maal, ...)                                                        \
    [](const nlohmann::json& nlohmann_json_j, auto& nlohmann_json_t) {                             \
        NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(NLOHMANN_JSON_FROM, __VA_ARGS__))                 \
    }(kilde, maal)

inline std::optional<TSoemKapacitet> MuligKapacitet(const nlohmann::json& j)
{
    if (j.is_null())
    {
        return std::nullopt;
    }
    return TSoemKapacitet{j.at("Fra1"),    j.at("Til1"),  j.at("Fra2"), j.at("Til2"), j.at("Lef"),
                          j.at("FaxPrMm"), j.at("Fhead"), j.at("Fax"),  j.at("Fd")};
}

// Reads projektNN.json; throws when the file is missing or lacks a field.
inline Referenceprojekt LaesReferenceprojekt(int nummer)
{
    const auto json = nlohmann::json::parse(LaesHeleFilen(ReferenceSti(nummer, ".json")));
    Referenceprojekt p;
    const auto& i = json.at("Inddata");
    p.inddata.Projektnavn = i.at("Projektnavn").get<std::string>();
    p.inddata.Bygningsdel = i.at("Bygningsdel").get<std::string>();
    p.inddata.Medarb = i.at("Medarb").get<std::string>();
    VaelgSoem(p.inddata, i.at("Nail").get<int>());
    TAGLO_LAES_FELTER(i, p.inddata, HusBr, FacHjd, TagVink, LegteAfst, DublLegter, FacUdh, HusLn,
                      NormalSpaerAfst, GavlspaerAfst, GavlspaerIndrykn, GavlUdh, LegteHojde,
                      LegteBredde, AlisteTykkelse, UtagTykkelse, TagTyng, TerrKat, AfstVesterhav,
                      CvAreal, NormSneFormFak, SneFormFak, SneFormFakNormal, SneFormFakForhojet,
                      StyrkeKlasse, Sikkl, ForklaringMed, Logfil);
    TAGLO_LAES_FELTER(json.at("Afledte"), p.afledte, TanTagVink, CosTagVink, SinTagVink, TotalBr,
                      KipHjd, TagfodHjd, GavlAfst, VaegTykkelse, LegteMidtX, LegteEgenlast, WNormal,
                      WParallel, StrimmelFra, StrimmelTil, Personlast, QpKip, QpKipN, SneKarak,
                      SneLast, FmkGammaM, KmodSoem, Kmod9, GammaM, StyrkeKode);
    const auto& r = json.at("Resultatdata");
    TAGLO_LAES_FELTER(
        r, p.resultater, NormalfagOK, GavlfagOK, GavludkragningOK, DirekteFastgoerelse,
        NormalspaerSoemOK, GavlspaerSoemOK, SoemtypeOK, NormalfagTabel2005, GavlfagTabel2005,
        UdnNormalfag, UdnNormalfagPkt, UdnGavlfag, UdnGavlfagPkt, UdnGavludkragning,
        TraekNormalspaer, TraekGavlspaer, SoemantalNormalspaer, SoemantalGavlspaer, SoemPlads,
        SoemBaereevne, TekstNormalfag, TekstNormalfagPkt, TekstGavlfag, TekstGavlfagPkt,
        TekstGavludkragning, TekstTraekNormalspaer, TekstTraekGavlspaer, SoemNormalspaer,
        SoemGavlspaer, BaereevneNormalspaer, BaereevneGavlspaer);
    p.resultater.SoemDirekte = MuligKapacitet(r.at("SoemDirekte"));
    p.resultater.SoemAflisteSpaer = MuligKapacitet(r.at("SoemAflisteSpaer"));
    p.resultater.SoemLaegteAfliste = MuligKapacitet(r.at("SoemLaegteAfliste"));
    return p;
}

} // namespace taglo::test
