# SPDX-License-Identifier: GPL-3.0-or-later
# Windows x86-64 with Debian's MinGW-w64 (the POSIX threads flavour, which std::thread and
# std::mutex need), linked statically so the .exe files run without any of MinGW's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELOMARK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELOMARK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELOMARK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELOMARK_MINGW}-windres)

# Libraries and headers come only from the MinGW tree and from the libraries built for Windows
# into the build folder (scripts/test-windows.sh: pugixml, GeographicLib); programs (cmake's own
# helpers) from the machine building.
set(CMAKE_FIND_ROOT_PATH /usr/${VELOMARK_MINGW} ${CMAKE_BINARY_DIR}/third_party/install)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests that ctest starts, and gtest_discover_tests' listing, go through Wine.
find_program(VELOMARK_WINE NAMES wine wine64)
if(VELOMARK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELOMARK_WINE})
endif()
