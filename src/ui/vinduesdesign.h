// The design of the main window: its widgets built from the control tables, with their
// names, texts, hints and fonts, the layout of the tabs and the command column, and the
// tab order. The window's behaviour finds the widgets it works with in Vinduesdele.
#pragma once

#include "app/forslag.h"
#include "app/kontroltabeller.h"
#include "core/regional.h"

#include <QString>

#include <array>
#include <map>
#include <string_view>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace taglo
{

class RadioGruppe;
class Tegneflade;

// The widgets the window's behaviour reads, sets or connects.
struct Vinduesdele
{
    QTabWidget* PageControl1 = nullptr;
    std::array<QLineEdit*, kAntalFelter> edits{};        // by Felt
    std::array<RadioGruppe*, kAntalValg> radiogrupper{}; // by Valg
    QComboBox* ComboBoxNail = nullptr;
    QGroupBox* GroupBoxResultatomfang = nullptr;
    QPlainTextEdit* Resultat = nullptr;
    Tegneflade* KontrolTversnitPaintBox = nullptr;
    Tegneflade* KontrolLengdesnitPaintBox = nullptr;
    Tegneflade* NailTegningsPaintBox = nullptr;
    QLabel* MemoAdvarLgt = nullptr;
    QLabel* MemoAdvarForb = nullptr;
    QLabel* ForslagTekst = nullptr;          // the suggestion's sentence
    QTableWidget* ForslagTabel = nullptr;    // every candidate tried
    std::map<QString, QPushButton*> knapper; // by control name

    [[nodiscard]] QLineEdit* edit(Felt felt) const { return edits[static_cast<std::size_t>(felt)]; }
    [[nodiscard]] RadioGruppe* radiogruppe(Valg valg) const
    {
        return radiogrupper[static_cast<std::size_t>(valg)];
    }
};

// A text of the program as Qt takes it.
[[nodiscard]] QString QTekst(std::string_view tekst);

// The content of the window beside its menu: the eight tabs, each with its caption, and
// the command column with the two warning panels, every control in its design state.
// `programmappe` is the folder of the help pictures. Fills `dele`.
[[nodiscard]] QWidget* BygVinduesindhold(const QString& programmappe, Vinduesdele& dele,
                                         QWidget* vindue);

// The candidates of the design suggestion as the rows of `tabel`, in their order: section,
// nail, the batten's and the nail's utilisation (green where that part can be used, red
// where not), the nails at a normal and at the anchored gable rafter, and "OK" or "ikke OK"
// for both. The first row is selected when it can be used.
void VisKandidater(QTableWidget& tabel, const std::vector<TKandidat>& kandidater,
                   const Regionalindstillinger& regional);

// The two input tabs, "Inddata" and "Specielle valg", built from the control tables, with
// their tab order. Fill the edits, the radio groups, the nail list, the help buttons and
// the group "Resultatomfang" of `dele`.
[[nodiscard]] QWidget* BygInddataark(Vinduesdele& dele);
[[nodiscard]] QWidget* BygOpsetningsark(Vinduesdele& dele);

// Labels of the design: plain text; grey and top-aligned for the information texts;
// bold for the guidance lines.
[[nodiscard]] QLabel* Etiket(const QString& tekst, QWidget* forfaelder);
[[nodiscard]] QLabel* GraaTekst(std::string_view tekst, QWidget* forfaelder);
[[nodiscard]] QLabel* FedLinje(std::string_view tekst, QWidget* forfaelder);

} // namespace taglo
