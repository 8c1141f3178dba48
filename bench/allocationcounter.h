#pragma once

#include <cstddef>

// Counts every allocation made through operator new in this process.
namespace AllocationCounter {
std::size_t count();
}
