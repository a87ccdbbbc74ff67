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
    OptagetTekst tekststil; // the alignment and colour the next text gets

    void SaetPenStil(TPenStil s) override { Saet("PenStil", penStil, s); }
    void SaetPenBredde(int b) override { Saet("PenBredde", penBredde, b); }
    void SaetPenFarve(TFarve f) override { Saet("PenFarve", penFarve, f); }
    void SaetFyldStil(TFyldStil s) override { Saet("FyldStil", fyldStil, s); }
    void SaetFyldFarve(TFarve f) override { Saet("FyldFarve", fyldFarve, f); }
    void FlytTil(TPixel p) override { Saet("FlytTil", position, p); }
    void LinjeTil(TPixel p) override
    {
        streger.push_back({position, p});
        Saet("LinjeTil", position, p);
    }
    void Polygon(std::span<const TPixel> p) override
    {
        Saet("Polygon", polygoner.emplace_back(), {p.begin(), p.end()});
    }
    void SaetPixel(TPixel p, TFarve /*farve*/) override { Saet("Pixel", pixels.emplace_back(), p); }
    int TekstHoejde(std::string_view /*tekst*/) override
    {
        kald.emplace_back("TekstHoejde");
        return linjehoejde;
    }
    void SaetTekstJustering(TVandretJustering v, TLodretJustering l) override
    {
        tekststil.vandret = v;
        Saet("TekstJustering", tekststil.lodret, l);
    }
    void SaetTekstFarve(TFarve f) override { Saet("TekstFarve", tekststil.farve, f); }
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        tekststil.anker = p;
        tekststil.tekst = tekst;
        Saet("Tekst", tekster.emplace_back(), tekststil);
    }

    // The recorded kinds of call without the set-up query of the text height.
    [[nodiscard]] std::vector<std::string> Tegnekald() const
    {
        std::vector<std::string> r;
        for (const std::string& k : kald)
        {
            if (k != "TekstHoejde")
            {
                r.push_back(k);
            }
        }
        return r;
    }

  private:
    template <class T> void Saet(const char* art, T& felt, const T& vaerdi)
    {
        kald.emplace_back(art);
        felt = vaerdi;
    }
};

} // namespace taglo::test
