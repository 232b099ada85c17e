#!/usr/bin/python3
"""What a big clipboard and a big paste cost the calculator, beside a floor: on Xvfb under
openbox, SIZE megabytes of digits go on the clipboard, held by another program. Digits
typed into a field show what typing costs beside it (and how often the program asked the
clipboard's owner for the text: never, until a paste). Then Shift+Insert pastes them into
the completions field, and a digit typed right after shows when the window answers
again; Enter after it, when a calculation does. The floor (bench/floor/paste_floor.cpp)
is a bare Qt program that reads the same clipboard as text on Shift+Insert and keeps
none of it. The two take turns, TURNS times each; printed are the medians and the
calculator's stall and memory growth against the floor's.
Usage: bench/paste_cost.py PATH/TO/passer-rating PATH/TO/paste_floor [SIZE [TURNS]]
(defaults 50 MB, 3 turns)."""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from desktop import Desktop, Program, wait_for  # noqa: E402


def peak_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))


def ends_with(field, digit):
    """Whether the field's text ends with `digit`, read without fetching the whole text; a
    window too busy to answer does not."""
    try:
        text = field.queryText()
        count = text.characterCount
        return count > 0 and text.getText(count - 1, count) == digit
    except Exception:  # noqa: BLE001 (the accessibility call timed out)
        return False


def paste(program, field):
    """Shift+Insert, then a digit: the seconds until the digit is on screen, and the growth
    of the program's peak memory in MiB."""
    before = peak_kib(program.process.pid)
    started = time.monotonic()
    program.desktop.key("shift+Insert")
    program.desktop.type("5")
    wait_for(lambda: ends_with(field, "5"), timeout=600, what="the typed digit")
    return time.monotonic() - started, (peak_kib(program.process.pid) - before) / 1024


def floor_turn(desktop, path):
    program = Program(desktop, path)
    try:
        wait_for(lambda: desktop.focused_title() == "Paste floor", what="the floor's focus")
        return paste(program, wait_for(lambda: program.find("text"), what="the floor's field"))
    finally:
        program.stop()


def calculator_turn(desktop, path):
    """The paste's stall and growth, the typing latency beside the big clipboard, the times
    its owner was asked, and the time Enter takes to answer after the paste."""
    program = Program(desktop, path)
    try:
        program.calculator()
        requests = desktop.clipboard_requests()
        desktop.key("alt+p")
        latencies = []
        for digit in "34567":
            started = time.monotonic()
            desktop.type(digit)
            wait_for(lambda: program.text("Pass Attempts"), until=lambda text, d=digit: text.endswith(d),
                     what="the typed digit")
            latencies.append(time.monotonic() - started)
        requests = desktop.clipboard_requests() - requests
        desktop.key("alt+c")
        stall, grown = paste(program, program.field("Pass Completions"))
        started = time.monotonic()
        desktop.key("Return")
        rating = program.field("Passer Rating")
        wait_for(lambda: program.find("alert") or rating.queryText().characterCount, timeout=600,
                 what="a rating or a message")
        return stall, grown, statistics.median(latencies), requests, time.monotonic() - started
    finally:
        program.stop()


def main():
    calculator, floor = (os.path.abspath(path) for path in sys.argv[1:3])
    megabytes = int(sys.argv[3]) if len(sys.argv) > 3 else 50
    turns = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    desktop = Desktop("openbox")
    try:
        desktop.set_clipboard("1" * (megabytes * 1024 * 1024))
        floors, calculators = [], []
        for _ in range(turns):
            floors.append(floor_turn(desktop, floor))
            calculators.append(calculator_turn(desktop, calculator))
    finally:
        desktop.stop()

    def median(rows, column):
        return statistics.median(row[column] for row in rows)

    stall, grown = median(calculators, 0), median(calculators, 1)
    floor_stall, floor_grown = median(floors, 0), median(floors, 1)
    print(f"{megabytes} MB on the clipboard, medians of {turns} turns")
    print(f"typing beside it: {median(calculators, 2):.3f} s a digit; the owner asked "
          f"{max(row[3] for row in calculators)} times before a paste")
    print(f"floor (a bare read): stall {floor_stall:.2f} s, peak memory +{floor_grown:.0f} MiB")
    print(f"calculator (refused whole): stall {stall:.2f} s ({stall / floor_stall:.2f} x the floor), "
          f"peak memory +{grown:.0f} MiB ({grown / floor_grown:.2f} x); Enter to the answer "
          f"{median(calculators, 4):.2f} s")


if __name__ == "__main__":
    main()
