// Stand-ins for the window's dialogs and printer in the window tests.
#pragma once

#include "app/udskrift.h"
#include "optagne_dialoger.h"
#include "ui/qtdialoger.h"

#include <QPrinter>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace taglo::test
{

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
