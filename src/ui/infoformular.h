// The About box TInfoForm: one picture with the program's name, purpose, version and
// publisher. Not modal; closed with the window's close box.
#pragma once

#include <QWidget>

namespace taglo
{

class TInfoForm final : public QWidget
{
    Q_OBJECT

  public:
    // Reads the picture OmTaglo.jpg from `programmappe` (with a trailing separator); the
    // box is created hidden.
    explicit TInfoForm(const QString& programmappe, QWidget* forfaelder = nullptr);
};

} // namespace taglo
