#!/usr/bin/env bash
# The Windows x64 build, made on Debian: MinGW-w64, a Qt for Windows and a
# static libzip built from Debian's own sources, the test suite under Wine,
# and an NSIS installer.
#
#   scripts/windows.sh            every step; the last line is the installer
#   scripts/windows.sh STEP...    only these: packages qt libzip qt-check
#                                 configure build test installer
#                                 installer-check zip
#
# Environment:
#   IQX_WINDOWS_CACHE   where Qt and libzip for Windows, their sources and
#                       the Wine prefix are kept (default
#                       ~/.cache/informacja-windows); each is built once and
#                       reused while its options are the same
#   IQX_WINDOWS_BUILD   the project's build folder (default build-windows)
#   IQX_WINDOWS_JOBS    parallel jobs (default: the number of cores, at most 2)
#   IQX_WINDOWS_NICE    niceness of the heavy steps (default 19)
#   IQX_WINDOWS_KEEP_GOING=1
#                       build as much of the project as compiles (-k 0) and
#                       go on to the next steps only when all of it did
#   IQX_WINDOWS_PROGRAM  a Windows program to package in place of the one
#                       built, for trying the installer steps on their own
set -euo pipefail
cd "$(dirname "$0")/.."
IQX_ROOT=$(pwd)

IQX_WIN_CACHE=${IQX_WINDOWS_CACHE:-$HOME/.cache/informacja-windows}
IQX_WIN_BUILD=${IQX_WINDOWS_BUILD:-build-windows}
IQX_WIN_JOBS=${IQX_WINDOWS_JOBS:-$(( $(nproc) < 2 ? $(nproc) : 2 ))}
IQX_WIN_NICE=(nice -n "${IQX_WINDOWS_NICE:-19}")
IQX_WIN_TRIPLE=x86_64-w64-mingw32
IQX_WIN_TOOLCHAIN=$IQX_ROOT/cmake/mingw-w64-x86_64.cmake

iqx_win_log() { printf '[windows] %s\n' "$*" >&2; }
iqx_win_die() { printf '[windows] error: %s\n' "$*" >&2; exit 1; }

# --- Debian packages --------------------------------------------------------

iqx_win_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 mingw-w64-tools mingw-w64-x86-64-dev
  libz-mingw-w64-dev libzip-dev
  wine wine64 xvfb xauth
  nsis imagemagick librsvg2-bin zip poppler-utils
  cmake ninja-build perl python3 dpkg-dev xz-utils
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
)

iqx_win_step_packages() {
  local p missing=()
  for p in "${iqx_win_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  iqx_win_log "installing: ${missing[*]}"
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  # Other builds may be installing on the same machine: wait for dpkg's lock
  # instead of failing.
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=900 update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
}

# --- Qt for Windows -----------------------------------------------------------

# The target Qt is built from the same Debian source version as the host Qt
# whose moc, rcc and uic generate its code: the two must agree.
iqx_win_qt_debversion() {
  dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null \
    || iqx_win_die "qt6-base-dev-tools is not installed"
}
iqx_win_qt_version() { iqx_win_qt_debversion | sed -E 's/^[0-9]+://; s/[+~-].*$//'; }

# Only what the program needs: Core, Gui, Widgets, PrintSupport, Test and
# the windows platform plugin. Notes on the choices:
#  - direct2d stays on: without it the PrintSupport library fails to link.
#  - freetype stays (bundled): without it Qt drops the offscreen platform.
#  - no OpenGL, Vulkan, D-Bus, ICU, SQL, network, XML or concurrent module:
#    the program paints with QPainter and uses none of them.
#  - tablet events stay on; Debian's source lacks the wintab headers, which
#    are taken from Wine's development package (LGPL) instead.
iqx_win_qt_options() {
  printf '%s\n' \
    -release -shared -opensource -confirm-license \
    -xplatform win32-g++ \
    -nomake examples -nomake tests -nomake benchmarks \
    -no-opengl -no-vulkan -no-dbus -no-icu -no-pkg-config -no-zstd \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent
}

# The cache key: Qt's version, and a hash of everything that changes the
# binaries: the Debian source version, the options, the toolchain file and
# the compiler.
iqx_win_qt_prefix() {
  local hash
  hash=$( {
    iqx_win_qt_debversion; echo
    iqx_win_qt_options
    cat "$IQX_WIN_TOOLCHAIN"
    "$IQX_WIN_TRIPLE-g++-posix" --version 2>/dev/null | head -n1
  } | sha256sum | cut -c1-12)
  echo "$IQX_WIN_CACHE/qt-$(iqx_win_qt_version)-$hash"
}

# A private apt configuration that knows only Debian's source archive for
# this release; the machine's own apt sources are left as they are.
iqx_win_apt() {
  local dir=$IQX_WIN_CACHE/apt
  mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$dir/sources.list.d"
  if [ ! -s "$dir/sources.list" ]; then
    local codename uri
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    # The mirror the machine already uses for Debian, else Debian's own.
    uri=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)\/\{0,1\}$/\1/p' \
            /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    [ -n "$uri" ] || uri=http://deb.debian.org/debian
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $codename main" \
      > "$dir/sources.list"
  fi
  apt-get \
    -o Dir::Etc::SourceList="$dir/sources.list" \
    -o Dir::Etc::SourceParts="$dir/sources.list.d" \
    -o Dir::State::Lists="$dir/lists" \
    -o Dir::Cache="$dir/cache" \
    -o DPkg::Lock::Timeout=900 \
    "$@"
}

iqx_win_wintab_shim() {
  local header=$1
  grep -q 'Outside Wine' "$header" && return 0
  local shim
  shim=$(cat <<'SHIM'
/* Outside Wine: the two Wine macros this header uses, and the calling
 * convention the Wintab interface is declared with. */
#ifndef WINELIB_NAME_AW
# ifdef UNICODE
#  define WINELIB_NAME_AW(func) func##W
# else
#  define WINELIB_NAME_AW(func) func##A
# endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
# define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
# define API WINAPI
#endif
SHIM
)
  awk -v shim="$shim" '{ print } /^#define __WINE_WINTAB_H/ && !done { print ""; print shim; done = 1 }' \
    "$header" > "$header.new" && mv "$header.new" "$header"
  grep -q 'Outside Wine' "$header" || iqx_win_die "could not adapt $header"
}

# Prints the folder of Debian's qtbase source, patched, fetching and
# unpacking it the first time.
iqx_win_qt_source() {
  local debver src_root tree
  debver=$(iqx_win_qt_debversion)
  src_root=$IQX_WIN_CACHE/src/qt6-base-$debver
  tree=$src_root/qtbase
  if [ -f "$src_root/.unpacked" ]; then echo "$tree"; return; fi
  rm -rf "$src_root"
  mkdir -p "$src_root/download"
  iqx_win_log "fetching Debian's qt6-base $debver source"
  iqx_win_apt update -qq >&2
  ( cd "$src_root/download" && iqx_win_apt source --download-only "qt6-base=$debver" >&2 )
  local dsc
  dsc=$(ls "$src_root/download"/qt6-base_*.dsc 2>/dev/null | head -n1)
  [ -n "$dsc" ] || iqx_win_die "no qt6-base source package was fetched"
  # dpkg-source applies Debian's patch series.
  dpkg-source -x "$dsc" "$tree" >&2

  # The windows platform plugin includes the wintab headers, which Debian's
  # repacked source leaves out; Wine's development package has LGPL ones.
  local wine_dev=$src_root/libwine-dev
  mkdir -p "$wine_dev"
  ( cd "$wine_dev" && apt-get -o DPkg::Lock::Timeout=900 download libwine-dev >&2 )
  dpkg-deb -x "$(ls "$wine_dev"/libwine-dev_*.deb | head -n1)" "$wine_dev/root"
  mkdir -p "$tree/src/3rdparty/wintab"
  local h f
  for h in wintab.h pktdef.h; do
    f=$(find "$wine_dev/root" -name "$h" | head -n1)
    [ -n "$f" ] || iqx_win_die "$h is not in libwine-dev"
    cp "$f" "$tree/src/3rdparty/wintab/$h"
  done
  rm -rf "$wine_dev"
  # Wine's wintab.h uses two of Wine's own macros and Qt's code the API
  # calling convention: defined here for a build outside Wine.
  iqx_win_wintab_shim "$tree/src/3rdparty/wintab/wintab.h"
  touch "$src_root/.unpacked"
  echo "$tree"
}

# Configures (unless done), builds and installs Qt; the first failure ends it.
iqx_win_qt_build() {
  local tree=$1 build=$2 prefix=$3 toolchain=$4
  shift 4
  cd "$build" || return 1
  if [ ! -f .iqx-configured ]; then
    "${IQX_WIN_NICE[@]}" "$tree/configure" -prefix "$prefix" "$@" \
      -qt-host-path /usr -- \
      -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake || return 1
    touch .iqx-configured
  fi
  "${IQX_WIN_NICE[@]}" cmake --build . --parallel "$IQX_WIN_JOBS" || return 1
  "${IQX_WIN_NICE[@]}" cmake --install . --strip
}

# Builds and installs Qt for Windows into its cache folder, unless a
# complete one is there. The marker is written last, so a build that was
# stopped half-way is never taken for a finished one.
iqx_win_step_qt() {
  local prefix
  prefix=$(iqx_win_qt_prefix)
  if [ -f "$prefix/.complete" ]; then
    iqx_win_log "Qt for Windows: $prefix (cached)"
    return 0
  fi
  local tree build log toolchain
  tree=$(iqx_win_qt_source)
  build=$prefix.build
  log=$prefix.log
  # Qt's build folder records the toolchain file's path: a copy in the cache
  # keeps it valid when the work tree that started the build is gone.
  toolchain=$prefix.toolchain.cmake
  cp "$IQX_WIN_TOOLCHAIN" "$toolchain"
  # A build folder left by a stopped run is taken up where it stopped;
  # it is configured again only when its configuration did not finish.
  rm -rf "$prefix"
  mkdir -p "$build"
  iqx_win_log "building Qt for Windows into $prefix (log: $log)"
  local opts
  mapfile -t opts < <(iqx_win_qt_options)
  local start=$SECONDS
  # In a subshell: it works in the build folder, which is removed below.
  ( iqx_win_qt_build "$tree" "$build" "$prefix" "$toolchain" "${opts[@]}" ) > "$log" 2>&1 || {
    tail -n 40 "$log" >&2
    iqx_win_die "the Qt build failed; the whole log is $log"
  }
  # Qt's licence texts go with the DLLs into the installer.
  mkdir -p "$prefix/licenses"
  cp "$tree"/LICENSES/*.txt "$prefix/licenses/"
  echo "$(( SECONDS - start )) s, $(iqx_win_qt_debversion)" > "$prefix/.complete"
  rm -rf "$build"
  iqx_win_log "Qt for Windows built in $(( SECONDS - start )) s: $prefix"
}

# --- libzip for Windows -------------------------------------------------------

# The program reads zip archives with libzip. For Windows it is built as a
# static library from Debian's own source of the host's version, against
# the static zlib of libz-mingw-w64-dev, so no DLL of either goes beside
# the program.
iqx_win_libzip_debversion() {
  dpkg-query -W -f='${source:Version}' libzip-dev 2>/dev/null | grep . \
    || iqx_win_die "libzip-dev is not installed"
}

# Only the library, with deflate from zlib: no other compression, no
# encryption, no tools, tests, examples or manual pages. (zstd is named for
# versions that have it; the current one ignores it.)
iqx_win_libzip_options() {
  printf '%s\n' -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DZLIB_USE_STATIC_LIBS=ON \
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
    -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
}

# Kept like Qt: the version, and a hash of the source version, the options,
# the toolchain file and the compiler.
iqx_win_libzip_prefix() {
  local debver hash
  debver=$(iqx_win_libzip_debversion)
  hash=$( {
    echo "$debver"
    iqx_win_libzip_options
    cat "$IQX_WIN_TOOLCHAIN"
    "$IQX_WIN_TRIPLE-gcc-posix" --version 2>/dev/null | head -n1
  } | sha256sum | cut -c1-12)
  echo "$IQX_WIN_CACHE/libzip-${debver%%-*}-$hash"
}

iqx_win_step_libzip() {
  local prefix debver src build opts
  prefix=$(iqx_win_libzip_prefix)
  if [ -f "$prefix/.complete" ]; then
    iqx_win_log "libzip for Windows: $prefix (cached)"
    return 0
  fi
  debver=$(iqx_win_libzip_debversion)
  src=$IQX_WIN_CACHE/src/libzip-$debver
  if [ ! -f "$src/.unpacked" ]; then
    rm -rf "$src"
    mkdir -p "$src/download"
    iqx_win_log "fetching Debian's libzip $debver source"
    iqx_win_apt update -qq >&2
    ( cd "$src/download" && iqx_win_apt source --download-only "libzip=$debver" ) >&2
    dpkg-source -x "$(ls "$src"/download/libzip_*.dsc | head -n1)" "$src/tree" >&2 \
      || iqx_win_die "no libzip source package was fetched"
    touch "$src/.unpacked"
  fi
  build=$prefix.build
  rm -rf "$prefix" "$build"
  mapfile -t opts < <(iqx_win_libzip_options)
  iqx_win_log "building libzip for Windows into $prefix"
  { cmake -S "$src/tree" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$IQX_WIN_TOOLCHAIN" \
      -DCMAKE_INSTALL_PREFIX="$prefix" "${opts[@]}" \
    && "${IQX_WIN_NICE[@]}" cmake --build "$build" --parallel "$IQX_WIN_JOBS" \
    && cmake --install "$build"; } > "$prefix.log" 2>&1 \
    || { tail -n 30 "$prefix.log" >&2; iqx_win_die "the libzip build failed; the whole log is $prefix.log"; }
  cp "$src/tree/LICENSE" "$prefix/LICENSE-libzip.txt"
  rm -rf "$build"
  echo "$debver" > "$prefix/.complete"
}

# Z: is Wine's drive for the Unix root.
iqx_win_path() { local p; p=$(readlink -f "$1"); printf 'Z:%s' "${p//\//\\}"; }

# A small Qt program built with the toolchain file and run under Wine on the
# windows platform: a PDF with Polish text in Arial, read back with
# pdftotext, and a picture of a label. It tells a broken Qt, toolchain or
# Wine set-up apart from a fault of the program.
iqx_win_step_qt_check() {
  iqx_win_require_qt
  local b=$IQX_WIN_BUILD/qtcheck
  cmake -S tests/windows/qtcheck -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$IQX_WIN_TOOLCHAIN" -DIQX_WINDOWS_QT_PREFIX="$IQX_WIN_QT_PREFIX" \
    -DCMAKE_PREFIX_PATH="$IQX_WIN_LIBZIP_PREFIX" >/dev/null \
    || iqx_win_die "the toolchain file does not find Qt or libzip for Windows"
  "${IQX_WIN_NICE[@]}" cmake --build "$b" >/dev/null || iqx_win_die "a small Qt program does not build for Windows"
  # libzip and zlib are linked in: no DLL of theirs is needed.
  ! "$IQX_WIN_TRIPLE-objdump" -p "$b/zipcheck.exe" | grep -iE 'DLL Name: .*(zip|zlib|libz)' >&2 \
    || iqx_win_die "zipcheck.exe needs a libzip or zlib DLL"
  "$IQX_ROOT/scripts/wine-run.sh" "$b/zipcheck.exe" | tr -d '\r' >&2 \
    || iqx_win_die "libzip does not read a zip under Wine"
  rm -f "$b/qtcheck.pdf" "$b/qtcheck.png"
  QT_QPA_PLATFORM=windows "$IQX_ROOT/scripts/wine-run.sh" "$b/qtcheck.exe" \
    "$(iqx_win_path "$b")\\qtcheck.pdf" "$(iqx_win_path "$b")\\qtcheck.png" > "$b/qtcheck.txt" \
    || iqx_win_die "a small Qt program fails under Wine (exit $?)"
  tr -d '\r' < "$b/qtcheck.txt" >&2
  grep -q '^platform: windows' "$b/qtcheck.txt" || iqx_win_die "Qt did not start on the windows platform"
  [ -s "$b/qtcheck.png" ] || iqx_win_die "no picture of the label"
  pdftotext "$b/qtcheck.pdf" - | grep -qF "Zażółć gęślą jaźń" \
    || iqx_win_die "the PDF written under Wine lacks its text: are fonts found?"
  iqx_win_log "Qt for Windows works under Wine ($b)"
}

# --- the program -------------------------------------------------------------

iqx_win_version() {
  sed -n 's/^set(IQX_VERSION \([^)]*\))$/\1/p' CMakeLists.txt
}

# Qt and libzip for Windows as the later steps see them: built by the qt
# and libzip steps.
iqx_win_require_qt() {
  IQX_WIN_QT_PREFIX=$(iqx_win_qt_prefix)
  [ -f "$IQX_WIN_QT_PREFIX/.complete" ] \
    || iqx_win_die "Qt for Windows is not built yet ($IQX_WIN_QT_PREFIX): run scripts/windows.sh qt"
  IQX_WIN_LIBZIP_PREFIX=$(iqx_win_libzip_prefix)
  [ -f "$IQX_WIN_LIBZIP_PREFIX/.complete" ] \
    || iqx_win_die "libzip for Windows is not built yet ($IQX_WIN_LIBZIP_PREFIX): run scripts/windows.sh libzip"
  export IQX_WINDOWS_QT_PREFIX=$IQX_WIN_QT_PREFIX IQX_WINDOWS_CACHE=$IQX_WIN_CACHE
  # Qt's own texts in Polish: the translation files are the same on every
  # system, so Debian's (of the same Qt version) go where Qt for Windows
  # looks for them.
  local qm=/usr/share/qt6/translations/qtbase_pl.qm
  [ -f "$qm" ] || iqx_win_die "$qm is missing (Debian's qt6-translations-l10n)"
  if ! cmp -s "$qm" "$IQX_WIN_QT_PREFIX/translations/qtbase_pl.qm"; then
    mkdir -p "$IQX_WIN_QT_PREFIX/translations"
    cp "$qm" "$IQX_WIN_QT_PREFIX/translations/"
  fi
}

iqx_win_step_configure() {
  iqx_win_require_qt
  # pkg-config looks only at MinGW-w64 libraries: a Linux library found by
  # the host's pkg-config would be compiled in and fail much later.
  # CTest runs each test program through the Wine wrapper; the Qt prefix and
  # the cache go with it, so ctest works in the build folder by itself too.
  local emulator="/usr/bin/env;IQX_WINDOWS_QT_PREFIX=$IQX_WIN_QT_PREFIX;IQX_WINDOWS_CACHE=$IQX_WIN_CACHE;IQX_WINE_TIMEOUT=870;$IQX_ROOT/scripts/wine-run.sh"
  # A compiler cache where the machine has one (not on CI's fresh machine).
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  iqx_win_log "configuring $IQX_WIN_BUILD"
  cmake -S . -B "$IQX_WIN_BUILD" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$IQX_WIN_TOOLCHAIN" \
    -DIQX_WINDOWS_QT_PREFIX="$IQX_WIN_QT_PREFIX" \
    -DCMAKE_PREFIX_PATH="$IQX_WIN_LIBZIP_PREFIX" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
    -DPKG_CONFIG_EXECUTABLE="$(command -v "$IQX_WIN_TRIPLE-pkg-config")" \
    -DIQX_LINUX_BUILD="$IQX_ROOT/build" \
    "${launcher[@]}" \
    || iqx_win_die "configuring the project for Windows failed (see above)"
}

iqx_win_step_build() {
  iqx_win_require_qt
  [ -f "$IQX_WIN_BUILD/build.ninja" ] || iqx_win_step_configure
  local keep=()
  [ "${IQX_WINDOWS_KEEP_GOING:-0}" = 1 ] && keep=(-- -k 0)
  iqx_win_log "building $IQX_WIN_BUILD"
  "${IQX_WIN_NICE[@]}" cmake --build "$IQX_WIN_BUILD" --parallel "$IQX_WIN_JOBS" "${keep[@]}" \
    || iqx_win_die "the project does not build for Windows (see above)"
}

iqx_win_step_test() {
  iqx_win_require_qt
  iqx_win_log "checking the Wine runner"
  tests/windows/wine_run_check.sh || iqx_win_die "scripts/wine-run.sh does not work as the suite needs"
  [ -f "$IQX_WIN_BUILD/informacja.exe" ] || iqx_win_die "$IQX_WIN_BUILD/informacja.exe is not built"
  iqx_win_log "running the suite under Wine"
  # One at a time: each test starts its own X server and Wine programs.
  ctest --test-dir "$IQX_WIN_BUILD" --output-on-failure \
    || iqx_win_die "tests failed under Wine"
}

# The MinGW runtime the program and Qt link: the posix-thread variants.
iqx_win_runtime_dlls() {
  local dll f
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    f=$("$IQX_WIN_TRIPLE-g++-posix" -print-file-name="$dll")
    [ -f "$f" ] || f=$(find "/usr/lib/gcc/$IQX_WIN_TRIPLE" -path '*posix*' -name "$dll" | head -n1)
    [ -f "$f" ] || f=$(find "/usr/$IQX_WIN_TRIPLE/lib" -name "$dll" | head -n1)
    [ -f "$f" ] || iqx_win_die "$dll is not found in the MinGW-w64 packages"
    echo "$f"
  done
}

# Lays the program out as it is installed: the same folder goes into the
# installer and the portable zip. Prints the folder.
#   informacja.exe, the Qt and MinGW DLLs beside it
#   platforms\, styles\      Qt plugins, found beside the program
#   data\informacja\GMINY.txt the register copied into a new work folder
#   docs\                    the guide and its pictures
#   licenses\                Qt's licence texts
iqx_win_stage() {
  iqx_win_require_qt
  local exe=${IQX_WINDOWS_PROGRAM:-$IQX_WIN_BUILD/informacja.exe}
  [ -f "$exe" ] || iqx_win_die "$exe is not built"
  [ -z "${IQX_WINDOWS_PROGRAM:-}" ] || iqx_win_log "staging $exe in place of the program (IQX_WINDOWS_PROGRAM)"
  local stage
  stage=$(readlink -f "$IQX_WIN_BUILD")/stage/Informacja\ QX
  rm -rf "$IQX_WIN_BUILD/stage"
  mkdir -p "$stage/platforms" "$stage/styles" "$stage/data/informacja" "$stage/docs" "$stage/licenses"
  cp "$exe" "$stage/informacja.exe"
  local m
  for m in Core Gui Widgets PrintSupport; do
    cp "$IQX_WIN_QT_PREFIX/bin/Qt6$m.dll" "$stage/"
  done
  cp "$IQX_WIN_QT_PREFIX/plugins/platforms/qwindows.dll" "$stage/platforms/"
  cp "$IQX_WIN_QT_PREFIX"/plugins/styles/*.dll "$stage/styles/"
  local f
  while read -r f; do cp "$f" "$stage/"; done < <(iqx_win_runtime_dlls)
  cp data/GMINY.txt "$stage/data/informacja/"
  # Qt looks for its plugins and its Polish texts beside the program.
  mkdir -p "$stage/translations"
  cp "$IQX_WIN_QT_PREFIX/translations/qtbase_pl.qm" "$stage/translations/"
  printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' > "$stage/qt.conf"
  cp docs/przewodnik.md "$stage/docs/"
  cp -r docs/img "$stage/docs/"
  cp "$IQX_WIN_QT_PREFIX"/licenses/* "$stage/licenses/"
  # The icon the build drew from the SVG into the program, for the
  # installer and the Start-menu entry.
  cp "$IQX_WIN_BUILD/generated/informacja.ico" "$stage/informacja.ico" \
    || iqx_win_die "the build made no icon ($IQX_WIN_BUILD/generated/informacja.ico)"
  echo "$stage"
}

# NSIS include files naming every staged file: one to install them, one to
# delete exactly those again (folders afterwards, deepest first, and only
# when empty).
iqx_win_nsis_lists() {
  local stage=$1 out=$2 rel dir
  : > "$out/install-files.nsh"
  : > "$out/uninstall-files.nsh"
  while read -r dir; do
    rel=${dir#.}; rel=${rel#/}
    echo "SetOutPath \"\$INSTDIR${rel:+\\${rel//\//\\}}\"" >> "$out/install-files.nsh"
    find "$stage/$rel" -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort | while read -r f; do
      echo "File \"$stage/${rel:+$rel/}$f\"" >> "$out/install-files.nsh"
      local win=${rel:+${rel//\//\\}\\}$f
      echo "Delete \"\$INSTDIR\\$win\"" >> "$out/uninstall-files.nsh"
    done
  done < <(cd "$stage" && find . -type d | LC_ALL=C sort)
  (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while read -r dir; do
    rel=${dir#./}
    echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >> "$out/uninstall-files.nsh"
  done
  # Back to a folder that exists before files are written after the list.
  echo "SetOutPath \"\$INSTDIR\"" >> "$out/install-files.nsh"
}

iqx_win_step_installer() {
  local stage version out setup
  stage=$(iqx_win_stage)
  version=$(iqx_win_version)
  out=$(readlink -f "$IQX_WIN_BUILD")
  setup=$out/informacja-$version-win64-setup.exe
  iqx_win_nsis_lists "$stage" "$out"
  makensis -V2 -WX \
    -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
    -DFILES="$out/install-files.nsh" -DUNFILES="$out/uninstall-files.nsh" \
    packaging/windows/informacja.nsi >&2 \
    || iqx_win_die "makensis failed"
  IQX_WIN_SETUP=$setup
}

# Installs the installer silently into a throwaway copy of the suite's Wine
# prefix, checks what it put where, leaves a document in the user's
# folder and a file of the user's in the program folder, uninstalls
# silently and checks that exactly the installed files went.
iqx_win_step_installer_check() {
  local setup=${IQX_WIN_SETUP:-}
  [ -n "$setup" ] || setup=$(ls "$IQX_WIN_BUILD"/informacja-*-win64-setup.exe 2>/dev/null | head -n1)
  [ -f "$setup" ] || iqx_win_die "no installer in $IQX_WIN_BUILD: run the installer step first"
  setup=$(readlink -f "$setup")
  local base=$IQX_WIN_CACHE/wine-prefix
  # Makes the suite's prefix if this is the first Wine run.
  IQX_WINEPREFIX=$base "$IQX_ROOT/scripts/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 \
    || iqx_win_die "Wine does not start (prefix $base)"
  local trial
  trial=$(mktemp -d "$IQX_WIN_CACHE/installer-check.XXXXXX")
  cp -a --reflink=auto "$base/." "$trial/"
  local run=(env IQX_WINEPREFIX="$trial" "$IQX_ROOT/scripts/wine-run.sh")
  local user dir docs menu fail=0
  # Wine names the Windows user after the Linux one.
  user=$(id -un)
  dir="$trial/drive_c/Program Files/Informacja QX"
  docs="$trial/drive_c/users/$user/Documents/Informacja QX"
  menu="$trial/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Informacja QX.lnk"
  bad() { iqx_win_log "installer check: $*"; fail=1; }

  iqx_win_log "installer check: silent install"
  "${run[@]}" "$setup" /S || bad "the installer exited with $?"
  local f
  for f in informacja.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
           libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
           platforms/qwindows.dll data/informacja/GMINY.txt docs/przewodnik.md \
           informacja.ico uninstall.exe qt.conf translations/qtbase_pl.qm; do
    [ -f "$dir/$f" ] || bad "not installed: $f"
  done
  if [ -f "$menu" ]; then
    strings -e l "$menu" | grep -qx -- --user-folder || bad "the Start-menu entry does not pass --user-folder"
  else
    bad "no Start-menu entry"
  fi
  grep -q 'Uninstall\\\\InformacjaQX\]' "$trial/system.reg" || bad "no uninstall entry in the registry"

  # The installed program as the Start-menu entry starts it, without a
  # window: it makes the documents folder with a copy of the installed
  # register and writes the six pages.
  local out=$trial/installed-check
  mkdir -p "$out"
  if (cd "$out" && "${run[@]}" 'C:\Program Files\Informacja QX\informacja.exe' --user-folder --pdf strony.pdf \
        > "$out/stdout" 2> "$out/stderr"); then
    [ "$(pdfinfo "$out/strony.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" = 6 ] \
      || bad "the installed program's PDF does not have six pages"
    cmp -s "$docs/GMINY.txt" data/GMINY.txt || bad "the documents folder has no copy of the installed register"
  else
    bad "the installed program failed: $(tr -d '\r' < "$out/stderr" | head -n 5)"
  fi

  mkdir -p "$docs"
  echo "dokument" > "$docs/dokument.txt"
  echo "notatka" > "$dir/data/notatka.txt"

  iqx_win_log "installer check: silent uninstall"
  "${run[@]}" 'C:\Program Files\Informacja QX\uninstall.exe' /S || bad "the uninstaller exited with $?"
  [ -f "$docs/dokument.txt" ] || bad "the uninstaller removed the user's document"
  [ -f "$dir/data/notatka.txt" ] || bad "the uninstaller removed a file it did not install"
  local left
  left=$(cd "$dir" 2>/dev/null && find . -type f ! -path ./data/notatka.txt | head -n5)
  [ -z "$left" ] || bad "left after uninstalling: $left"
  [ ! -e "$menu" ] || bad "the Start-menu entry is still there"
  ! grep -q 'Uninstall\\\\InformacjaQX\]' "$trial/system.reg" || bad "the uninstall entry is still in the registry"

  rm -rf "$trial"
  [ "$fail" = 0 ] || iqx_win_die "the installer check failed"
  iqx_win_log "installer check: passed"
}

iqx_win_step_zip() {
  local stage version out zipfile
  [ -d "$IQX_WIN_BUILD/stage/Informacja QX" ] && stage=$IQX_WIN_BUILD/stage/Informacja\ QX || stage=$(iqx_win_stage)
  version=$(iqx_win_version)
  out=$(readlink -f "$IQX_WIN_BUILD")
  zipfile=$out/informacja-$version-win64.zip
  rm -f "$zipfile"
  # Unpacked anywhere (a USB stick, say) the program works in its own
  # folder, as the Linux program does without --user-folder: the register
  # lies beside it there, and the documents are written beside it.
  local portable=$IQX_WIN_BUILD/portable
  rm -rf "$portable"
  mkdir -p "$portable"
  cp -a "$stage" "$portable/"
  cp data/GMINY.txt "$portable/Informacja QX/GMINY.txt"
  (cd "$portable" && zip -q -r -X "$zipfile" "Informacja QX") || iqx_win_die "zip failed"
  rm -rf "$portable"
  iqx_win_log "portable zip: $zipfile"
}

# --- main -------------------------------------------------------------------

iqx_win_main() {
  local steps=("$@") s
  [ ${#steps[@]} -gt 0 ] || steps=(packages qt libzip qt-check configure build test installer installer-check zip)
  for s in "${steps[@]}"; do
    case $s in
      packages|qt|libzip|configure|build|test|installer|zip) "iqx_win_step_$s" ;;
      installer-check) iqx_win_step_installer_check ;;
      qt-check) iqx_win_step_qt_check ;;
      *) iqx_win_die "unknown step: $s" ;;
    esac
  done
  # The installer's path is the last line, for scripts that take it.
  if [ -n "${IQX_WIN_SETUP:-}" ]; then echo "$IQX_WIN_SETUP"; fi
}

iqx_win_main "$@"
