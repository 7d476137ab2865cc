#!/usr/bin/env bash
# The one list of the Debian packages the scripts need, in named groups, and their installer: what
# is missing is installed, through sudo when not root. Only what a group names is installed, not
# what Debian merely recommends: each group is the least its job needs.
#   deps.sh [--GROUP | PKG]...   installs what is missing of those groups and packages
#   deps.sh --list GROUP...      prints their packages, one a line, and installs nothing
#   deps.sh                      the same as deps.sh --all
# The groups:
#   build         building the clock
#   run           building and running it at a desktop (start.sh with a display)
#   headless      start.sh without a display: a virtual one and a screenshot
#   desktop       the desktops scripts/desktop.sh starts for the suite
#   test          those and the suite's tools
#   all           build, run, headless and test: building and the whole suite
#   desktops      GNOME, KDE Plasma and LXQt for scripts/desktops.sh (about 1 GB)
#   bench         bench/run.sh: run, headless, desktop and the benchmark's own tools
#   fuzz          scripts/fuzz.sh: build, and clang with libFuzzer
#   stress        scripts/stress.sh's CPU hogs
#   package       building the Debian package (scripts/package.sh, with build)
#   package-test  checking it (packaging/test-package.sh)
#   fresh-root    a fresh Debian 12 root (scripts/minbase.sh)
# Apt's whole output goes to a log file, printed in full only when apt fails.
set -euo pipefail

# Compiler, build tools and the Qt development files; they bring the Qt libraries along.
build=(cmake ninja-build g++ pkg-config qt6-base-dev libwayland-dev)
build+=(qt6-tools-dev) # Qt's LinguistTools: lupdate and lrelease, for the translations
# What the clock needs at run time on top of the Qt libraries; packaging/Package.cmake's Depends
# and Recommends are these.
run=(
    qt6-wayland                 # the Wayland platform plugin
    fonts-wine fonts-liberation # Tahoma, and Liberation Serif for Times New Roman
    xdg-utils                   # xdg-open for the About box's web links
    qt6-translations-l10n       # Qt's own texts (--help, standard menus) in the user's language
    fonts-wqy-microhei          # Japanese and Chinese, which the design's faces lack
    fonts-dejavu-core           # Hebrew, which Tahoma lacks (it has Arabic)
)
# A bare virtual X display, a wait for the clock's window and a screenshot of it.
headless=(xvfb xdotool imagemagick)
# The suite's desktops, beside the virtual display above. One package a line.
desktop=(
    openbox         # a window manager on the virtual display
    x11-utils       # xprop, xwininfo
    trayer          # an XEmbed tray host
    dbus-daemon     # a session bus of its own for every desktop
    libglib2.0-bin  # gdbus, which asks for the StatusNotifier tray and the accessibility bus
    xfce4-panel     # a StatusNotifier tray on X11
    sway            # Wayland
    waybar          # its tray
    weston          # a strict Wayland compositor with no tray
    at-spi2-core    # the accessibility bus, which drives the clock where no keys reach it
)
# The suite's tools on them.
test=(
    faketime        # fixed and fast times of day
    grim            # sway's screenshots
    wtype           # sway's keys
    python3-pyatspi # the accessibility bus's Python client
    groff-base      # groff, which checks the manual page
    desktop-file-utils # desktop-file-validate, which checks the menu entry
    appstream       # appstreamcli, which checks the software centres' record
)
# The big desktops: GNOME with the AppIndicator tray and Xwayland, KDE Plasma on X11 and on
# Wayland (Plasma itself needs Qt 5's Wayland plugin), LXQt's panel.
desktops=(gnome-shell gnome-shell-extension-appindicator xwayland kwin-x11 kwin-wayland
    plasma-workspace plasma-desktop kactivitymanagerd qtwayland5 lxqt-panel)
# The benchmark's own: Google Benchmark, Xlib with DAMAGE for its tools, xclock to compare with.
bench=(libbenchmark-dev libx11-dev libxdamage-dev libxfixes-dev x11-apps python3)
fuzz=(clang-14 libclang-rt-14-dev)
stress=(stress-ng)
# Building the Debian package: dpkg-buildflags and dpkg-shlibdeps, and the file and strip cpack
# calls on the binary.
package=(dpkg-dev file binutils)
# Checking it, beside the virtual display: Debian's own checker, hardening-check, and a fresh
# root to install it in.
package_test=(lintian devscripts debootstrap)
fresh_root=(debootstrap)

packages=()
add() { # group: onto packages go its own list and the groups it builds on
    case $1 in
    build) packages+=("${build[@]}") ;;
    run) add build && packages+=("${run[@]}") ;;
    headless) packages+=("${headless[@]}") ;;
    desktop) packages+=("${desktop[@]}") ;;
    test) add desktop && packages+=("${test[@]}") ;;
    all) add run && add headless && add test ;;
    desktops) packages+=("${desktops[@]}") ;;
    bench) add run && add headless && add desktop && packages+=("${bench[@]}") ;;
    fuzz) add build && packages+=("${fuzz[@]}") ;;
    stress) packages+=("${stress[@]}") ;;
    package) packages+=("${package[@]}") ;;
    package-test) packages+=("${package_test[@]}") ;;
    fresh-root) packages+=("${fresh_root[@]}") ;;
    *) echo "deps.sh: no group $1" >&2; exit 2 ;;
    esac
}

if [ "${1:-}" = --list ]; then
    shift
    for g in "$@"; do add "$g"; done
    printf '%s\n' "${packages[@]}" | awk '!seen[$0]++'
    exit 0
fi
(($#)) || set -- --all
for a in "$@"; do
    case $a in
    --*) add "${a#--}" ;;
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
