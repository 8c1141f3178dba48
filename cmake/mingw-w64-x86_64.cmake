# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the Windows edition with Debian's mingw-w64 for x86_64: not
# the file that ships, but the same front end, its suites and its MSI, tested
# under 64-bit Wine, which runs on every x86_64 kernel. Its own loader is
# called, never Debian's wine, which takes the 32-bit one whenever wine32 is
# installed, even where the kernel cannot run it.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(clayrange_wine_loader_name wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
