// A file dialog stand-in for tests: answers with the names it was given, in order (nothing:
// the user cancels; when the answers run out, every further dialog is cancelled), and keeps
// every dialog it was asked to show.
#pragma once

#include "core/dialoger.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{

class OptagneDialoger final : public Dialoger
{
  public:
    explicit OptagneDialoger(std::deque<std::optional<std::string>> svar = {})
        : svar_(std::move(svar))
    {}

    std::optional<std::string> aabnFil(const FilDialog& dialog) override
    {
        return svar("aabn", dialog);
    }
    std::optional<std::string> gemFil(const FilDialog& dialog) override
    {
        return svar("gem", dialog);
    }

    struct Vist
    {
        std::string art; // "aabn" or "gem"
        FilDialog dialog;
    };
    [[nodiscard]] const std::vector<Vist>& viste() const { return viste_; }

  private:
    std::optional<std::string> svar(const char* art, const FilDialog& dialog)
    {
        viste_.push_back({art, dialog});
        std::optional<std::string> naeste;
        if (!svar_.empty())
        {
            naeste = std::move(svar_.front());
            svar_.pop_front();
        }
        return naeste;
    }

    std::deque<std::optional<std::string>> svar_;
    std::vector<Vist> viste_;
};

} // namespace taglo::test
