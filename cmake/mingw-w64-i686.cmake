# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the Windows edition with Debian's mingw-w64 for 32-bit x86:
# one i686 file runs on every Windows from 7 SP1 on, 32- or 64-bit, and on ARM.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_SYSTEM_VERSION 6.1)

# The posix threading model: the win32 one has no std::mutex, which the test
# framework needs. Linked statically, it costs the program no DLL.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine, in a prefix of the build tree's own, on an X server of
# their own (tests/win32/wine-run.sh), with 32-bit Wine's own loader, from
# wine32, which runs only where the kernel runs 32-bit programs.
set(CLAYRANGE_WINE_LOADER /usr/lib/wine/wine CACHE FILEPATH "Wine's loader for this tree's programs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run.sh)
