#include "cli/figur.h"

#include "app/applikation.h"
#include "cli/koersel.h"
#include "core/support.h"
#include "drawing/tegning_json.h"
#include "qtcanvas/eksport.h"

#include <QGuiApplication>

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

namespace taglo::cli
{
namespace
{
namespace fs = std::filesystem;

// Dialogs of a run without a user: every dialog is cancelled (a log file is not saved).
class IngenDialoger final : public Dialoger
{
  public:
    std::optional<std::string> aabnFil(const FilDialog& /*dialog*/) override
    {
        return std::nullopt;
    }
    std::optional<std::string> gemFil(const FilDialog& /*dialog*/) override { return std::nullopt; }
};

// Writes the text beside the target and renames it over the target. False when the
// file cannot be written; an existing file is then left as it was.
bool GemTekst(const fs::path& maal, const std::string& tekst)
{
    const fs::path midlertidig = maal.string() + ".ny";
    {
        std::ofstream fil(midlertidig, std::ios::binary | std::ios::trunc);
        if (!(fil << tekst) || !fil.flush())
        {
            std::error_code fejl;
            fs::remove(midlertidig, fejl);
            return false;
        }
    }
    std::error_code fejl;
    fs::rename(midlertidig, maal, fejl);
    if (fejl)
    {
        fs::remove(midlertidig, fejl);
        return false;
    }
    return true;
}

// The painting of pictures needs a Qt application; it uses the offscreen platform, so
// no display is needed.
std::unique_ptr<QGuiApplication> StartQt()
{
    if (QGuiApplication::instance() != nullptr)
    {
        return nullptr;
    }
    static int argc = 3;
    static std::array<char*, 4> argv{const_cast<char*>("taglo-cli"), const_cast<char*>("-platform"),
                                     const_cast<char*>("offscreen"), nullptr};
    return std::make_unique<QGuiApplication>(argc, argv.data());
}

} // namespace

int KoerFigur(const FigurKommando& kommando, const Regionalindstillinger& regional,
              std::ostream& fejl)
{
    Strommeddelelser meddelelser(fejl);
    IngenDialoger dialoger;
    TApplikation app(meddelelser, dialoger, regional, support::kFirmanavn);
    if (!app.HentProjektdata(kommando.projekt))
    {
        return kFejl;
    }
    TTegning tegning;
    switch (kommando.figur)
    {
    case Figur::Tvaersnit:
        tegning = app.ButtonTegnTversnitClick();
        break;
    case Figur::Laengdesnit:
        tegning = app.ButtonTegnLengdesnitClick();
        break;
    case Figur::Soemforbindelse:
    {
        const TTegning* soemtegning = app.OptegnNail();
        if (soemtegning == nullptr)
        {
            return kFejl;
        }
        tegning = *soemtegning;
        break;
    }
    }

    const fs::path ud(kommando.ud);
    if (ud.extension() == ".json")
    {
        if (!GemTekst(ud, TegningSomJson(tegning) + "\n"))
        {
            meddelelser.fejl("Kan ikke gemme figuren som " + kommando.ud);
            return kFejl;
        }
        return kKanAnvendes;
    }
    const auto format = BilledformatAfFilnavn(ud);
    if (!format)
    {
        meddelelser.fejl("Figurens fil skal ende på .svg, .png eller .json: " + kommando.ud);
        return kFejl;
    }
    const auto qt = StartQt();
    return EksporterTegning(tegning, ud, *format, kommando.bredde, kommando.hoejde, meddelelser)
               ? kKanAnvendes
               : kFejl;
}

} // namespace taglo::cli
