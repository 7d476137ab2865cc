"""The Wayland rows (bench.py --wayland, inside scripts/desktop.sh sway or weston): launch to first
frame and memory, each program with a settings folder of its own."""
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

from .common import MEMORY_AFTER_S, Program, log
from .procfs import memory

# Qt's EGL client integration, Mesa's EGL and its drivers. libEGL.so.1 itself is glvnd's
# dispatcher, which Qt's GUI library links and every Qt program maps, X11 ones too.
EGL_STACK = ("EGL_mesa", "wayland-egl", "_dri.", "libgbm")


def fresh_env(**extra):
    home = tempfile.mkdtemp(prefix="nimbex-bench-home-")
    os.makedirs(f"{home}/.config")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", **extra)
    # Where the desktop script turns it on for its tests; a desktop turns it on for screen readers.
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    return home, env


def wayland_first_frame(p):
    """ms from the fork to the first buffer committed to the program's window, read from its
    own protocol log (WAYLAND_DEBUG=client), every line stamped as it arrives. On Wayland the
    window maps with that commit."""
    home, env = fresh_env(WAYLAND_DEBUG="client")
    t0 = time.monotonic()
    proc = subprocess.Popen(p.argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL)
    watchdog = threading.Timer(30, proc.kill)
    watchdog.start()
    surface, attached, ms = None, False, None
    try:
        for line in proc.stderr:
            if surface is None:
                m = re.search(rb"-> xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@\d+, "
                              rb"wl_surface@(\d+)\)", line)
                surface = m and b"wl_surface@" + m.group(1) + b"."
            elif b"-> " + surface + b"attach(wl_buffer@" in line:
                attached = True
            elif attached and b"-> " + surface + b"commit()" in line:
                ms = (time.monotonic() - t0) * 1000
                break
    finally:
        watchdog.cancel()
        proc.terminate()
        try:
            proc.communicate(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.communicate()
        shutil.rmtree(home, ignore_errors=True)
    if ms is None:
        log(f"{p.label}: no frame seen")
    return ms


def wayland_memory(p):
    home, env = fresh_env()
    proc = subprocess.Popen(p.argv, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
    try:
        time.sleep(MEMORY_AFTER_S)
        m = memory(proc.pid)
        with open(f"/proc/{proc.pid}/maps") as f:
            m["egl_stack"] = int(any(k in line for line in f for k in EGL_STACK))
    finally:
        proc.terminate()
        proc.wait(10)
        shutil.rmtree(home, ignore_errors=True)
    return m


def wayland_main(args):
    """The Wayland rows, printed for bench/run.sh to hand to the X11 run."""
    progs = [Program("nimbex", "Nimbex", [args.program], "", "tray"),
             Program("reference", "Reference", [f"{args.tools}/nimbex_reference"], "", "click")]
    out = {p.key: {"first_frame_ms": []} for p in progs}
    for p in progs:
        wayland_first_frame(p)  # warm-up
    for _ in range(args.startup_runs):
        for p in progs:
            out[p.key]["first_frame_ms"].append(wayland_first_frame(p))
    for p in progs:
        log(f"{p.label}: memory on {os.environ.get('NIMBEX_DESKTOP')}")
        out[p.key]["memory"] = wayland_memory(p)
    # The desktop's own programs share this stdout: the figures are the line marked so.
    print("wayland-figures " + json.dumps(out), flush=True)
