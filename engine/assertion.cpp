#include "assertion.h"

#include <cstdio>
#include <cstdlib>

namespace lumbra {

void assertion_failed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, file, line);
    std::abort();
}

}  // namespace lumbra
