// taglo-cli: the report and the figures of project files, without a window.
#include "cli/figur.h"
#include "cli/koersel.h"
#include "cli/kommandolinje.h"
#include "qtcanvas/systemregional.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace
{

int Koer(const std::vector<std::string>& argumenter)
{
    using namespace taglo::cli;
    const auto fortolket = FortolkArgumenter(argumenter);
    if (const auto* fejl = std::get_if<Brugsfejl>(&fortolket))
    {
        std::cerr << "Fejl: " << fejl->tekst << "\n\n" << Brugsanvisning();
        return kFejl;
    }
    const auto& kommando = std::get<Kommando>(fortolket);
    if (std::holds_alternative<HjaelpKommando>(kommando))
    {
        std::cout << Brugsanvisning();
        return 0;
    }
    if (const auto* rapport = std::get_if<RapportKommando>(&kommando))
    {
        const auto regional = rapport->dansk ? taglo::Regionalindstillinger::Dansk()
                                             : taglo::SystemetsRegionalindstillinger();
        return KoerRapport(*rapport, regional, std::cout, std::cerr);
    }
    if (const auto* forslag = std::get_if<ForslagKommando>(&kommando))
    {
        return KoerForslag(*forslag, taglo::SystemetsRegionalindstillinger(), std::cout, std::cerr);
    }
    const auto& figur = std::get<FigurKommando>(kommando);
    const auto regional = figur.dansk ? taglo::Regionalindstillinger::Dansk()
                                      : taglo::SystemetsRegionalindstillinger();
    return KoerFigur(figur, regional, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    try
    {
        return Koer(std::vector<std::string>(argv + 1, argv + argc));
    }
    catch (const std::exception& fejl)
    {
        std::cerr << "Fejl: " << fejl.what() << '\n';
        return taglo::cli::kFejl;
    }
}
