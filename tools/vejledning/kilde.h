// The user guide's Markdown source as text: splitting it into title page and body,
// the figures it refers to, the generated nail table and heading numbers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo::vejledning
{

// The source cut in two: the title page is everything before the first chapter heading
// (a line that starts with "## "), the body is that heading and everything after it.
struct DeltKilde
{
    std::string forside;
    std::string krop;
};

// Splits `markdown` at its first chapter heading. A source without one is all title page.
[[nodiscard]] DeltKilde DelKilde(std::string_view markdown);

// The file names of the figures that `markdown` shows, in order: every line that holds
// only an image, "![text](fil)", gives its "fil".
[[nodiscard]] std::vector<std::string> Figurer(std::string_view markdown);

// `markdown` without the figures for which `findes` answers false: the image line goes,
// and so does the caption line right after it (a line that starts with "*").
[[nodiscard]] std::string UdenManglendeFigurer(std::string_view markdown,
                                               const std::function<bool(std::string_view)>& findes);

// The files that `markdown` inserts ("{{indsaet fil}}") or makes a section depend on
// ("{{hvis fil}}"), in order.
[[nodiscard]] std::vector<std::string> IndsatteFiler(std::string_view markdown);

// `markdown` with its conditional sections settled: the lines between "{{hvis fil}}" and
// "{{slut}}" stay when `findes` answers true for the file and go otherwise; the two marker
// lines always go. Sections do not nest.
[[nodiscard]] std::string MedBetingelser(std::string_view markdown,
                                         const std::function<bool(std::string_view)>& findes);

// `markdown` with every line "{{indsaet fil}}" replaced by the text that `laes` gives for the
// file: a Markdown file (".md") as it is, any other as a fenced block in the report's
// fixed-pitch font; a file that `laes` cannot give leaves nothing.
[[nodiscard]] std::string
MedIndsatteFiler(std::string_view markdown,
                 const std::function<std::optional<std::string>(std::string_view)>& laes);

// The nail catalogue as a Markdown table, one row per nail in list order, with the
// numbers written with a decimal comma.
[[nodiscard]] std::string SoemkatalogTabel();

// The batten sections the design suggestion tries, as one line of the guide: "De tværsnit,
// der afprøves (højde x bredde): 25 x 50, ... og 45 x 95 mm.", in the list's order.
[[nodiscard]] std::string LaegtetvaersnitLinje();

// The 24 wind cases as a Markdown table: letter, wind direction (V, N, Ø, S) and the
// case's text in the report, in the order 'a' to 'x'.
[[nodiscard]] std::string VindtilfaeldeTabel();

// The load combinations 1 to 10 as a Markdown table: the text in the report, the partial
// factors of g, s, w and Q before K_FI ("-" where the load is absent), the load-duration
// class and k_mod in service class 2.
[[nodiscard]] std::string LastkombinationTabel();

// `markdown` with every line that is exactly `pladsholder` replaced by `indhold`.
[[nodiscard]] std::string IndsaetVed(std::string_view markdown, std::string_view pladsholder,
                                     std::string_view indhold);

// Numbers the headings of the body as they come: chapters (level 2) 1, 2, 3 ...,
// sections (level 3) 1.1, 1.2 ... within their chapter. A chapter whose title begins
// with "Bilag" is an appendix: it and its sections get no number. Other levels get none.
class Overskriftstaeller
{
  public:
    // The number of the next heading of level `niveau` with the title `titel`; empty
    // when the heading is not numbered.
    [[nodiscard]] std::string Naeste(int niveau, std::string_view titel);

  private:
    int kapitel_ = 0;
    int afsnit_ = 0;
    bool bilag_ = false;
};

} // namespace taglo::vejledning
