// The calculation document, written as PDF and read back page by page as a reader sees it.
#include "qtcanvas/pdfdokument.h"

#include "app/dokument.h"
#include "app/projekt.h"

#include "midlertidig_mappe.h"
#include "optagne_meddelelser.h"
#include "pdftekst.h"
#include "qt_miljoe.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <regex>
#include <string>

namespace taglo
{
namespace
{
using test::Enkeltrum;

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
    ::setenv("TZ", "Europe/Copenhagen", 1); // the machine's clock in Danish time
    ::tzset();
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
    const test::MidlertidigMappe mappe;
    const std::string pdf = mappe.Skriv("dokument.pdf", bytes);

    const std::string info = test::PdfInfo(pdf);
    EXPECT_TRUE(Har(info, "Title:           " + projektnavn + "\n")) << info;
    EXPECT_TRUE(Har(info, "CreationDate:    2014-05-01T13:05:09+02\n")) << info;
    EXPECT_TRUE(Har(info, "Page size:       595 x 842 pts (A4)")) << info;

    const int sider = test::PdfSider(pdf);
    ASSERT_GE(sider, 4);
    std::string rapport;
    for (int side = 1; side <= sider; ++side)
    {
        const std::string tekst = test::PdfSide(pdf, side);
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

    // Each figure on its page with its captions; the check drawings show the calculated house.
    const std::string soem = test::PdfSide(pdf, sider - 2);
    EXPECT_TRUE(Har(soem, "Sømforbindelse Regningsmæssig trækbæreevne") &&
                Har(soem, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke"))
        << soem;
    const std::string tvaer = test::PdfSide(pdf, sider - 1);
    EXPECT_TRUE(Har(tvaer, "Visuel kontrol af bygningens og lægternes tværsnitsmål") &&
                Har(tvaer, "Manden er 1,8 m høj.") && Har(tvaer, "Husbredde 8,52") &&
                !Har(tvaer, "12,40"))
        << tvaer;
    const std::string laengde = test::PdfSide(pdf, sider);
    EXPECT_TRUE(Har(laengde, "Visuel kontrol af spærplaceringer") && Har(laengde, "Normalspær"))
        << laengde;
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
    const test::MidlertidigMappe mappe;
    const std::string pdf = mappe.Skriv("sideskift.pdf", PdfDokument(dokument));

    ASSERT_EQ(test::PdfSider(pdf), 2);
    const std::string side1 = test::PdfSide(pdf, 1);
    EXPECT_TRUE(Har(side1, "Første side") && !Har(side1, "Anden side")) << side1;
    EXPECT_TRUE(Har(test::PdfSide(pdf, 2),
                    "Anden side " + tal.substr(0, 89) + " " + tal.substr(89) + " Slut"));
    for (const std::string& hoved : {dokument.Firma, dokument.Bygningsdel})
    {
        const auto begyndelse = side1.find(hoved.substr(0, 20));
        EXPECT_TRUE(begyndelse != std::string::npos && !Har(side1, hoved) &&
                    side1.find("…", begyndelse) != std::string::npos)
            << side1;
    }

    // The words of page 2 with their boxes, in points from the page's top left corner.
    const std::string ord = test::KommandoUd("pdftotext -bbox -f 2 -l 2 '" + pdf + "' -");
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
