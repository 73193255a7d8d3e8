#!/usr/bin/env bash
# Installs the Debian packages Plumex builds with, when any is missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          libx11-dev x11-xkb-utils libzip-dev qt6-multimedia-dev poppler-utils fonts-dejavu-core
          clang libclang-rt-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq < /dev/null
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" < /dev/null > /dev/null
