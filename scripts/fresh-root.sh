#!/usr/bin/env bash
# Runs commands as on a new Debian 12 machine: in a fresh minimal root (scripts/minbase.sh) with a
# clean clone of this checkout's HEAD in /root/nimbex, as root, without a display. After each
# command it prints how long it took and how many Debian packages and megabytes it added; the
# first command that fails ends the run. The root is removed after, unless --keep. Needs root.
#   sudo bash scripts/fresh-root.sh [--keep] [COMMAND...]
#   default commands: 'bash scripts/start.sh' 'bash .ci/run'
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "fresh-root: needs root (debootstrap, chroot)" >&2; exit 2; }

if [ "${1:-}" != --inside ]; then
    keep=0
    [ "${1:-}" = --keep ] && { keep=1; shift; }
    (($#)) || set -- "bash scripts/start.sh" "bash .ci/run"
    base=$(bash "$root/scripts/minbase.sh")
    sysroot=$(mktemp -d /var/tmp/nimbex-fresh.XXXXXX)
    # Its mounts and every process started in it end with these namespaces.
    status=0
    unshare --mount --pid --fork --propagation private bash "$0" --inside "$base" "$sysroot" "$@" ||
        status=$?
    if [ "$keep" = 1 ]; then echo "fresh-root: root kept in $sysroot"; else rm -rf --one-file-system "$sysroot"; fi
    exit "$status"
fi

base=$2 sysroot=$3
shift 3
tar -C "$sysroot" -xf "$base"
cp /etc/resolv.conf "$sysroot/etc/resolv.conf"
mount -t proc proc "$sysroot/proc"
mount -t sysfs sys "$sysroot/sys"
mount --rbind /dev "$sysroot/dev"
mount -t tmpfs -o mode=1777 tmp "$sysroot/tmp"
# Downloaded packages are kept between runs.
mount --bind "$(dirname "$base")/archives" "$sysroot/var/cache/apt/archives"
git clone -q "$root" "$sysroot/root/nimbex"
git -C "$sysroot/root/nimbex" checkout -q --detach "$(git -C "$root" rev-parse HEAD)"

# shellcheck disable=SC2016 # dpkg-query's own fields
installed() { # packages, megabytes
    chroot "$sysroot" dpkg-query -W -f='${db:Status-Abbrev} ${Installed-Size}\n' |
        awk '/^ii/ {n++; kb += $2} END {printf "%d %d\n", n, kb / 1024}'
}
read -r packages mb < <(installed)
echo "fresh-root: a fresh Debian 12 root with $packages packages ($mb MB)"
for command in "$@"; do
    echo "fresh-root: $command"
    start=$SECONDS
    status=0
    chroot "$sysroot" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TERM="${TERM:-dumb}" CI=true bash -c "cd /root/nimbex && $command" </dev/null || status=$?
    read -r now nowmb < <(installed)
    echo "fresh-root: '$command' exited $status after $((SECONDS - start)) s;" \
        "it installed $((now - packages)) packages ($((nowmb - mb)) MB)"
    packages=$now mb=$nowmb
    ((status == 0)) || exit "$status"
done
