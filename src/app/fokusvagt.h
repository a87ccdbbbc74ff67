// When the exit of an input control runs. The user enters an edit field or the nail list
// with the mouse or the keyboard, or changes it; its exit then runs once, when the focus
// has left it or when a command, a click or a tab change asks for the field being edited
// to be left first. Controls are named by their control names.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace taglo
{

class TFokusvagt
{
  public:
    // Why the focus moved.
    enum class Aarsag
    {
        Bruger,     // the mouse or the keyboard (Tab, Shift+Tab, an accelerator)
        Program,    // the program moved it, or a widget was hidden
        Midlertidig // another window, a menu or a popup takes the keyboard for a while
    };

    // `fokus` gives the input control that has the focus now ("" for none); `forlad` runs
    // the exit of one control and returns false when its value was rejected, after the
    // focus was put back (FokusLagtTilbage).
    TFokusvagt(std::function<std::string()> fokus,
               std::function<bool(const std::string& kontrol)> forlad)
        : fokus_(std::move(fokus)), forlad_(std::move(forlad))
    {}

    // While the program acts (a handler runs, the widgets are set from the model, a
    // message box is open) focus changes are not the user's: they neither enter nor
    // leave a control. Lasts as long as the returned value.
    class Handling
    {
      public:
        explicit Handling(bool& flag) : flag_(flag), foer_(std::exchange(flag, true)) {}
        Handling(const Handling&) = delete;
        Handling& operator=(const Handling&) = delete;
        Handling(Handling&&) = delete;
        Handling& operator=(Handling&&) = delete;
        ~Handling() { flag_ = foer_; }

      private:
        bool& flag_;
        bool foer_;
    };
    [[nodiscard]] Handling ProgrammetHandler() { return Handling(iHaandtering_); }
    [[nodiscard]] bool Handler() const { return iHaandtering_; }

    // The focus entered `kontrol`.
    void FokusInd(const std::string& kontrol, Aarsag aarsag);
    // The focus left `kontrol`. True when its exit now waits: the caller runs
    // BehandlVentende once the focus change is complete, so that the exit's message box
    // and its return of the focus are not undone by the change still under way.
    [[nodiscard]] bool FokusUd(const std::string& kontrol, Aarsag aarsag);
    // The user typed in `kontrol` or chose in it.
    void Aendret(const std::string& kontrol);
    // The program put the focus back into `kontrol` after its value was rejected: it is
    // being edited again, and a control that had the focus for a moment meanwhile was
    // never entered.
    void FokusLagtTilbage(const std::string& kontrol);

    // Before a calculation: runs the waiting exits in the order their controls were left,
    // then the exit of the control that has the focus when it was entered or changed. False
    // when a value was rejected (the exits after it are dropped) or while the program acts.
    bool ForladFelt();
    // Before any other command: as ForladFelt, but a control whose rejected value was put
    // back and not changed since is not checked again, and a rejection stops nothing, so
    // a value the user has not yet corrected never holds the program. Nothing while the
    // program acts.
    void ForladFeltUdenGenkontrol();
    // The waiting exits, unless the program acts; the control that has the focus is not
    // left by this.
    void BehandlVentende();

  private:
    bool Forlad(const std::string& kontrol);
    // `genkontroller`: the exit of a rejected control put back unchanged runs too.
    bool ForladVentende(bool genkontroller);

    std::function<std::string()> fokus_;
    std::function<bool(const std::string&)> forlad_;
    bool iHaandtering_ = false;
    std::set<std::string> skalForlades_; // entered or changed since their exit last ran
    std::vector<std::string> ventende_;  // left, their exit not run yet
    std::string afvist_;                 // rejected, put back and not changed since; "" for none
};

} // namespace taglo
