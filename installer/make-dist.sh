#!/usr/bin/env bash
# Makes what a Windows user downloads: the per-user installer and the portable archive.
#   make-dist.sh VERSION PROGRAM HELP_PAGE OUTPUT_DIR
# The same sources give the same bytes: every file carries one fixed time, the archive
# lists its entries in a fixed order with no owner or extra times, and the installer
# stores no file times at all. The fixed time is SOURCE_DATE_EPOCH when set, else the
# last commit's, so it moves only with the sources.
set -euo pipefail

[ $# -eq 4 ] || { echo "usage: $0 VERSION PROGRAM HELP_PAGE OUTPUT_DIR" >&2; exit 2; }
version=$1 program=$2 help_page=$3 output=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct 2>/dev/null || true)
fi
# Zip keeps DOS times, which begin in 1980.
[ -n "${SOURCE_DATE_EPOCH:-}" ] && [ "$SOURCE_DATE_EPOCH" -ge 315532800 ] ||
  SOURCE_DATE_EPOCH=315532800
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/Kromelik
mkdir -p "$stage/help"
cp "$program" "$stage/kromelik.exe"
cp "$help_page" "$stage/help/kromelik.html"
# Notepad of older Windows shows a file with bare line feeds as one long line.
sed 's/\r*$/\r/' "$here/CZYTAJ.txt" >"$stage/CZYTAJ.txt"
# Under a name of its own, so that unpacking it adds no menu until the user wants one.
sed 's/\r*$/\r/' "$here/lista-przyklad.txt" >"$stage/lista-przyklad.txt"
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

portable=kromelik-$version-portable.zip
setup=kromelik-$version-setup.exe

(cd "$work" && find Kromelik -type f | sort | zip -X -D -q -9 "$work/$portable" -@)

makensis -NOCD -INPUTCHARSET UTF8 -V2 -DVERSION="$version" -DSTAGE="$stage" \
  -DOUTFILE="$work/$setup" "$here/kromelik.nsi" >"$work/makensis.log" 2>&1 ||
  { cat "$work/makensis.log" >&2; exit 1; }

mkdir -p "$output"
for made in "$setup" "$portable"; do
  mv "$work/$made" "$output/$made"
  echo "$output/$made"
done
