# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX
# thread model, which std::thread and Qt need).
#
# The libraries built by scripts/build-windows-deps live under one prefix,
# DORVANE_WIN64_PREFIX (default ~/.cache/dorvane/win64/prefix); packages are
# looked up there and never on the build machine itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${DORVANE_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${DORVANE_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT DORVANE_WIN64_PREFIX)
  if(DEFINED ENV{DORVANE_WIN64_PREFIX})
    set(DORVANE_WIN64_PREFIX $ENV{DORVANE_WIN64_PREFIX})
  else()
    set(DORVANE_WIN64_PREFIX $ENV{HOME}/.cache/dorvane/win64/prefix)
  endif()
endif()
# Try-compile projects get the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DORVANE_WIN64_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${DORVANE_MINGW_TRIPLE} ${DORVANE_WIN64_PREFIX})
set(CMAKE_PREFIX_PATH ${DORVANE_WIN64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The prefix's include folder is searched like a system one (the project
# includes <lzo/lzo1x.h>, as the library's own pkg-config file expects).
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES ${DORVANE_WIN64_PREFIX}/include)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${DORVANE_WIN64_PREFIX}/include)

# pkg-config sees only the cross-built libraries.
set(ENV{PKG_CONFIG_LIBDIR} ${DORVANE_WIN64_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Programs built here are run under Wine by the tests.
find_program(DORVANE_WINE NAMES wine wine64)
if(DORVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DORVANE_WINE})
endif()
