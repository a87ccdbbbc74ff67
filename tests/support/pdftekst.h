// A written PDF read back with poppler's tools (pdftotext, pdfinfo), as a reader sees it.
#pragma once

#include <array>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>

namespace taglo::test
{

// What the shell command `kommando` writes on standard output; empty when it cannot run.
inline std::string KommandoUd(const std::string& kommando)
{
    std::string ud;
    if (FILE* kanal = ::popen(kommando.c_str(), "r"))
    {
        std::array<char, 4096> blok{};
        std::size_t laest = 0;
        while ((laest = std::fread(blok.data(), 1, blok.size(), kanal)) > 0)
        {
            ud.append(blok.data(), laest);
        }
        ::pclose(kanal);
    }
    return ud;
}

// The text with every run of white space as one blank, none at the ends: a line of the
// report as the page shows it, whatever its columns.
inline std::string Enkeltrum(const std::string& tekst)
{
    std::istringstream ord(tekst);
    std::string enkelt;
    std::string et;
    while (ord >> et)
    {
        enkelt += (enkelt.empty() ? "" : " ") + et;
    }
    return enkelt;
}

// The text of page `side` (from 1) of the PDF file `fil`, in UTF-8, read line by line as
// laid out on the page, with every run of white space as one blank.
inline std::string PdfSide(const std::string& fil, int side)
{
    const std::string nr = std::to_string(side);
    return Enkeltrum(
        KommandoUd("pdftotext -layout -enc UTF-8 -f " + nr + " -l " + nr + " '" + fil + "' -"));
}

// The document properties of the PDF file `fil` as pdfinfo lists them, dates in ISO form.
inline std::string PdfInfo(const std::string& fil)
{
    return KommandoUd("pdfinfo -isodates '" + fil + "'");
}

// The number of pages of the PDF file `fil`; 0 when it cannot be read.
inline int PdfSider(const std::string& fil)
{
    std::smatch fundet;
    const std::string info = PdfInfo(fil);
    return std::regex_search(info, fundet, std::regex("Pages: *([0-9]+)")) ? std::stoi(fundet[1])
                                                                           : 0;
}

} // namespace taglo::test
