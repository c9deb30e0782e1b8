#!/usr/bin/env bash
# A real discovery with 1, 3 and 8 adapters, each with a simulated appliance on its link.
#
#   bench/discovery.sh [BUILD_DIR]      (default: build; RUNS=N runs per count, default 5;
#                                        COUNTS="1 3 8" the adapter counts)
#
# Everything runs in private network namespaces: the PC's (made here with unshare) holds the
# adapters pcN, one end of a veth link each; the appliances' namespace, held by a child
# process, holds the other ends nasN and kl440-sim. Each run times `lumora-cli discover`
# from its start to its exit and checks that every appliance was listed. The medians are
# printed with their ratio to one adapter's round of 32 waits of 70 ms (2.24 s); the goal
# is 1.07 or less for every count.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
runs=${RUNS:-5}
counts=${COUNTS:-1 3 8}

fail() { echo "discovery bench: $*" >&2; exit 1; }

if [[ "${LUMORA_IN_NETNS:-}" != 1 ]]; then
  [[ -f "$build/CMakeCache.txt" ]] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2 --target lumora-cli kl440-sim >/dev/null || fail "the build failed"
  export LUMORA_IN_NETNS=1
  [[ $(id -u) -eq 0 ]] && exec unshare --net -- "$0" "$build"
  exec unshare --map-root-user --net -- "$0" "$build"
fi

cli=$(find "$build/tools" -type f -name lumora-cli -perm -u+x | head -1)
sim=$(find "$build/tools" -type f -name kl440-sim -perm -u+x | head -1)
[[ -x "$cli" && -x "$sim" ]] || fail "lumora-cli or kl440-sim is not built in $build"
ip link set lo up
work=$(mktemp -d)
holder=""
simpid=""
cleanup() {
  [[ -n "$simpid" ]] && kill "$simpid" 2>/dev/null
  [[ -n "$holder" ]] && kill "$holder" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Host K of adapter N's subnet, a /27: the three documentation networks in turn, each split
# in eight, so that up to 24 adapters have subnets of their own.
ranges=(192.0.2 198.51.100 203.0.113)
host() { echo "${ranges[$(($1 % 3))]}.$((32 * ($1 / 3) + $2))"; }

# Sets up `count` adapters with an appliance each in a fresh appliances' namespace.
setup() {
  local count=$1 n
  ((count <= 24)) || fail "at most 24 adapters"
  unshare --net sleep infinity &
  holder=$!
  sleep 0.2
  local there=(nsenter --net="/proc/$holder/ns/net")
  "${there[@]}" ip link set lo up
  : >"$work/appliances.conf"
  for ((n = 0; n < count; n++)); do
    ip link add "pc$n" type veth peer name "nas$n" netns "$holder"
    ip addr add "$(host "$n" 1)/27" dev "pc$n"
    ip link set "pc$n" up
    "${there[@]}" ip link set "nas$n" up
    for _ in $(seq 500); do ip -o link show "pc$n" | grep -q "state UP" && break; sleep 0.01; done
    printf '[appliance]\nname = Bench%d\nmac = 00:00:00:00:00:%02x\ninterface = nas%d\nip = %s\n' \
      "$n" "$n" "$n" "$(host "$n" 20)" >>"$work/appliances.conf"
    printf 'netmask = 255.255.255.224\ngateway = %s\ndhcp = 0\nextra = x\naccount = admin:admin\n' \
      "$(host "$n" 1)" >>"$work/appliances.conf"
  done
  "${there[@]}" "$sim" --config "$work/appliances.conf" >"$work/sim.log" 2>&1 &
  simpid=$!
  for _ in $(seq 100); do grep -q "kl440-sim: ready" "$work/sim.log" && return; sleep 0.05; done
  fail "kl440-sim did not start: $(cat "$work/sim.log")"
}

teardown() {
  local count=$1 n
  kill "$simpid" "$holder" 2>/dev/null || true
  wait 2>/dev/null || true
  simpid="" holder=""
  for ((n = 0; n < count; n++)); do ip link del "pc$n" 2>/dev/null || true; done
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

export XDG_CONFIG_HOME=$work/config
printf '%-9s %10s %10s %10s %8s   (%d runs, ms from start to exit of lumora-cli discover)\n' \
  adapters median min max ratio "$runs"
worst=0
for count in $counts; do
  setup "$count"
  times=()
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$cli" discover >"$work/list" 2>&1 || fail "the discovery failed: $(cat "$work/list")"
    end=$(date +%s%N)
    listed=$(grep -c '^[0-9]' "$work/list" || true)
    [[ $listed -eq $count ]] || fail "$count adapters listed $listed appliances: $(cat "$work/list")"
    times+=($(((end - start) / 1000000)))
  done
  teardown "$count"
  med=$(median "${times[@]}")
  min=$(printf '%s\n' "${times[@]}" | sort -g | head -1)
  max=$(printf '%s\n' "${times[@]}" | sort -g | tail -1)
  ratio=$(awk -v m="$med" 'BEGIN {printf "%.3f", m / 2240}')
  printf '%-9s %10s %10s %10s %8s\n' "$count" "$med" "$min" "$max" "$ratio"
  worst=$(awk -v a="$worst" -v b="$ratio" 'BEGIN {print (b > a) ? b : a}')
done
awk -v w="$worst" 'BEGIN {exit !(w <= 1.07)}' && echo "goal met: every ratio 1.07 or less" ||
  { echo "goal missed: a ratio above 1.07"; exit 1; }
