// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// Counts every allocation made through operator new in this process.
namespace AllocationCounter {
std::size_t count();
}
