#!/usr/bin/env bash
# Installs Debian packages when any is missing, through sudo when not root. Without arguments,
# everything that building, running and testing Nimbex needs; with arguments, just those.
set -euo pipefail

packages=("$@")
if ((${#packages[@]} == 0)); then
    packages=(
        cmake ninja-build g++ qt6-base-dev         # build
        fonts-wine fonts-liberation xdg-utils      # run: Tahoma, Times New Roman, web links
        xvfb openbox trayer xdotool x11-utils      # a virtual desktop with a tray, for tests
        faketime imagemagick                       # fixed times of day, screenshots
        dpkg-dev file binutils desktop-file-utils appstream # checking the Debian package
    )
fi

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
