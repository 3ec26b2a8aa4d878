#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its control data
# and layout, unpacks it into a temporary root and runs the unpacked
# program's PDF export there: once in a folder holding the register and the
# sample document, once as the launcher starts it (per-user folder).
# Usage: package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
cpack -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/pkg/informacja_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no package built"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = informacja ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 libqt6printsupport6 libqt6gui6 libc6 libzip4 fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n; do
  grep -qw -- "$d" <<<"$depends" || fail "Depends lacks $d"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/informacja usr/share/informacja/GMINY.txt \
         usr/share/applications/informacja.desktop \
         usr/share/icons/hicolor/scalable/apps/informacja.svg \
         usr/share/man/man1/informacja.1.gz usr/share/doc/informacja/przewodnik.md; do
  [ -f "$root/$f" ] || fail "package lacks /$f"
done
cmp -s "$src/data/GMINY.txt" "$root/usr/share/informacja/GMINY.txt" || fail "register differs"
desktop-file-validate "$root/usr/share/applications/informacja.desktop" || fail "desktop entry"
grep -qx 'Exec=informacja --user-folder' "$root/usr/share/applications/informacja.desktop" || fail "launcher option"
grep -qx 'Exec=informacja --user-folder --import-register' "$root/usr/share/applications/informacja.desktop" \
  || fail "the desktop action that brings the register up to date"
! ldd "$root/usr/bin/informacja" | grep -q 'not found' || fail "unresolved libraries"
gzip -dc "$root/usr/share/man/man1/informacja.1.gz" | grep -qF -- '\-\-user\-folder' || fail "manual page"

bin=$root/usr/bin/informacja
export QT_QPA_PLATFORM=offscreen
"$bin" --version | grep -q '^Informacja QX ' || fail "--version"

# Started from a terminal: the current folder, as before.
work=$tmp/work
mkdir "$work"
cp "$root/usr/share/informacja/GMINY.txt" "$work/"
cp "$src/docs/przyklad/InfoQX0201032.iqx" "$work/"
(cd "$work" && "$bin" --pdf out.pdf) || fail "export in the current folder"
pdfinfo "$work/out.pdf" | grep -Eq '^Pages: +6$' || fail "not six pages"
pdftotext -f 1 -l 1 "$work/out.pdf" - | grep -q 'Gromadka' || fail "municipality missing on page 1"
pdftotext -f 1 -l 1 "$work/out.pdf" - | grep -q 'bolesławiecki' || fail "county missing on page 1"
# GUS's TERC read by the unpacked program (libzip and all): the register of
# 2024-01-01 replaces the installed one, which is kept beside it.
(cd "$work" && "$bin" --import-register "$src/data/terc/TERC_Urzedowy_2025-03-20.csv") \
  >"$tmp/import.out" || fail "--import-register"
grep -q '^Gmin: 2477, stan na 2024-01-01\.$' "$tmp/import.out" || fail "the import's summary"
cmp -s "$root/usr/share/informacja/GMINY.txt" "$work"/GMINY-poprzedni-*.txt || fail "the replaced register not kept"

# Started from the launcher in a fresh account whose desktop names the
# documents folder in Polish: the folder is made with a copy of the register
# found beside the unpacked program (not one installed on this machine).
home=$tmp/home
mkdir -p "$home/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Dokumenty"' >"$home/.config/user-dirs.dirs"
userdir="$home/Dokumenty/Informacja QX"
(cd "$tmp" && HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
   XDG_DATA_DIRS=$tmp/none "$bin" --user-folder --pdf user.pdf) 2>"$tmp/user.err" \
  || { cat "$tmp/user.err"; fail "export from the per-user folder"; }
cmp -s "$root/usr/share/informacja/GMINY.txt" "$userdir/GMINY.txt" || fail "register not copied"
grep -q "$userdir" "$tmp/user.err" || fail "the new folder is not named to the user"
pdfinfo "$tmp/user.pdf" | grep -Eq '^Pages: +6$' || fail "per-user export not six pages"
echo "package test passed: $(basename "$deb"), $(stat -c %s "$deb") bytes"
