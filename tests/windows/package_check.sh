#!/usr/bin/env bash
# The Windows packages, made with cpack from the build folder and tried
# under Wine as a clerk's PC takes them. The program in them runs with DLLs
# from its own folder only, so a DLL the package lacks is found here.
#
#   package_check.sh installer|zip BUILD_DIR SOURCE_DIR RUNNER...
#
# installer: a silent install into a Wine prefix of its own; the installed
#   files, the two Start-menu entries and their arguments, the entry in the
#   list of programs; the installed program, as the Start-menu entry starts
#   it, makes the documents folder with a copy of the register and writes
#   the six pages; a silent uninstall removes every file it installed and
#   the entries, and leaves the clerk's document and a file of the user's
#   in the program folder.
# zip: the portable folder unpacked; its program writes the sample
#   document's six pages from its own folder, where the register lies.
# RUNNER runs a Windows program (scripts/wine-run.sh with its environment).
set -uo pipefail
mode=${1:?usage: package_check.sh installer|zip BUILD_DIR SOURCE_DIR RUNNER...}
build=$(realpath "${2:?}")
source=$(realpath "${3:?}")
shift 3
runner=("$@")
[ ${#runner[@]} -gt 0 ] || { echo "FAIL: no runner for Windows programs"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
for tool in makensis pdfinfo pdftotext unzip strings; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
bad() { echo "FAIL: $*"; failed=1; }
export IQX_WINE_OWN_DLLS=1

# The package, made as `cpack -G ...` in the build folder makes it.
generator=NSIS
[ "$mode" = zip ] && generator=ZIP
(cd "$build" && cpack -G "$generator" -B "$tmp/pkg") > "$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log"; echo "FAIL: cpack -G $generator"; exit 1; }
package=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$tmp/cpack.log")
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
expected=informacja-$version-win64-setup.exe
[ "$mode" = zip ] && expected=informacja-$version-win64.zip
[ "$(basename "$package")" = "$expected" ] || bad "the package's name is not $expected"

# The files every copy of the program's folder holds.
program_files=(informacja.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll
               libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll
               styles/qwindowsvistastyle.dll qt.conf translations/qtbase_pl.qm
               data/informacja/GMINY.txt informacja.ico docs/przewodnik.md licenses)
check_folder() {
  local f
  for f in "${program_files[@]}"; do [ -e "$1/$f" ] || bad "$2 lacks $f"; done
  cmp -s "$1/data/informacja/GMINY.txt" "$source/data/GMINY.txt" || bad "$2: the register differs from data/GMINY.txt"
}
six_pages() { # PDF, what
  [ "$(pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}')" = 6 ] || bad "$2: not six pages"
}

if [ "$mode" = zip ]; then
  unzip -q "$package" -d "$tmp/unpacked" || bad "unzip"
  [ "$(ls "$tmp/unpacked")" = "Informacja QX" ] || bad "the zip's top folder: $(ls "$tmp/unpacked")"
  dir=$tmp/unpacked/Informacja\ QX
  check_folder "$dir" "the zip"
  cmp -s "$dir/GMINY.txt" "$source/data/GMINY.txt" || bad "the zip has no register beside the program"
  cp "$source/docs/przyklad/InfoQX0201032.iqx" "$dir/"
  if (cd "$dir" && "${runner[@]}" "$dir/informacja.exe" --pdf strony.pdf > "$tmp/out" 2>&1); then
    six_pages "$dir/strony.pdf" "the portable program's PDF"
    pdftotext -f 1 -l 1 "$dir/strony.pdf" - | grep -q Gromadka || bad "the sample's municipality is not on page 1"
  else
    bad "the portable program failed: $(tr -d '\r' < "$tmp/out" | head -n 5)"
  fi
  [ "$failed" = 0 ] && echo "zip check passed"
  exit "$failed"
fi

# A Wine prefix of its own, made by the runner on first use.
export IQX_WINEPREFIX=$tmp/prefix
run() { "${runner[@]}" "$@"; }
run cmd /c exit 0 > /dev/null 2>&1 || { echo "FAIL: Wine does not start"; exit 1; }
# Wine names the Windows user after the Linux one.
dir="$IQX_WINEPREFIX/drive_c/Program Files/Informacja QX"
docs="$IQX_WINEPREFIX/drive_c/users/$(id -un)/Documents/Informacja QX"
menu="$IQX_WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Informacja QX"
registry() { grep -c 'Uninstall\\\\InformacjaQX\]' "$IQX_WINEPREFIX/system.reg"; }

run "$package" /S || bad "the installer exited with $?"
check_folder "$dir" "the installed folder"
[ ! -e "$dir/GMINY.txt" ] || bad "the installer put the zip's register beside the program"
# A shortcut keeps its target, arguments and icon as UTF-16 and 8-bit text;
# a string's length is stored before it and may read as a character.
shortcut() { # name, arguments
  local lnk="$menu/$1.lnk"
  [ -f "$lnk" ] || { bad "no Start-menu entry \"$1\""; return; }
  strings -e l "$lnk" | grep -qE -- "^.?$2\$" || bad "\"$1\" does not pass $2"
  { strings -e l "$lnk"; strings "$lnk"; } | grep -qF 'Informacja QX\informacja.exe' \
    || bad "\"$1\" does not start the installed program"
}
shortcut "Informacja QX" "--user-folder"
shortcut "Aktualizuj rejestr gmin" "--user-folder --import-register"
[ "$(registry)" = 1 ] || bad "no entry in the list of programs"

# The installed program as the Start-menu entry starts it, without a window.
mkdir -p "$tmp/out"
if (cd "$tmp/out" && run 'C:\Program Files\Informacja QX\informacja.exe' --user-folder --pdf strony.pdf \
      > "$tmp/out/log" 2>&1); then
  six_pages "$tmp/out/strony.pdf" "the installed program's PDF"
  cmp -s "$docs/GMINY.txt" "$source/data/GMINY.txt" || bad "the documents folder has no copy of the register"
else
  bad "the installed program failed: $(tr -d '\r' < "$tmp/out/log" | head -n 5)"
fi

mkdir -p "$docs"
echo dokument > "$docs/dokument.txt"
kept=("$docs/dokument.txt")
[ -f "$docs/GMINY.txt" ] && kept+=("$docs/GMINY.txt")
echo notatka > "$dir/data/notatka.txt"
run 'C:\Program Files\Informacja QX\uninstall.exe' /S || bad "the uninstaller exited with $?"
for f in "${kept[@]}"; do [ -f "$f" ] || bad "the uninstaller removed the clerk's $(basename "$f")"; done
[ -f "$dir/data/notatka.txt" ] || bad "the uninstaller removed a file it did not install"
left=$(cd "$dir" 2>/dev/null && find . -type f ! -path ./data/notatka.txt | head -n 5)
[ -z "$left" ] || bad "left after uninstalling: $left"
[ ! -e "$menu" ] || bad "the Start-menu entries are still there: $(ls "$menu")"
[ "$(registry)" = 0 ] || bad "the entry in the list of programs is still there"
[ "$failed" = 0 ] && echo "installer check passed"
exit "$failed"
