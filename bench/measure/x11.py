"""The programs on the X display: a launch with a settings folder of its own, its face window, and
the damage_observer watching it."""
import os
import shutil
import signal
import subprocess
import tempfile
import time

from . import design


class Running:
    """One launch of a program with a settings folder of its own."""

    def __init__(self, prog, outdir, tag):
        self.prog = prog
        self.home = tempfile.mkdtemp(prefix="nimbex-bench-home-")
        os.makedirs(f"{self.home}/.config")
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=f"{self.home}/.config")
        self.stderr = open(f"{outdir}/{prog.key}-{tag}.log", "w")
        self.started = time.time()
        self.proc = subprocess.Popen(prog.argv, env=env, stdout=subprocess.DEVNULL,
                                     stderr=self.stderr, stdin=subprocess.DEVNULL)
        self.pid = self.proc.pid
        self.wid = None
        # The tray icon carries the same title: the face is the window of the face's size.
        deadline = time.time() + 60
        while not self.wid and time.time() < deadline:
            out = subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.pid),
                                  "--onlyvisible", "--name", "^" + prog.title.rstrip()],
                                 capture_output=True, text=True, timeout=60).stdout.split()
            self.wid = next((int(w) for w in out if window_size(w) == design.face_size()), None)
            if not self.wid:
                time.sleep(0.05)
        if not self.wid:
            self.stop()
            raise RuntimeError(f"{prog.label}: no window")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.stderr.close()
        shutil.rmtree(self.home, ignore_errors=True)


class Observer:
    def __init__(self, tools, wid, seconds, path):
        self.path = path
        self.proc = subprocess.Popen([f"{tools}/damage_observer", str(wid), str(seconds), path])
        time.sleep(0.3)

    def finish(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
        self.proc.wait(10)
        damage, maps, unmaps = [], [], []
        self.steady = []  # the damage again, on the monotonic clock
        with open(self.path) as f:
            for line in f:
                parts = line.split()
                if parts[0] == "D":
                    damage.append(float(parts[1]))
                    self.steady.append(float(parts[7]))
                elif parts[0] == "M":
                    maps.append(float(parts[1]))
                elif parts[0] == "U":
                    unmaps.append(float(parts[1]))
        return damage, maps, unmaps


def window_size(wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True).stdout
    size = {}
    for line in out.splitlines():
        if ":" in line:
            k, v = line.strip().split(":", 1)
            if k in ("Width", "Height"):
                size[k] = int(v)
    return (size.get("Width"), size.get("Height"))


def map_state(wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True).stdout
    for line in out.splitlines():
        if "Map State:" in line:
            return line.split(":")[1].strip()
    return "gone"
