// The printout of the report: the page layout of the printer's text channel, and the
// channel itself behind an interface so that the layout is tested without a printer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// The font the report is printed in.
inline constexpr std::string_view kUdskriftSkrift = "Courier New";
inline constexpr int kUdskriftPunkter = 10;

// Measures of a printed page with the report's fixed-pitch font, in device pixels.
struct TSidemaal
{
    int sidehoejde = 0;  // height of the printable area
    int bredde = 0;      // width of the printable area
    int tegnbredde = 1;  // average character width; every character of the font has it
    int teksthoejde = 1; // height of the font; a line of text takes this plus 2, an empty line this
};

// One line drawn on a page: its top, measured from the top of the printable area, and
// its text, which starts at the left edge of the printable area and holds no tab.
struct TSkriftlinje
{
    int y = 0;
    std::string tekst;
    bool operator==(const TSkriftlinje&) const = default;
};

struct TUdskriftside
{
    std::vector<TSkriftlinje> linjer;
    bool operator==(const TUdskriftside&) const = default;
};

// The pages on which the report lines are printed. The printout starts with two empty
// lines; each report line is written after ten blanks. A report line that starts with a
// form feed starts a new page, which begins with two empty lines; the form feed itself
// is not printed. The channel draws the lines downwards from the top of the page; a line
// wider than the page continues on the next line; a tab moves to the next multiple of
// eight characters; when the next line would begin lower than the page height less two
// line heights, a new page starts. No page is left empty, and there is no header,
// footer or page number.
[[nodiscard]] std::vector<TUdskriftside> OpdelISider(const std::vector<std::string>& rapport,
                                                     const TSidemaal& maal);

// The printer: its dialog and its text channel. Implemented by the window.
struct Udskrivning
{
    // Shows the print dialog. The measures of the chosen printer's pages with the font
    // "Courier New" at 10 points, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<TSidemaal> VisPrintdialog() = 0;
    // Prints the pages as one print job. The printer's own failure message, or nothing
    // when the job was sent.
    [[nodiscard]] virtual std::optional<std::string>
    Udskriv(const std::vector<TUdskriftside>& sider) = 0;

    Udskrivning() = default;
    Udskrivning(const Udskrivning&) = default;
    Udskrivning(Udskrivning&&) = default;
    Udskrivning& operator=(const Udskrivning&) = default;
    Udskrivning& operator=(Udskrivning&&) = default;
    virtual ~Udskrivning() = default;
};

} // namespace taglo
