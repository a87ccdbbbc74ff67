// Where the reference projects are: the repository's test data.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace taglo::test
{

inline std::string ReferenceMappe()
{
    return TAGLO_REFERENCE_DIR;
}

// Reference project `nr`'s file with the ending "json", "txt", "log" or "tgl".
inline std::string ReferenceFil(int nr, const std::string& endelse)
{
    return ReferenceMappe() + "/projekt0" + std::to_string(nr) + "." + endelse;
}

// The whole content of a file as bytes; empty when it cannot be read.
inline std::string LaesHeleFilen(const std::string& sti)
{
    std::ifstream fil(sti, std::ios::binary);
    std::ostringstream indhold;
    indhold << fil.rdbuf();
    return indhold.str();
}

} // namespace taglo::test
