#!/usr/bin/env bash
# Renders the SVG drawings under art/ into the picture files under resources/.
#   art/<folder>/<name>.<format>.svg  ->  resources/<folder>/<name>.<format>
# Formats: gif (transparent where the drawing is), jpg (on white, quality 92), png, ico.
# The program's icon (art/program/ikona.png.svg) is also rendered in the sizes of the desktop's
# icon theme: resources/ikone/<N>x<N>/karuvel.png (256 is resources/program/ikona.png).
# The rendered files are committed, so a build never needs this script.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
# Usage: tools/render-art.sh [svg files...]   (no arguments: every drawing)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if [ $# -eq 0 ]; then
  mapfile -t files < <(find art -name '*.svg' | sort)
else
  files=("$@")
fi

for svg in "${files[@]}"; do
  rel=${svg#art/}
  out=resources/${rel%.svg}
  format=${out##*.}
  mkdir -p "$(dirname "$out")"
  rsvg-convert "$svg" -o "$tmp/p.png"
  case "$format" in
    gif) convert "$tmp/p.png" -channel A -threshold 50% +channel "$out" ;;
    jpg) convert "$tmp/p.png" -background white -alpha remove -alpha off -quality 92 -sampling-factor 4:2:0 -strip "$out" ;;
    png) convert "$tmp/p.png" -strip "$out" ;;
    ico) convert "$tmp/p.png" -define icon:auto-resize=256,64,48,32,16 "$out" ;;
    *) echo "render-art: unknown format in $svg" >&2; exit 1 ;;
  esac
  echo "$svg -> $out ($(identify -format '%wx%h' "$out[0]"))"
done

ikona=art/program/ikona.png.svg
for svg in "${files[@]}"; do
  [ "$svg" = "$ikona" ] || continue
  for n in 16 22 24 32 48 64 128; do
    out=resources/ikone/${n}x${n}/karuvel.png
    mkdir -p "$(dirname "$out")"
    rsvg-convert -w "$n" -h "$n" "$svg" -o "$tmp/p.png"
    convert "$tmp/p.png" -strip "$out"
    echo "$svg -> $out"
  done
done
