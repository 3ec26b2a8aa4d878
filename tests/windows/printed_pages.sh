#!/usr/bin/env bash
# The Windows program's printed pages, checked on the Linux side, where
# pdftotext is:
#  - the page test of the Linux build, which reads the program's PDF, runs
#    with the Windows program under Wine in place of the Linux one, so the
#    Windows PDF is measured against the same layout tables;
#  - the sample document's PDF from both programs must hold the same words
#    at the same coordinates.
#
#   printed_pages.sh LINUX_BUILD WINDOWS_PROGRAM SOURCE_DIR RUNNER...
# RUNNER runs a Windows program (scripts/wine-run.sh with its environment).
# Exit 77 (skipped) without pdftotext or a Linux build.
set -uo pipefail
linux=${1:?usage: printed_pages.sh LINUX_BUILD WINDOWS_PROGRAM SOURCE_DIR RUNNER...}
program=${2:?}
source=${3:?}
shift 3
runner=("$@")
[ ${#runner[@]} -gt 0 ] || { echo "FAIL: no runner for the Windows program"; exit 1; }

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
command -v pdftotext >/dev/null || skip "pdftotext (poppler-utils) is not installed"
for t in informacja tst_printedpages; do
  [ -x "$linux/$t" ] || skip "the Linux build in $linux has no $t: build it first (./test)"
done
[ -f "$program" ] || fail "$program is not built"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The page test starts the program by one path: this one runs the Windows
# program through the runner.
{
  echo '#!/bin/sh'
  printf 'exec'
  printf ' %q' "${runner[@]}" "$program"
  echo ' "$@"'
} > "$tmp/informacja"
chmod +x "$tmp/informacja"

status=0
echo "== the six pages: the Windows program's PDF against the layout tables"
IQX_BINARY=$tmp/informacja IQX_SOURCE_DIR=$source QT_QPA_PLATFORM=offscreen \
  "$linux/tst_printedpages" || status=1

echo "== the sample document: Linux and Windows PDFs, word by word"
for side in linux windows; do
  mkdir -p "$tmp/$side"
  cp "$source/docs/przyklad/InfoQX0201032.iqx" "$source/data/GMINY.txt" "$tmp/$side/"
done
(cd "$tmp/linux" && QT_QPA_PLATFORM=offscreen "$linux/informacja" --pdf informacja.pdf) \
  || fail "the Linux program wrote no PDF"
(cd "$tmp/windows" && "$tmp/informacja" --pdf informacja.pdf) || fail "the Windows program wrote no PDF"
# Every word with its box; the document's metadata (its date) differs.
words() { pdftotext -bbox "$1" - | grep -E '<(page|word) '; }
words "$tmp/linux/informacja.pdf" > "$tmp/linux.words"
words "$tmp/windows/informacja.pdf" > "$tmp/windows.words"
count=$(grep -c '<word ' "$tmp/linux.words")
[ "$count" -gt 1000 ] || fail "the Linux PDF holds only $count words"
if ! diff -u "$tmp/linux.words" "$tmp/windows.words" > "$tmp/diff"; then
  head -n 40 "$tmp/diff"
  fail "the Windows PDF differs from the Linux one ($(grep -c '^[-+]<word' "$tmp/diff") lines of words)"
fi
echo "the same $count words at the same coordinates"
[ "$status" = 0 ] || fail "the page test failed on the Windows program's PDF"
echo "PASS"
