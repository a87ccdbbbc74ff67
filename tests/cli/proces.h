// Runs taglo-cli as the user would and collects what it writes and its exit status.
#pragma once

#include <string>
#include <vector>

namespace taglo::test
{

struct Udfald
{
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string ud;   // standard output
    std::string fejl; // standard error
};

// Runs `program` with `argumenter`, standard input empty, in an environment of only PATH,
// HOME, the user's configuration folder `mappe` and `miljoe` ("NAVN=VÆRDI"); the outputs
// go through files in `mappe`.
Udfald KoerProgram(const std::string& program, const std::vector<std::string>& argumenter,
                   const std::vector<std::string>& miljoe, const std::string& mappe);

} // namespace taglo::test
