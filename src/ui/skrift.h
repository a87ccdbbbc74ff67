// The fonts of the window. The named Windows fonts are asked for first; where they are
// absent their metric twins take over (Liberation Sans for Arial and the sans font,
// Liberation Mono for Courier New), then DejaVu.
#pragma once

#include <QFont>

namespace taglo
{

// The window's sans font at `pixels` height (10 for the window, 12 for the tabs, 11
// for the special choices and the snow controls).
[[nodiscard]] QFont SansSkrift(int pixels, bool fed = false);
// The bold Arial of the lines under the help pictures.
[[nodiscard]] QFont ArialFed(int pixels);
// The monospaced font of the result memo (13 pixels there).
[[nodiscard]] QFont FastBreddeSkrift(int pixels);
// The printer font "Courier New" at `punkter` points.
[[nodiscard]] QFont PrinterSkrift(int punkter);

} // namespace taglo
