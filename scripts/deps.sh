#!/usr/bin/env bash
# Installs what building and testing Lumora needs (Debian packages). Idempotent:
# it asks apt only when a package is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format clang-tidy
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
  libwxgtk3.2-dev fonts-dejavu-core librsvg2-bin
  xvfb xauth iproute2 util-linux curl python3 ccache nftables
  gvfs-backends gvfs-fuse samba libnss-wrapper libuid-wrapper dbus
  imagemagick
  xdotool x11-utils lintian appstream dpkg-dev file
  gnome-keyring libsecret-tools
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO=sudo
  $SUDO apt-get update -qq
  # Samba is for the simulator, inside test namespaces: its package must not start a
  # server on this machine's own networks (policy-rc.d 101 forbids starting services).
  policy=/usr/sbin/policy-rc.d
  if [[ ! -e $policy ]]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null && $SUDO chmod 755 "$policy"
    trap '$SUDO rm -f "$policy"' EXIT
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
