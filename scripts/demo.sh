#!/usr/bin/env bash
# Lumora against simulated KL-440s, without a packet reaching a real network.
#
#   scripts/demo.sh [--headless] [--shots DIR] [--config FILE]
#
# Installs what is missing (Debian packages, asking sudo only for them), builds
# lumora, lumora-cli and kl440-sim, then runs as the invoking user: a private user
# and network namespace holds lumora, a second network namespace holds kl440-sim
# with its demo set (or --config FILE), and a veth link joins the two. On a desktop
# session the window opens on your display; without one (or with --headless) it
# runs under Xvfb, takes a short scripted tour and writes screenshots.
# Settings live in a temporary folder: your own are never read or changed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMORA_BUILD_DIR:-$root/build}
pc_address=192.0.2.1/24   # the demo set's appliances sit on 192.0.2.0/24 (and one elsewhere)

die() { echo "demo: $*" >&2; exit 1; }
say() { echo "demo: $*"; }

headless=0
shots=""
config=""
while (($#)); do
  case $1 in
    --headless) headless=1 ;;
    --shots) [[ $# -ge 2 ]] || die "--shots needs a folder"; shots=$2; shift ;;
    --config) [[ $# -ge 2 ]] || die "--config needs a file"; config=$(realpath "$2"); shift ;;
    -h|--help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) die "unknown argument $1 (try --help)" ;;
  esac
  shift
done
[[ -z "$config" || -r "$config" ]] || die "cannot read $config"
: "${DISPLAY:=}" "${WAYLAND_DISPLAY:=}"
[[ -n "$DISPLAY$WAYLAND_DISPLAY" ]] || headless=1
# A display reached over TCP (ssh -X: "localhost:10.0") cannot be reached from a
# namespace without a network; only local socket displays can.
if ((headless == 0)) && [[ -z "$WAYLAND_DISPLAY" && "${DISPLAY%%:*}" != "" && "${DISPLAY%%:*}" != unix ]]; then
  say "DISPLAY=$DISPLAY is a network display, which the private namespace cannot reach; running headless"
  headless=1
fi
shots=${shots:-$build/demo-screenshots}

have_gui=0
[[ -f "$root/src/ui/main/LumoraMain.cpp" ]] && have_gui=1

# ---------------------------------------------------------------- outside: packages, build
if [[ "${LUMORA_DEMO_INSIDE:-}" != 1 ]]; then
  "$root/scripts/deps.sh" || die "installing the Debian packages failed (scripts/deps.sh)"
  targets=(kl440-sim lumora-cli)
  ((have_gui)) && targets+=(lumora)
  if [[ ! -f "$build/CMakeCache.txt" ]]; then
    say "configuring $build"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
      die "cmake could not configure $build"
  fi
  say "building ${targets[*]}"
  cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >"$build/demo-build.log" 2>&1 || {
    grep -E "error|FAILED|multiple definition|undefined reference" "$build/demo-build.log" | cut -c1-300 | head -15 >&2
    die "the build failed (whole output: $build/demo-build.log)"
  }
  mkdir -p "$shots"
  export LUMORA_DEMO_INSIDE=1 LUMORA_BUILD_DIR=$build
  args=(--shots "$(realpath "$shots")")
  ((headless)) && args+=(--headless)
  [[ -n "$config" ]] && args+=(--config "$config")
  # A display reached through ~/.Xauthority keeps working after HOME moves (below).
  [[ -z "${XAUTHORITY:-}" && -r "${HOME:-/}/.Xauthority" ]] && export XAUTHORITY=$HOME/.Xauthority
  # So does a Wayland display, named in full: XDG_RUNTIME_DIR moves as well.
  [[ -n "$WAYLAND_DISPLAY" && "$WAYLAND_DISPLAY" != /* ]] &&
    export WAYLAND_DISPLAY="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$WAYLAND_DISPLAY"
  # Root needs no user namespace; anyone else gets one in which they may make links. The
  # mount namespace of our own lets GVfs's FUSE bridge mount the mapped shares without
  # privileges, and takes those mounts away with the demo.
  if [[ $(id -u) -eq 0 ]]; then
    exec unshare --net --mount -- "$0" "${args[@]}"
  fi
  unshare --map-root-user --net --mount true 2>/dev/null ||
    die "this system allows no unprivileged user namespaces; allow them (sysctl kernel.unprivileged_userns_clone=1, on Ubuntu kernel.apparmor_restrict_unprivileged_userns=0) or run: sudo $0"
  exec unshare --map-root-user --net --mount -- "$0" "${args[@]}"
fi

# ---------------------------------------------------------------- inside the PC's namespace
[[ $(ip -o link | wc -l) -eq 1 ]] || die "not in a fresh network namespace; refusing to go on"
sim="$build/tools/kl440-sim/kl440-sim"
cli="$build/tools/lumora-cli/lumora-cli"
lumora=$(find "$build/src" -maxdepth 3 -type f -name lumora -perm -u+x 2>/dev/null | head -1)
work=$(mktemp -d "${TMPDIR:-/tmp}/lumora-demo.XXXXXX")
pids=()

cleanup() {
  local rc=$?
  trap - EXIT INT TERM
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ip link set lo up
ip link set lo multicast on

# The appliances' namespace: a sleeping process holds it, owned by our user namespace.
unshare --net sleep infinity &
holder=$!
pids+=("$holder")
for _ in $(seq 100); do
  [[ "$(readlink /proc/$holder/ns/net 2>/dev/null)" != "$(readlink /proc/self/ns/net)" ]] && break
  sleep 0.05
done
[[ "$(readlink /proc/$holder/ns/net)" != "$(readlink /proc/self/ns/net)" ]] ||
  die "the appliances' namespace did not come up"
ip link add pc0 type veth peer name nas0 netns "$holder" || die "cannot make the veth link"
ip addr add "$pc_address" dev pc0
ip link set pc0 up
nsenter -t "$holder" -n ip link set lo up

sim_args=()
[[ -n "$config" ]] && sim_args=(--config "$config")
# Real SMB shares for the drive-mapping page, where Samba is installed.
command -v smbd >/dev/null 2>&1 && sim_args+=(--samba)
nsenter -t "$holder" -n "$sim" "${sim_args[@]}" >"$work/sim.log" 2>&1 &
pids+=("$!")
for _ in $(seq 600); do
  grep -q "kl440-sim: ready" "$work/sim.log" && break
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.05
done
grep -q "kl440-sim: ready" "$work/sim.log" || die "kl440-sim did not start: $(cat "$work/sim.log")"
say "$(grep "kl440-sim: ready" "$work/sim.log" | sed 's/kl440-sim: ready/simulator ready/') on nas0; the PC is ${pc_address%/*} on pc0"

if ((have_gui == 0)); then
  say "the desktop program is not in this tree yet; what lumora-cli finds:"
  "$cli" discover || true
  die "no lumora to show (src/ui/main/LumoraMain.cpp is missing)"
fi

[[ -n "$lumora" ]] || die "lumora was not built under $build/src"
# A home of the demo's own: mapped drives ("~/Lumora Drives"), the keyring GVfs asks
# and GTK's caches go there, and leave with the demo.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" NO_AT_BRIDGE=1
export XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
mkdir -p "$XDG_CONFIG_HOME/Tessil" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"

# A session bus of the demo's own: GVfs mounts the simulated shares from inside this
# namespace (the desktop's own GVfs cannot reach them), and the user's keyring is
# never touched.
if command -v dbus-daemon >/dev/null 2>&1; then
  export XDG_RUNTIME_DIR="$work/run" GVFS_REMOTE_VOLUME_MONITOR_IGNORE=1
  mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
  if bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null); then
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    pids+=("${bus##*$'\n'}")
  fi
fi

if ((headless == 0)); then
  # Our own X11 or Wayland socket is a file, so it is reachable from this namespace
  # (only abstract sockets and TCP displays are not).
  say "lumora opens on your display; the demo ends when you close it"
  say "accounts: admin / admin, alice / wonderland (alice is an ordinary user)"
  say "drives mapped in the wizard appear in $HOME/Lumora Drives (the demo's own home, gone with it)"
  # In the background, so that a signal reaches the trap (and the cleanup) at once.
  "$lumora" &
  pids+=("$!")
  wait "$!" || die "lumora ended with status $?"
  exit 0
fi

# Headless: our own X server in this namespace, then the tour.
unset WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br >"$work/xvfb.log" 2>&1 3>"$work/display" &
pids+=("$!")
for _ in $(seq 200); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -1 "$work/display")"
export DISPLAY

# The first-open offer would stop the tour; a fresh user sees it in the desktop run.
printf '[Used]\nFirstOpen=FALSE\n' >"$XDG_CONFIG_HOME/Tessil/Tessil.ini"
"$lumora" >"$work/lumora.log" 2>&1 &
pids+=("$!")
LUMORA_PID=$! SHOTS=$shots LUMORA_LOG=$work/lumora.log "$root/scripts/demo-tour.sh" ||
  die "the tour stopped (lumora's output: $(tail -5 "$work/lumora.log"))"
say "screenshots are in $shots"
