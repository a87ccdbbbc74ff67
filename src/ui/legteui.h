// The main window TForm1: eight tabs of inputs, help pictures, check drawings, the
// result and the nail connection, a column of commands and two warning panels. The
// window mirrors the application's state into its widgets and forwards their events.
#pragma once

#include "app/applikation.h"
#include "app/fokusvagt.h"
#include "app/malemeddelelser.h"
#include "app/udskrift.h"
#include "core/dialoger.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "ui/vinduesdesign.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace taglo
{

class RadioGruppe;
class Tegneflade;

// What the window talks to the user and the printer through. The program passes the Qt
// message boxes and dialogs; tests pass recorders. All must outlive the window.
struct Vinduestjenester
{
    Meddelelser& meddelelser;
    Dialoger& dialoger;
    Udskrivning& udskrivning;
};

class TForm1 : public QMainWindow
{
    Q_OBJECT

  public:
    // Builds the window with every control in its design state. `programmappe` is the
    // folder of the data files (Standard.tgl, the pictures, the user guide), with a
    // trailing separator; numbers are shown and read with `regional`.
    TForm1(Vinduestjenester tjenester, Regionalindstillinger regional, QString programmappe,
           QWidget* forfaelder = nullptr);

    // Start-up: reads Standard.tgl from the program folder into the controls and the
    // inputs. Returns false, after the message, when the program must end.
    [[nodiscard]] bool Init();

    // Opens a project file named on the command line (a project file double-clicked in
    // the file manager) as "&Hent ..." does with that file chosen: a file that cannot be
    // loaded brings its message and leaves the default project in place.
    void HentProjekt(const QString& sti);

    // The About box that "&Om Taglo" shows: a window of its own that closes with this one.
    [[nodiscard]] QWidget* infoForm() const { return infoForm_; }

    [[nodiscard]] TApplikation& applikation() { return app_; }
    [[nodiscard]] const QString& Programmappe() const { return programmappe_; }

    [[nodiscard]] QTabWidget* faner() const { return dele_.PageControl1; }
    [[nodiscard]] QLineEdit* edit(const QString& navn) const;
    [[nodiscard]] RadioGruppe* radiogruppe(const QString& navn) const;
    [[nodiscard]] QComboBox* ComboBoxNail() const { return dele_.ComboBoxNail; }
    [[nodiscard]] QPlainTextEdit* Resultat() const { return dele_.Resultat; }
    [[nodiscard]] QAction* menupunkt(const QString& navn) const;
    [[nodiscard]] QPushButton* knap(const QString& navn) const;

  protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override;
    // "Afslut", the close box and Ctrl+Q: the program ends unless unsaved inputs are kept
    // back by the user's answer (TApplikation::BekraeftAtForlade).
    void closeEvent(QCloseEvent* haendelse) override;

  private:
    void bygMenu();
    void forbindHaendelser();

    // Commands of the buttons and the menu.
    void ButtonHentProjektdataClick();
    void ButtonGemProjektdataClick();
    void ButtonPrintResultClick();
    void ButtonGemResultClick();
    void ButtonGemPdfClick();
    void MenuItemFirmaoplysningerClick();
    void ButtonBrugForslagClick();
    void ButtonVisBrugervejlednClick();
    void LukkeknapClick();
    void ButtonHelpTverClick() { VisFane(Fane::HjelpTversnitArk); }
    void ButtonLengdeHelpClick() { VisFane(Fane::HjelpLengdesnitArk); }
    void MenuItemInddataClick() { VisFane(Fane::Inddataark); }
    void MenuItemSpecValgClick() { VisFane(Fane::Opsetningsark); }
    void MenuItemHjelpTverClick() { VisFane(Fane::HjelpTversnitArk); }
    void MenuItemHjelpLenClick() { VisFane(Fane::HjelpLengdesnitArk); }
    void MenuItemForslagClick() { VisFane(Fane::Forslagsark); }
    // The check tabs: their paint draws the figure.
    void ButtonTegnTversnitClick() { VisFane(Fane::KontrolTversnitArk); }
    void ButtonTegnLengdesnitClick() { VisFane(Fane::KontrolLengdesnitArk); }
    void MenuBeregnClick();
    void OptegnNail();
    void VisInfoFormular();
    void VisFane(Fane fane);
    void PageControl1Change(int indeks);
    void RadioGroupClick(Valg valg, int indeks);

    // Runs the exit handler of one input control; false when its value was rejected.
    bool Forlad(const std::string& kontrol);
    // Runs `kommando` on the application after leaving the field being edited, then
    // mirrors the application's state into the widgets. A command that starts a
    // calculation (`beregner`) goes on only when the field's value is accepted; any other
    // goes on whatever the field holds, and does not check again a rejected value the user
    // has not changed since.
    void Kommando(const std::function<void()>& kommando, bool beregner = false);
    // The tab "Forslag" from the current inputs, when it shows and they have changed.
    void OpdaterForslag();
    // Puts the application's state into the widgets and moves the focus where asked.
    void Spejl();
    void SpejlFokus();
    // The control name of an edit field or the nail list; "" for another widget.
    [[nodiscard]] std::string Inputkontrol(const QWidget* kontrol) const;

    void TegnKontrol(QPainter& maler, int bredde, int hoejde, bool tvaersnit);
    void TegnSoemforbindelse(QPainter& maler, int bredde, int hoejde);

    Vinduestjenester tjenester_;
    MaleMeddelelser meddelelser_;
    TApplikation app_;
    QString programmappe_;
    QPointer<QWidget> infoForm_;
    TFokusvagt fokusvagt_;
    Vinduesdele dele_;
    std::map<QString, QAction*> menupunkter_;
    std::vector<std::string> vistResultat_;
    std::vector<std::string> forslagAfInddata_; // the inputs the tab "Forslag" shows, as file lines
    std::vector<TKandidat> viste_;              // the candidates in the table's rows
};

} // namespace taglo
