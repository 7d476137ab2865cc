#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Nimbex need, when any is
# missing. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev         # build
    fonts-wine fonts-liberation xdg-utils      # run: Tahoma, Times New Roman, opening web links
    xvfb openbox trayer xdotool x11-utils      # a virtual desktop with a tray, driven by tests
    faketime imagemagick                       # fixed times of day, screenshots
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
