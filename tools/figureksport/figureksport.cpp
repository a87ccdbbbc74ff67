// Writes the three figures of a reference project as PNG pictures and as drawing JSON, for
// looking at them by eye: figureksport <projektNN.json> <folder> [width height].
// The inputs, derived values and result record are taken from the reference file, so the
// figures can be checked independently of the calculation.
#include "app/projektjson.h"
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "drawing/laengdesnit.h"
#include "drawing/soemforbindelse.h"
#include "drawing/tegning_json.h"
#include "drawing/tvaersnit.h"
#include "qtcanvas/eksport.h"

#include <nlohmann/json.hpp>

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace
{
using taglo::TAfledte;
using taglo::TInddata;
using taglo::TResultater;
using taglo::TSoemKapacitet;
using Json = nlohmann::json;

// The inputs with their nail, read with the program's own mapping of the records.
TInddata LaesInddata(const Json& j)
{
    TInddata i = j.get<TInddata>();
    taglo::VaelgSoem(i, i.Nail);
    return i;
}

// A nail capacity record, or none where the reference has null.
std::optional<TSoemKapacitet> LaesKapacitet(const Json& j)
{
    return j.is_null() ? std::nullopt : std::optional(j.get<TSoemKapacitet>());
}

// The part of the result record the nail figure draws.
TResultater LaesResultater(const Json& j)
{
    TResultater r;
    r.DirekteFastgoerelse = j.at("DirekteFastgoerelse");
    r.NormalspaerSoemOK = j.at("NormalspaerSoemOK");
    r.GavlspaerSoemOK = j.at("GavlspaerSoemOK");
    r.SoemantalNormalspaer = j.at("SoemantalNormalspaer");
    r.SoemantalGavlspaer = j.at("SoemantalGavlspaer");
    r.SoemPlads = j.at("SoemPlads");
    r.SoemBaereevne = j.at("SoemBaereevne");
    r.SoemDirekte = LaesKapacitet(j.at("SoemDirekte"));
    r.SoemAflisteSpaer = LaesKapacitet(j.at("SoemAflisteSpaer"));
    r.SoemLaegteAfliste = LaesKapacitet(j.at("SoemLaegteAfliste"));
    return r;
}

// Messages of the export go to standard error.
struct Fejlstroem final : taglo::Meddelelser
{
    void fejl(std::string_view t) override { std::cerr << "Fejl: " << t << '\n'; }
    void advarsel(std::string_view t) override { std::cerr << "Advarsel: " << t << '\n'; }
    void besked(std::string_view t) override { std::cerr << t << '\n'; }
    void fejldialog(std::string_view t) override { std::cerr << "Error: " << t << '\n'; }
};

bool Gem(const taglo::TTegning& tegning, const std::filesystem::path& stamme, int bredde,
         int hoejde, taglo::Meddelelser& meddelelser)
{
    std::ofstream(stamme.string() + ".json") << taglo::TegningSomJson(tegning) << '\n';
    return taglo::EksporterTegning(tegning, stamme.string() + ".png", taglo::TBilledformat::Png,
                                   bredde, hoejde, meddelelser);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5)
    {
        std::cerr << "Brug: figureksport <projektNN.json> <mappe> [bredde hoejde]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // painting with the fonts needs no screen
    }
    const QGuiApplication qt(argc, argv);
    const int bredde = argc == 5 ? std::atoi(argv[3]) : taglo::kEksportBredde;
    const int hoejde = argc == 5 ? std::atoi(argv[4]) : taglo::kEksportHoejde;
    Json projekt;
    try
    {
        std::ifstream ind(argv[1]);
        projekt = Json::parse(ind);
    }
    catch (const Json::exception& e)
    {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    TInddata inddata;
    TAfledte afledte;
    TResultater resultater;
    try
    {
        inddata = LaesInddata(projekt.at("Inddata"));
        afledte = projekt.at("Afledte").get<TAfledte>();
        resultater = LaesResultater(projekt.at("Resultatdata"));
    }
    catch (const Json::exception& e)
    {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    const auto regional = taglo::Regionalindstillinger::Dansk();

    const std::filesystem::path mappe(argv[2]);
    std::filesystem::create_directories(mappe);
    const std::string navn = std::filesystem::path(argv[1]).stem().string();
    Fejlstroem meddelelser;
    const bool ok = Gem(taglo::TegnTversnit(inddata, afledte, regional),
                        mappe / (navn + "_tvaersnit"), bredde, hoejde, meddelelser) &&
                    Gem(taglo::TegnLengdesnit(inddata, afledte, regional),
                        mappe / (navn + "_laengdesnit"), bredde, hoejde, meddelelser) &&
                    Gem(taglo::TegnSoemforbindelse(inddata, resultater, regional),
                        mappe / (navn + "_soemforbindelse"), bredde, hoejde, meddelelser);
    return ok ? 0 : 1;
}
