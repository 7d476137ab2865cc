"""The measurements on the X display: start-up, steady running, hidden and minimised, the system
clock set, the X server idle, the tick micro-benchmark."""
import json
import math
import os
import shutil
import subprocess
import tempfile
import time

from . import design
from .common import MEMORY_AFTER_S, log, sleep_until
from .phases import bursts, phase_stats, summarise_phases
from .procfs import memory, rates, read_cpu_ctx, snapshot
from .x11 import Observer, Running, map_state


def run_startup(progs, tools, runs, outdir):
    """A warm-up launch of each, then launches alternating between the programs."""
    results = {p.key: [] for p in progs}

    def one(p):
        home = tempfile.mkdtemp(prefix="nimbex-bench-home-")
        os.makedirs(f"{home}/.config")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config")
        try:
            size = "%dx%d" % design.face_size()
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
            x, y = design.hide_button()
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
