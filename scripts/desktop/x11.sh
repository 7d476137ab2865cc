# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# The X11 desktops on Xvfb: bare (nothing else), openbox, trayer (openbox and an XEmbed
# notification area), xfce (openbox and xfce4-panel's StatusNotifier tray) and lxqt (openbox and
# the LXQt panel's).
case $kind in bare | openbox | trayer) keeps_user_home=1 ;; esac

start_desktop() {
    [ "$kind" = lxqt ] && accessibility_bus
    use_xvfb
    [ "$kind" = bare ] && return
    background openbox openbox
    # openbox announces itself a moment before it manages windows; a window mapped in that gap
    # can stay unmapped for good.
    until_true 200 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    sleep 1
    case $kind in
    trayer) start_trayer ;;
    xfce) start_xfce_panel ;;
    lxqt) start_lxqt_panel ;;
    esac
}

start_trayer() {
    background trayer trayer --edge bottom --align right --widthtype pixel --width 160 \
        --heighttype pixel --height 32 --SetDockType true --SetPartialStrut true --transparent false
    until_true 100 xdotool search --class trayer || fail "trayer did not start"
    sleep 0.5
}

start_xfce_panel() {
    # One panel with one systray plugin, so the panel asks nothing on its first run.
    local xml="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$xml"
    cat >"$xml/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="panels" type="array"><value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=640;y=1000"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty"><property name="plugin-1" type="string" value="systray"/></property>
</channel>
XML
    background panel xfce4-panel
    until_true 300 tray_host || fail "xfce4-panel's tray did not come up"
}

start_lxqt_panel() {
    mkdir -p "$XDG_CONFIG_HOME/lxqt"
    printf '[General]\npanels=panel1\n[panel1]\nplugins=taskbar,statusnotifier\nposition=Bottom\n[statusnotifier]\ntype=statusnotifier\n' \
        >"$XDG_CONFIG_HOME/lxqt/panel.conf"
    background panel lxqt-panel
    until_true 300 tray_host || fail "the LXQt panel's tray did not come up"
}
