// The outcome of a calculation: verdicts, governing utilisations, nail counts and texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace taglo
{

// Capacity of one nailing. Lengths in mm along the nail from the top of its head.
struct TSoemKapacitet
{
    double Fra1 = 0.0;    // start of the first anchoring interval
    double Til1 = 0.0;    // end of the first anchoring interval
    double Fra2 = 0.0;    // start of the second anchoring interval
    double Til2 = 0.0;    // end of the second anchoring interval
    double Lef = 0.0;     // effective anchoring length
    double FaxPrMm = 0.0; // N/mm, design withdrawal resistance per mm of anchoring
    double Fhead = 0.0;   // N, design head-side capacity
    double Fax = 0.0;     // N, design withdrawal capacity FaxPrMm x Lef
    double Fd = 0.0;      // N, design capacity min(Fhead, Fax)
};

// Resultatdata, in order. Uplift forces in N, utilisations as fractions.
struct TResultater
{
    bool NormalfagOK = false;
    bool GavlfagOK = false;
    bool GavludkragningOK = false;
    bool DirekteFastgoerelse = false;
    bool NormalspaerSoemOK = false;
    bool GavlspaerSoemOK = false;
    bool SoemtypeOK = false;
    bool NormalfagTabel2005 = false;
    bool GavlfagTabel2005 = false;
    double UdnNormalfag = 0.0;
    double UdnNormalfagPkt = 0.0;
    double UdnGavlfag = 0.0;
    double UdnGavlfagPkt = 0.0;
    double UdnGavludkragning = 0.0;
    double TraekNormalspaer = 0.0;
    double TraekGavlspaer = 0.0;
    std::int32_t SoemantalNormalspaer = 10;
    std::int32_t SoemantalGavlspaer = 10;
    std::int32_t SoemPlads = 0;
    double SoemBaereevne = 0.0;
    std::string TekstNormalfag;
    std::string TekstNormalfagPkt;
    std::string TekstGavlfag;
    std::string TekstGavlfagPkt;
    std::string TekstGavludkragning;
    std::string TekstTraekNormalspaer;
    std::string TekstTraekGavlspaer;
    std::string SoemNormalspaer;
    std::string SoemGavlspaer;
    std::string BaereevneNormalspaer;
    std::string BaereevneGavlspaer;
    std::optional<TSoemKapacitet> SoemDirekte;       // direct nailing batten to rafter
    std::optional<TSoemKapacitet> SoemAflisteSpaer;  // spacer batten to rafter (indirect)
    std::optional<TSoemKapacitet> SoemLaegteAfliste; // batten to spacer batten (indirect)
};

// NulstilResultater: flags false, values 0, both nail counts 10, texts empty, no
// capacity records.
inline void NulstilResultater(TResultater& resultater)
{
    resultater = TResultater{};
}

// Whether the chosen batten section and nail type can be used, as the report says it.
struct TAnvendelighed
{
    // "Lægtetværsnittet ... kan anvendes": the normal section, the gable section and the
    // gable overhang all carry their loads.
    bool Laegte = false;
    // "Sømtypen ... kan anvendes": the connection holds at a normal and at the anchored
    // gable rafter.
    bool Soem = false;

    [[nodiscard]] bool Begge() const { return Laegte && Soem; }
    bool operator==(const TAnvendelighed&) const = default;
};

// The verdict on the batten section and the nail type of a result record.
[[nodiscard]] inline TAnvendelighed Anvendelighed(const TResultater& r)
{
    return {r.NormalfagOK && r.GavlfagOK && r.GavludkragningOK,
            r.NormalspaerSoemOK && r.GavlspaerSoemOK};
}

} // namespace taglo
