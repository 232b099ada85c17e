#!/usr/bin/python3
"""Time from F1 to the Welcome topic on screen, first opening and reuse, and the
calculator's peak memory with the help shown. Medians over several runs, on Xvfb under
openbox. With --held, a listener that takes connections and never answers (a hung
viewer, or another user's stand-in) holds the viewer's first socket name throughout.
Usage: bench/help_timing.py PATH/TO/passer-rating [RUNS] [--held] (default 7 runs)."""

import os
import socket
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
    arguments = [argument for argument in sys.argv[1:] if argument != "--held"]
    path = os.path.abspath(arguments[0])
    runs = int(arguments[1]) if len(arguments) > 1 else 7
    desktop = Desktop("openbox")
    if "--held" in sys.argv:
        held = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        held.bind(f"\0passer-rating-help-{os.getuid()}-{desktop.display}-0")
        held.listen(64)
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
          f"{statistics.median(memory):.0f} KiB ({runs} runs, medians"
          f"{'; first name held by a listener that never answers' if '--held' in sys.argv else ''})")


if __name__ == "__main__":
    main()
