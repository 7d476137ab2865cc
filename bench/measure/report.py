"""The table: per program and metric the combined figure and each round's, the goals and the
verdicts; the commit measured."""
import statistics
import subprocess

from .design import ROOT
from .phases import summarise_phases


def tree_state():
    """The commit measured, and the program's files that differed from it."""
    def git(*a):
        r = subprocess.run(["git", "-C", ROOT, *a], capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else None

    dirty = git("status", "--porcelain", "--", ".", ":!bench", ":!tests")
    return {"commit": git("rev-parse", "--short", "HEAD"),
            "uncommitted": dirty.splitlines() if dirty else []}


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
