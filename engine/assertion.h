#pragma once

// Programming errors stop the program with the condition that failed. Unlike
// assert(), this stays in release builds: a wrong square number must never
// reach an array.

namespace lumbra {

[[noreturn]] void assertion_failed(const char* condition, const char* file, int line);

}  // namespace lumbra

#define LUMBRA_ASSERT(condition) \
    ((condition) ? void(0) : ::lumbra::assertion_failed(#condition, __FILE__, __LINE__))
