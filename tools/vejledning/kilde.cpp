#include "kilde.h"

#include "core/formater.h"
#include "core/laegtetvaersnit.h"
#include "core/meddelelser.h"
#include "core/soemkatalog.h"
#include "loads/lastkombination.h"
#include "loads/trae.h"
#include "loads/vind.h"

#include <array>
#include <cstddef>
#include <optional>

namespace taglo::vejledning
{
namespace
{

// The lines of a text, without their line ends ("\n" or "\r\n").
std::vector<std::string_view> Linjer(std::string_view tekst)
{
    std::vector<std::string_view> linjer;
    while (!tekst.empty())
    {
        const std::size_t slut = tekst.find('\n');
        std::string_view linje = tekst.substr(0, slut);
        if (!linje.empty() && linje.back() == '\r')
        {
            linje.remove_suffix(1);
        }
        linjer.push_back(linje);
        if (slut == std::string_view::npos)
        {
            break;
        }
        tekst.remove_prefix(slut + 1);
    }
    return linjer;
}

std::string_view UdenBlanke(std::string_view tekst)
{
    while (!tekst.empty() && (tekst.front() == ' ' || tekst.front() == '\t'))
    {
        tekst.remove_prefix(1);
    }
    while (!tekst.empty() && (tekst.back() == ' ' || tekst.back() == '\t'))
    {
        tekst.remove_suffix(1);
    }
    return tekst;
}

// The file of an image line "![text](fil)", or nothing for any other line. The line may
// end in a hard line break ("\\"), which keeps the caption under the figure in one block.
std::optional<std::string_view> Billedfil(std::string_view linje)
{
    linje = UdenBlanke(linje);
    if (linje.ends_with('\\'))
    {
        linje = UdenBlanke(linje.substr(0, linje.size() - 1));
    }
    const std::size_t midte = linje.find("](");
    if (!linje.starts_with("![") || midte == std::string_view::npos || !linje.ends_with(')'))
    {
        return std::nullopt;
    }
    const std::size_t start = midte + 2;
    return linje.substr(start, linje.size() - 1 - start);
}

// The file of a marker line "{{ord fil}}", or nothing for any other line.
std::optional<std::string_view> Markoerfil(std::string_view linje, std::string_view ord)
{
    linje = UdenBlanke(linje);
    if (!linje.starts_with("{{") || !linje.ends_with("}}"))
    {
        return std::nullopt;
    }
    linje = UdenBlanke(linje.substr(2, linje.size() - 4));
    if (!linje.starts_with(ord) || linje.size() <= ord.size() || linje[ord.size()] != ' ')
    {
        return std::nullopt;
    }
    return UdenBlanke(linje.substr(ord.size()));
}

// A catalogue value in millimetres or N/mm2 with no more decimals than it has (35,35; 6,2; 90).
std::string Tal(double vaerdi)
{
    std::string tekst = FormaterFast(vaerdi, 2, ",");
    while (tekst.ends_with('0'))
    {
        tekst.pop_back();
    }
    if (tekst.ends_with(','))
    {
        tekst.pop_back();
    }
    return tekst;
}

// A partial factor or k_mod with one or two decimals, as the tables of the codes write
// them (1,0; 1,35; 0,45).
std::string Faktor(double vaerdi)
{
    std::string tekst = FormaterFast(vaerdi, 2, ",");
    if (tekst.ends_with('0'))
    {
        tekst.pop_back();
    }
    return tekst;
}

} // namespace

DeltKilde DelKilde(std::string_view markdown)
{
    std::size_t position = 0;
    while (position < markdown.size())
    {
        if (markdown.substr(position).starts_with("## "))
        {
            return {std::string(markdown.substr(0, position)),
                    std::string(markdown.substr(position))};
        }
        const std::size_t slut = markdown.find('\n', position);
        if (slut == std::string_view::npos)
        {
            break;
        }
        position = slut + 1;
    }
    return {std::string(markdown), {}};
}

std::vector<std::string> Figurer(std::string_view markdown)
{
    std::vector<std::string> filer;
    for (const std::string_view linje : Linjer(markdown))
    {
        if (const auto fil = Billedfil(linje))
        {
            filer.emplace_back(*fil);
        }
    }
    return filer;
}

std::string UdenManglendeFigurer(std::string_view markdown,
                                 const std::function<bool(std::string_view)>& findes)
{
    std::string resultat;
    bool springBilledtekst = false;
    for (const std::string_view linje : Linjer(markdown))
    {
        const bool billedtekst = UdenBlanke(linje).starts_with('*');
        if (springBilledtekst && billedtekst)
        {
            springBilledtekst = false;
            continue;
        }
        springBilledtekst = false;
        if (const auto fil = Billedfil(linje); fil && !findes(*fil))
        {
            springBilledtekst = true;
            continue;
        }
        resultat.append(linje);
        resultat.push_back('\n');
    }
    return resultat;
}

std::vector<std::string> IndsatteFiler(std::string_view markdown)
{
    std::vector<std::string> filer;
    for (const std::string_view linje : Linjer(markdown))
    {
        if (const auto fil = Markoerfil(linje, "indsaet"))
        {
            filer.emplace_back(*fil);
        }
        else if (const auto betingelse = Markoerfil(linje, "hvis"))
        {
            filer.emplace_back(*betingelse);
        }
    }
    return filer;
}

std::string MedBetingelser(std::string_view markdown,
                           const std::function<bool(std::string_view)>& findes)
{
    std::string resultat;
    bool med = true;
    for (const std::string_view linje : Linjer(markdown))
    {
        if (const auto fil = Markoerfil(linje, "hvis"))
        {
            med = findes(*fil);
            continue;
        }
        if (UdenBlanke(linje) == "{{slut}}")
        {
            med = true;
            continue;
        }
        if (med)
        {
            resultat.append(linje);
            resultat.push_back('\n');
        }
    }
    return resultat;
}

std::string
MedIndsatteFiler(std::string_view markdown,
                 const std::function<std::optional<std::string>(std::string_view)>& laes)
{
    std::string resultat;
    for (const std::string_view linje : Linjer(markdown))
    {
        const auto fil = Markoerfil(linje, "indsaet");
        if (!fil)
        {
            resultat.append(linje);
            resultat.push_back('\n');
            continue;
        }
        const auto indhold = laes(*fil);
        if (!indhold)
        {
            continue;
        }
        const std::string_view hegn = fil->ends_with(".md") ? "" : "```\n";
        resultat += hegn;
        for (const std::string_view indsat : Linjer(*indhold))
        {
            resultat.append(indsat);
            resultat.push_back('\n');
        }
        resultat += hegn;
    }
    return resultat;
}

std::string SoemkatalogTabel()
{
    std::string tabel = "| Nr. | Sømtype, som i listen | d | dh | Ringet del | fax,k | fhead,k |\n"
                        "|---:|---|---:|---:|---|---:|---:|\n";
    int nummer = 0;
    for (const TNailData& soem : kSoemKatalog)
    {
        const std::string ringet =
            soem.fax <= 4.5
                ? "glat skaft; " + Tal(soem.ProfileLength) + " mm regnes"
                : Tal(soem.ProfileStart) + " – " + Tal(soem.ProfileStart + soem.ProfileLength);
        tabel += "| " + std::to_string(nummer++) + " | " + std::string(soem.Name) + " | " +
                 Tal(soem.Diam) + " | " + Tal(soem.HeadDiam) + " | " + ringet + " | " +
                 Tal(soem.fax) + " | " + Tal(soem.fhead) + " |\n";
    }
    return tabel;
}

std::string LaegtetvaersnitLinje()
{
    std::string linje = "De tværsnit, der afprøves (højde x bredde):";
    for (std::size_t i = 0; i < kLaegtetvaersnit.size(); ++i)
    {
        linje += i == 0 ? " " : (i + 1 == kLaegtetvaersnit.size() ? " og " : ", ");
        linje += Tal(kLaegtetvaersnit[i].LegteHojde) + " x " + Tal(kLaegtetvaersnit[i].LegteBredde);
    }
    return linje + " mm.\n";
}

std::string VindtilfaeldeTabel()
{
    // The direction letters by the direction group of the wind case.
    constexpr std::array<std::string_view, 4> kRetning{"N", "V", "S", "Ø"};
    std::string tabel = "| Tilfælde | Retning | Tekst i rapporten |\n|---|---|---|\n";
    for (char tilfaelde = 'a'; tilfaelde <= 'x'; ++tilfaelde)
    {
        tabel += "| " + std::string(1, tilfaelde) + " | " +
                 std::string(kRetning.at(static_cast<std::size_t>(VindRetning(tilfaelde)))) +
                 " | " + std::string(VindTilfaeldeTekst(tilfaelde)) + " |\n";
    }
    return tabel;
}

std::string LastkombinationTabel()
{
    // CC2 has K_FI = 1.0, so its factors are those of the table before K_FI.
    constexpr int kCC2 = 1;
    // Service class 2, as the 0-based index that the timber data takes.
    constexpr int kAnvendelsesklasse2 = 1;
    TavseMeddelelser tavs;
    const auto faktor = [&](char bidrag, int lastkomb) {
        const double vaerdi = LastFaktor09(bidrag, lastkomb, kCC2, tavs);
        return vaerdi == 0.0 ? std::string("-") : Faktor(vaerdi);
    };
    const auto varighed = [&](int lastkomb) {
        const std::string_view bogstav = LastGruppeBogstav(lastkomb, tavs);
        if (bogstav == "P")
        {
            return std::string("permanent (P)");
        }
        if (bogstav == "L")
        {
            return std::string("lang (L)");
        }
        if (bogstav == "M")
        {
            return std::string("mellemlang (M)");
        }
        if (bogstav == "K")
        {
            return std::string("korttids (K)");
        }
        if (bogstav == "Ø")
        {
            return std::string("øjeblikkelig (Ø)");
        }
        return std::string("ulykke");
    };
    std::string tabel = "| Nr. | Tekst i rapporten | g | s | w | Q | Lastvarighed | k_mod |\n"
                        "|---|---|---|---|---|---|---|---|\n";
    for (int lastkomb = 1; lastkomb <= static_cast<int>(LastKombTekst.size()); ++lastkomb)
    {
        tabel += "| " + std::to_string(lastkomb) + " | " +
                 std::string(LastKombinationTekst(lastkomb)) + " | " + faktor('Y', lastkomb) +
                 " | " + faktor('P', lastkomb) + " | " + faktor('B', lastkomb) + " | " +
                 faktor('Z', lastkomb) + " | " + varighed(lastkomb) + " | " +
                 Faktor(Kmod(kAnvendelsesklasse2, lastkomb, tavs)) + " |\n";
    }
    return tabel;
}

std::string IndsaetVed(std::string_view markdown, std::string_view pladsholder,
                       std::string_view indhold)
{
    std::string resultat;
    for (const std::string_view linje : Linjer(markdown))
    {
        if (UdenBlanke(linje) == pladsholder)
        {
            resultat.append(indhold);
            if (!indhold.ends_with('\n'))
            {
                resultat.push_back('\n');
            }
            continue;
        }
        resultat.append(linje);
        resultat.push_back('\n');
    }
    return resultat;
}

std::string Overskriftstaeller::Naeste(int niveau, std::string_view titel)
{
    if (niveau == 2)
    {
        bilag_ = titel.starts_with("Bilag");
        afsnit_ = 0;
        if (bilag_)
        {
            return {};
        }
        return std::to_string(++kapitel_);
    }
    if (niveau == 3 && !bilag_ && kapitel_ > 0)
    {
        return std::to_string(kapitel_) + "." + std::to_string(++afsnit_);
    }
    return {};
}

} // namespace taglo::vejledning
