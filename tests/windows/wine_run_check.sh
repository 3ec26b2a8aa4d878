#!/usr/bin/env bash
# Checks scripts/wine-run.sh with a small Windows program: the exit status
# comes back unchanged (77 is how a test says "skipped"), QT_* variables
# reach the program, Qt's logging goes to standard error, a program that
# hangs is stopped, Polish letters arrive whatever the locale, the Wine
# prefix keeps the user's folders to itself and has Wine's own fonts, and
# IQX_WINE_OWN_DLLS=1 leaves a program only the DLLs beside it.
# Run by scripts/windows.sh before the suite; prints "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runner=$root/scripts/wine-run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

x86_64-w64-mingw32-g++-posix -O1 -o "$work/wineprobe.exe" "$root/tests/windows/wineprobe.cpp" -lshell32 \
  || { echo "wineprobe does not compile"; exit 1; }
probe=$work/wineprobe.exe

passed=0 failed=0
check() { # name, expected, actual
  if [ "$2" = "$3" ]; then passed=$((passed + 1))
  else failed=$((failed + 1)); echo "FAIL $1: expected '$2', got '$3'"; fi
}
run() { "$runner" "$probe" "$@" 2>/dev/null | tr -d '\r'; }

"$runner" "$probe" exit 0 >/dev/null 2>&1; check "exit 0" 0 $?
"$runner" "$probe" exit 77 >/dev/null 2>&1; check "exit 77" 77 $?
"$runner" "$probe" exit 3 >/dev/null 2>&1; check "exit 3" 3 $?

check "QT_* passed on" "minimal:enable_fonts" "$(QT_QPA_PLATFORM=minimal:enable_fonts run env QT_QPA_PLATFORM)"
check "QT_* override" "windows" \
  "$(QT_QPA_PLATFORM=offscreen IQX_WINE_QPA_PLATFORM=windows run env QT_QPA_PLATFORM)"
check "stderr logging" 1 "$(run env QT_FORCE_STDERR_LOGGING)"
check "Polish letters" "zażółć" "$(IQX_CHECK_VALUE=zażółć run env IQX_CHECK_VALUE)"
check "Polish letters, no locale" "zażółć" \
  "$(IQX_CHECK_VALUE=zażółć env -u LANG -u LC_ALL -u LC_CTYPE "$runner" "$probe" env IQX_CHECK_VALUE 2>/dev/null | tr -d '\r')"

check "Polish letters in an argument" 'C:\Dokumenty\Łódź gmina.iqx' \
  "$(env -u LANG -u LC_ALL -u LC_CTYPE "$runner" "$probe" arg 'C:\Dokumenty\Łódź gmina.iqx' 2>/dev/null | tr -d '\r')"

# The probe links the MinGW runtime as DLLs, which lie outside its folder.
IQX_WINE_OWN_DLLS=1 "$runner" "$probe" exit 0 >/dev/null 2>&1; [ $? -ne 0 ]
check "DLLs from elsewhere refused with IQX_WINE_OWN_DLLS=1" 0 $?

start=$SECONDS
IQX_WINE_TIMEOUT=5 "$runner" "$probe" hang >/dev/null 2>&1; status=$?
check "hang stopped" 124 "$status"
[ $((SECONDS - start)) -lt 60 ]; check "hang stopped in time" 0 $?

prefix=${IQX_WINEPREFIX:-${IQX_WINDOWS_CACHE:-$HOME/.cache/informacja-windows}/wine-prefix}
docs=$prefix/drive_c/users/$(id -un)/Documents
[ -d "$docs" ] && [ ! -L "$docs" ]; check "Documents inside the prefix" 0 $?
# Tahoma, the dialogs' font, from Debian's fonts-wine.
[ -f "$prefix/drive_c/windows/Fonts/tahoma.ttf" ]; check "Wine's fonts in the prefix" 0 $?

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
