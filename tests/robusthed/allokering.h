// The largest single request for memory, so that a test can tell that reading a file takes
// bounded memory whatever the size of the file.
#pragma once

#include <cstddef>

namespace taglo::test
{

// Forgets the requests made so far.
void NulstilStoersteAllokering();

// The largest number of bytes one call of operator new has asked for since the last
// NulstilStoersteAllokering.
[[nodiscard]] std::size_t StoersteAllokering();

} // namespace taglo::test
