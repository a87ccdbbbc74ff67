// The message boxes, file dialogs and printer of the program, on Qt.
#pragma once

#include "app/udskrift.h"
#include "core/dialoger.h"
#include "core/meddelelser.h"

#include <QPrinter>
#include <QString>

#include <memory>

namespace taglo
{

// A message text for display: the line breaks "\r\n", "\n\r" and "\r" become "\n".
[[nodiscard]] QString Beskedtekst(std::string_view tekst);

// Modal message boxes over the active window, each with one OK button.
class QtMeddelelser final : public Meddelelser
{
  public:
    void fejl(std::string_view tekst) override;
    void advarsel(std::string_view tekst) override;
    void besked(std::string_view tekst) override;
    void fejldialog(std::string_view tekst) override;
};

// The Qt dialogs. A file dialog opens in the folder the previous one was left in.
class QtDialoger final : public Dialoger
{
  public:
    [[nodiscard]] std::optional<std::string> aabnFil(const FilDialog& dialog) override;
    [[nodiscard]] std::optional<std::string> gemFil(const FilDialog& dialog) override;
    [[nodiscard]] std::optional<std::string> indtast(const Tekstdialog& dialog) override;
    [[nodiscard]] TSvar spoerg(const std::string& spoergsmaal) override;

  private:
    QString mappe_;
};

// The measures of the printer's pages with the report's font, in device pixels.
[[nodiscard]] TSidemaal Sidemaal(QPrinter& printer);
// Prints the pages on `printer` as one job, each line at its top from the top left of
// the printable area, in the report's font. The failure's message, or nothing.
[[nodiscard]] std::optional<std::string> UdskrivSider(QPrinter& printer,
                                                      const std::vector<TUdskriftside>& sider);

// The system's print dialog, offering printing to a file, and the chosen printer.
class QtUdskrivning final : public Udskrivning
{
  public:
    QtUdskrivning();
    [[nodiscard]] std::optional<TSidemaal> VisPrintdialog() override;
    [[nodiscard]] std::optional<std::string>
    Udskriv(const std::vector<TUdskriftside>& sider) override;

  private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace taglo
