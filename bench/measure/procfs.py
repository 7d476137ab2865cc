"""Readings from /proc: CPU time, wake-ups, writes and memory of a process and its threads."""
import os
import time


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


def proc_fields(path, names):
    """The number on each named line of a /proc file, under the name given for it."""
    out = {}
    with open(path) as f:
        for line in f:
            key = line.split(":", 1)[0]
            if key in names:
                out[names[key]] = int(line.split()[1])
    return out


def memory(pid):
    return {**proc_fields(f"/proc/{pid}/status", {"VmRSS": "rss_kib", "Threads": "threads"}),
            **proc_fields(f"/proc/{pid}/smaps_rollup",
                          {"Pss": "pss_kib", "Private_Dirty": "private_dirty_kib"})}


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
