#include "app/udskrift.h"

#include <algorithm>
#include <utility>

namespace taglo
{
namespace
{

constexpr std::string_view kVenstremargen = "          ";
constexpr int kTabulator = 8;
constexpr char kSideskift = '\f';

// Number of bytes of the UTF-8 character that starts with `c`; a stray byte counts alone.
std::size_t Tegnlaengde(unsigned char c)
{
    if (c >= 0xF0 && c < 0xF8)
    {
        return 4;
    }
    if (c >= 0xE0)
    {
        return c < 0xF0 ? 3 : 1;
    }
    if (c >= 0xC0)
    {
        return 2;
    }
    return 1;
}

// The printer's text channel: lines drawn downwards, wrapped at the page width.
class Tekstkanal
{
  public:
    explicit Tekstkanal(const TSidemaal& maal)
        : sidehoejde_(maal.sidehoejde), teksthoejde_(std::max(maal.teksthoejde, 1)),
          kolonner_(std::max(maal.bredde / std::max(maal.tegnbredde, 1), 1))
    {
        sider_.emplace_back();
    }

    // Writes the text and ends the line.
    void SkrivLinje(std::string_view tekst)
    {
        std::string raekke;
        int kolonne = 0;
        std::size_t pos = 0;
        while (pos < tekst.size())
        {
            const std::size_t laengde =
                std::min(Tegnlaengde(static_cast<unsigned char>(tekst[pos])), tekst.size() - pos);
            const std::string_view tegn = tekst.substr(pos, laengde);
            pos += laengde;
            if (tegn.front() == kSideskift)
            {
                if (!raekke.empty())
                {
                    AfslutRaekke(std::exchange(raekke, {}));
                }
                kolonne = 0;
                NySide();
                continue;
            }
            if (kolonne == kolonner_)
            {
                AfslutRaekke(std::exchange(raekke, {}));
                kolonne = 0;
            }
            if (tegn.front() == '\t')
            {
                const int stop = std::min((kolonne / kTabulator + 1) * kTabulator, kolonner_);
                raekke.append(static_cast<std::size_t>(stop - kolonne), ' ');
                kolonne = stop;
                continue;
            }
            raekke.append(tegn);
            ++kolonne;
        }
        AfslutRaekke(std::move(raekke));
    }

    // Starts a new page, unless the current one is still empty.
    void NySide()
    {
        if (!sider_.back().linjer.empty())
        {
            sider_.emplace_back();
        }
        y_ = 0;
    }

    [[nodiscard]] std::vector<TUdskriftside> Sider() &&
    {
        if (sider_.size() > 1 && sider_.back().linjer.empty())
        {
            sider_.pop_back();
        }
        return std::move(sider_);
    }

  private:
    void AfslutRaekke(std::string raekke)
    {
        const int linjehoejde = teksthoejde_ + 2;
        const int hoejde = raekke.empty() ? teksthoejde_ : linjehoejde;
        sider_.back().linjer.push_back({y_, std::move(raekke)});
        y_ += hoejde;
        if (y_ > sidehoejde_ - 2 * linjehoejde)
        {
            NySide();
        }
    }

    int sidehoejde_;
    int teksthoejde_;
    int kolonner_;
    int y_ = 0;
    std::vector<TUdskriftside> sider_;
};

} // namespace

std::vector<TUdskriftside> OpdelISider(const std::vector<std::string>& rapport,
                                       const TSidemaal& maal)
{
    Tekstkanal kanal(maal);
    kanal.SkrivLinje("");
    kanal.SkrivLinje("");
    for (const auto& linje : rapport)
    {
        std::string_view tekst = linje;
        if (tekst.starts_with(kSideskift))
        {
            kanal.NySide();
            kanal.SkrivLinje("");
            kanal.SkrivLinje("");
            tekst.remove_prefix(1);
        }
        std::string udskrevet(kVenstremargen);
        udskrevet.append(tekst);
        kanal.SkrivLinje(udskrevet);
    }
    return std::move(kanal).Sider();
}

} // namespace taglo
