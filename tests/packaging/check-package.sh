#!/usr/bin/env bash
# Runs cpack on a build tree and inspects the .deb it makes.
#   check-package.sh <build dir> <work dir> <version>
set -euo pipefail
build=$1 work=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
bash "$root/scripts/deps.sh" dpkg-dev file binutils desktop-file-utils appstream

errors=0
fail() {
    echo "FAIL: $*" >&2
    errors=$((errors + 1))
}

rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/out/nimbex_*.deb)
echo "package: $deb"
[ "$(basename "$deb")" = "nimbex_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "file name $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = nimbex ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), project $version"
[ "$(field Recommends)" = xdg-utils ] || fail "Recommends: $(field Recommends)"
[[ "$(field Section)" =~ ^(utils|x11)$ ]] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
for d in fonts-wine fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    [[ ", $depends," == *", $d "* || ", $depends," == *", $d,"* ]] || fail "Depends lacks $d"
done

# Exactly these files, root-owned, nothing else.
expected=(
    ./usr/bin/nimbex
    ./usr/share/applications/nimbex.desktop
    ./usr/share/doc/nimbex/copyright
    ./usr/share/icons/hicolor/128x128/apps/nimbex.png
    ./usr/share/icons/hicolor/16x16/apps/nimbex.png
    ./usr/share/icons/hicolor/256x256/apps/nimbex.png
    ./usr/share/icons/hicolor/32x32/apps/nimbex.png
    ./usr/share/icons/hicolor/48x48/apps/nimbex.png
    ./usr/share/icons/hicolor/64x64/apps/nimbex.png
    ./usr/share/icons/hicolor/scalable/apps/nimbex.svg
    ./usr/share/metainfo/nimbex.metainfo.xml
)
dpkg-deb --contents "$deb" >"$work/contents"
actual=$(awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    fail "file list differs:"
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") >&2 || true
fi
awk '$2 != "root/root" {print}' "$work/contents" | grep . && fail "files not owned by root"
grep -q '^-rwxr-xr-x .* ./usr/bin/nimbex$' "$work/contents" || fail "binary is not 0755"
awk '$1 ~ /^-/ && $6 != "./usr/bin/nimbex" && $1 != "-rw-r--r--" {print}' "$work/contents" |
    grep . && fail "data files not 0644"

x="$work/x"
dpkg-deb -x "$deb" "$x"
file -b "$x/usr/bin/nimbex" | grep -q '^ELF.*, stripped' || fail "binary: $(file -b "$x/usr/bin/nimbex")"
if readelf -d "$x/usr/bin/nimbex" | grep -E 'R(UN)?PATH'; then
    fail "the installed binary keeps a library search path"
fi
for n in 16 32 48 64 128 256; do
    file -b "$x/usr/share/icons/hicolor/${n}x${n}/apps/nimbex.png" | grep -q "^PNG image data, $n x $n," ||
        fail "${n}x${n} icon is not a $n px PNG"
done
grep -q '<svg' "$x/usr/share/icons/hicolor/scalable/apps/nimbex.svg" || fail "scalable icon is no SVG"

desktop="$x/usr/share/applications/nimbex.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for kv in Type=Application Name=Nimbex Exec=nimbex Icon=nimbex Terminal=false \
    'Categories=Utility;Clock;'; do
    grep -qx "$kv" "$desktop" || fail "desktop entry lacks $kv"
done

meta="$x/usr/share/metainfo/nimbex.metainfo.xml"
appstreamcli validate --no-net "$meta" || fail "appstreamcli validate"
for s in '<launchable type="desktop-id">nimbex.desktop</launchable>' '<binary>nimbex</binary>' \
    '<metadata_license>CC0-1.0</metadata_license>' "<release version=\"$version\""; do
    grep -qF "$s" "$meta" || fail "metainfo lacks $s"
done

if [ "$errors" -ne 0 ]; then
    echo "$errors check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
