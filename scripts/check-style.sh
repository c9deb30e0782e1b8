#!/usr/bin/env bash
# Checks the style the tools keep: clang-format over every tracked C++ file, and
# clang-tidy's naming check (.clang-tidy) over the C++ files changed since BASE.
#
#   scripts/check-style.sh [BASE]
#
# BASE defaults to the commit after which the tree was formatted and passed the
# naming check: everything changed since is new code. Without that commit in the history (a
# shallow clone), every file is checked.
# The naming check needs a compile database: $LUMORA_STYLE_DB, or build-style/ (core only),
# configured when missing. Exits nonzero when either check finds something.
set -euo pipefail
cd "$(dirname "$0")/.."
styled=7a14c61
base=${1:-$styled}
git cat-file -e "$base^{commit}" 2>/dev/null || base=$(git hash-object -t tree /dev/null)
db=${LUMORA_STYLE_DB:-build-style}  # a folder with compile_commands.json
status=0

mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
echo "== clang-format (${#sources[@]} files)"
clang-format --dry-run -Werror "${sources[@]}" || status=1

mapfile -t changed < <(git diff --name-only --diff-filter=AMR "$base" -- '*.cpp' '*.h')
if ((${#changed[@]} == 0)); then
  echo "== naming: no C++ file changed since $base"
  exit $status
fi
[[ -f $db/compile_commands.json ]] ||
  cmake -S . -B "$db" -G Ninja -DLUMORA_UI=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# A changed header is read through the sources that include it; diagnostics are kept
# for the changed files only, whatever unit they are found through.
units=() names=() entries=()
for f in "${changed[@]}"; do
  [[ -f $f ]] || continue
  entries+=("{\"name\":\"$f\"}")
  if [[ $f == *.cpp ]]; then units+=("$f"); else names+=("${f##*/}"); fi
done
filter="[$(IFS=,; echo "${entries[*]}")]"
if ((${#names[@]})); then
  pattern=$(IFS='|'; echo "${names[*]//./\\.}")
  mapfile -t -O "${#units[@]}" units < <(git grep -l -E "#include \"([^\"]*/)?($pattern)\"" -- '*.cpp' || true)
fi
mapfile -t units < <(printf '%s\n' "${units[@]}" | sort -u)
echo "== naming (${#units[@]} sources, changed since $base)"
for unit in "${units[@]}"; do
  # Sources outside the compile database (the UI without a UI build) are skipped.
  grep -q "\"file\": \".*/$unit\"" "$db/compile_commands.json" || continue
  clang-tidy -p "$db" --quiet --header-filter='.*' --line-filter="$filter" "$unit" 2>/dev/null || status=1
done
exit $status
