#!/usr/bin/python3
"""Measures the clock next to the reference face on the current X display.

Meant to run inside scripts/desktop.sh trayer (bench/run.sh does that): the X server is
then this process's sibling, which is how its CPU time is found. With --wayland, inside
scripts/desktop.sh sway or weston, it measures the Wayland rows instead.
"""
import argparse
import json
import os
import platform
import time

from measure import design
from measure.common import Program, log
from measure.phases import BURST_GAP_S
from measure.procfs import find_xserver
from measure.report import build_summary, table, tree_state, wayland_rows
from measure.scenarios import (CLOCK_STEPS_MS, clock_step_refusal, run_clockset, run_hidden,
                               run_startup, run_steady, run_tick_bench, run_xserver_idle)
from measure.wayland import wayland_main


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
                                     "%dx%d" % design.face_size()], "xclock", None),
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
