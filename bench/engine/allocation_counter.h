#pragma once

namespace lumbra {

// The number of operator new calls the program has made so far.
long allocation_count();

}  // namespace lumbra
