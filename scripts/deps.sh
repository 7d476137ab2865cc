#!/usr/bin/env bash
# Installs the Debian packages that are missing, through sudo when not root. Only what a list
# names is installed, not what Debian merely recommends: each list is the least its job needs.
#   deps.sh              everything: building, running, the virtual display and the test suite
#   deps.sh --build      building the clock
#   deps.sh --run        building and running it at a desktop (start.sh with a display)
#   deps.sh --headless   start.sh without a display: a virtual one and a screenshot
#   deps.sh --test       the suite's desktops and tools
#   deps.sh --package    building the Debian package (scripts/package.sh, with --build)
#   deps.sh --package-test  checking it (packaging/test-package.sh)
#   deps.sh PKG...       just those packages
# Lists and packages can be mixed, as in `deps.sh --run --headless`. Apt's whole output goes to
# a log file, printed in full only when apt fails.
set -euo pipefail

# Compiler, build tools and the Qt development files; they bring the Qt libraries along.
build=(cmake ninja-build g++ pkg-config qt6-base-dev libwayland-dev)
# What the clock needs at run time on top of the Qt libraries; packaging/Package.cmake's Depends
# and Recommends are these.
run=(
    qt6-wayland                 # the Wayland platform plugin
    fonts-wine fonts-liberation # Tahoma, and Liberation Serif for Times New Roman
    xdg-utils                   # xdg-open for the About box's web links
)
# A bare virtual X display, a wait for the clock's window and a screenshot of it.
headless=(xvfb xdotool imagemagick)
# The suite's desktops and tools, beside the virtual display above. One package a line.
test=(
    openbox         # a window manager on the virtual display
    x11-utils       # xprop, xwininfo
    trayer          # an XEmbed tray host
    faketime        # fixed and fast times of day
    dbus-daemon     # a session bus of its own for every desktop
    libglib2.0-bin  # gdbus, which drives the StatusNotifier tray
    xfce4-panel     # a StatusNotifier tray on X11
    sway            # Wayland
    waybar          # its tray
    grim            # its screenshots
    wtype           # its keys
    weston          # a strict Wayland compositor with no tray
    at-spi2-core    # the accessibility bus, which drives the clock where no keys reach it
    python3-pyatspi # its Python client
    groff-base      # groff, which checks the manual page
)
# Building the Debian package: dpkg-buildflags and dpkg-shlibdeps, and the file and strip cpack
# calls on the binary.
package=(dpkg-dev file binutils)
# Checking it, beside the virtual display: Debian's own checker, hardening-check, and a fresh
# root to install it in.
package_test=(lintian devscripts debootstrap)

packages=()
(($#)) || set -- --build --run --headless --test
for a in "$@"; do
    case $a in
    --build) packages+=("${build[@]}") ;;
    --run) packages+=("${build[@]}" "${run[@]}") ;;
    --headless) packages+=("${headless[@]}") ;;
    --test) packages+=("${test[@]}") ;;
    --package) packages+=("${package[@]}") ;;
    --package-test) packages+=("${package_test[@]}") ;;
    -*) echo "deps.sh: unknown option $a" >&2; exit 2 ;;
    *) packages+=("$a") ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        [[ " ${missing[*]} " = *" $p "* ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root or sudo. As root, run:" >&2
        echo "    apt-get update && apt-get install --no-install-recommends -y ${missing[*]}" >&2
        echo "then run this command again." >&2
        exit 1
    fi
    sudo=(sudo)
fi
log=$(mktemp "${TMPDIR:-/tmp}/nimbex-apt.XXXXXX.log")
failed() {
    echo "deps.sh: $1 failed; apt's whole output ($log):" >&2
    cat "$log" >&2
    exit 1
}
# Another apt may be running (an upgrade, a second terminal): wait for it rather than fail.
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900)

echo "Installing these Debian packages and what they need (a few minutes on a fresh machine): ${missing[*]}"
echo "- updating the package lists"
# The lock timeout does not cover the lists' own lock, which a concurrent update holds.
for ((tries = 90; ; tries--)); do
    "${apt[@]}" update -q >"$log" 2>&1 && break
    if ((tries == 1)) || ! grep -q '^E: Could not get lock' "$log"; then failed "apt-get update"; fi
    sleep 10
done
echo "- downloading and installing"
# A line per package as apt fetches, unpacks and sets it up; the rest stays in the log.
set +e
"${apt[@]}" install -y -q --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}" 2>&1 |
    tee "$log" |
    sed -n -u -E 's/^Get:[0-9]+ [^ ]+ [^ ]+ [^ ]+ ([^ ]+) .*/  downloading \1/p
        s/^Unpacking ([^ ]+) .*/  unpacking \1/p; s/^Setting up ([^ ]+) .*/  setting up \1/p'
status=${PIPESTATUS[0]}
set -e
((status == 0)) || failed "apt-get install"
rm -f "$log"
echo "- done"
