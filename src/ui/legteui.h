// The main window TForm1: eight tabs of inputs, help pictures, check drawings, the
// result and the nail connection, a column of commands and two warning panels.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <map>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace taglo
{

class RadioGruppe;
class Tegneflade;

// The tabs in their order; the value is the tab's index.
enum class Fane
{
    Inddata = 0,
    SpecielleValg = 1,
    HjelpTvaersnit = 2,
    HjelpLaengdesnit = 3,
    KontrolTvaersnit = 4,
    KontrolLaengdesnit = 5,
    Resultat = 6,
    Soemforbindelse = 7,
};

class TForm1 : public QMainWindow
{
    Q_OBJECT

  public:
    // Builds the window with every control in its design state: the design texts, item 0
    // in the radio groups except "II  Land" in the terrain category, the warning panels
    // and the log-file group hidden. `programmappe` is the folder the help pictures are
    // read from (with a trailing separator).
    TForm1(const QString& programmappe, QWidget* forfaelder = nullptr);

    [[nodiscard]] QTabWidget* faner() const { return PageControl1_; }
    [[nodiscard]] QLineEdit* edit(const QString& navn) const;
    [[nodiscard]] RadioGruppe* radiogruppe(const QString& navn) const;
    [[nodiscard]] QComboBox* ComboBoxNail() const { return ComboBoxNail_; }
    [[nodiscard]] QPlainTextEdit* Resultat() const { return Resultat_; }
    [[nodiscard]] QAction* menupunkt(const QString& navn) const;

  protected:
    // Widget building, one function per part of the window.
    void bygMenu();
    QWidget* bygInddataark();
    QWidget* bygOpsetningsark();
    QWidget* bygHjelpeark(const QString& navn, const QString& billednavn,
                          const QString& billedfil);
    QWidget* bygKontrolark(const QString& navn, const QString& overskrift,
                           const QString& tegnefladenavn);
    QWidget* bygResultatark();
    QWidget* bygSoemark();
    QWidget* bygKommandosoejle();

    QString programmappe_;
    QTabWidget* PageControl1_ = nullptr;
    QComboBox* ComboBoxNail_ = nullptr;
    QPlainTextEdit* Resultat_ = nullptr;
    QLabel* MemoAdvarLgt_ = nullptr;
    QLabel* MemoAdvarForb_ = nullptr;
    QGroupBox* GroupBoxResultatomfang_ = nullptr;
    Tegneflade* KontrolTversnitPaintBox_ = nullptr;
    Tegneflade* KontrolLengdesnitPaintBox_ = nullptr;
    Tegneflade* NailTegningsPaintBox_ = nullptr;
    std::map<QString, QLineEdit*> edits_;
    std::map<QString, RadioGruppe*> radiogrupper_;
    std::map<QString, QAction*> menupunkter_;
    std::map<QString, QPushButton*> knapper_;
};

} // namespace taglo
