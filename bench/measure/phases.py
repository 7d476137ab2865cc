"""When after each second the face changed, from the damage observer's time stamps."""
import math
import statistics

# Damage rectangles closer together than this belong to one repaint.
BURST_GAP_S = 0.025


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
