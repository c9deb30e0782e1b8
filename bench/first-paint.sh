#!/usr/bin/env bash
# Start to first paint of Lumora's main window, beside a bare wx dialog in the same run.
#
#   bench/first-paint.sh [BUILD_DIR]      (default: build; RUNS=N runs of each, default 9)
#
# First paint, as seen from outside the program: the time from the process start until
# its first top-level window is viewable and shows a pixel that is not black, on an Xvfb
# of our own with a black root and no window manager (bench/first-paint/FirstPaintProbe.cpp
# polls the server every 2 ms). The programs alternate, after one unmeasured start of each
# to warm the file cache; the medians and their ratio are printed (goal: 1.5 or less).
# Lumora discovers at start, so everything runs in a private network namespace.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
runs=${RUNS:-9}

fail() { echo "first-paint: $*" >&2; exit 1; }

if [[ "${LUMORA_IN_NETNS:-}" != 1 ]]; then
  [[ -f "$build/CMakeCache.txt" ]] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  grep -q '^LUMORA_BENCH:BOOL=ON' "$build/CMakeCache.txt" || cmake "$build" -DLUMORA_BENCH=ON >/dev/null
  targets=(first-paint-probe bare-dialog)
  [[ -f "$root/src/ui/main/LumoraMain.cpp" ]] && targets+=(lumora)
  cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null || fail "the build failed"
  export LUMORA_IN_NETNS=1
  [[ $(id -u) -eq 0 ]] && exec unshare --net -- "$0" "$build"
  exec unshare --map-root-user --net -- "$0" "$build"
fi

ip link set lo up
probe=$build/bench/first-paint/first-paint-probe
bare=$build/bench/first-paint/bare-dialog
lumora=$(find "$build/src" -maxdepth 3 -type f -name lumora -perm -u+x 2>/dev/null | head -1)
work=$(mktemp -d)
xvfb=""
cleanup() { [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -1 "$work/display")"
export DISPLAY NO_AT_BRIDGE=1 XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY

programs=("$bare")
[[ -n "$lumora" ]] && programs+=("$lumora")

# One start of each, unmeasured, then the runs in turn.
for p in "${programs[@]}"; do "$probe" "$p" >/dev/null || fail "$(basename "$p") showed no window"; done
declare -A times shown cpus
for ((i = 0; i < runs; i++)); do
  for p in "${programs[@]}"; do
    read -r _ viewable _ painted _ cpu < <("$probe" "$p") || fail "$(basename "$p") painted nothing"
    times[$p]+="$painted "
    cpus[$p]+="$cpu "
    shown[$p]+="$viewable "
  done
done

# Prints "median min max" of the numbers given.
stats() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {printf "%.1f %.1f %.1f\n", (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2, v[1], v[NR]}'; }
printf '%-12s %10s %10s %10s %14s %10s   (%d runs, ms from the start)\n' \
  program "paint med" min max "viewable med" "cpu med" "$runs"
declare -A medians cpu_medians
for p in "${programs[@]}"; do
  # shellcheck disable=SC2086  # the times are words
  read -r med min max < <(stats ${times[$p]})
  # shellcheck disable=SC2086
  read -r vmed _ < <(stats ${shown[$p]})
  # shellcheck disable=SC2086
  read -r cmed _ < <(stats ${cpus[$p]})
  medians[$p]=$med
  cpu_medians[$p]=$cmed
  printf '%-12s %10s %10s %10s %14s %10s\n' "$(basename "$p")" "$med" "$min" "$max" "$vmed" "$cmed"
done
if [[ -z "$lumora" ]]; then
  echo "lumora is not built in this tree; only the bare dialog was measured"
  exit 0
fi
awk -v l="${medians[$lumora]}" -v b="${medians[$bare]}" -v lc="${cpu_medians[$lumora]}" -v bc="${cpu_medians[$bare]}" \
  'BEGIN { printf "ratio lumora / bare dialog: %.2f (goal: 1.5 or less); processor time: %.2f\n", l / b, lc / bc }'
