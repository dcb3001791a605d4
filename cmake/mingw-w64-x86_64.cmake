# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads variant, for std::jthread).
# Used by the Windows build of the program, its tests and the libraries built for it from Debian's sources.
# The name must not end in "qt.toolchain.cmake": Qt's own build refuses a toolchain file of that name.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVREL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the prefixes listed in CMAKE_PREFIX_PATH (the
# cache of libraries built for Windows); programs (moc, python) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TAVREL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Test programs run under Wine, through a script that starts a program again when Wine failed to start it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine-run)
