// What the program keeps of the user's own between runs, in the user's configuration
// (Qt's settings, an INI file under the user's configuration folder): the company's name.
// Shared by the window and the command-line tool.
#pragma once

#include <string>

namespace taglo
{

// The company's name the user gave with "Firmaoplysninger ..."; the build's name
// (TAGLO_FIRMANAVN) until the user has given one.
[[nodiscard]] std::string GemtFirmanavn();

// Keeps `navn` as the company's name for the next runs.
void GemFirmanavn(const std::string& navn);

} // namespace taglo
