// Small controls of the main window that Qt has no exact counterpart for: the radio
// group with a caption and items in columns, and the paint box.
#pragma once

#include <QGroupBox>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QButtonGroup;
class QPainter;
class QRadioButton;

namespace taglo
{

// Creates a widget, layout or helper object that belongs to its Qt parent (given among
// the arguments, or set when it is added to a layout or a tab), which deletes it.
template <class T, class... Argumenter> T* Ny(Argumenter&&... argumenter)
{
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): Qt's parent deletes it
    return new T(std::forward<Argumenter>(argumenter)...);
}

// A framed group of radio items laid out in columns, filled column by column. The item
// index is -1 while no item is selected. `klikket` is emitted only when the user selects
// an item (mouse, arrow keys or space), never when the program sets the index.
class RadioGruppe final : public QGroupBox
{
    Q_OBJECT

  public:
    RadioGruppe(const QString& navn, const QString& overskrift, const QStringList& punkter,
                int kolonner, QWidget* forfaelder);

    // The selected item, or -1 when none is selected.
    [[nodiscard]] int itemIndex() const;
    // Selects item `indeks`; -1 (or any index outside the items) clears the selection.
    void saetItemIndex(int indeks);
    [[nodiscard]] int antalPunkter() const { return static_cast<int>(knapper_.size()); }
    // The radio button of item `indeks`, for tests and for the focus.
    [[nodiscard]] QRadioButton* punkt(int indeks) const;

  signals:
    void klikket(int indeks);

  private:
    QButtonGroup* gruppe_;
    std::vector<QRadioButton*> knapper_;
};

// A surface that only paints: its paint event hands a painter to `tegn`, with the box's
// width and height in pixels. It takes no focus.
class Tegneflade final : public QWidget
{
    Q_OBJECT

  public:
    using Tegnefunktion = std::function<void(QPainter&, int bredde, int hoejde)>;

    Tegneflade(const QString& navn, QWidget* forfaelder);
    void saetTegnefunktion(Tegnefunktion tegn) { tegn_ = std::move(tegn); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Tegnefunktion tegn_;
};

} // namespace taglo
