#!/usr/bin/python3
"""What a big clipboard and a big paste cost the calculator: on Xvfb under openbox, SIZE
megabytes of digits go on the clipboard, held by another program; digits typed into a
field show what typing costs beside it (and how often the program asked the clipboard's
owner for the text: never, until a paste). Then Shift+Insert pastes them into the
completions field, and a digit typed right after shows when the window answers again.
Prints the typing latency, the stall (Shift+Insert to the digit on screen), the growth of
the program's peak memory, and the time Enter then takes to answer.
Usage: bench/paste_cost.py PATH/TO/passer-rating [SIZE] (default 50)."""

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


def main():
    path = os.path.abspath(sys.argv[1])
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    desktop = Desktop("openbox")
    try:
        program = Program(desktop, path)
        program.calculator()
        desktop.key("alt+p")
        desktop.type("12")
        wait_for(lambda: program.text("Pass Attempts"), until=lambda text: text == "12", what="the typed attempts")
        desktop.set_clipboard("1" * (megabytes * 1024 * 1024))
        latencies = []
        for digit in "34567":
            started = time.monotonic()
            desktop.type(digit)
            wait_for(lambda: program.text("Pass Attempts"), until=lambda text, d=digit: text.endswith(d),
                     what="the typed digit")
            latencies.append(time.monotonic() - started)
        requests = desktop.clipboard_requests()
        before = peak_kib(program.process.pid)

        started = time.monotonic()
        desktop.key("alt+c", "shift+Insert")
        desktop.type("5")
        completions = program.field("Pass Completions")
        wait_for(lambda: ends_with(completions, "5"), timeout=600, what="the typed digit")
        stall = time.monotonic() - started
        grown = peak_kib(program.process.pid) - before

        started = time.monotonic()
        desktop.key("Return")
        rating = program.field("Passer Rating")
        wait_for(lambda: program.find("alert") or rating.queryText().characterCount, timeout=600,
                 what="a rating or a message")
        answer = time.monotonic() - started
        length = completions.queryText().characterCount
        program.stop()
    finally:
        desktop.stop()
    print(f"{path}: {megabytes} MB on the clipboard; typing {statistics.median(latencies):.3f} s a digit "
          f"(median of 5), {requests} requests to the clipboard's owner")
    print(f"{path}: {megabytes} MB pasted; field holds {length} characters; stall {stall:.2f} s "
          f"(with the typed digit); peak memory +{grown / 1024:.0f} MiB; Enter to the answer "
          f"{answer:.2f} s")


if __name__ == "__main__":
    main()
