# Included before the layers look for libzip (the zip archives the register
# comes in are read with it).
#
# On Windows libzip is the static library scripts/windows.sh builds and
# passes in CMAKE_PREFIX_PATH. Its exported target links ZLIB::ZLIB without
# looking for it (its package file leaves that to the user), so zlib is
# found here, static as well: the program then needs no DLL of either. On
# Linux the system's shared libzip brings its own dependencies.
if(WIN32)
  if(CMAKE_CROSSCOMPILING)
    # The cross toolchain looks for packages only under its root paths; the
    # prefixes the build was given are roots of their own.
    list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
    list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
  endif()
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)
endif()
