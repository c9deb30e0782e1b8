#!/usr/bin/env bash
# Lumora on a Wayland compositor: a weston of our own, nested in an Xvfb of our own, then
#  1. the program `lumora` itself: it must map its window titled "Lumora", commit a
#     painted buffer, keep running (no appliance needed: it searches), and answer a
#     drag on a free spot of the window by asking the compositor to move it;
#  2. the desktop tests' Wayland session test (shown, painted, minimized, closed).
#
#   wayland-session.sh LUMORA UI_TESTS
#
# Exits 77 (skipped) when weston or Xvfb is missing or cannot start here.
# Weston's headless backend would do without Xvfb, but it offers no seat, and GTK
# crashes when wx's modal loop releases the pointer of a seat that does not exist;
# the nested backend gives the compositor a keyboard and a pointer, as a desktop has.
set -euo pipefail

# Lumora discovers at start: never on this machine's own links.
if [[ "${LUMORA_IN_NETNS:-}" != 1 ]]; then
  export LUMORA_IN_NETNS=1
  [[ $(id -u) -eq 0 ]] && exec unshare --net -- "$0" "$@"
  exec unshare --map-root-user --net -- "$0" "$@"
fi
[[ $# -eq 2 ]] || { echo "usage: $0 LUMORA UI_TESTS" >&2; exit 2; }
lumora=$1 ui_tests=$2
ip link set lo up 2>/dev/null || true

for tool in weston Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lumora-wayland.XXXXXX")
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config NO_AT_BRIDGE=1
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Tessil"
Xvfb -displayfd 3 -screen 0 1400x1100x24 -nolisten tcp >"$work/xvfb.log" 2>&1 3>"$work/display" &
pids+=("$!")
for _ in $(seq 200); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "SKIP: Xvfb did not start: $(tail -2 "$work/xvfb.log")"; exit 77; }
socket=lumora-$$
# --debug opens the screenshooter to clients; the pixman renderer gives it pixels to read.
DISPLAY=":$(head -1 "$work/display")" weston --backend=x11-backend.so --use-pixman --socket="$socket" --width=1100 --height=800 \
  --idle-time=0 --debug >"$work/weston.log" 2>&1 &
pids+=("$!")
for _ in $(seq 200); do
  [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && grep -q "launching.*desktop-shell" "$work/weston.log" && break
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.05
done
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] ||
  { echo "SKIP: weston did not start here: $(tail -3 "$work/weston.log" | tr '\n' ' ')"; exit 77; }
export WAYLAND_DISPLAY=$socket GDK_BACKEND=wayland
unset DISPLAY

# 1. The program. The first-open offer would stand in front of the window.
printf '[Used]\nFirstOpen=FALSE\n' >"$XDG_CONFIG_HOME/Tessil/Tessil.ini"
WAYLAND_DEBUG=client "$lumora" >"$work/lumora.log" 2>&1 &
pids+=("$!")
mapped=0
for _ in $(seq 400); do
  # A toplevel titled "Lumora" and, after it, a buffer attached and committed: a paint.
  if grep -q 'xdg_toplevel@[0-9]*\.set_title("Lumora")' "$work/lumora.log" &&
    sed -n '/set_title("Lumora")/,$p' "$work/lumora.log" | grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@'; then
    mapped=1
    break
  fi
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.05
done
((mapped)) || fail "lumora showed no painted window on Wayland: $(grep -iv '^\[' "$work/lumora.log" | tail -5)"
sleep 1
# The screen is only a little larger than the window, so wherever the shell places it,
# this point is on it, below the buttons and beside the menu: a free spot.
DISPLAY=":$(head -1 "$work/display")" xdotool mousemove 700 600 mousedown 1 sleep 0.3 \
  mousemove 750 640 sleep 0.3 mousemove 800 680 sleep 0.3 mouseup 1 ||
  fail "xdotool could not drive the compositor's pointer"
for _ in $(seq 100); do
  sed -n '/wl_pointer@[0-9]*\.button(/,$p' "$work/lumora.log" | grep -q 'xdg_toplevel@[0-9]*\.move(' && break
  sleep 0.05
done
grep -q 'wl_pointer@[0-9]*\.button(' "$work/lumora.log" || fail "the press never reached lumora"
sed -n '/wl_pointer@[0-9]*\.button(/,$p' "$work/lumora.log" | grep -q 'xdg_toplevel@[0-9]*\.move(' ||
  fail "a drag on the window did not ask the compositor to move it"
kill -0 "${pids[-1]}" 2>/dev/null || fail "lumora ended by itself: $(tail -5 "$work/lumora.log")"
if grep -E "Gtk-(CRITICAL|WARNING)|Gdk-(CRITICAL|WARNING)" "$work/lumora.log"; then
  fail "the toolkit complained on Wayland"
fi
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
unset 'pids[-1]'
echo "lumora mapped and painted its window on Wayland, and asked the compositor to move it"

# 2. The window driven from inside.
"$ui_tests" --gtest_filter='WaylandSessionTest.*'
