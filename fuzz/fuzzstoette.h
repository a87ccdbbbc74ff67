// What the fuzz targets share: a stop on a finding, a message recorder, dialogs that are
// always cancelled, the project file held in memory, and a canvas that checks every call.
#pragma once

#include "core/dialoger.h"
#include "core/meddelelser.h"
#include "drawing/laerred.h"
#include "drawing/optegning.h"
#include "report/tidspunkt.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taglo::fuzz
{

// A finding: says what broke and stops, so that libFuzzer keeps the input.
[[noreturn]] inline void Fund(std::string_view hvad, std::string_view detalje = {})
{
    std::fprintf(stderr, "FUND: %.*s\n", static_cast<int>(hvad.size()), hvad.data());
    if (!detalje.empty())
    {
        std::fprintf(stderr, "      %.*s\n", static_cast<int>(detalje.size()), detalje.data());
    }
    std::abort();
}

inline void Kraev(bool betingelse, std::string_view hvad, std::string_view detalje = {})
{
    if (!betingelse)
    {
        Fund(hvad, detalje);
    }
}

// Whether the text holds a number the formatter could only write for a value that is not
// finite ("NAN", "INF", "-INF").
[[nodiscard]] inline bool HarIkkeEndeligtTal(std::string_view tekst)
{
    return tekst.find("NAN") != std::string_view::npos ||
           tekst.find("INF") != std::string_view::npos;
}

// The most messages one input may give; more means a message loop.
inline constexpr std::size_t kFlestMeddelelser = 200;

// Keeps every message with its kind ("fejl", "advarsel", "besked", "fejldialog").
class OptagneMeddelelser final : public Meddelelser
{
  public:
    struct Meddelelse
    {
        std::string art;
        std::string tekst;
    };

    void fejl(std::string_view tekst) override { Tilfoej("fejl", tekst); }
    void advarsel(std::string_view tekst) override { Tilfoej("advarsel", tekst); }
    void besked(std::string_view tekst) override { Tilfoej("besked", tekst); }
    void fejldialog(std::string_view tekst) override { Tilfoej("fejldialog", tekst); }

    std::vector<Meddelelse> liste;

  private:
    void Tilfoej(std::string_view art, std::string_view tekst)
    {
        liste.push_back({std::string(art), std::string(tekst)});
        Kraev(liste.size() <= kFlestMeddelelser, "more messages than one input can give");
    }
};

// The moment every report of a fuzz run is stamped with.
[[nodiscard]] inline Tidspunkt FastTidspunkt()
{
    return {2014, 5, 1, 13, 5, 9};
}

// A project file that lives in memory only: a memory file reached through its path in
// /proc, so that the application reads it with its own load command.
class Hukommelsesfil
{
  public:
    Hukommelsesfil() : fd_(::memfd_create("projekt.tgl", MFD_CLOEXEC))
    {
        Kraev(fd_ >= 0, "cannot create the memory file");
        sti_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    Hukommelsesfil(const Hukommelsesfil&) = delete;
    Hukommelsesfil& operator=(const Hukommelsesfil&) = delete;
    Hukommelsesfil(Hukommelsesfil&&) = delete;
    Hukommelsesfil& operator=(Hukommelsesfil&&) = delete;
    ~Hukommelsesfil() { ::close(fd_); }

    // Makes the bytes the whole content of the file; returns its path.
    const std::string& Skriv(std::span<const std::uint8_t> bytes)
    {
        Kraev(::ftruncate(fd_, 0) == 0, "cannot empty the memory file");
        std::size_t skrevet = 0;
        while (skrevet < bytes.size())
        {
            const auto n = ::pwrite(fd_, bytes.subspan(skrevet).data(), bytes.size() - skrevet,
                                    static_cast<off_t>(skrevet));
            Kraev(n > 0, "cannot write the memory file");
            skrevet += static_cast<std::size_t>(n);
        }
        return sti_;
    }

  private:
    int fd_;
    std::string sti_;
};

// The most drawing calls one paint may make; more means the figure grew without bound.
inline constexpr std::size_t kFlestTegnekald = 200'000;
// No pixel the renderer hands on may lie further out than this: positions are held at
// kSkaermGraense, and a marker or a text reaches a few pixels beyond its point.
inline constexpr int kPixelgraense = 2 * kSkaermGraense;

// A canvas that records how often it was painted on and checks every call: pixels within
// the bounds, pen widths of a real pen, texts without a number that is not finite,
// polygons with corners, and no painting at all on a paint box without area.
class KontrollerendeLaerred final : public Laerred
{
  public:
    KontrollerendeLaerred(int W, int H) : tomFlade_(W <= 0 || H <= 0) {}

    std::size_t tegnekald = 0;
    std::size_t tekster = 0;

    void SaetPenStil(TPenStil /*stil*/) override {}
    void SaetPenBredde(int pixels) override
    {
        Kraev(pixels >= 0 && pixels <= 100, "pen width out of range");
    }
    void SaetPenFarve(TFarve /*farve*/) override {}
    void SaetFyldStil(TFyldStil /*stil*/) override {}
    void SaetFyldFarve(TFarve /*farve*/) override {}
    void FlytTil(TPixel p) override { Tegn(p); }
    void LinjeTil(TPixel p) override { Tegn(p); }
    void Polygon(std::span<const TPixel> punkter) override
    {
        Kraev(!punkter.empty(), "polygon without corners");
        for (const TPixel& p : punkter)
        {
            Tegn(p);
        }
    }
    void SaetPixel(TPixel p, TFarve /*farve*/) override { Tegn(p); }
    int TekstHoejde(std::string_view /*tekst*/) override { return 13; }
    int TekstBredde(std::string_view tekst) override { return 7 * static_cast<int>(tekst.size()); }
    void SletRektangel(TPixel fra, TPixel til) override
    {
        Tegn(fra);
        Tegn(til);
    }
    void SaetTekstJustering(TVandretJustering /*vandret*/, TLodretJustering /*lodret*/) override {}
    void SaetTekstFarve(TFarve /*farve*/) override {}
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        Tegn(p);
        ++tekster;
        Kraev(!HarIkkeEndeligtTal(tekst), "a drawing text shows a value that is not finite", tekst);
    }

  private:
    void Tegn(TPixel p)
    {
        Kraev(!tomFlade_, "painted on a paint box without area");
        Kraev(std::llabs(p.X) <= kPixelgraense && std::llabs(p.Y) <= kPixelgraense,
              "pixel far outside the paint box");
        ++tegnekald;
        Kraev(tegnekald <= kFlestTegnekald, "too many drawing calls for one figure");
    }

    bool tomFlade_;
};

// The paint boxes every figure is painted on: without area, a single pixel, a screen tab,
// a large picture export and a long thin strip.
struct Malerflade
{
    int W;
    int H;
    bool SammeSkala;
};
inline constexpr std::array<Malerflade, 8> kMalerflader{{
    {0, 0, true},
    {0, 700, false},
    {1000, 0, true},
    {-5, 40, false},
    {1, 1, true},
    {1000, 700, true},
    {1000, 700, false},
    {20000, 3, true},
}};

// Paints the drawing on every paint box with a checking canvas.
inline void MalPaaAlleFlader(const TTegning& tegning)
{
    for (const Malerflade& flade : kMalerflader)
    {
        KontrollerendeLaerred laerred(flade.W, flade.H);
        TegnTegning(laerred, flade.W, flade.H, tegning, flade.SammeSkala);
    }
}

} // namespace taglo::fuzz
