# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the Windows edition with Debian's mingw-w64 for x86_64: not
# the file that ships, but the same front end, its suites and its MSI, tested
# under 64-bit Wine, which runs on every x86_64 kernel.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_SYSTEM_VERSION 6.1)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# 64-bit Wine's own loader, never Debian's wine, which takes the 32-bit one
# whenever wine32 is installed, even where the kernel cannot run it.
set(CLAYRANGE_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "Wine's loader for this tree's programs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run.sh)
