// File dialogs for tests: answer with prepared file names and remember what they showed.
#pragma once

#include "core/dialoger.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{

class SvarendeDialoger final : public Dialoger
{
  public:
    // The next dialog is answered with `sti`; nothing answers as a cancel.
    void Svar(std::optional<std::string> sti) { svar_.push_back(std::move(sti)); }

    std::optional<std::string> aabnFil(const FilDialog& dialog) override
    {
        return Besvar("aabn", dialog);
    }
    std::optional<std::string> gemFil(const FilDialog& dialog) override
    {
        return Besvar("gem", dialog);
    }

    struct Vist
    {
        std::string art; // "aabn" or "gem"
        FilDialog dialog;
    };
    std::vector<Vist> viste;

  private:
    std::optional<std::string> Besvar(const std::string& art, const FilDialog& dialog)
    {
        viste.push_back({art, dialog});
        if (svar_.empty())
        {
            return std::nullopt;
        }
        auto svar = std::move(svar_.front());
        svar_.pop_front();
        return svar;
    }

    std::deque<std::optional<std::string>> svar_;
};

} // namespace taglo::test
