// Messages raised while the window paints. No message box may open during a paint, so
// they wait until it is over; a repaint of the same inputs does not show them again.
#pragma once

#include "core/meddelelser.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taglo
{

// Forwards messages to `ud`, holding those raised between begyndMaling and slutMaling.
class MaleMeddelelser final : public Meddelelser
{
  public:
    explicit MaleMeddelelser(Meddelelser& ud) : ud_(ud) {}

    void fejl(std::string_view tekst) override { send(Art::Fejl, tekst); }
    void advarsel(std::string_view tekst) override { send(Art::Advarsel, tekst); }
    void besked(std::string_view tekst) override { send(Art::Besked, tekst); }
    void fejldialog(std::string_view tekst) override { send(Art::Fejldialog, tekst); }

    // Between these two calls messages wait.
    void begyndMaling() { maler_ = true; }
    void slutMaling() { maler_ = false; }
    // Shows the messages that waited, unless they are those shown after the last paint.
    void visVentende();
    // The inputs have changed: messages of the next paint are new.
    void glemVist() { vist_.clear(); }

  private:
    enum class Art
    {
        Fejl,
        Advarsel,
        Besked,
        Fejldialog
    };
    void send(Art art, std::string_view tekst);
    void vis(Art art, std::string_view tekst);

    Meddelelser& ud_;
    bool maler_ = false;
    std::vector<std::pair<Art, std::string>> venter_;
    std::vector<std::pair<Art, std::string>> vist_;
};

} // namespace taglo
