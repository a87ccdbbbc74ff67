// The calculation document's content, without a toolkit: the report lines, the figures
// each under its caption, and the texts of every page's header and footer.
#pragma once

#include "drawing/tegning.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// The captions of the three figures, as the window heads their tabs.
inline constexpr std::string_view kSoemforbindelseOverskrift = "Sømforbindelse";
inline constexpr std::string_view kTvaersnitOverskrift =
    "Visuel kontrol af bygningens og lægternes tværsnitsmål";
inline constexpr std::string_view kLaengdesnitOverskrift = "Visuel kontrol af spærplaceringer";

// A figure on a page of its own, under its caption.
struct TDokumentfigur
{
    std::string Overskrift; // UTF-8
    TTegning Tegning;
};

// Everything the document of one calculation shows. Texts are UTF-8.
struct TDokument
{
    std::string Titel; // the document's title property
    // The header of every page.
    std::string Firma;
    std::string Projekt;
    std::string Bygningsdel;
    // The footer of every page: the moment of the calculation as the report shows it, and
    // the employee.
    std::string Beregnet;
    std::string Medarbejder;
    // The document's creation date: the moment of the calculation, in seconds since
    // 1970-01-01 00:00 UTC.
    std::int64_t Oprettet = 0;
    // The report lines as "Gem Resultat" saves them; a form feed at the start of a line
    // starts a new page.
    std::vector<std::string> Rapport;
    // After the report, in order.
    std::vector<TDokumentfigur> Figurer;
};

} // namespace taglo
