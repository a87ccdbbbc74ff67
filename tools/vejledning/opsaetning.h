// Lays the user guide out on A4 pages and writes it as PDF: a title page, a table of
// contents with page numbers, and the numbered chapters with a running head and foot.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace taglo::vejledning
{

struct Opsaetning
{
    QString kilde;      // the Markdown source, UTF-8
    QString ud;         // the PDF to write
    QString figurmappe; // the folder that the figure file names of the source are relative to
    QString ikon;       // an SVG drawn on the title page; empty: none
    QString version;    // the program's version as the guide names it, e.g. "2.1"
    QDate dato;         // the edition date: shown on the title page and stored as creation date
    bool kraevFigurer = false; // true: a figure that is missing is an error, not left out
};

// Writes the guide described by `opsaetning`. Returns the empty list on success, else the
// reasons it failed (a source that cannot be read, missing figures when they are required,
// a PDF that cannot be written); nothing is written then.
[[nodiscard]] QStringList SkrivVejledning(const Opsaetning& opsaetning);

} // namespace taglo::vejledning
