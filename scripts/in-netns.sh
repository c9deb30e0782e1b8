#!/usr/bin/env bash
# Runs a command in a private network namespace that has only a loopback link
# (up, multicast on). Nothing started from here can reach a real network.
set -euo pipefail
if [[ "${LUMORA_IN_NETNS:-}" != 1 ]]; then
  exec unshare -n -- env LUMORA_IN_NETNS=1 "$0" "$@"
fi
ip link set lo up
ip link set lo multicast on
# Multicast to the discovery group leaves through loopback here.
ip route add 224.0.0.0/4 dev lo 2>/dev/null || true
exec "$@"
