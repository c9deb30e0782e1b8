#!/usr/bin/env bash
# Regenerates every picture of the skin: res/generate.py writes res/svg/<id>.svg,
# rsvg-convert renders each to res/png/<id>.png at the size in res/catalogue.txt,
# and a contact sheet of all of them goes to res/contact-sheet.png when
# ImageMagick's montage is installed.
set -euo pipefail
cd "$(dirname "$0")"

python3 generate.py svg
mkdir -p png
while read -r id w h _; do
  [[ $id =~ ^[0-9]+$ ]] || continue
  rsvg-convert --width "$w" --height "$h" --format png -o "png/$id.png" "svg/$id.svg"
done < catalogue.txt

if command -v montage >/dev/null; then
  montage -background '#3a3d42' -fill white -pointsize 11 -label '%t  %wx%h' \
    png/*.png -tile 10x -geometry '+8+8>' -resize '220x220>' contact-sheet.png
  echo "contact sheet: $(pwd)/contact-sheet.png"
fi
