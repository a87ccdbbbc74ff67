// Replaces the global operator new of the test program to note the largest request; the
// memory itself comes from malloc as before, so the sanitizers still watch it.
#include "allokering.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
// The one global of the test program: operator new has nowhere else to note its requests.
std::atomic<std::size_t> stoerste{0};
} // namespace

void taglo::test::NulstilStoersteAllokering()
{
    stoerste.store(0);
}

std::size_t taglo::test::StoersteAllokering()
{
    return stoerste.load();
}

// NOLINTBEGIN(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void* operator new(std::size_t bytes)
{
    std::size_t hidtil = stoerste.load(std::memory_order_relaxed);
    while (bytes > hidtil && !stoerste.compare_exchange_weak(hidtil, bytes))
    {}
    if (void* p = std::malloc(bytes == 0 ? 1 : bytes))
    {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t /*bytes*/) noexcept
{
    std::free(p);
}
// The array forms of the library call these.
// NOLINTEND(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
