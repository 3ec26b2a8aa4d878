# shellcheck shell=bash
# What scripts/windows.sh and scripts/wine-run.sh share; sourced by both.

IQX_WIN_TRIPLE=x86_64-w64-mingw32

# The folders of the MinGW-w64 runtime DLLs the program and Qt link (the
# posix-thread variants of libstdc++, libgcc_s_seh and libwinpthread), one
# a line: where the compiler says, else where Debian's packages put them.
iqx_win_runtime_dirs() {
  local dll f
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    f=$("$IQX_WIN_TRIPLE-g++-posix" -print-file-name="$dll" 2>/dev/null || true)
    [ -f "$f" ] || f=$(find "/usr/lib/gcc/$IQX_WIN_TRIPLE" "/usr/$IQX_WIN_TRIPLE" -path '*posix*' -name "$dll" 2>/dev/null | head -n1)
    [ -f "$f" ] || f=$(find "/usr/$IQX_WIN_TRIPLE" -name "$dll" 2>/dev/null | head -n1)
    if [ -f "$f" ]; then dirname "$(readlink -f "$f")"; fi
  done | awk '!seen[$0]++'
}

# The Windows path of a file under Wine, whose drive Z: is the Unix root.
iqx_win_path() { local p; p=$(readlink -f "$1"); printf 'Z:%s' "${p//\//\\}"; }

# Prints those of the named Debian packages that are not installed.
iqx_win_missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
