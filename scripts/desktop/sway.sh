# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# sway headless (Wayland, 1280x800), with waybar's tray (sway) or without (swaybare). sway
# refuses root.
refuses_root=1

start_desktop() {
    printf 'output HEADLESS-1 mode 1280x800\nxwayland disable\n' >"$work/sway.conf"
    [ "$kind" = sway ] && echo "exec waybar -c $work/waybar.json >$work/waybar.log 2>&1" >>"$work/sway.conf"
    echo '{"layer": "top", "position": "bottom", "height": 32, "modules-right": ["tray"]}' >"$work/waybar.json"
    background sway env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf"
    until_true 200 compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" ||
        fail "SWAY DID NOT START (as $(id -un)): the Wayland cases cannot run on this machine"
    local sockets=("$XDG_RUNTIME_DIR"/wayland-? "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
    export WAYLAND_DISPLAY="${sockets[0]##*/}" SWAYSOCK="${sockets[-1]}"
    export QT_QPA_PLATFORM=wayland
    unset DISPLAY
    # Ready once it answers; an end asked for before that is lost.
    until_true 200 swaymsg -t get_version || fail "sway does not answer"
    [ "$kind" = swaybare ] || until_true 200 tray_host || fail "waybar's tray did not come up"
}
