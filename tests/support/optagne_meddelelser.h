// A message recorder for tests: keeps every message with its kind, in order.
#pragma once

#include "core/meddelelser.h"

#include <ostream>
#include <string>
#include <vector>

namespace taglo::test
{

struct OptagetMeddelelse
{
    std::string art; // "fejl", "advarsel", "besked" or "fejldialog"
    std::string tekst;
    bool operator==(const OptagetMeddelelse&) const = default;
};

class OptagneMeddelelser final : public Meddelelser
{
  public:
    void fejl(std::string_view tekst) override { Noter("fejl", tekst); }
    void advarsel(std::string_view tekst) override { Noter("advarsel", tekst); }
    void besked(std::string_view tekst) override { Noter("besked", tekst); }
    void fejldialog(std::string_view tekst) override { Noter("fejldialog", tekst); }

    std::vector<OptagetMeddelelse> liste;

  private:
    void Noter(const char* art, std::string_view tekst)
    {
        liste.push_back({art, std::string(tekst)});
    }
};

// Lets GoogleTest print a recorded message readably.
inline void PrintTo(const OptagetMeddelelse& m, std::ostream* os)
{
    *os << m.art << ": \"" << m.tekst << "\"";
}

} // namespace taglo::test
