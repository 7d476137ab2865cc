#!/usr/bin/python3
"""Measures the clock next to the reference face on the current X display.

Meant to run inside scripts/desktop.sh trayer (bench/run.sh does that): the X server is
then this process's sibling, which is how its CPU time is found.
"""
import argparse
import json
import math
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

# Client pixels of the middle of "Hide to Tray" (button at 56..153 x 304..329).
HIDE_BUTTON = (56 + 48, 24 + 292)
# Damage rectangles closer together than this belong to one repaint.
BURST_GAP_S = 0.025
MEMORY_AFTER_S = 10.0
FACE_SIZE = (510, 339)


def log(msg):
    print(f"[bench {time.strftime('%H:%M:%S')}] {msg}", file=sys.stderr, flush=True)


# ---- /proc readings ----


def tasks_of(pid):
    try:
        return os.listdir(f"/proc/{pid}/task")
    except OSError:
        return []


def read_cpu_ctx(pid):
    """On-CPU ns and context switches summed over the threads alive now."""
    cpu = ctx = 0
    for tid in tasks_of(pid):
        base = f"/proc/{pid}/task/{tid}"
        try:
            with open(f"{base}/schedstat") as f:
                cpu += int(f.read().split()[0])
            with open(f"{base}/status") as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        ctx += int(line.split()[1])
        except (OSError, ValueError, IndexError):
            pass  # a thread that ended while being read
    return cpu, ctx


def read_io(pid):
    io = {}
    try:
        with open(f"/proc/{pid}/io") as f:
            for line in f:
                k, v = line.split(":")
                io[k] = int(v)
    except OSError:
        pass
    return io.get("syscw", 0), io.get("wchar", 0)


def snapshot(pid, xpid):
    cpu, ctx = read_cpu_ctx(pid)
    syscw, wchar = read_io(pid)
    xcpu = read_cpu_ctx(xpid)[0] if xpid else 0
    return {"t": time.monotonic(), "cpu": cpu, "ctx": ctx, "syscw": syscw, "wchar": wchar,
            "xcpu": xcpu}


def rates(a, b):
    dt = b["t"] - a["t"]
    return {
        "seconds": round(dt, 3),
        "cpu_ms_per_min": (b["cpu"] - a["cpu"]) / 1e6 * 60 / dt,
        "xserver_cpu_ms_per_min": (b["xcpu"] - a["xcpu"]) / 1e6 * 60 / dt,
        "wakeups_per_s": (b["ctx"] - a["ctx"]) / dt,
        "writes_per_s": (b["syscw"] - a["syscw"]) / dt,
        "bytes_written_per_s": (b["wchar"] - a["wchar"]) / dt,
    }


def memory(pid):
    m = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                m["rss_kib"] = int(line.split()[1])
            elif line.startswith("Threads:"):
                m["threads"] = int(line.split()[1])
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            if line.startswith("Pss:"):
                m["pss_kib"] = int(line.split()[1])
            elif line.startswith("Private_Dirty:"):
                m["private_dirty_kib"] = int(line.split()[1])
    return m


def tree_state():
    """The commit measured, and the program's files that differed from it."""
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

    def git(*a):
        r = subprocess.run(["git", "-C", root, *a], capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else None

    dirty = git("status", "--porcelain", "--", ".", ":!bench", ":!tests")
    return {"commit": git("rev-parse", "--short", "HEAD"),
            "uncommitted": dirty.splitlines() if dirty else []}


def find_xserver():
    """The Xvfb that scripts/desktop.sh started beside us."""
    if os.environ.get("NIMBEX_BENCH_XPID"):
        return int(os.environ["NIMBEX_BENCH_XPID"])
    parent = os.getppid()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        comm = stat[stat.index("(") + 1:stat.rindex(")")]
        ppid = int(stat[stat.rindex(")") + 2:].split()[1])
        if comm == "Xvfb" and ppid == parent:
            return int(entry)
    return None


# ---- The programs ----


class Program:
    """hide: how the program leaves the screen ("tray", "click"), None if it cannot."""

    def __init__(self, key, label, argv, title, hide):
        self.key, self.label, self.argv, self.title, self.hide = key, label, argv, title, hide


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
            self.wid = next((int(w) for w in out if window_size(w) == FACE_SIZE), None)
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


def sleep_until(t):
    d = t - time.time()
    if d > 0:
        time.sleep(d)


# ---- Analysis ----


def bursts(times):
    out = []
    for t in sorted(times):
        if not out or t - last > BURST_GAP_S:
            out.append(t)
        last = t
    return out


def nearest_rank(values, q):
    v = sorted(values)
    return v[max(0, math.ceil(q * len(v)) - 1)] if v else None


def phase_stats(damage, t_from, t_to):
    seconds = range(math.ceil(t_from), math.floor(t_to))
    per = {s: [] for s in seconds}
    for b in bursts(damage):
        s = math.floor(b)
        if s in per:
            per[s].append(b)
    phases = [(per[s][0] - s) * 1000 for s in seconds if per[s]]
    return {
        "seconds": len(per),
        "phases_ms": [round(p, 3) for p in phases],
        "missed": sum(1 for s in seconds if not per[s]),
        "doubled": sum(1 for s in seconds if len(per[s]) > 1),
        "damage_events": sum(1 for t in damage if t_from <= t < t_to),
    }


def summarise_phases(phases):
    if not phases:
        return {"median_ms": None, "p90_ms": None, "max_ms": None}
    return {"median_ms": statistics.median(phases), "p90_ms": nearest_rank(phases, 0.9),
            "max_ms": max(phases)}


# ---- Scenarios ----


def run_startup(progs, tools, runs, outdir):
    """A warm-up launch of each, then launches alternating between the programs."""
    results = {p.key: [] for p in progs}

    def one(p):
        home = tempfile.mkdtemp(prefix="nimbex-bench-home-")
        os.makedirs(f"{home}/.config")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config")
        try:
            size = "%dx%d" % FACE_SIZE
            out = subprocess.run([f"{tools}/launch_map", "-t", "30", "-s", size, p.title, "--",
                                  *p.argv],
                                 env=env, capture_output=True, text=True, timeout=60)
        finally:
            shutil.rmtree(home, ignore_errors=True)
        fields = out.stdout.split()
        if out.returncode != 0 or len(fields) < 3:
            log(f"start-up of {p.label} not seen: {out.stderr.strip()}")
            return None
        time.sleep(0.5)
        return {"map_ms": float(fields[1]), "paint_ms": float(fields[2])}

    for p in progs:
        one(p)
    for _ in range(runs):
        for p in progs:
            r = one(p)
            if r:
                results[p.key].append(r)
    return results


def run_steady(p, tools, seconds, outdir, tag, xpid):
    r = Running(p, outdir, tag)
    try:
        obs = Observer(tools, r.wid, MEMORY_AFTER_S + seconds + 10,
                       f"{outdir}/{p.key}-{tag}-damage.txt")
        sleep_until(r.started + MEMORY_AFTER_S)
        mem = memory(r.pid)
        a, t_from = snapshot(r.pid, xpid), time.time()
        time.sleep(seconds)
        b, t_to = snapshot(r.pid, xpid), time.time()
        damage, _, _ = obs.finish()
    finally:
        r.stop()
    res = {"memory": mem, "running": rates(a, b), "phase": phase_stats(damage, t_from, t_to)}
    res["phase"].update(summarise_phases(res["phase"]["phases_ms"]))
    return res


def run_hidden(p, tools, seconds, outdir, tag, xpid, how):
    r = Running(p, outdir, tag)
    try:
        time.sleep(3)
        obs = Observer(tools, r.wid, seconds + 30, f"{outdir}/{p.key}-{tag}-damage.txt")
        if how == "minimise":
            subprocess.run(["xdotool", "windowminimize", str(r.wid)], check=False)
        else:
            x, y = HIDE_BUTTON
            subprocess.run(["xdotool", "mousemove", "--window", str(r.wid), str(x), str(y),
                            "click", "1"], check=False)
        state = "?"
        for _ in range(50):
            state = map_state(r.wid)
            if state != "IsViewable":
                break
            time.sleep(0.1)
        time.sleep(2)
        a, t_from = snapshot(r.pid, xpid), time.time()
        time.sleep(seconds)
        b, t_to = snapshot(r.pid, xpid), time.time()
        damage, _, _ = obs.finish()
        alive = r.proc.poll() is None
    finally:
        r.stop()
    res = rates(a, b)
    res["map_state"] = state
    res["still_running"] = alive
    res["damage_events"] = sum(1 for t in damage if t_from <= t < t_to)
    return res


CLOCK_STEPS_MS = (2000, -2000, 2000, -2000)


def clock_step_refusal(tools):
    """Why the system clock cannot be stepped here, or None when it can."""
    if os.geteuid() != 0:
        return "not root"
    r = subprocess.run([f"{tools}/clock_step", "0"], capture_output=True, text=True)
    return None if r.returncode == 0 else (r.stderr.strip() or "refused")


def run_clockset(p, tools, outdir, tag):
    """Steps the real clock forward and back while the program shows, each step mid-second (a
    tick that waits for the next boundary is then ~500 ms late); the clock ends where it was.
    Returns ms from each step to the first repaint after it."""
    r = Running(p, outdir, tag)
    stepped = []
    try:
        obs = Observer(tools, r.wid, 30, f"{outdir}/{p.key}-{tag}-damage.txt")
        time.sleep(2)
        for delta in CLOCK_STEPS_MS:
            sleep_until(math.floor(time.time()) + 1.5)
            out = subprocess.run([f"{tools}/clock_step", str(delta)], capture_output=True,
                                 text=True)
            if out.returncode == 0:
                stepped.append(float(out.stdout))
            else:
                log(f"clock step refused: {out.stderr.strip()}")
        time.sleep(1.2)
        obs.finish()
    finally:
        r.stop()
    reactions = []
    for t in stepped:
        after = [d for d in bursts(obs.steady) if d >= t]
        reactions.append((after[0] - t) * 1000 if after and after[0] - t < 1.5 else None)
    return reactions


def run_xserver_idle(xpid, seconds):
    if not xpid:
        return None
    a = read_cpu_ctx(xpid)[0]
    t0 = time.monotonic()
    time.sleep(seconds)
    return (read_cpu_ctx(xpid)[0] - a) / 1e6 * 60 / (time.monotonic() - t0)


def run_tick_bench(tools, outdir, tag):
    path = f"{outdir}/tick-{tag}.json"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               QT_LOGGING_RULES="qt.core.qobject.connect=false")
    subprocess.run([f"{tools}/tick_bench", "--benchmark_repetitions=5",
                    "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.3",
                    f"--benchmark_out={path}", "--benchmark_out_format=json"],
                   env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    with open(path) as f:
        data = json.load(f)
    out = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            unit = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
            out[b["run_name"]] = {"cpu_us": b["cpu_time"] * unit, "real_us": b["real_time"] * unit}
    return out


# ---- Wayland (bench.py --wayland, inside scripts/desktop.sh sway or weston) ----

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


def wayland_rows(summary, results):
    """Adds each desktop's figures (bench/run.sh --wayland-results) to the summary."""
    for desktop, res in sorted(results.items()):
        GOALS[f"{desktop}: RSS KiB"] = (35 * 1024, None)
        GOALS[f"{desktop}: EGL stack mapped"] = (0, None)
        for key, r in res.items():
            m = summary.setdefault(key, {})
            frames = [x for x in r["first_frame_ms"] if x is not None]
            for name, value in ((f"{desktop}: first frame ms", med(frames)),
                                (f"{desktop}: RSS KiB", r["memory"]["rss_kib"]),
                                (f"{desktop}: Private_Dirty KiB", r["memory"]["private_dirty_kib"]),
                                (f"{desktop}: EGL stack mapped", r["memory"]["egl_stack"])):
                m[name] = (value, [value])


# ---- Report ----


def med(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def fmt(v, digits=1):
    if v is None:
        return "-"
    if isinstance(v, int):
        return str(v)
    return f"{v:.{digits}f}"


def build_summary(rounds, keys):
    """Per program: metric -> (combined value, [value per round])."""
    s = {}
    for k in keys:
        per = [r[k] for r in rounds]
        phases = [p for r in per for p in r["steady"]["phase"]["phases_ms"]]
        ph = summarise_phases(phases)
        startup = [x for r in per for x in r["startup"]]
        m = {}

        def put(name, values, combined=None):
            m[name] = (combined if combined is not None else med(values), values)

        put("phase median ms", [r["steady"]["phase"]["median_ms"] for r in per], ph["median_ms"])
        put("phase p90 ms", [r["steady"]["phase"]["p90_ms"] for r in per], ph["p90_ms"])
        put("phase max ms", [r["steady"]["phase"]["max_ms"] for r in per], ph["max_ms"])
        put("seconds observed", [r["steady"]["phase"]["seconds"] for r in per],
            sum(r["steady"]["phase"]["seconds"] for r in per))
        put("missed seconds", [r["steady"]["phase"]["missed"] for r in per],
            sum(r["steady"]["phase"]["missed"] for r in per))
        put("doubled seconds", [r["steady"]["phase"]["doubled"] for r in per],
            sum(r["steady"]["phase"]["doubled"] for r in per))
        for name, key in (("RSS KiB", "rss_kib"), ("Pss KiB", "pss_kib"),
                          ("Private_Dirty KiB", "private_dirty_kib"), ("threads", "threads")):
            put(name, [r["steady"]["memory"][key] for r in per])
        for state, label in (("steady", "visible"), ("hidden", "hidden"),
                             ("minimised", "minimised")):
            if state not in per[0]:
                continue
            src = [(r[state]["running"] if state == "steady" else r[state]) for r in per]
            put(f"CPU {label} ms/min", [x["cpu_ms_per_min"] for x in src])
            put(f"X server CPU {label} ms/min", [x["xserver_cpu_ms_per_min"] for x in src])
            put(f"wake-ups {label} /s", [x["wakeups_per_s"] for x in src])
            put(f"X writes {label} /s", [x["writes_per_s"] for x in src])
            if state != "steady":
                put(f"damage while {label}", [x["damage_events"] for x in src],
                    sum(x["damage_events"] for x in src))
        put("start-up to map ms", [med([x["map_ms"] for x in r["startup"]]) for r in per],
            med([x["map_ms"] for x in startup]))
        put("start-up to first paint ms",
            [med([x["paint_ms"] for x in r["startup"]]) for r in per],
            med([x["paint_ms"] for x in startup]))
        if "clockset" in per[0]:
            sets = [x for r in per for x in r["clockset"]]
            seen = [x for x in sets if x is not None]
            put("clock set to new face ms", [med(r["clockset"]) for r in per], med(seen))
            put("clock set, slowest ms", [max((x for x in r["clockset"] if x is not None),
                                              default=None) for r in per],
                max(seen) if seen else None)
            put("clock set, not seen", [sum(x is None for x in r["clockset"]) for r in per],
                sum(x is None for x in sets))
        s[k] = m
    return s


GOALS = {
    # metric: (limit, against) -- Nimbex <= limit, or Nimbex / that program's figure <= limit
    "phase median ms": (1.0, "xclock"),
    "phase p90 ms": (2, None),
    "phase max ms": (10, None),
    "missed seconds": (0, None),
    "doubled seconds": (0, None),
    "clock set to new face ms": (50, None),
    "clock set, slowest ms": (50, None),
    "clock set, not seen": (0, None),
    "RSS KiB": (1.15, "reference"),
    "Private_Dirty KiB": (4096, None),
    "threads": (3, None),
    "CPU visible ms/min": (1.2, "reference"),
    "wake-ups visible /s": (1.1, "reference"),
    "CPU hidden ms/min": (10, None),
    "CPU minimised ms/min": (10, None),
    "damage while hidden": (0, None),
    "X writes hidden /s": (0.05, None),
    "damage while minimised": (0, None),
    "X writes minimised /s": (0.05, None),
    "start-up to map ms": (1.0, "xclock"),
    "start-up to first paint ms": (1.1, "reference"),
}


def table(summary, tick, xidle, nrounds):
    keys = [k for k in ("nimbex", "reference", "xclock") if k in summary]
    n = summary["nimbex"]
    head = ["metric", "Nimbex", "Reference", "xclock", "/ ref", "/ xclock", "goal", "verdict"]
    if nrounds > 1:
        head += ["Nimbex rounds"]
    rows = [head]
    verdicts = {}

    def ratio(a, b):
        return a / b if (a is not None and b) else None

    for metric, (nv, nper) in n.items():
        others = [summary[k].get(metric, (None, []))[0] for k in keys[1:]]
        others += [None] * (2 - len(others))
        goal, verdict = "", ""
        if metric in GOALS:
            limit, against = GOALS[metric]
            if against:
                goal = f"<= {limit} x {against}"
                value = ratio(nv, summary.get(against, {}).get(metric, (None,))[0])
            else:
                goal, value = f"<= {limit}", nv
            verdict = "ok" if value is not None and value <= limit else "MISS"
            verdicts[metric] = verdict
        row = [metric, fmt(nv), fmt(others[0]), fmt(others[1]), fmt(ratio(nv, others[0]), 2),
               fmt(ratio(nv, others[1]), 2), goal, verdict]
        if nrounds > 1:
            row += [" ".join(fmt(v) for v in nper)]
        rows.append(row)
    pad = [""] * (len(head) - 6)
    for name, (nk, rk) in {"tick, most lamps lit, us": ("BM_NimbexTick", "BM_ReferenceTick"),
                           "tick, 14 lamps flip, us": ("BM_NimbexTickAllFlip",
                                                       "BM_ReferenceTickAllFlip")}.items():
        nv = med([t[nk]["cpu_us"] for t in tick])
        rv = med([t[rk]["cpu_us"] for t in tick])
        rows.append([name, fmt(nv, 2), fmt(rv, 2), "", fmt(ratio(nv, rv), 2), ""] + pad)
    rows.append(["X server idle ms/min", fmt(med(xidle)), "", "", "", ""] + pad)
    widths = [max(len(row[i]) for row in rows) for i in range(len(head))]
    lines = []
    for i, row in enumerate(rows):
        lines.append("  ".join(c.ljust(w) if j == 0 else c.rjust(w)
                               for j, (c, w) in enumerate(zip(row, widths))).rstrip())
        if i == 0:
            lines.append("  ".join("-" * w for w in widths))
    return "\n".join(lines), verdicts


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--tools", required=True, help="the bench build folder")
    ap.add_argument("--program", required=True, help="the nimbex binary")
    ap.add_argument("--seconds", type=float, default=90, help="steady window for phase and CPU")
    ap.add_argument("--minutes", type=float, help="the same in minutes (long run)")
    ap.add_argument("--hidden-seconds", type=float, default=30)
    ap.add_argument("--startup-runs", type=int, default=5)
    ap.add_argument("--rounds", type=int, default=1)
    ap.add_argument("--out", help="JSON file to write (required but with --wayland)")
    ap.add_argument("--no-clock-steps", action="store_true",
                    help="leave the system clock alone (the clock-set row is skipped)")
    ap.add_argument("--only-clock-steps", action="store_true", help=argparse.SUPPRESS)
    ap.add_argument("--wayland", action="store_true",
                    help="measure on the Wayland desktop this runs in; JSON to stdout")
    ap.add_argument("--wayland-results", nargs="*", default=[], metavar="DESKTOP=FILE",
                    help="the --wayland runs' output, added to the table")
    args = ap.parse_args()
    if args.wayland:
        wayland_main(args)
        return
    if not args.out:
        ap.error("--out is required")
    seconds = args.minutes * 60 if args.minutes else args.seconds

    outdir = os.path.splitext(args.out)[0] + ".d"
    os.makedirs(outdir, exist_ok=True)
    progs = [
        Program("nimbex", "Nimbex", [args.program], "Nimbex - ", "tray"),
        Program("reference", "Reference", [f"{args.tools}/nimbex_reference"], "Reference clock",
                "click"),
        # The same size as the others, so the X server's share is comparable.
        Program("xclock", "xclock", ["xclock", "-digital", "-update", "1", "-geometry",
                                     "%dx%d" % FACE_SIZE], "xclock", None),
    ]
    refusal = "asked not to" if args.no_clock_steps else clock_step_refusal(args.tools)
    if refusal:
        log(f"clock-set row skipped: the system clock cannot be stepped ({refusal})")
    meta_tree = tree_state()
    xpid = find_xserver()
    if not xpid:
        log("X server not found beside us: its CPU reads as 0")
    meta = {"started": time.strftime("%Y-%m-%dT%H:%M:%S%z"), "host": platform.node(),
            "kernel": platform.release(), "cpus": os.cpu_count(), "steady_seconds": seconds,
            "hidden_seconds": args.hidden_seconds, "rounds": args.rounds,
            "startup_runs": args.startup_runs, "burst_gap_ms": BURST_GAP_S * 1000,
            "display": os.environ.get("DISPLAY"), "loadavg_start": os.getloadavg(),
            "clock_steps_ms": None if refusal else CLOCK_STEPS_MS, "clock_steps_skipped": refusal,
            **meta_tree}

    rounds, ticks, xidle = [], [], []
    for i in range(args.rounds):
        order = progs[i % len(progs):] + progs[:i % len(progs)]
        log(f"round {i + 1}/{args.rounds}: order {', '.join(p.label for p in order)}")
        rd = {p.key: {} for p in progs}
        xidle.append(run_xserver_idle(xpid, 5))
        if not refusal:
            for p in order:
                log(f"{p.label}: the system clock stepped {CLOCK_STEPS_MS} ms")
                rd[p.key]["clockset"] = run_clockset(p, args.tools, outdir, f"r{i + 1}-clock")
            if args.only_clock_steps:
                print(json.dumps({k: v.get("clockset") for k, v in rd.items()}))
                return
        log("start-up")
        for k, v in run_startup(order, args.tools, args.startup_runs, outdir).items():
            rd[k]["startup"] = v
        for p in order:
            log(f"{p.label}: steady {seconds:.0f} s")
            rd[p.key]["steady"] = run_steady(p, args.tools, seconds, outdir, f"r{i + 1}", xpid)
        for state in ("hidden", "minimised"):
            for p in (p for p in order if p.hide):
                log(f"{p.label}: {state} {args.hidden_seconds:.0f} s")
                how = "minimise" if state == "minimised" else p.hide
                rd[p.key][state] = run_hidden(p, args.tools, args.hidden_seconds, outdir,
                                              f"r{i + 1}-{state}", xpid, how)
        log("tick micro-benchmark")
        ticks.append(run_tick_bench(args.tools, outdir, f"r{i + 1}"))
        rd["tick_bench"] = ticks[-1]
        rd["xserver_idle_ms_per_min"] = xidle[-1]
        rounds.append(rd)

    meta["loadavg_end"] = os.getloadavg()
    summary = build_summary(rounds, [p.key for p in progs])
    wayland = {}
    for arg in args.wayland_results:
        desktop, path = arg.split("=", 1)
        with open(path) as f:
            lines = [l for l in f if l.startswith("wayland-figures ")]
        if not lines:
            log(f"no Wayland figures from {desktop}")
            continue
        wayland[desktop] = json.loads(lines[-1].split(" ", 1)[1])
    wayland_rows(summary, wayland)
    meta["wayland"] = wayland
    text, verdicts = table(summary, ticks, xidle, args.rounds)
    result = {"meta": meta, "rounds": rounds,
              "summary": {k: {m: v[0] for m, v in s.items()} for k, s in summary.items()},
              "spread": {k: {m: v[1] for m, v in s.items()} for k, s in summary.items()},
              "verdicts": verdicts}
    with open(args.out, "w") as f:
        json.dump(result, f, indent=1)
    with open(os.path.splitext(args.out)[0] + ".txt", "w") as f:
        f.write(text + "\n")
    print(text)
    dirty = f", uncommitted: {' '.join(meta['uncommitted'])}" if meta["uncommitted"] else ""
    print(f"\ncommit {meta['commit']}{dirty}; {args.rounds} round(s) of {seconds:.0f} s; "
          f"load average {meta['loadavg_start'][0]:.1f} -> {meta['loadavg_end'][0]:.1f}")
    print(f"JSON: {args.out}")


if __name__ == "__main__":
    main()
