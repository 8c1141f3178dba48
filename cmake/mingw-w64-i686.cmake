# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the Windows edition with Debian's mingw-w64 for 32-bit x86:
# one i686 file runs on every Windows from 7 SP1 on, 32- or 64-bit, and on ARM.
# Its tests take 32-bit Wine's own loader, from wine32, which runs only where
# the kernel runs 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(clayrange_wine_loader_name wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
