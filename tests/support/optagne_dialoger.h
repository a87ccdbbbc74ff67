// Dialogs that record each dialog by its title (and each question by its text) and answer
// with the next prepared path, text or answer; with none left a dialog is cancelled and a
// question answered "Nej".
#pragma once

#include "core/dialoger.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace taglo::test
{

struct OptagneDialoger final : Dialoger
{
    std::optional<std::string> aabnFil(const FilDialog& d) override { return Besvar(d); }
    std::optional<std::string> gemFil(const FilDialog& d) override { return Besvar(d); }
    std::optional<std::string> indtast(const Tekstdialog& d) override
    {
        titler.push_back(d.titel);
        return Naeste(tekster);
    }
    TSvar spoerg(const std::string& spoergsmaal) override
    {
        spoergsmaal_.push_back(spoergsmaal);
        return Naeste(svarPaaSpoergsmaal).value_or(TSvar::Nej);
    }
    std::optional<std::string> Besvar(const FilDialog& dialog)
    {
        titler.push_back(dialog.titel);
        if (mensVist)
        {
            mensVist();
        }
        return Naeste(svarene);
    }
    // The first of the prepared answers, taken; nothing when none is left.
    template <class T> static std::optional<T> Naeste(std::deque<T>& svar)
    {
        if (svar.empty())
        {
            return std::nullopt;
        }
        T foerste = std::move(svar.front());
        svar.pop_front();
        return foerste;
    }

    std::deque<std::string> svarene; // the paths the next file dialogs answer with
    std::deque<std::string> tekster; // the texts the next text dialogs answer with
    // The answers to the next questions; with none left the answer is "Nej".
    std::deque<TSvar> svarPaaSpoergsmaal;
    std::vector<std::string> spoergsmaal_; // every question asked
    std::vector<std::string> titler;       // of every dialog shown
    std::function<void()> mensVist;        // what happens while one is open
};

} // namespace taglo::test
