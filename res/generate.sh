#!/usr/bin/env bash
# Regenerates every picture of the skin: res/generate.py writes res/svg/<id>.svg,
# rsvg-convert renders each to res/png/<id>.png at the size in res/catalogue.txt;
# res/preview.py then draws a contact sheet and window mock-ups to look at.
set -euo pipefail
cd "$(dirname "$0")"

python3 generate.py svg
mkdir -p png
while read -r id w h _; do
  [[ $id =~ ^[0-9]+$ ]] || continue
  # Replace a PNG only when it changed, so the build re-embeds only what changed.
  rsvg-convert --width "$w" --height "$h" --format png -o "png/$id.png.new" "svg/$id.svg"
  if cmp -s "png/$id.png.new" "png/$id.png"; then rm "png/$id.png.new"; else mv "png/$id.png.new" "png/$id.png"; fi
done < catalogue.txt

# Previews for the eye (not committed): a labelled contact sheet and window mock-ups.
python3 preview.py .
for name in contact-sheet preview-main preview-login preview-wizard preview-dialogs; do
  rsvg-convert -o "$name.png" "$name.svg" && rm "$name.svg"
done
echo "previews: $(pwd)/contact-sheet.png $(pwd)/preview-*.png"
