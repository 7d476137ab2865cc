"""What every measurement shares: the log, the programs measured, waiting for a moment."""
import sys
import time

# Memory is read this long after a launch, once start-up is over.
MEMORY_AFTER_S = 10.0


def log(msg):
    print(f"[bench {time.strftime('%H:%M:%S')}] {msg}", file=sys.stderr, flush=True)


def sleep_until(t):
    d = t - time.time()
    if d > 0:
        time.sleep(d)


class Program:
    """hide: how the program leaves the screen ("tray", "click"), None if it cannot."""

    def __init__(self, key, label, argv, title, hide):
        self.key, self.label, self.argv, self.title, self.hide = key, label, argv, title, hide
