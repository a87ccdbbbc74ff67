// The calculation document as a PDF file: the report and the figures of one calculation on
// A4 pages with a header and a footer, ready to be filed or sent.
#pragma once

#include "drawing/dokument.h"

#include <cstdint>
#include <string>

namespace taglo
{

// The longest line a report can have: a caption of 19 characters and a project name of 70.
inline constexpr int kRapportTegnPrLinje = 89;

// PdfDokument: the bytes of a PDF file of the document, A4 portrait, all in vector form:
// texts stay text, and the figures are painted through the canvas the window paints with.
// - First the report lines, in a fixed-pitch font sized so that kRapportTegnPrLinje
//   characters fill the width between the margins; a longer line continues on the next
//   line, and a line that starts with a form feed starts a new page (the form feed is not
//   shown).
// - Then each figure on a page of its own under its caption, fitted into the page with the
//   proportions of the window's paint boxes.
// - Every page has a header (the project name; the company and the part of the building,
//   each shortened with "…" where it does not fit) and a footer ("Beregnet <moment> af
//   <employee>" and "Side n af m").
// - The document's title is `Titel`, its creator "Taglo" and the version, its creation date
//   `Oprettet` (not the clock's), so the same document always gives the same bytes.
// Needs a QGuiApplication (with QT_QPA_PLATFORM=offscreen where there is no display).
[[nodiscard]] std::string PdfDokument(const TDokument& dokument);

// FastsaetOprettelsesdato: puts the moment `sekunder` (since 1970, UTC) in place of the
// creation date Qt's PDF writer took from the clock, "/CreationDate (D:...)", in the same
// form (UTC or local time with its offset) and so without changing the length of the file:
// the cross-reference offsets stay valid. Returns false, and leaves `pdf` as it was, when it
// has no such date.
bool FastsaetOprettelsesdato(std::string& pdf, std::int64_t sekunder);

} // namespace taglo
