#!/usr/bin/env bash
# Remakes the guide's pictures in docs/img/ from the real program: installs
# the build into a temporary prefix, starts it under a virtual X server with
# a window manager on the sample document docs/przyklad/, and takes
#   strona1.png           entry page 1
#   podglad.png           the print preview after "Drukowanie"
#   wydruk-strona1.png    printed page 1 (from the PDF export)
#   pierwsze-uruchomienie.png  the first start from the menu (--user-folder)
#   rejestr-wybor.png     "Aktualizuj rejestr gmin": the file dialog
#   rejestr-podsumowanie.png   its summary
# Run it again whenever the layout changes. Needs no display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
extra=()
for p in xdotool imagemagick openbox zip; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || extra+=("$p")
done
if [ ${#extra[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${extra[@]}"
fi
iqx_build informacja informacja_manpage

out=$PWD/docs/img
mkdir -p "$out"
tmp=$(mktemp -d)
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

cmake --install build --prefix "$tmp/prefix" >/dev/null
bin=$tmp/prefix/bin/informacja
mkdir "$tmp/work"
cp "$tmp/prefix/share/informacja/GMINY.txt" docs/przyklad/InfoQX0201032.iqx "$tmp/work/"

# A virtual screen of an office monitor, with a window manager for the
# frames and maximizing.
exec 3<> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$tmp/displayfd" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$tmp/displayfd")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# waitwin NAME: the id of the visible window titled exactly NAME.
waitwin() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }
shot() { sleep "${2:-1.5}"; import -window root "$out/$1"; echo "wrote docs/img/$1"; }

# Entry page 1 and the preview, in the folder of the sample document.
(cd "$tmp/work" && exec "$bin") >/dev/null 2>&1 &
app=$!
pids+=($app)
win=$(waitwin 'Informacja QX')
shot strona1.png
# "Drukowanie" stands at 35, 64 (110 x 41) in the title block.
xdotool mousemove --window "$win" 90 84 click 1
waitwin 'Print Preview' >/dev/null
shot podglad.png
kill "$app"; wait "$app" 2>/dev/null || true

# Printed page 1, as the PDF export lays it out.
(cd "$tmp/work" && QT_QPA_PLATFORM=offscreen "$bin" --pdf out.pdf)
pdftoppm -r 80 -f 1 -l 1 -png -singlefile "$tmp/work/out.pdf" "$out/wydruk-strona1"
echo "wrote docs/img/wydruk-strona1.png"

# The first start from the menu: a fresh account whose documents folder is
# ~/Dokumenty; the program names the folder it has just made. The account
# lives under /home when this may make it there (and is removed afterwards),
# so that the picture shows a path as a clerk sees it.
home=$tmp/home
if [ ! -e /home/urzednik ] && mkdir /home/urzednik 2>/dev/null; then
  home=/home/urzednik
  trap 'cleanup; rm -rf /home/urzednik' EXIT
fi
mkdir -p "$home/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Dokumenty"' >"$home/.config/user-dirs.dirs"
(cd / && HOME=$home XDG_CONFIG_HOME=$home/.config exec "$bin" --user-folder) >/dev/null 2>&1 &
app=$!
pids+=($app)
waitwin 'Informacja QX' >/dev/null
sleep 1
# Only the message, cut out of the empty screen around it.
import -window root -trim +repage "$out/pierwsze-uruchomienie.png"
echo "wrote docs/img/pierwsze-uruchomienie.png"
kill "$app"; wait "$app" 2>/dev/null || true

# The desktop action "Aktualizuj rejestr gmin" in that account. Its folder
# holds the register of 2024-01-01 (GUS's TERC of that date, imported) with
# an empty line added, as an office's own register that the start leaves
# alone; ~/Pobrane holds a TERC zip of today's gminas, made from the shipped
# register in GUS's layout.
userdir="$home/Dokumenty/Informacja QX"
sample=$PWD/data/terc/TERC_Urzedowy_2025-03-20.csv
(cd "$userdir" && "$bin" --import-register "$sample") >/dev/null
rm -f "$userdir"/GMINY-poprzedni-*.txt
printf '\r\n' >>"$userdir/GMINY.txt"
mkdir -p "$home/Pobrane"
echo 'XDG_DOWNLOAD_DIR="$HOME/Pobrane"' >>"$home/.config/user-dirs.dirs"
terc=TERC_Urzedowy_2026-01-02
iconv -f cp1250 -t utf-8 data/GMINY.txt | mawk -F';' -v d=2026-01-01 '
  BEGIN { printf "\357\273\277WOJ;POW;GMI;RODZ;NAZWA;NAZWA_DOD;STAN_NA\r\n" }
  { sub(/\r$/, ""); w = substr($1, 1, 2); p = substr($1, 3, 2)
    if (w != lw) printf "%s;;;;%s;województwo;%s\r\n", w, $2, d
    if (w p != lp) printf "%s;%s;;;%s;powiat;%s\r\n", w, p, $3, d
    lw = w; lp = w p
    printf "%s;%s;%s;%s;%s;gmina;%s\r\n", w, p, substr($1, 5, 2), substr($1, 7, 1), $4, d }
  END { printf "\r\n" }' >"$tmp/$terc.csv"
(cd "$tmp" && zip -q "$home/Pobrane/$terc.zip" "$terc.csv")
(cd / && HOME=$home XDG_CONFIG_HOME=$home/.config exec "$bin" --user-folder --import-register) >/dev/null 2>&1 &
app=$!
pids+=($app)
waitwin 'Aktualizuj rejestr gmin' >/dev/null
sleep 1
import -window root -trim +repage "$out/rejestr-wybor.png"
echo "wrote docs/img/rejestr-wybor.png"
xdotool type --delay 20 "$terc.zip"
xdotool key Return
waitwin 'Informacja QX' >/dev/null
sleep 1
import -window root -trim +repage "$out/rejestr-podsumowanie.png"
echo "wrote docs/img/rejestr-podsumowanie.png"
xdotool key Return
wait "$app" 2>/dev/null || true
