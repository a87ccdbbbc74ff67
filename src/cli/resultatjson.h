// The numbers of a calculation as JSON, for machine use.
#pragma once

#include "app/applikation.h"

#include <nlohmann/json.hpp>

#include <string>

namespace taglo::cli
{

// The case's name: its load combination and wind case letter, "3a", "9w", "8f".
[[nodiscard]] std::string TilfaeldeNavn(const TTilfaeldeNoegle& tilfaelde);

// The inputs, the derived values, the result record (the three nail capacity records as
// objects, or null when absent), the cases of the last run in the order analysed with their
// eleven key values, and per result category the governing case; every field named as in
// the records. "Kategorier" names the categories the key values are listed in.
[[nodiscard]] nlohmann::json ResultatSomJson(const TApplikation& app);

} // namespace taglo::cli
