#!/usr/bin/python3
"""Time from F1 to the Welcome topic on screen, first opening and reuse, and the
calculator's peak memory with the help shown. Medians over several runs, on Xvfb under
openbox. Usage: bench/help_timing.py PATH/TO/passer-rating [RUNS] (default 7)."""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from desktop import HELP_TITLE, Desktop, Program, wait_for  # noqa: E402


def seconds_until(desktop, condition):
    started = time.monotonic()
    wait_for(condition, timeout=10, what="the help topic")
    return (time.monotonic() - started) * 1000


def peak_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))


def main():
    path = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    desktop = Desktop("openbox")
    first, reuse, memory = [], [], []
    try:
        for _ in range(runs):
            program = Program(desktop, path)
            program.calculator()
            desktop.key("F1")
            first.append(seconds_until(desktop, lambda: desktop.windows(f"^{HELP_TITLE} - Welcome$")))
            program.calculator(activate=True)
            desktop.key("F1")
            reuse.append(seconds_until(
                desktop, lambda: desktop.focused_title() == f"{HELP_TITLE} - Welcome"))
            memory.append(peak_kib(program.process.pid))
            program.stop()  # the viewer it started too
    finally:
        desktop.stop()
    print(f"{path}: F1 to Welcome, first {statistics.median(first):.0f} ms, "
          f"reuse {statistics.median(reuse):.0f} ms; calculator peak memory "
          f"{statistics.median(memory):.0f} KiB ({runs} runs, medians)")


if __name__ == "__main__":
    main()
