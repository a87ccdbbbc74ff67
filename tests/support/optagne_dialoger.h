// File dialogs that record each dialog by its title and answer with the next prepared
// path; with no answer left the dialog is cancelled.
#pragma once

#include "core/dialoger.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{

struct OptagneDialoger final : Dialoger
{
    std::optional<std::string> aabnFil(const FilDialog& d) override { return Besvar(d); }
    std::optional<std::string> gemFil(const FilDialog& d) override { return Besvar(d); }
    std::optional<std::string> Besvar(const FilDialog& dialog)
    {
        titler.push_back(dialog.titel);
        if (mensVist)
        {
            mensVist();
        }
        if (svarene.empty())
        {
            return std::nullopt;
        }
        auto svar = svarene.front();
        svarene.pop_front();
        return svar;
    }
    std::deque<std::string> svarene; // the paths the next dialogs answer with
    std::vector<std::string> titler; // of every dialog shown
    std::function<void()> mensVist;  // what happens while one is open
};

} // namespace taglo::test
