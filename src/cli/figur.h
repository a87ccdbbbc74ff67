// "taglo-cli figur": one figure of a project file as a picture or as drawing data.
#pragma once

#include "cli/kommandolinje.h"
#include "core/regional.h"

#include <ostream>

namespace taglo::cli
{

// Loads the project file as the window's load command does and saves the figure: the
// cross-section or longitudinal-section check figure of the inputs, or the nail
// connection figure of the calculation (which is refused, as in the window, while an
// input fails its check). ".json" saves the drawing list in world coordinates, ".svg" and
// ".png" a picture of the chosen size painted as the window paints it, without a
// display. An existing file is replaced only by a complete new one. Messages go to
// `fejl`. Returns 0 when the figure was saved, 2 otherwise.
[[nodiscard]] int KoerFigur(const FigurKommando& kommando, const Regionalindstillinger& regional,
                            std::ostream& fejl);

} // namespace taglo::cli
