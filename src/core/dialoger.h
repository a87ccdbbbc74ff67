// The interface through which code below the window asks the user for file names, a
// line of text and a yes-no-cancel answer.
#pragma once

#include <optional>
#include <string>

namespace taglo
{

// What a file dialog shows: its title, its filter in the form "Beskrivelse (*.x)|*.x",
// and the extension added to a name typed without one ("tgl", "txt", "log").
struct FilDialog
{
    std::string titel;
    std::string filter;
    std::string standardEndelse;
};

// A dialog asking for one line of text: its title, the label over the field and the
// text the field starts with.
struct Tekstdialog
{
    std::string titel;
    std::string ledetekst;
    std::string tekst;
};

// The answer to a question with the buttons "Ja", "Nej" and "Annuller".
enum class TSvar
{
    Ja,
    Nej,
    Annuller, // also the window's close box or Escape
};

// The dialogs of the program. The file dialogs return the chosen path (UTF-8), or nothing
// when the user cancels; neither asks before an existing file is replaced.
struct Dialoger
{
    [[nodiscard]] virtual std::optional<std::string> aabnFil(const FilDialog& dialog) = 0;
    [[nodiscard]] virtual std::optional<std::string> gemFil(const FilDialog& dialog) = 0;
    // The typed text, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<std::string> indtast(const Tekstdialog& dialog) = 0;
    // A question in a box captioned "Taglo" with the buttons "Ja", "Nej" and "Annuller".
    [[nodiscard]] virtual TSvar spoerg(const std::string& spoergsmaal) = 0;

    Dialoger() = default;
    Dialoger(const Dialoger&) = default;
    Dialoger(Dialoger&&) = default;
    Dialoger& operator=(const Dialoger&) = default;
    Dialoger& operator=(Dialoger&&) = default;
    virtual ~Dialoger() = default;
};

} // namespace taglo
