// The records of a project and of a calculation as JSON, every field under its own name:
// the one mapping the command-line tool writes and the tests read the reference projects
// with.
#pragma once

#include "app/forslag.h"
#include "app/projekt.h"
#include "core/inddata.h"
#include "engine/resultater.h"
#include "loads/afledte.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace taglo
{

// The numbers and choices of the input record (the texts and the nail's name are added by
// BeregningSomJson, and not read back).
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TInddata, HusBr, FacHjd, TagVink, LegteAfst, DublLegter, FacUdh,
                                   HusLn, NormalSpaerAfst, GavlspaerAfst, GavlspaerIndrykn, GavlUdh,
                                   LegteHojde, LegteBredde, Nail, AlisteTykkelse, UtagTykkelse,
                                   TagTyng, TerrKat, AfstVesterhav, CvAreal, NormSneFormFak,
                                   SneFormFak, SneFormFakNormal, SneFormFakForhojet, StyrkeKlasse,
                                   Sikkl, ForklaringMed, Logfil)

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TAfledte, TanTagVink, CosTagVink, SinTagVink, TotalBr, KipHjd,
                                   TagfodHjd, GavlAfst, VaegTykkelse, LegteMidtX, LegteEgenlast,
                                   WNormal, WParallel, StrimmelFra, StrimmelTil, Personlast, QpKip,
                                   QpKipN, SneKarak, SneLast, FmkGammaM, KmodSoem, Kmod9, GammaM,
                                   StyrkeKode)

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TSoemKapacitet, Fra1, Til1, Fra2, Til2, Lef, FaxPrMm, Fhead, Fax,
                                   Fd)

// The result record; a nail capacity record that is absent is null.
inline void to_json(nlohmann::json& json, const TResultater& r)
{
    const auto kapacitet = [](const std::optional<TSoemKapacitet>& k) {
        return k ? nlohmann::json(*k) : nlohmann::json();
    };
    json = {{"NormalfagOK", r.NormalfagOK},
            {"GavlfagOK", r.GavlfagOK},
            {"GavludkragningOK", r.GavludkragningOK},
            {"DirekteFastgoerelse", r.DirekteFastgoerelse},
            {"NormalspaerSoemOK", r.NormalspaerSoemOK},
            {"GavlspaerSoemOK", r.GavlspaerSoemOK},
            {"SoemtypeOK", r.SoemtypeOK},
            {"NormalfagTabel2005", r.NormalfagTabel2005},
            {"GavlfagTabel2005", r.GavlfagTabel2005},
            {"UdnNormalfag", r.UdnNormalfag},
            {"UdnNormalfagPkt", r.UdnNormalfagPkt},
            {"UdnGavlfag", r.UdnGavlfag},
            {"UdnGavlfagPkt", r.UdnGavlfagPkt},
            {"UdnGavludkragning", r.UdnGavludkragning},
            {"TraekNormalspaer", r.TraekNormalspaer},
            {"TraekGavlspaer", r.TraekGavlspaer},
            {"SoemantalNormalspaer", r.SoemantalNormalspaer},
            {"SoemantalGavlspaer", r.SoemantalGavlspaer},
            {"SoemPlads", r.SoemPlads},
            {"SoemBaereevne", r.SoemBaereevne},
            {"TekstNormalfag", r.TekstNormalfag},
            {"TekstNormalfagPkt", r.TekstNormalfagPkt},
            {"TekstGavlfag", r.TekstGavlfag},
            {"TekstGavlfagPkt", r.TekstGavlfagPkt},
            {"TekstGavludkragning", r.TekstGavludkragning},
            {"TekstTraekNormalspaer", r.TekstTraekNormalspaer},
            {"TekstTraekGavlspaer", r.TekstTraekGavlspaer},
            {"SoemNormalspaer", r.SoemNormalspaer},
            {"SoemGavlspaer", r.SoemGavlspaer},
            {"BaereevneNormalspaer", r.BaereevneNormalspaer},
            {"BaereevneGavlspaer", r.BaereevneGavlspaer},
            {"SoemDirekte", kapacitet(r.SoemDirekte)},
            {"SoemAflisteSpaer", kapacitet(r.SoemAflisteSpaer)},
            {"SoemLaegteAfliste", kapacitet(r.SoemLaegteAfliste)}};
}

// The case's name: its load combination and wind case letter, "3a", "9w", "8f".
[[nodiscard]] std::string TilfaeldeNavn(const TTilfaeldeNoegle& tilfaelde);

// A calculation: "Inddata" (with the project's texts and the nail's name), "Afledte",
// "Resultatdata", "Kategorier" (the names of the eleven result categories), the cases in
// the order analysed with their key values ("Tilfaeldeliste") and per category the
// governing case's name ("Rangliste", null where none).
[[nodiscard]] nlohmann::json BeregningSomJson(const TBeregningsresultat& beregning);

// A candidate of the design suggestion: its inputs under the input record's names
// ("LegteHojde", "LegteBredde" in mm, "Soem" the nail's catalogue index) and the nail's name,
// its verdicts ("KanAnvendes": "Laegte", "Soem"), the fastening, the utilisations as
// fractions ("UdnSoem" null for nails that carry nothing) and the nails per rafter, as
// counts and as the report writes them.
void to_json(nlohmann::json& json, const TKandidat& k);

// The design suggestion of a project: "Forslag", the suggested candidate or null when none
// passes, and "Kandidater", every candidate in the table's order.
[[nodiscard]] nlohmann::json ForslagSomJson(const TForslag& forslag);

} // namespace taglo
