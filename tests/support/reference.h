// Where the reference projects are: the folder named by TAGLO_REFERENCE (set by CTest).
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace taglo::test
{

inline std::string ReferenceMappe()
{
    const char* mappe = std::getenv("TAGLO_REFERENCE");
    return mappe != nullptr ? std::string(mappe) : std::string("../shared/reference");
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
