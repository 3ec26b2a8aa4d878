# Cross-compiling for Windows x64 with Debian's MinGW-w64 (posix threads).
#
# Used twice by scripts/windows.sh: to build Qt for Windows, and to build the
# program against that Qt. For the second, pass the Qt prefix:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DIQX_WINDOWS_QT_PREFIX=/path/to/qt-6.4.2-... ...
# The host Qt's tools (moc, rcc, uic) come from QT_HOST_PATH, /usr by default.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(IQX_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix variants: std::thread and std::mutex need winpthreads, which the
# win32-thread compilers lack, and Qt is built with these too.
set(CMAKE_C_COMPILER ${IQX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${IQX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${IQX_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${IQX_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${IQX_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# try_compile() projects read this file again without the cache; these keep
# the Qt prefix and host path visible to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES IQX_WINDOWS_QT_PREFIX QT_HOST_PATH)

if(NOT IQX_WINDOWS_QT_PREFIX AND DEFINED ENV{IQX_WINDOWS_QT_PREFIX})
  set(IQX_WINDOWS_QT_PREFIX "$ENV{IQX_WINDOWS_QT_PREFIX}")
endif()
if(NOT QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Prefix of the host Qt whose tools run during the build")
endif()
# Debian keeps the host Qt's CMake packages under the multiarch folder.
if(NOT QT_HOST_PATH_CMAKE_DIR AND EXISTS /usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo AND QT_HOST_PATH STREQUAL "/usr")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()

# Libraries, headers and CMake packages come only from the MinGW sysroot and
# the Windows Qt, never from the Linux system; programs run at build time
# (moc, pkg-config, ...) are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${IQX_MINGW_TRIPLE})
if(IQX_WINDOWS_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${IQX_WINDOWS_QT_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${IQX_WINDOWS_QT_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
