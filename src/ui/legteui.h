// The main window TForm1: eight tabs of inputs, help pictures, check drawings, the
// result and the nail connection, a column of commands and two warning panels. The
// window mirrors the application's state into its widgets and forwards their events.
#pragma once

#include "app/applikation.h"
#include "app/udskrift.h"
#include "core/dialoger.h"
#include "core/meddelelser.h"
#include "core/regional.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QAction;
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

// Forwards the application's messages to the window's message boxes. While a paint
// event runs no box may open, so messages raised then wait until the paint is over, and
// the same messages from the next paints of the same inputs are not shown again.
class MaleMeddelelser final : public Meddelelser
{
  public:
    explicit MaleMeddelelser(Meddelelser& ud) : ud_(ud) {}

    void fejl(std::string_view tekst) override { send(Art::Fejl, tekst); }
    void advarsel(std::string_view tekst) override { send(Art::Advarsel, tekst); }
    void besked(std::string_view tekst) override { send(Art::Besked, tekst); }
    void fejldialog(std::string_view tekst) override { send(Art::Fejldialog, tekst); }

    // Between these two calls messages wait.
    void begyndMaling() { maler_ = true; }
    void slutMaling();
    // Shows the messages that waited, unless they are those shown after the last paint.
    void visVentende();
    // The inputs have changed: messages of the next paint are new.
    void glemVist() { vist_.clear(); }

  private:
    enum class Art
    {
        Fejl,
        Advarsel,
        Besked,
        Fejldialog
    };
    void send(Art art, std::string_view tekst);
    void vis(Art art, std::string_view tekst);

    Meddelelser& ud_;
    bool maler_ = false;
    std::vector<std::pair<Art, std::string>> venter_;
    std::vector<std::pair<Art, std::string>> vist_;
};

class TForm1 : public QMainWindow
{
    Q_OBJECT

  public:
    // Opens a document with the desktop's viewer; whether it could.
    using Dokumentaabner = std::function<bool(const QString& sti)>;

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

    // The About box that "&Om Taglo" shows; created at start-up, kept by the caller.
    void saetInfoForm(QWidget* infoForm) { infoForm_ = infoForm; }
    // Replaces the desktop's document viewer (tests).
    void saetDokumentaabner(Dokumentaabner aabner) { dokumentaabner_ = std::move(aabner); }

    [[nodiscard]] TApplikation& applikation() { return app_; }
    [[nodiscard]] const QString& Programmappe() const { return programmappe_; }

    [[nodiscard]] QTabWidget* faner() const { return PageControl1_; }
    [[nodiscard]] QLineEdit* edit(const QString& navn) const;
    [[nodiscard]] RadioGruppe* radiogruppe(const QString& navn) const;
    [[nodiscard]] QComboBox* ComboBoxNail() const { return ComboBoxNail_; }
    [[nodiscard]] QPlainTextEdit* Resultat() const { return Resultat_; }
    [[nodiscard]] QAction* menupunkt(const QString& navn) const;
    [[nodiscard]] QPushButton* knap(const QString& navn) const;

  protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override;

  private:
    // Widget building, one function per part of the window.
    void bygMenu();
    QWidget* bygInddataark();
    QWidget* bygOpsetningsark();
    QWidget* bygHjaelpeark(const QString& navn, const QString& billednavn,
                           const QString& billedfil);
    static QWidget* bygKontrolark(const QString& navn, const QString& overskrift,
                                  const QString& tegnefladenavn);
    QWidget* bygResultatark();
    QWidget* bygSoemark();
    QWidget* bygKommandosoejle();
    void forbindHaendelser();

    // Commands of the buttons and the menu.
    void ButtonHentProjektdataClick();
    void ButtonGemProjektdataClick();
    void ButtonPrintResultClick();
    void ButtonGemResultClick();
    void ButtonVisBrugervejlednClick();
    void LukkeknapClick();
    void VisFane(Fane fane);
    void MenuBeregnClick();
    void OptegnNail();
    void VisInfoFormular();
    void PageControl1Change(int indeks);
    void RadioGroupClick(Valg valg, int indeks);

    // Leaving the control being edited. Runs the exit handler of every control whose
    // focus has left and of the control that has the focus now, in that order, unless
    // it has been run since the control was entered or changed. False when a value was
    // rejected: the message has been shown, the tab "Inddata" is active and the focus
    // is back in the field, and the command that asked must not go on.
    bool ForladFelt();
    // Runs the exit handler of one control; false when its value was rejected.
    bool Forlad(QWidget* kontrol);
    // The exits waiting since their controls lost the focus.
    void BehandlVentende();
    // Runs `kommando` on the application after leaving the field being edited, then
    // mirrors the application's state into the widgets.
    void Kommando(const std::function<void()>& kommando);
    // Puts the application's state into the widgets and moves the focus where asked.
    void Spejl();
    [[nodiscard]] bool erInputkontrol(const QWidget* kontrol) const;

    void TegnKontrol(QPainter& maler, int bredde, int hoejde, bool tvaersnit);
    void TegnSoemforbindelse(QPainter& maler, int bredde, int hoejde);

    Vinduestjenester tjenester_;
    MaleMeddelelser meddelelser_;
    TApplikation app_;
    QString programmappe_;
    QPointer<QWidget> infoForm_;
    Dokumentaabner dokumentaabner_;

    // True while a handler runs: focus changes then come from message boxes and from
    // the program itself, and leave no exit behind.
    bool iHaandtering_ = false;
    // True while the window sets its widgets from the application's state.
    bool spejler_ = false;
    // Input controls entered or changed since their exit handler last ran.
    std::set<const QWidget*> skalForlades_;
    // Input controls whose focus has left and whose exit handler has not run yet.
    std::vector<QPointer<QWidget>> ventende_;
    std::vector<std::string> vistResultat_;

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
