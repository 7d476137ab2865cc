#!/usr/bin/env bash
# Runs a test binary as an unprivileged user when started as root, so that file permissions bite.
# The binary is copied to a folder that user can read, with a home of its own.
set -euo pipefail
bin=$1; shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$bin" "$@"
fi
user=nobody
if ! id "$user" >/dev/null 2>&1 || ! command -v setpriv >/dev/null; then
    echo "drop-root: no unprivileged user or setpriv here; running as root" >&2
    exec env NIMBEX_RUNNING_AS_ROOT=1 "$bin" "$@"
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$bin" "$dir/"
mkdir -m 0700 "$dir/home" "$dir/runtime"
chown -R "$user" "$dir"
chmod 0755 "$dir"
cd "$dir"
setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_RUNTIME_DIR="$dir/runtime" \
    "$dir/$(basename "$bin")" "$@"
