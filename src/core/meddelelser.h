// The interface through which code below the window reports to the user.
#pragma once

#include <string_view>

namespace taglo
{

// Message boxes of the program. Each call shows one modal box and returns when the
// user closes it; the caller then goes on. Texts are UTF-8 and may hold "\r\n".
struct Meddelelser
{
    // Error box: caption "Fejl", stop icon, one OK button.
    virtual void fejl(std::string_view tekst) = 0;
    // Warning box: caption "Advarsel", exclamation icon, one OK button.
    virtual void advarsel(std::string_view tekst) = 0;
    // Plain message box: caption "Taglo", one OK button.
    virtual void besked(std::string_view tekst) = 0;
    // Error dialog: caption "Error", error icon, one OK button.
    virtual void fejldialog(std::string_view tekst) = 0;

    Meddelelser() = default;
    Meddelelser(const Meddelelser&) = default;
    Meddelelser(Meddelelser&&) = default;
    Meddelelser& operator=(const Meddelelser&) = default;
    Meddelelser& operator=(Meddelelser&&) = default;
    virtual ~Meddelelser() = default;
};

// Swallows every message; for callers that have already checked their inputs and
// for benchmarks.
struct TavseMeddelelser final : Meddelelser
{
    void fejl(std::string_view /*tekst*/) override {}
    void advarsel(std::string_view /*tekst*/) override {}
    void besked(std::string_view /*tekst*/) override {}
    void fejldialog(std::string_view /*tekst*/) override {}
};

} // namespace taglo
