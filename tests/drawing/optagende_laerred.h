// A canvas for tests: records every call in order, and the strokes, polygons and texts
// painted, in pixels.
#pragma once

#include "drawing/laerred.h"

#include <string>
#include <vector>

namespace taglo::test
{

// One painted line, from the pen position to the end point.
struct OptagetStreg
{
    TPixel fra;
    TPixel til;
    bool operator==(const OptagetStreg&) const = default;
};

struct OptagetTekst
{
    TPixel anker;
    std::string tekst;
    TVandretJustering vandret = TVandretJustering::Venstre;
    TLodretJustering lodret = TLodretJustering::Top;
    TFarve farve;
};

class OptagendeLaerred final : public Laerred
{
public:
    // The full line height that TekstHoejde answers, in pixels.
    int linjehoejde = 13;

    // Every call by its kind, in order: "PenStil", "PenBredde", "PenFarve", "FyldStil",
    // "FyldFarve", "FlytTil", "LinjeTil", "Polygon", "Pixel", "TekstHoejde",
    // "TekstJustering", "TekstFarve", "Tekst".
    std::vector<std::string> kald;
    std::vector<OptagetStreg> streger;
    std::vector<std::vector<TPixel>> polygoner;
    std::vector<TPixel> pixels;
    std::vector<OptagetTekst> tekster;

    TPenStil penStil = TPenStil::Fuld;
    int penBredde = 1;
    TFarve penFarve;
    TFyldStil fyldStil = TFyldStil::Klar;
    TFarve fyldFarve;
    TPixel position;

    void SaetPenStil(TPenStil stil) override
    {
        kald.emplace_back("PenStil");
        penStil = stil;
    }
    void SaetPenBredde(int pixels) override
    {
        kald.emplace_back("PenBredde");
        penBredde = pixels;
    }
    void SaetPenFarve(TFarve farve) override
    {
        kald.emplace_back("PenFarve");
        penFarve = farve;
    }
    void SaetFyldStil(TFyldStil stil) override
    {
        kald.emplace_back("FyldStil");
        fyldStil = stil;
    }
    void SaetFyldFarve(TFarve farve) override
    {
        kald.emplace_back("FyldFarve");
        fyldFarve = farve;
    }
    void FlytTil(TPixel p) override
    {
        kald.emplace_back("FlytTil");
        position = p;
    }
    void LinjeTil(TPixel p) override
    {
        kald.emplace_back("LinjeTil");
        streger.push_back({position, p});
        position = p;
    }
    void Polygon(std::span<const TPixel> punkter) override
    {
        kald.emplace_back("Polygon");
        polygoner.emplace_back(punkter.begin(), punkter.end());
    }
    void SaetPixel(TPixel p, TFarve /*farve*/) override
    {
        kald.emplace_back("Pixel");
        pixels.push_back(p);
    }
    int TekstHoejde(std::string_view /*tekst*/) override
    {
        kald.emplace_back("TekstHoejde");
        return linjehoejde;
    }
    void SaetTekstJustering(TVandretJustering vandret, TLodretJustering lodret) override
    {
        kald.emplace_back("TekstJustering");
        vandret_ = vandret;
        lodret_ = lodret;
    }
    void SaetTekstFarve(TFarve farve) override
    {
        kald.emplace_back("TekstFarve");
        tekstFarve_ = farve;
    }
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        kald.emplace_back("Tekst");
        tekster.push_back({p, std::string(tekst), vandret_, lodret_, tekstFarve_});
    }

    // The recorded kinds of call without the set-up query of the text height.
    [[nodiscard]] std::vector<std::string> Tegnekald() const
    {
        std::vector<std::string> resultat;
        for (const std::string& k : kald)
        {
            if (k != "TekstHoejde")
            {
                resultat.push_back(k);
            }
        }
        return resultat;
    }

private:
    TVandretJustering vandret_ = TVandretJustering::Venstre;
    TLodretJustering lodret_ = TLodretJustering::Top;
    TFarve tekstFarve_;
};

} // namespace taglo::test
