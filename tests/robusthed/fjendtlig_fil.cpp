#include "fjendtlig_fil.h"

#include "core/support.h"
#include "core/tekstfil.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace taglo::test
{
namespace fs = std::filesystem;

std::string Konverteringsbesked(std::string_view tekst)
{
    return "Det indtastede er ugyldigt som tal\r\nEConvertError\r\n'" + std::string(tekst) +
           "' is not a valid floating point value";
}

std::string Hentebesked(const std::string& sti)
{
    return "Uventet fejl: Programmet kan ikke hente inddata fra " + sti + "." + "\r\n" +
           "Det kan måske skyldes at denne fil er dannet af en tidligere version af Taglo." +
           "\r\n" + "Ellers send filen til " + std::string(support::kEmail);
}

std::vector<std::string> StandardLinjer()
{
    std::ifstream fil(TAGLO_STANDARDFIL, std::ios::binary);
    std::vector<std::string> linjer;
    std::string linje;
    while (std::getline(fil, linje))
    {
        if (!linje.empty() && linje.back() == '\r')
        {
            linje.pop_back();
        }
        linjer.push_back(linje);
    }
    EXPECT_EQ(linjer.size(), 31U) << "the shipped default project file";
    return linjer;
}

std::string SomFil(const std::vector<std::string>& linjer, std::string_view slut)
{
    std::string fil;
    for (const auto& linje : linjer)
    {
        fil += linje;
        fil += slut;
    }
    return fil;
}

std::string BinaertStoej(unsigned froe, std::size_t antal)
{
    std::mt19937 generator(froe);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string stoej(antal, '\0');
    for (char& c : stoej)
    {
        c = static_cast<char>(byte(generator));
    }
    return stoej;
}

void SkrivStorFil(const std::string& sti, std::string_view begyndelse, char blok,
                  std::size_t antalMegabyte)
{
    std::ofstream fil(sti, std::ios::binary | std::ios::trunc);
    fil << begyndelse;
    const std::string megabyte(kMegabyte, blok);
    for (std::size_t i = 0; i < antalMegabyte; ++i)
    {
        fil << megabyte;
    }
    EXPECT_TRUE(fil.good()) << "cannot write " << sti;
}

bool ViserIkkeEndeligtTal(std::string_view tekst)
{
    return tekst.find("NAN") != std::string_view::npos ||
           tekst.find("INF") != std::string_view::npos;
}

MidlertidigMappe::MidlertidigMappe()
{
    std::string skabelon = (fs::temp_directory_path() / "taglo_robusthed_XXXXXX").string();
    if (::mkdtemp(skabelon.data()) == nullptr)
    {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    mappe_ = skabelon;
}

MidlertidigMappe::~MidlertidigMappe()
{
    std::error_code fejl;
    fs::remove_all(mappe_, fejl);
}

std::string MidlertidigMappe::Sti(std::string_view navn) const
{
    return (mappe_ / navn).string();
}

void FjendtligFil::SetUp()
{
    ASSERT_TRUE(app.Init(fs::path(TAGLO_STANDARDFIL).parent_path().string()));
    ASSERT_TRUE(meddelelser.liste.empty());
    standardvindue = app.Vindue();
    projektfil = mappe.Sti("projekt.tgl");
}

bool FjendtligFil::Hent(std::string_view bytes)
{
    {
        std::ofstream fil(projektfil, std::ios::binary | std::ios::trunc);
        fil.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(fil.good()) << "cannot write " << projektfil;
    }
    return app.HentProjektdata(projektfil);
}

bool FjendtligFil::HentMedLinje(std::size_t nummer, std::string_view tekst)
{
    auto linjer = StandardLinjer();
    linjer.at(nummer - 1) = std::string(tekst);
    return Hent(SomFil(linjer));
}

bool FjendtligFil::BeregnOgKontroller()
{
    const std::size_t foer = meddelelser.liste.size();
    if (!app.UdfoerBeregning())
    {
        KontrollerAfvisning(foer);
        return false;
    }
    KontrollerRapport();
    return true;
}

void FjendtligFil::KontrollerAfvisning(std::size_t meddelelserFoer)
{
    ASSERT_EQ(meddelelser.liste.size(), meddelelserFoer + 1) << "a refused run shows one message";
    EXPECT_EQ(meddelelser.liste.back().art, "fejl");
    EXPECT_TRUE(app.Resultatliste().empty()) << "a refused run shows no report";
}

void FjendtligFil::KontrollerRapport()
{
    EXPECT_FALSE(app.Resultatliste().empty());
    for (const auto& linje : app.Resultatliste())
    {
        EXPECT_FALSE(ViserIkkeEndeligtTal(linje)) << "report line: " << linje;
    }
    for (const auto& linje : app.Logliste().linjer())
    {
        EXPECT_FALSE(ViserIkkeEndeligtTal(linje)) << "log line: " << linje;
    }
    const TResultater& r = app.Resultatdata();
    for (const double vaerdi :
         {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
          r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
    {
        EXPECT_TRUE(std::isfinite(vaerdi)) << "a result value is " << vaerdi;
    }
}

void FjendtligFil::ForventHentebeskedOgUaendret(const std::string& sti)
{
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0].art, "fejldialog");
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(Hentebesked(sti)))
        << meddelelser.liste[0].tekst;
    EXPECT_TRUE(app.Vindue() == standardvindue) << "a failed load changed the window";
    ForventStandardinddata();
}

void FjendtligFil::ForventStandardinddata()
{
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0) << "a failed load changed the inputs";
    EXPECT_DOUBLE_EQ(app.Inddata().TagVink, 45.0);
    EXPECT_EQ(app.Inddata().Nail, 5);
}

void FjendtligFil::ForventKonverteringsbesked(bool vist, std::string_view tekst) const
{
    const std::vector<std::string> forventet =
        vist ? std::vector<std::string>{Konverteringsbesked(tekst)} : std::vector<std::string>{};
    EXPECT_EQ(Beskeder("besked"), forventet);
}

std::vector<std::string> FjendtligFil::Beskeder(std::string_view art) const
{
    std::vector<std::string> tekster;
    for (const auto& m : meddelelser.liste)
    {
        if (m.art == art)
        {
            tekster.push_back(m.tekst);
        }
    }
    return tekster;
}

} // namespace taglo::test
