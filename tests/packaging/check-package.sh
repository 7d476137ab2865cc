#!/usr/bin/env bash
# Runs cpack on a build tree and inspects the .deb it makes; stops at the first fault.
#   check-package.sh <build dir> <work dir> <version>
set -euo pipefail
build=$1 work=$2 version=$3
bash "$(dirname "$0")/../../scripts/deps.sh" dpkg-dev file binutils desktop-file-utils appstream
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work" && mkdir -p "$work"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb="$work/out/nimbex_${version}_$(dpkg --print-architecture).deb"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "no package of version $version"
depends=$(dpkg-deb --field "$deb" Depends)
for d in fonts-wine fonts-liberation libqt6widgets6; do
    [[ ", $depends," =~ ,\ $d[\ ,] ]] || fail "Depends lacks $d: $depends"
done

# Exactly these files, and a binary that finds its libraries the system's way.
expected="./usr/bin/nimbex ./usr/share/applications/nimbex.desktop ./usr/share/doc/nimbex/copyright"
for n in 128 16 256 32 48 64; do expected+=" ./usr/share/icons/hicolor/${n}x${n}/apps/nimbex.png"; done
expected+=" ./usr/share/icons/hicolor/scalable/apps/nimbex.svg ./usr/share/metainfo/nimbex.metainfo.xml"
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort | xargs)
[ "$actual" = "$expected" ] || fail "file list: $actual"
x="$work/x"
dpkg-deb -x "$deb" "$x"
file -b "$x/usr/bin/nimbex" | grep -q '^ELF.*, stripped' || fail "binary not stripped"
! readelf -d "$x/usr/bin/nimbex" | grep -E 'R(UN)?PATH' || fail "the binary keeps a library search path"
desktop-file-validate "$x/usr/share/applications/nimbex.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$x/usr/share/metainfo/nimbex.metainfo.xml" || fail "appstreamcli"
grep -qF "<release version=\"$version\"" "$x/usr/share/metainfo/nimbex.metainfo.xml" ||
    fail "metainfo lacks release $version"
echo "package checks passed"
