#!/usr/bin/env bash
# Prints the path of a tar file holding a minimal Debian 12 root (debootstrap's minbase), the
# start of a fresh machine. Made on first use and kept in $NIMBEX_CHROOT_CACHE (default
# /var/tmp/nimbex-pkgtest), beside a folder apt's downloads can be kept in. Needs root.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${NIMBEX_CHROOT_CACHE:-/var/tmp/nimbex-pkgtest}
base="$cache/bookworm-minbase.tar"
mkdir -p "$cache/archives/partial"
if [ ! -f "$base" ]; then
    bash "$root/scripts/deps.sh" --fresh-root >&2
    echo "debootstrap of a minimal Debian 12 into $base (first run only, a few minutes)" >&2
    # The same archive this machine's apt uses.
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
    work=$(mktemp -d /var/tmp/nimbex-minbase.XXXXXX)
    trap 'rm -rf --one-file-system "$work"' EXIT
    debootstrap --variant=minbase bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 20 "$work/debootstrap.log" >&2; echo "minbase: debootstrap failed" >&2; exit 1; }
    tar -C "$work/base" -cf "$base.part" . && mv "$base.part" "$base"
fi
echo "$base"
