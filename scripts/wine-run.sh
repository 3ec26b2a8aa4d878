#!/usr/bin/env bash
# Runs one Windows program under Wine, the way CTest runs a test:
#   scripts/wine-run.sh PROGRAM.exe [ARG...]
# It is the CMAKE_CROSSCOMPILING_EMULATOR of the Windows build, and its exit
# status is the program's (so a test's 77, "skipped", stays 77).
#
# Environment:
#   IQX_WINDOWS_QT_PREFIX  Qt for Windows; its bin folder is searched for DLLs
#   IQX_WINDOWS_CACHE      the Wine prefix is kept here (wine-prefix/)
#   IQX_WINEPREFIX         another Wine prefix to use instead
#   IQX_WINE_TIMEOUT       seconds before the program is killed (default 280,
#                          under CTest's 300, so a hang is reported as such)
#   IQX_WINE_DISPLAY       an X display to use; without it, and without a
#                          working DISPLAY, the program runs under xvfb-run
#   IQX_WINE_QPA_PLATFORM  replaces QT_QPA_PLATFORM for the Windows program
#   IQX_WINE_OWN_DLLS=1    DLLs only from the program's folder and Wine's
#                          own: a packaged program must bring all it needs
set -euo pipefail
# shellcheck source=scripts/windows-common.sh
. "$(dirname "$0")/windows-common.sh"

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARG...]" >&2; exit 2; }
missing=$(iqx_win_missing_packages wine wine64 xvfb xauth)
[ -z "$missing" ] || { echo "$0: not installed: $missing (scripts/windows.sh packages)" >&2; exit 2; }

cache=${IQX_WINDOWS_CACHE:-$HOME/.cache/informacja-windows}
export WINEPREFIX=${IQX_WINEPREFIX:-$cache/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts while the prefix is made, and no
# menu entries or icons written into the Linux user's desktop for the
# shortcuts an installer makes.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

# Wine reads the Unix environment, arguments and file names in the locale's
# character set; without a UTF-8 locale Polish letters arrive garbled.
case ${LC_ALL:-${LC_CTYPE:-${LANG:-}}} in
  *.UTF-8|*.utf8|*.UTF8|*.utf-8) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac

# The run ends when every Windows process it started has ended (an NSIS
# uninstaller, for one, hands over to a copy of itself and returns at once):
# the X server of xvfb-run must outlive them all.
run_all() {
  local rc=0
  timeout -k 10 "${IQX_WINE_TIMEOUT:-280}" wine "$@" || rc=$?
  timeout -k 10 60 wineserver -w || true
  return "$rc"
}
# Under xvfb-run this script runs itself again, with everything below set.
if [ "${1:-}" = --iqx-run-all ]; then
  shift
  run_all "$@"
  exit
fi


# The prefix is made once. A crash must end the program rather than open a
# dialog that waits for a click nobody gives. The lock keeps parallel tests
# from making it twice; the marker is written only when it is complete.
# Wine's own fonts (Debian's fonts-wine: Tahoma, the font of Windows'
# dialogs, MS Sans Serif, Marlett ...) go into the prefix's Fonts folder,
# where this Wine looks for them (not in its data folder), so that what is
# seen under Wine is what a clerk sees; a prefix made before gets them too.
wine_fonts=/usr/share/wine/fonts
init_prefix() {
  [ -f "$WINEPREFIX/.iqx-ready" ] && { [ ! -d "$wine_fonts" ] || [ -f "$WINEPREFIX/.iqx-fonts" ]; } && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9> "$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.iqx-ready" ]; then
    rm -rf "$WINEPREFIX"
    timeout -k 10 300 wineboot --init >/dev/null 2>&1
    timeout -k 10 120 wine reg add 'HKCU\Software\Wine\WineDbg' \
      /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    timeout -k 10 120 wineserver -w
    # Wine links Documents, Desktop and the like to the Linux home folder;
    # programs run here must write into the prefix, never into $HOME.
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
      if [ -L "$link" ]; then rm "$link"; mkdir "$link"; fi
    done
    touch "$WINEPREFIX/.iqx-ready"
  fi
  if [ -d "$wine_fonts" ] && [ ! -f "$WINEPREFIX/.iqx-fonts" ]; then
    cp -n "$wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/" && touch "$WINEPREFIX/.iqx-fonts"
  fi
  flock -u 9
  exec 9>&-
}
init_prefix

# Wine does not hand variables named QT_* to Windows programs; it hands
# WINEQT_* ones over as QT_*.
while IFS='=' read -r name _; do
  case $name in
    QT_*) export "WINE$name=${!name}" ;;
  esac
done < <(env)
if [ -n "${IQX_WINE_QPA_PLATFORM:-}" ]; then
  export WINEQT_QPA_PLATFORM=$IQX_WINE_QPA_PLATFORM
fi
# Qt writes its messages (and Qt Test its results) to the debugger channel
# on Windows unless told to use standard error.
export WINEQT_FORCE_STDERR_LOGGING=1

# DLLs: the program's own folder is searched first by Windows itself; then
# Qt's bin folder and the MinGW runtime.
if [ "${IQX_WINE_OWN_DLLS:-0}" = 1 ]; then
  unset WINEPATH
else
  dll_dirs=()
  [ -z "${IQX_WINDOWS_QT_PREFIX:-}" ] || dll_dirs+=("$IQX_WINDOWS_QT_PREFIX/bin")
  mapfile -t -O ${#dll_dirs[@]} dll_dirs < <(iqx_win_runtime_dirs)
  winepath_value=
  for d in "${dll_dirs[@]}"; do
    winepath_value=${winepath_value:+$winepath_value;}$(iqx_win_path "$d")
  done
  export WINEPATH=$winepath_value${WINEPATH:+;$WINEPATH}
fi

if [ -n "${IQX_WINE_DISPLAY:-}" ]; then
  DISPLAY=$IQX_WINE_DISPLAY run_all "$@"
elif [ -n "${DISPLAY:-}" ]; then
  run_all "$@"
else
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --iqx-run-all "$@"
fi
