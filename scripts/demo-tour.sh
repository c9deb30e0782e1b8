#!/usr/bin/env bash
# The headless tour of scripts/demo.sh: drives a running lumora from outside, as a
# person would (pointer clicks at the main window's client coordinates, typing into
# the login dialog), and writes a screenshot of every step.
#
#   DISPLAY=:N LUMORA_PID=PID SHOTS=DIR scripts/demo-tour.sh
#
# The window must be on an X server of its own without a window manager (Xvfb):
# windows then sit where the program puts them and keep the focus they are given.
set -euo pipefail
: "${DISPLAY:?}" "${LUMORA_PID:?}" "${SHOTS:?}"
user=${LUMORA_DEMO_USER:-admin}
password=${LUMORA_DEMO_PASSWORD:-admin}

fail() { echo "tour: $*" >&2; exit 1; }
step() { echo "tour: $*"; }

# Visible top-level windows of lumora, oldest first.
windows() { xdotool search --onlyvisible --pid "$LUMORA_PID" 2>/dev/null | sort -n || true; }

# Waits until lumora shows N visible windows; prints the newest.
wait_windows() {  # count, what
  local n=$1 what=$2 list
  for _ in $(seq 300); do
    kill -0 "$LUMORA_PID" 2>/dev/null || fail "lumora ended while waiting for $what"
    list=$(windows)
    if [[ $(grep -c . <<<"$list") -eq $n ]]; then
      tail -1 <<<"$list"
      return
    fi
    sleep 0.1
  done
  fail "no $what after 30 s (windows: $(windows | tr '\n' ' '))"
}

# Waits `min` seconds, then until the screen stays the same for half a second; a
# blinking caret never settles, so that wait ends after a few seconds.
settle() {  # min seconds
  local last="" now
  sleep "${1:-0}"
  for _ in $(seq 8); do
    now=$(import -window root rgb:- 2>/dev/null | md5sum)
    [[ "$now" == "$last" ]] && return
    last=$now
    sleep 0.5
  done
}

# Writes the main window's area of the screen (dialogs lie over it) to SHOTS/NAME.png.
shot() {  # name
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$main")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$SHOTS/$1.png"
  step "$SHOTS/$1.png"
}

click() {  # window, x, y (client pixels)
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

mkdir -p "$SHOTS"
main=$(wait_windows 1 "main window")
xdotool windowfocus "$main" 2>/dev/null || true

step "discover: the appliance list fills after one round of discovery"
settle 4
shot 1-discovered

step "connect: Connect opens the login dialog"
click "$main" 537 205
login=$(wait_windows 2 "login dialog")
settle 0.5
xdotool windowfocus --sync "$login" 2>/dev/null || true
click "$login" 300 131                      # user name
xdotool key ctrl+a BackSpace type --delay 40 "$user"
click "$login" 300 204                      # password
xdotool key ctrl+a BackSpace type --delay 40 "$password"
settle 0.5
shot 2-login
click "$login" 239 337                      # OK
wait_windows 1 "the login dialog to close" >/dev/null

step "volumes: the information panel shows the appliance's volumes"
settle 3
shot 3-volumes

step "folders: the Folder shortcut lists the shares"
click "$main" 170 222
settle 2
shot 4-folders

step "settings: the settings dialog"
click "$main" 893 21
settings=$(wait_windows 2 "settings dialog")
settle 1
shot 5-settings
xdotool windowfocus "$settings" 2>/dev/null || true
xdotool key Escape
wait_windows 1 "the settings dialog to close" >/dev/null

step "close"
click "$main" 1003 19
for _ in $(seq 100); do
  kill -0 "$LUMORA_PID" 2>/dev/null || exit 0
  sleep 0.1
done
fail "lumora did not end after Close"
