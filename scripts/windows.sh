#!/usr/bin/env bash
# The Windows x64 build, made on Debian: MinGW-w64, Qt and a static libzip
# for Windows built from Debian's own sources, the test suite under Wine,
# and the installer and portable zip that CPack makes (cmake/install.cmake).
#
#   scripts/windows.sh            every step; the last line is the installer
#   scripts/windows.sh STEP...    only these: packages qt libzip qt-check
#                                 configure build test package
#
# Environment:
#   IQX_WINDOWS_CACHE  Qt and libzip for Windows, their sources and the Wine
#                      prefix (default ~/.cache/informacja-windows); each is
#                      built once and reused while its options are the same
#   IQX_WINDOWS_BUILD  the project's build folder (default build-windows)
#   IQX_WINDOWS_JOBS   parallel jobs (default: the number of cores, at most 2)
#   IQX_WINDOWS_NICE   niceness of the heavy steps (default 19)
#   IQX_WINDOWS_KEEP_GOING=1  build as much of the project as compiles (-k 0)
#                      and go on only when all of it did
set -euo pipefail
cd "$(dirname "$0")/.."
IQX_ROOT=$(pwd)
. scripts/windows-common.sh

IQX_WIN_CACHE=${IQX_WINDOWS_CACHE:-$HOME/.cache/informacja-windows}
IQX_WIN_BUILD=${IQX_WINDOWS_BUILD:-build-windows}
IQX_WIN_JOBS=${IQX_WINDOWS_JOBS:-$(( $(nproc) < 2 ? $(nproc) : 2 ))}
IQX_WIN_NICE=(nice -n "${IQX_WINDOWS_NICE:-19}")
IQX_WIN_TOOLCHAIN=$IQX_ROOT/cmake/mingw-w64-x86_64.cmake

iqx_win_log() { printf '[windows] %s\n' "$*" >&2; }
iqx_win_die() { printf '[windows] error: %s\n' "$*" >&2; exit 1; }

# The compilers, Wine (with its own fonts, so that screenshots show what a
# clerk sees), NSIS, the host Qt whose tools generate code for the Windows
# one, and what the builds and the tests use.
iqx_win_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  mingw-w64-x86-64-dev libz-mingw-w64-dev libzip-dev wine wine64 fonts-wine xvfb xauth
  nsis imagemagick librsvg2-bin unzip poppler-utils cmake ninja-build perl python3 dpkg-dev xz-utils
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
)

# Other builds may be installing on the same machine: apt waits for dpkg's lock.
iqx_win_step_packages() {
  local missing apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -qq)
  mapfile -t missing < <(iqx_win_missing_packages "${iqx_win_packages[@]}")
  [ ${#missing[@]} -gt 0 ] || return 0
  iqx_win_log "installing: ${missing[*]}"
  [ "$(id -u)" -eq 0 ] || apt=(sudo "${apt[@]}")
  "${apt[@]}" update && "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
}

# --- Debian's sources, and builds kept in the cache ---------------------------

# A private apt configuration that knows only Debian's source archive for
# this release; the machine's own apt sources are left as they are.
iqx_win_apt() {
  local dir=$IQX_WIN_CACHE/apt
  mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$dir/sources.list.d"
  if [ ! -s "$dir/sources.list" ]; then # the mirror the machine uses, else Debian's own
    local uri; uri=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)\/\{0,1\}$/\1/p' \
                       /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${uri:-http://deb.debian.org/debian}" \
      "$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}") main" > "$dir/sources.list"
  fi
  apt-get -o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts="$dir/sources.list.d" \
    -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir/cache" -o DPkg::Lock::Timeout=900 "$@"
}

# iqx_win_source PACKAGE VERSION FOLDER [PREPARE]: fetches Debian's source
# package once, unpacks it with Debian's patches applied into FOLDER, runs
# PREPARE on it, and prints the unpacked tree.
iqx_win_source() {
  local root=$IQX_WIN_CACHE/src/$1-$2
  if [ ! -f "$root/.unpacked" ]; then
    rm -rf "$root" && mkdir -p "$root/download" || return 1
    iqx_win_log "fetching Debian's $1 $2 source"
    iqx_win_apt update -qq >&2 || return 1
    (cd "$root/download" && iqx_win_apt source --download-only "$1=$2") >&2 || return 1
    dpkg-source -x "$root"/download/"$1"_*.dsc "$root/$3" >&2 || return 1
    [ -z "${4:-}" ] || "$4" "$root/$3" >&2 || return 1
    touch "$root/.unpacked"
  fi
  echo "$root/$3"
}

# iqx_win_cached NAME PREFIX FUNCTION: unless PREFIX is complete, runs
# FUNCTION PREFIX (building in PREFIX.build), its output in PREFIX.log. The
# marker is written last: a build stopped half-way is never taken for done.
iqx_win_cached() {
  if [ -f "$2/.complete" ]; then iqx_win_log "$1 for Windows: $2 (cached)"; return 0; fi
  local start=$SECONDS
  iqx_win_log "building $1 for Windows into $2 (log: $2.log)"
  # In a subshell: it works in the build folder, which is removed below.
  ( "$3" "$2" ) > "$2.log" 2>&1 \
    || { tail -n 40 "$2.log" >&2; iqx_win_die "the $1 build failed; the whole log is $2.log"; }
  echo "$(( SECONDS - start )) s" > "$2/.complete"
  rm -rf "$2.build"
  iqx_win_log "$1 for Windows built in $(( SECONDS - start )) s"
}

# iqx_win_prefix NAME VERSION DEBVERSION OPTIONS: a cache folder, named with
# a hash of all that changes the binaries: the Debian source version, the
# options, the toolchain file and the compiler.
iqx_win_prefix() {
  echo "$IQX_WIN_CACHE/$1-$2-$( { echo "$3"; "$4"; cat "$IQX_WIN_TOOLCHAIN"
    "$IQX_WIN_TRIPLE-g++-posix" --version | head -n1; } | sha256sum | cut -c1-12)"
}

# --- Qt for Windows -----------------------------------------------------------

# Built from the same Debian source version as the host Qt whose moc, rcc
# and uic generate its code: the two must agree.
iqx_win_qt_debversion() { dpkg-query -W -f='${Version}' qt6-base-dev-tools; }

# Only what the program needs: Core, Gui, Widgets, PrintSupport, Test and
# the windows platform plugin. direct2d stays on (PrintSupport does not link
# without it), freetype too (the offscreen platform needs it); the program
# paints with QPainter and uses no OpenGL, Vulkan, D-Bus, ICU, SQL, network,
# XML or concurrent module. Tablet events stay on: Debian's source lacks the
# wintab headers, which are taken from Wine's development package (LGPL).
iqx_win_qt_options() {
  printf '%s\n' -release -shared -opensource -confirm-license -xplatform win32-g++ \
    -nomake examples -nomake tests -nomake benchmarks \
    -no-opengl -no-vulkan -no-dbus -no-icu -no-pkg-config -no-zstd \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent
}

# Wine's wintab.h and pktdef.h into Qt's tree; the first uses two of Wine's
# own macros and Qt's code the API calling convention, defined here.
iqx_win_qt_wintab() {
  local tree=$1 wine_dev=$1/../libwine-dev h
  mkdir -p "$wine_dev" "$tree/src/3rdparty/wintab"
  (cd "$wine_dev" && apt-get -o DPkg::Lock::Timeout=900 download libwine-dev) || return 1
  dpkg-deb -x "$wine_dev"/libwine-dev_*.deb "$wine_dev/root" || return 1
  for h in wintab.h pktdef.h; do
    cp "$(find "$wine_dev/root" -name "$h" | head -n1)" "$tree/src/3rdparty/wintab/" || return 1
  done
  rm -rf "$wine_dev"
  sed -i "/^#define __WINE_WINTAB_H/r $IQX_ROOT/scripts/windows-wintab.h" "$tree/src/3rdparty/wintab/wintab.h"
  grep -q 'Outside Wine' "$tree/src/3rdparty/wintab/wintab.h"
}

# Configures (unless done), builds and installs Qt. A build folder left by a
# stopped run is taken up where it stopped. Qt's build records the toolchain
# file's path: a copy in the cache stays valid when the work tree is gone.
iqx_win_qt_build() {
  local prefix=$1 tree opts
  tree=$(iqx_win_source qt6-base "$(iqx_win_qt_debversion)" qtbase iqx_win_qt_wintab) || return 1
  mapfile -t opts < <(iqx_win_qt_options)
  cp "$IQX_WIN_TOOLCHAIN" "$prefix.toolchain.cmake" && rm -rf "$prefix" && mkdir -p "$prefix.build" \
    && cd "$prefix.build" || return 1
  if [ ! -f .iqx-configured ]; then
    "${IQX_WIN_NICE[@]}" "$tree/configure" -prefix "$prefix" "${opts[@]}" -qt-host-path /usr -- -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$prefix.toolchain.cmake" \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake && touch .iqx-configured || return 1
  fi
  "${IQX_WIN_NICE[@]}" cmake --build . --parallel "$IQX_WIN_JOBS" && "${IQX_WIN_NICE[@]}" cmake --install . --strip \
    && mkdir -p "$prefix/licenses" && cp "$tree"/LICENSES/*.txt "$prefix/licenses/"
}
iqx_win_qt_prefix() { local v; v=$(iqx_win_qt_debversion) || iqx_win_die "qt6-base-dev-tools is not installed"
  iqx_win_prefix qt "$(sed -E 's/^[0-9]+://; s/[+~-].*$//' <<< "$v")" "$v" iqx_win_qt_options; }
iqx_win_step_qt() { iqx_win_cached Qt "$(iqx_win_qt_prefix)" iqx_win_qt_build; }

# --- libzip for Windows -------------------------------------------------------

# The register's zip archives are read with libzip: for Windows a static one
# from Debian's source of the host's version, with libz-mingw-w64-dev's
# static zlib (no DLL of either beside the program). Deflate only: no other
# compression, no encryption, tools, tests, examples or manual pages.
iqx_win_libzip_debversion() { dpkg-query -W -f='${source:Version}' libzip-dev; }
iqx_win_libzip_options() {
  printf '%s\n' -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DZLIB_USE_STATIC_LIBS=ON \
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_COMMONCRYPTO=OFF \
    -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
}
iqx_win_libzip_build() {
  local prefix=$1 tree opts
  tree=$(iqx_win_source libzip "$(iqx_win_libzip_debversion)" tree) || return 1
  mapfile -t opts < <(iqx_win_libzip_options)
  rm -rf "$prefix" "$prefix.build"
  cmake -S "$tree" -B "$prefix.build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$IQX_WIN_TOOLCHAIN" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${opts[@]}" \
    && "${IQX_WIN_NICE[@]}" cmake --build "$prefix.build" --parallel "$IQX_WIN_JOBS" \
    && cmake --install "$prefix.build" && cp "$tree/LICENSE" "$prefix/LICENSE-libzip.txt"
}
iqx_win_libzip_prefix() { local v; v=$(iqx_win_libzip_debversion) || iqx_win_die "libzip-dev is not installed"
  iqx_win_prefix libzip "${v%%-*}" "$v" iqx_win_libzip_options; }
iqx_win_step_libzip() { iqx_win_cached libzip "$(iqx_win_libzip_prefix)" iqx_win_libzip_build; }

# --- the program --------------------------------------------------------------

# Qt and libzip for Windows as the later steps see them.
iqx_win_require() {
  IQX_WIN_QT_PREFIX=$(iqx_win_qt_prefix)
  IQX_WIN_LIBZIP_PREFIX=$(iqx_win_libzip_prefix)
  [ -f "$IQX_WIN_QT_PREFIX/.complete" ] || iqx_win_die "no Qt for Windows yet: run scripts/windows.sh qt"
  [ -f "$IQX_WIN_LIBZIP_PREFIX/.complete" ] || iqx_win_die "no libzip for Windows yet: run scripts/windows.sh libzip"
  export IQX_WINDOWS_QT_PREFIX=$IQX_WIN_QT_PREFIX IQX_WINDOWS_CACHE=$IQX_WIN_CACHE
  # Qt's Polish texts are the same files on every system: Debian's go where
  # Qt for Windows looks for them when the suite runs.
  mkdir -p "$IQX_WIN_QT_PREFIX/translations" && cp -u /usr/share/qt6/translations/qtbase_pl.qm \
    "$IQX_WIN_QT_PREFIX/translations/" || iqx_win_die "no Qt texts in Polish (qt6-translations-l10n)"
}

# Small programs under Wine (tests/windows/qtcheck): a broken Qt, libzip,
# toolchain or Wine set-up is told apart from a fault of the program.
iqx_win_step_qt_check() {
  iqx_win_require
  tests/windows/qtcheck/check.sh "$IQX_WIN_BUILD/qtcheck" "$IQX_WIN_QT_PREFIX" "$IQX_WIN_LIBZIP_PREFIX" \
    || iqx_win_die "Qt or libzip for Windows does not work under Wine"
}

iqx_win_step_configure() {
  iqx_win_require
  # CTest runs each test program through the Wine wrapper; the Qt prefix and
  # the cache go with it, so ctest works in the build folder by itself too.
  # pkg-config looks only at MinGW-w64 libraries. A compiler cache where the
  # machine has one (not on CI's fresh machine).
  local emulator="/usr/bin/env;IQX_WINDOWS_QT_PREFIX=$IQX_WIN_QT_PREFIX;IQX_WINDOWS_CACHE=$IQX_WIN_CACHE;IQX_WINE_TIMEOUT=870;$IQX_ROOT/scripts/wine-run.sh"
  local launcher=(); command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  iqx_win_log "configuring $IQX_WIN_BUILD"
  cmake -S . -B "$IQX_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$IQX_WIN_TOOLCHAIN" -DIQX_WINDOWS_QT_PREFIX="$IQX_WIN_QT_PREFIX" \
    -DCMAKE_PREFIX_PATH="$IQX_WIN_LIBZIP_PREFIX" -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
    -DPKG_CONFIG_EXECUTABLE="$(command -v "$IQX_WIN_TRIPLE-pkg-config")" \
    -DIQX_LINUX_BUILD="$IQX_ROOT/build" "${launcher[@]}" \
    || iqx_win_die "configuring the project for Windows failed (see above)"
}

iqx_win_step_build() {
  iqx_win_require
  [ -f "$IQX_WIN_BUILD/build.ninja" ] || iqx_win_step_configure
  local keep=(); [ "${IQX_WINDOWS_KEEP_GOING:-0}" = 1 ] && keep=(-- -k 0)
  iqx_win_log "building $IQX_WIN_BUILD"
  "${IQX_WIN_NICE[@]}" cmake --build "$IQX_WIN_BUILD" --parallel "$IQX_WIN_JOBS" "${keep[@]}" \
    || iqx_win_die "the project does not build for Windows (see above)"
}

# The suite under Wine, one test at a time (each starts its own X server
# and Wine programs), the installer and zip checks among them.
iqx_win_step_test() {
  iqx_win_require
  tests/windows/wine_run_check.sh || iqx_win_die "scripts/wine-run.sh does not work as the suite needs"
  iqx_win_log "running the suite under Wine"
  ctest --test-dir "$IQX_WIN_BUILD" --output-on-failure || iqx_win_die "tests failed under Wine"
}

# The portable zip, then the installer, as cpack names them.
iqx_win_step_package() {
  local g out
  for g in ZIP NSIS; do
    out=$(cd "$IQX_WIN_BUILD" && "${IQX_WIN_NICE[@]}" cpack -G "$g" 2>&1) \
      || { echo "$out" >&2; iqx_win_die "cpack -G $g failed"; }
    IQX_WIN_PACKAGE=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<< "$out")
    iqx_win_log "made $IQX_WIN_PACKAGE"
  done
}

iqx_win_main() {
  local steps=("$@") s
  [ ${#steps[@]} -gt 0 ] || steps=(packages qt libzip qt-check configure build test package)
  for s in "${steps[@]}"; do
    declare -F "iqx_win_step_${s//-/_}" > /dev/null || iqx_win_die "unknown step: $s"
    "iqx_win_step_${s//-/_}"
  done
  # The installer's path is the last line, for scripts that take it.
  if [ -n "${IQX_WIN_PACKAGE:-}" ]; then echo "$IQX_WIN_PACKAGE"; fi
}

iqx_win_main "$@"
