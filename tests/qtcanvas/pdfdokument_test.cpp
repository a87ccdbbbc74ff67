// The calculation document, written as PDF and read back page by page as a reader sees it.
#include "qtcanvas/pdfdokument.h"

#include "app/dokument.h"
#include "app/projekt.h"
#include "core/support.h"

#include "optagne_meddelelser.h"
#include "pdftekst.h"
#include "qt_miljoe.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <unistd.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;

using test::Enkeltrum;

// The PDF written to a file of its own, removed again afterwards.
class PdfFil
{
  public:
    explicit PdfFil(const std::string& bytes) { std::ofstream(sti_, std::ios::binary) << bytes; }
    PdfFil(const PdfFil&) = delete;
    PdfFil& operator=(const PdfFil&) = delete;
    ~PdfFil() { fs::remove(sti_); }

    [[nodiscard]] std::string Info() const { return test::PdfInfo(sti_); }
    [[nodiscard]] int Sider() const
    {
        std::smatch fundet;
        const std::string info = Info();
        return std::regex_search(info, fundet, std::regex("Pages: *([0-9]+)"))
                   ? std::stoi(fundet[1])
                   : 0;
    }
    [[nodiscard]] std::string Side(int side) const { return test::PdfSide(sti_, side); }
    [[nodiscard]] const std::string& Sti() const { return sti_; }

  private:
    std::string sti_ =
        (fs::temp_directory_path() / ("taglo_dokument_" + std::to_string(::getpid()) + ".pdf"))
            .string();
};

// Danish time (summer time in May) for the machine's clock while it lives.
class DanskTid
{
  public:
    DanskTid() : tidligere_(std::getenv("TZ") != nullptr ? std::getenv("TZ") : "")
    {
        ::setenv("TZ", "Europe/Copenhagen", 1);
        ::tzset();
    }
    DanskTid(const DanskTid&) = delete;
    DanskTid& operator=(const DanskTid&) = delete;
    ~DanskTid()
    {
        if (tidligere_.empty())
        {
            ::unsetenv("TZ");
        }
        else
        {
            ::setenv("TZ", tidligere_.c_str(), 1);
        }
        ::tzset();
    }

  private:
    std::string tidligere_;
};

bool Har(const std::string& tekst, const std::string& del)
{
    return tekst.find(del) != std::string::npos;
}

// The document of the reference house projekt04, calculated in Denmark on 1 May 2014 at
// 13:05:09 (summer time), whose house is made wider after the calculation: its creation
// date is the calculation's; every page carries the header and the footer; the report's lines stand
// in order on the first pages; the nail connection and the two check drawings of the
// calculated house follow, each on its page with its caption.
TEST(Beregningsdokument, BeregningensRapportOgFigurerMedHovedOgFodPaaHverSide)
{
    test::SikrQtApplikation();
    const DanskTid dansk;
    test::OptagneMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS",
                     [] { return Tidspunkt{2014, 5, 1, 13, 5, 9}; });
    ASSERT_TRUE(projekt.Hent(test::ReferenceMappe() + "/projekt04.tgl", meddelelser));
    const auto beregning = std::get<TBeregningsresultat>(projekt.Beregn(0, meddelelser));
    const std::string projektnavn = projekt.Inddata().Projektnavn.str();
    EXPECT_EQ(Enkeltrum(projekt.Felter().Tekst(Felt::EditHusBr)), "8,52");
    static_cast<void>(projekt.SaetFelt(Felt::EditHusBr, "12,40", meddelelser));

    const TDokument dokument = DokumentAf(beregning, projekt.Regional(), meddelelser);
    const std::string bytes = PdfDokument(dokument);
    EXPECT_EQ(PdfDokument(dokument), bytes);
    EXPECT_TRUE(meddelelser.liste.empty());
    const PdfFil pdf(bytes);

    const std::string info = pdf.Info();
    EXPECT_TRUE(Har(info, "Title:           " + projektnavn + "\n")) << info;
    EXPECT_TRUE(Har(info, "Creator:         Taglo " + std::string(support::kVersion) + "\n"));
    EXPECT_TRUE(Har(info, "CreationDate:    2014-05-01T13:05:09+02\n")) << info;
    EXPECT_TRUE(Har(info, "Page size:       595 x 842 pts (A4)")) << info;

    const int sider = pdf.Sider();
    ASSERT_GE(sider, 4);
    std::string rapport;
    for (int side = 1; side <= sider; ++side)
    {
        const std::string tekst = pdf.Side(side);
        for (const std::string& del :
             {projektnavn, std::string("Eksempel ApS"), std::string("Udhus"),
              std::string("Beregnet 2014-05-01,13:05:09 af Åse Ørnfelt"),
              "Side " + std::to_string(side) + " af " + std::to_string(sider)})
        {
            EXPECT_TRUE(Har(tekst, del)) << "side " << side << ": " << del;
        }
        if (side <= sider - 3)
        {
            rapport += tekst + " ";
        }
    }
    std::size_t fra = 0;
    for (const std::string& linje : beregning.Resultatliste)
    {
        const std::string enkelt = Enkeltrum(linje);
        const auto pos = rapport.find(enkelt, fra);
        ASSERT_NE(pos, std::string::npos) << "not in order in the report pages: " << linje;
        fra = pos + enkelt.size();
    }

    const std::string soem = pdf.Side(sider - 2);
    EXPECT_TRUE(Har(soem, "Sømforbindelse Regningsmæssig trækbæreevne")) << soem;
    EXPECT_TRUE(Har(soem, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke")) << soem;
    const std::string tvaer = pdf.Side(sider - 1);
    EXPECT_TRUE(Har(tvaer, "Visuel kontrol af bygningens og lægternes tværsnitsmål")) << tvaer;
    EXPECT_TRUE(Har(tvaer, "Manden er 1,8 m høj.")) << tvaer;
    EXPECT_TRUE(Har(tvaer, "Husbredde 8,52")) << tvaer;
    EXPECT_FALSE(Har(tvaer, "12,40")) << tvaer;
    const std::string laengde = pdf.Side(sider);
    EXPECT_TRUE(Har(laengde, "Visuel kontrol af spærplaceringer")) << laengde;
    EXPECT_TRUE(Har(laengde, "Normalspær")) << laengde;
}

// A line that starts with a form feed starts a new page; a line longer than the 89
// characters a report line can have continues on the next line, and those 89 fill the
// width between the margins (25 mm and 15 mm of the page's 595 points) without passing
// them. A company name and a part of the building too long for the header are shortened
// with "…".
TEST(Beregningsdokument, SideskiftLangLinjeOgForkortetHoved)
{
    test::SikrQtApplikation();
    const std::string tal(120, '7');
    TDokument dokument;
    dokument.Titel = "Sideskift";
    dokument.Firma = "Tømrer- og snedkerfirmaet Bent Ærø & Sønner ApS, Øster Hurup Hovedgade";
    dokument.Bygningsdel =
        "Sidebygningens nordlige tagflade over garage, værksted og udhus mod øst";
    dokument.Rapport = {"Første side", "\fAnden side", tal, "Slut"};
    const PdfFil pdf(PdfDokument(dokument));

    ASSERT_EQ(pdf.Sider(), 2);
    EXPECT_TRUE(Har(pdf.Side(1), "Første side")) << pdf.Side(1);
    EXPECT_FALSE(Har(pdf.Side(1), "Anden side")) << pdf.Side(1);
    EXPECT_TRUE(
        Har(pdf.Side(2), "Anden side " + tal.substr(0, 89) + " " + tal.substr(89) + " Slut"))
        << pdf.Side(2);
    for (const std::string& hoved : {dokument.Firma, dokument.Bygningsdel})
    {
        const std::string side = pdf.Side(1);
        const auto begyndelse = side.find(hoved.substr(0, 20));
        ASSERT_NE(begyndelse, std::string::npos) << side;
        EXPECT_NE(side.find("…", begyndelse), std::string::npos) << side;
        EXPECT_FALSE(Har(side, hoved)) << side;
    }

    // The words of page 2 with their boxes, in points from the page's top left corner.
    const std::string ord = test::KommandoUd("pdftotext -bbox -f 2 -l 2 '" + pdf.Sti() + "' -");
    std::smatch fundet;
    ASSERT_TRUE(std::regex_search(
        ord, fundet,
        std::regex("xMin=\"([0-9.]+)\"[^>]*xMax=\"([0-9.]+)\"[^>]*>" + tal.substr(0, 89) + "<")))
        << ord;
    const double venstre = 25.0 / 25.4 * 72.0;
    const double hoejre = 595.0 - 15.0 / 25.4 * 72.0;
    EXPECT_GE(std::stod(fundet[1]), venstre - 0.5);
    EXPECT_LE(std::stod(fundet[2]), hoejre + 0.5);
    EXPECT_GE(std::stod(fundet[2]) - std::stod(fundet[1]), 0.95 * (hoejre - venstre));
}

} // namespace
} // namespace taglo
