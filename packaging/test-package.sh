#!/usr/bin/env bash
# Checks the Debian package with lintian and hardening-check, installs it into a clean Debian 12
# root, starts the installed clock on a virtual display, saves a screenshot, reads its manual
# page, purges the package and checks that none of its files remain. Exits non-zero on the first
# failure.
#   packaging/test-package.sh [--host] [--deb FILE] [--keep]
#     --host     no chroot: install on this machine (refused when nimbex is already installed)
#     --deb F    test F instead of building with scripts/package.sh
#     --keep     leave the chroot behind for a look
# The clean root is a debootstrap minbase chroot from scripts/minbase.sh, cached as a tar file,
# so only the first run waits for debootstrap. Needs root.
# The screenshot goes to $NIMBEX_SCREENSHOT (default: next to the .deb, nimbex-installed.png).
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)

mode=chroot deb="" keep=0
while [ $# -gt 0 ]; do
    case $1 in
    --host) mode=host; shift ;;
    --deb) deb=$(realpath "$2"); shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "usage: $0 [--host] [--deb FILE] [--keep]" >&2; exit 2 ;;
    esac
done
[ "$(id -u)" -eq 0 ] || { echo "test-package: needs root (chroot, apt-get)" >&2; exit 2; }

# Mounts made below vanish with this private namespace, whatever way the script ends.
if [ "$mode" = chroot ] && [ -z "${NIMBEX_PKGTEST_NS:-}" ]; then
    args=()
    [ -n "$deb" ] && args+=(--deb "$deb")
    [ "$keep" = 1 ] && args+=(--keep)
    exec env NIMBEX_PKGTEST_NS=1 unshare --mount --propagation private bash "$0" "${args[@]}"
fi

step() { printf '\n== %s (%ds)\n' "$*" "$SECONDS"; }
fail() { echo "test-package: FAIL: $*" >&2; exit 1; }

bash "$root_dir/scripts/deps.sh" --headless --package --package-test

if [ -z "$deb" ]; then
    step "building the package"
    deb=$(bash "$root_dir/scripts/package.sh" | tail -n 1)
fi
[ -f "$deb" ] || fail "no package at '$deb'"
shot=${NIMBEX_SCREENSHOT:-$(dirname "$deb")/nimbex-installed.png}
echo "package: $deb"
version=$(dpkg-deb -f "$deb" Version)

work=$(mktemp -d /var/tmp/nimbex-pkgtest.XXXXXX)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    wait 2>/dev/null
    if [ "$mode" = chroot ]; then
        for m in var/cache/apt/archives dev/shm proc; do
            umount "$work/root/$m" 2>/dev/null || true
        done
    fi
    if [ "$mode" = chroot ] && [ "$keep" = 1 ]; then
        echo "chroot kept in $work/root"
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT

step "lintian"
# Every error, warning and informational tag fails, unless the package overrides it with its
# reason (packaging/nimbex.lintian-overrides); the overridden ones are shown with the reason.
lintian -I --pedantic --show-overrides --fail-on error,warning "$deb" >"$work/lintian.txt" ||
    { cat "$work/lintian.txt"; fail "lintian found errors or warnings"; }
cat "$work/lintian.txt"
# --fail-on info would count the overridden tags it shows as well.
if grep -q '^[IPX]: ' "$work/lintian.txt"; then
    fail "lintian: informational tags without an override"
fi

step "hardening-check"
dpkg-deb -x "$deb" "$work/unpacked"
# Control flow protection is left out: Debian 12's C library start files (Scrt1.o, crti.o) carry
# no CET marking, so no program linked here can. Fortified functions are left out too: none of
# the program's calls can become a checked one (the lintian override says why), and the flag is
# in package.sh. The report is shown in full.
hardening-check --nocfprotection --nofortify "$work/unpacked/usr/bin/nimbex" ||
    fail "hardening-check: a protection is missing"

step "changelog"
gzip -dc "$work/unpacked/usr/share/doc/nimbex/changelog.gz" >"$work/changelog" ||
    fail "no changelog.gz"
newest=$(dpkg-parsechangelog -l "$work/changelog" -S Version) || fail "dpkg-parsechangelog"
[ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, the package $version"
echo "newest entry: $newest"

if [ "$mode" = chroot ]; then
    cache=${NIMBEX_CHROOT_CACHE:-/var/tmp/nimbex-pkgtest}
    base=$(bash "$root_dir/scripts/minbase.sh")
    step "fresh root from $base"
    sysroot="$work/root"
    mkdir "$sysroot"
    tar -C "$sysroot" -xf "$base"
    cp /etc/resolv.conf "$sysroot/etc/resolv.conf"
    mount -t proc proc "$sysroot/proc"
    mount -t tmpfs -o mode=1777 shm "$sysroot/dev/shm"
    # Downloaded packages are kept between runs.
    mount --bind "$cache/archives" "$sysroot/var/cache/apt/archives"
    inroot() { chroot "$sysroot" "$@"; }
else
    dpkg-query -W -f='${Status}' nimbex 2>/dev/null | grep -q 'install ok installed' &&
        fail "nimbex is installed on this machine already; not touching it"
    sysroot=""
    inroot() { "$@"; }
fi
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$sysroot/tmp/"
inroot apt-get update -qq
# Without Recommends: what Depends brings must be enough to start.
inroot apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 ||
    { tail -n 30 "$work/install.log" >&2; fail "apt-get install"; }
grep -E '^(The following NEW|  )' "$work/install.log" | head -n 5 || true
inroot dpkg-query -W -f='${Status}\n' nimbex | grep -qx 'install ok installed' || fail "not installed"

inroot dpkg -L nimbex >"$work/owned"
# Its own files and folders; shared folders such as /usr/share/icons stay, of course.
while read -r path; do
    if [ ! -d "$sysroot$path" ] || [[ $path == */nimbex ]]; then
        echo "$path"
    fi
done <"$work/owned" >"$work/files"
for f in /usr/bin/nimbex /usr/share/applications/nimbex.desktop /usr/share/man/man1/nimbex.1.gz \
    /usr/share/doc/nimbex/copyright /usr/share/doc/nimbex/changelog.gz \
    /usr/share/metainfo/nimbex.metainfo.xml /usr/share/icons/hicolor/scalable/apps/nimbex.svg \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/nimbex.png; do
    grep -qx "$f" "$work/owned" || fail "$f not in the package"
    [ -f "$sysroot$f" ] || fail "$f not installed"
done
# What Depends brought: the fonts the clock asks for by family.
[ -f "$sysroot/usr/share/wine/fonts/tahoma.ttf" ] || fail "fonts-wine's Tahoma is missing"
serif=$(inroot fc-match -f '%{family[0]}' 'Times New Roman') || fail "fc-match"
[ "$serif" = "Liberation Serif" ] || fail "Times New Roman matches '$serif'"
missing=$(inroot ldd /usr/bin/nimbex | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries missing: $missing"

step "starting /usr/bin/nimbex on a virtual display"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 number <"$work/displayfd" || fail "Xvfb did not start"
export DISPLAY=":$number"
# Inside the chroot the server is reached through its abstract socket, shared with this root.
mkdir -p "$sysroot/tmp/home" "$sysroot/tmp/runtime"
chmod 0700 "$sysroot/tmp/runtime"
inroot env -i DISPLAY="$DISPLAY" HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime LANG=C.UTF-8 \
    PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb /usr/bin/nimbex >"$work/nimbex.log" 2>&1 &
app_pid=$!
win=$(timeout 30 xdotool search --sync --pid "$app_pid" --onlyvisible --name '^Nimbex' | head -n 1) ||
    { cat "$work/nimbex.log" >&2; fail "no Nimbex window within 30 s"; }
sleep 2.5
kill -0 "$app_pid" 2>/dev/null || { cat "$work/nimbex.log" >&2; fail "nimbex stopped by itself"; }
import -window "$win" "$shot"
spread=$(convert "$shot" -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || fail "screenshot $shot is blank"
echo "screenshot: $shot"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
if grep -E 'Could not (load|find)|cannot open|undefined symbol' "$work/nimbex.log"; then
    fail "nimbex complained while starting"
fi

step "man nimbex"
# man-db only now, so that it cannot have brought anything the clock needed to start.
inroot apt-get install -y -q --no-install-recommends man-db >"$work/man-db.log" 2>&1 ||
    { tail -n 30 "$work/man-db.log" >&2; fail "apt-get install man-db"; }
page=$(inroot man -w nimbex) || fail "man finds no page for nimbex"
[ "$page" = /usr/share/man/man1/nimbex.1.gz ] || fail "man nimbex finds $page"
# Rendered for an 80-column terminal with every warning groff has (w, as groff -ww): not one
# may come.
inroot env MANWIDTH=80 MANPAGER=cat man --warnings=w nimbex >"$work/man.txt" 2>"$work/man.err" ||
    { cat "$work/man.err" >&2; fail "man nimbex"; }
[ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "man nimbex warned"; }
for text in 'NIMBEX(1)' 'Reading the clock' 'Vantrel.conf' 'QT_QPA_PLATFORM' 'EXIT STATUS'; do
    grep -qF "$text" "$work/man.txt" || fail "the manual page has no '$text'"
done
head -n 4 "$work/man.txt"

step "apt-get remove --purge nimbex"
inroot apt-get remove --purge -y -q nimbex >"$work/remove.log" 2>&1 ||
    { tail -n 30 "$work/remove.log" >&2; fail "apt-get remove --purge"; }
if inroot dpkg-query -W -f='${Status}\n' nimbex 2>/dev/null | grep -q installed; then
    fail "still known to dpkg: $(inroot dpkg-query -W -f='${Status}' nimbex)"
fi
left=$(while read -r path; do
    if [ -e "$sysroot$path" ] || [ -L "$sysroot$path" ]; then
        echo "$path"
    fi
done <"$work/files")
[ -z "$left" ] || fail "left behind after purge: $left"

step "done"
echo "test-package: OK ($mode, $SECONDS s)"
