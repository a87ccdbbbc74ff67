// The largest single request for memory of the test program, noted by its operator new.
#pragma once

#include <cstddef>

namespace taglo::test
{

void NulstilStoersteAllokering();
[[nodiscard]] std::size_t StoersteAllokering();

} // namespace taglo::test
