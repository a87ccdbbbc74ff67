// The drawing list written as JSON, for tools and tests that read the figures as data.
#pragma once

#include "drawing/tegning.h"

#include <string>

namespace taglo
{

// TegningSomJson: the drawing in world coordinates as a JSON text:
// {"figurer": [{"PenStil", "PenBredde", "PenFarve", "FyldStil", "FyldFarve", "Art",
//               "punkter": [[x, y], ...]}, ...],
//  "tekster": [{"TekstFarve", "VandretJust", "LodretJust",
//               "tekster": [{"x", "y", "tekst"}, ...]}, ...]}
// in list order. Codes are integers, coordinates JSON numbers that read back to the same
// doubles; a coordinate that is not a finite number is written as null. Texts are UTF-8
// (a malformed byte becomes U+FFFD). Indented by `indrykning` blanks per level, or on one
// line when it is negative.
[[nodiscard]] std::string TegningSomJson(const TTegning& tegning, int indrykning = 2);

} // namespace taglo
