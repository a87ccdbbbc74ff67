// Stand-ins for the window's dialogs and printer in the window tests.
#pragma once

#include "app/udskrift.h"
#include "core/dialoger.h"
#include "ui/qtdialoger.h"

#include <QPrinter>
#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{

// Records every file dialog by its title and answers with the next prepared answer;
// with no answer left the dialog is cancelled.
class OptagneDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& dialog) override { return svar(dialog); }
    std::optional<std::string> gemFil(const FilDialog& dialog) override { return svar(dialog); }

    std::vector<std::string> titler;
    std::deque<std::optional<std::string>> svarene;

  private:
    std::optional<std::string> svar(const FilDialog& dialog)
    {
        titler.push_back(dialog.titel);
        if (svarene.empty())
        {
            return std::nullopt;
        }
        auto naeste = svarene.front();
        svarene.pop_front();
        return naeste;
    }
};

// A printer that prints to a PDF file through the window's own text channel; its print
// dialog is always confirmed.
class PdfUdskrivning final : public Udskrivning
{
  public:
    explicit PdfUdskrivning(QString fil) : fil_(std::move(fil)) {}

    std::optional<TSidemaal> VisPrintdialog() override
    {
        ++dialoger;
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(fil_);
        maal = Sidemaal(*printer_);
        return maal;
    }
    std::optional<std::string> Udskriv(const std::vector<TUdskriftside>& sider) override
    {
        sidetal = static_cast<int>(sider.size());
        return UdskrivSider(*printer_, sider);
    }

    int dialoger = 0;
    int sidetal = 0;
    TSidemaal maal;

  private:
    QString fil_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace taglo::test
