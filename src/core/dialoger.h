// The interface through which code below the window asks the user for file names.
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

// File dialogs of the program. Each returns the chosen path (UTF-8), or nothing when
// the user cancels. Neither dialog asks before an existing file is replaced.
struct Dialoger
{
    [[nodiscard]] virtual std::optional<std::string> aabnFil(const FilDialog& dialog) = 0;
    [[nodiscard]] virtual std::optional<std::string> gemFil(const FilDialog& dialog) = 0;

    Dialoger() = default;
    Dialoger(const Dialoger&) = default;
    Dialoger(Dialoger&&) = default;
    Dialoger& operator=(const Dialoger&) = default;
    Dialoger& operator=(Dialoger&&) = default;
    virtual ~Dialoger() = default;
};

} // namespace taglo
