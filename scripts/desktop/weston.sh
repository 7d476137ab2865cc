# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# Weston headless (Wayland, 1280x800): no tray, no task bar, xdg-shell to the letter.

start_desktop() {
    accessibility_bus
    background weston weston --backend=headless-backend.so --use-pixman --width=1280 \
        --height=800 --socket=nimbex --idle-time=0 --debug
    use_wayland nimbex
}
