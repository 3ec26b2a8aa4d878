#!/usr/bin/env bash
# Builds the small programs of this folder with the Windows toolchain and
# runs them under Wine: a one-page PDF with Polish text in Arial on the
# windows platform, read back with pdftotext; a picture of a label; a zip
# read from memory with libzip, which must need no DLL of libzip or zlib.
# They tell a broken Qt, libzip, toolchain or Wine set-up apart from a fault
# of the program. Run by scripts/windows.sh (its qt-check step).
#   check.sh BUILD_DIR QT_PREFIX LIBZIP_PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
. "$root/scripts/windows-common.sh"
b=${1:?usage: check.sh BUILD_DIR QT_PREFIX LIBZIP_PREFIX}
run=("$root/scripts/wine-run.sh")
fail() { echo "qt-check: $*" >&2; exit 1; }

cmake -S "$here" -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DIQX_WINDOWS_QT_PREFIX="${2:?}" \
  -DCMAKE_PREFIX_PATH="${3:?}" > /dev/null || fail "the toolchain file does not find Qt or libzip for Windows"
nice cmake --build "$b" > /dev/null || fail "the small programs do not build for Windows"

rm -f "$b/qtcheck.pdf" "$b/qtcheck.png"
QT_QPA_PLATFORM=windows IQX_WINDOWS_QT_PREFIX=$2 "${run[@]}" "$b/qtcheck.exe" "$(iqx_win_path "$b")\\qtcheck.pdf" \
  "$(iqx_win_path "$b")\\qtcheck.png" > "$b/qtcheck.txt" || fail "a small Qt program fails under Wine"
tr -d '\r' < "$b/qtcheck.txt" >&2
grep -q '^platform: windows' "$b/qtcheck.txt" || fail "Qt did not start on the windows platform"
[ -s "$b/qtcheck.png" ] || fail "no picture of the label"
pdftotext "$b/qtcheck.pdf" - | grep -qF "Zażółć gęślą jaźń" \
  || fail "the PDF written under Wine lacks its text: are fonts found?"

! "$IQX_WIN_TRIPLE-objdump" -p "$b/zipcheck.exe" | grep -iE 'DLL Name: .*(zip|zlib|libz)' >&2 \
  || fail "zipcheck.exe needs a libzip or zlib DLL"
"${run[@]}" "$b/zipcheck.exe" | tr -d '\r' >&2 || fail "libzip does not read a zip under Wine"
echo "qt-check: Qt and libzip for Windows work under Wine ($b)" >&2
