# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What both Windows toolchain files share; each sets CMAKE_SYSTEM_PROCESSOR
# and clayrange_wine_loader_name (wine or wine64) first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# The posix threading model: the win32 one has no std::mutex, which the test
# framework needs. Linked statically, it costs the program no DLL.
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine, in a prefix of the build tree's own, on an X server of
# their own (tests/win32/wine-run.sh), with Wine's own loader for this
# processor, from Wine's folder only: Debian's wine on the PATH would pick the
# 32-bit one whenever wine32 is installed. Where none is found, the tests
# say so when they configure (tests/CMakeLists.txt).
find_program(CLAYRANGE_WINE_LOADER ${clayrange_wine_loader_name} PATHS /usr/lib/wine NO_DEFAULT_PATH
             DOC "Wine's loader for this tree's programs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run.sh
    ${CLAYRANGE_WINE_LOADER})
