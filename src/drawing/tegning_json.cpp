#include "drawing/tegning_json.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace taglo
{
namespace
{

nlohmann::ordered_json Tal(double v)
{
    return std::isfinite(v) ? nlohmann::ordered_json(v) : nlohmann::ordered_json(nullptr);
}

} // namespace

std::string TegningSomJson(const TTegning& tegning, int indrykning)
{
    nlohmann::ordered_json figurer = nlohmann::ordered_json::array();
    for (const TTegnFigur& f : tegning.Figurer)
    {
        nlohmann::ordered_json punkter = nlohmann::ordered_json::array();
        for (const TTegnPunkt& p : f.Punkter)
        {
            punkter.push_back(nlohmann::ordered_json::array({Tal(p.X), Tal(p.Y)}));
        }
        figurer.push_back({{"PenStil", f.PenStil},
                           {"PenBredde", f.PenBredde},
                           {"PenFarve", f.PenFarve},
                           {"FyldStil", f.FyldStil},
                           {"FyldFarve", f.FyldFarve},
                           {"Art", f.Art},
                           {"punkter", std::move(punkter)}});
    }
    nlohmann::ordered_json grupper = nlohmann::ordered_json::array();
    for (const TTekstGruppe& g : tegning.Tekster)
    {
        nlohmann::ordered_json tekster = nlohmann::ordered_json::array();
        for (const TTegnTekst& t : g.Tekster)
        {
            tekster.push_back({{"x", Tal(t.X)}, {"y", Tal(t.Y)}, {"tekst", t.Tekst}});
        }
        grupper.push_back({{"TekstFarve", g.TekstFarve},
                           {"VandretJust", g.VandretJust},
                           {"LodretJust", g.LodretJust},
                           {"tekster", std::move(tekster)}});
    }
    const nlohmann::ordered_json dokument = {{"figurer", std::move(figurer)},
                                             {"tekster", std::move(grupper)}};
    return dokument.dump(indrykning, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace taglo
