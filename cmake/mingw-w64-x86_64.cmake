# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers.
#
# The POSIX thread flavour of the compilers: the win32 flavour of GCC 12
# has no std::thread. Everything links statically (the C++ runtime, the
# thread library, zlib), so a program is one .exe that runs anywhere without
# DLLs beside it.
#
# BRENMOOR_WINDOWS_PREFIX names the folder that scripts/build-windows-deps
# filled with the target's libraries and the header-only ones; only it and
# the compiler's own folder are searched, never the build machine's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRENMOOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRENMOOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRENMOOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BRENMOOR_MINGW}-windres)

if(NOT BRENMOOR_WINDOWS_PREFIX AND DEFINED ENV{BRENMOOR_WINDOWS_PREFIX})
    set(BRENMOOR_WINDOWS_PREFIX $ENV{BRENMOOR_WINDOWS_PREFIX})
endif()
# try_compile projects run this file again and must see the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRENMOOR_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${BRENMOOR_MINGW} ${BRENMOOR_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the target's .pc files only.
if(BRENMOOR_WINDOWS_PREFIX)
    set(ENV{PKG_CONFIG_LIBDIR} ${BRENMOOR_WINDOWS_PREFIX}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
endif()

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/mingw-static-libraries.cmake)

# ctest and CMake's own test discovery start the programs through Wine.
find_program(BRENMOOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(BRENMOOR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${BRENMOOR_WINE})
endif()
