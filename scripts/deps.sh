#!/usr/bin/env bash
# Installs the Debian packages that are missing, through sudo when not root.
#   deps.sh            everything building, running and testing Nimbex needs
#   deps.sh --run      only what building and running the clock needs
#   deps.sh PKG...     just those packages
set -euo pipefail

run=(
    cmake ninja-build g++ qt6-base-dev         # build
    qt6-wayland                                # run on a Wayland desktop
    fonts-wine fonts-liberation xdg-utils      # Tahoma, Times New Roman, web links
    xvfb openbox x11-utils xdotool imagemagick # start.sh without a display: a virtual one
)
test=(
    trayer faketime                            # an XEmbed tray host, fixed times of day
    dbus-daemon libglib2.0-bin xfce4-panel     # a StatusNotifier tray on X11, driven over D-Bus
    sway waybar grim wtype                     # Wayland with a tray, its screenshots and keys
    weston libwayland-dev at-spi2-core python3-pyatspi # a strict Wayland compositor, driven over the accessibility bus
    dpkg-dev file binutils desktop-file-utils appstream # checking the Debian package
)

case ${1:-} in
"") packages=("${run[@]}" "${test[@]}") ;;
--run) packages=("${run[@]}") ;;
*) packages=("$@") ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root or sudo. As root, run:" >&2
        echo "    apt-get update && apt-get install -y ${missing[*]}" >&2
        echo "then run this command again." >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing ${#missing[@]} Debian packages (a few minutes on a fresh machine): ${missing[*]}"
echo "- updating the package lists"
"${sudo[@]}" apt-get update -qq
echo "- downloading and installing"
# apt prints a line per package as it unpacks and sets it up.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q -o Dpkg::Use-Pty=0 "${missing[@]}" \
    | { grep -E --line-buffered '^(Get|Unpacking|Setting up)' || true; } | sed -u -E 's/^Get:[0-9]+ [^ ]+ [^ ]+ [^ ]+ ([^ ]+) .*/  downloading \1/; s/^Unpacking ([^ ]+) .*/  unpacking \1/; s/^Setting up ([^ ]+) .*/  setting up \1/'
echo "- done"
