// Table rows of parameterised tests print as their name ("navn") instead of raw bytes.
#pragma once

#include <ostream>

namespace taglo::test
{

template <class Tilfaelde>
requires requires(const Tilfaelde& t)
{
    t.navn;
}
void PrintTo(const Tilfaelde& tilfaelde, std::ostream* os)
{
    *os << tilfaelde.navn;
}

} // namespace taglo::test
