"""Help, Contents (F1) and Help, Index: one viewer window of its own, and nothing a help
file holds can take the calculator down."""

import os
import shutil
import subprocess
import time

import pyatspi
import pytest

from conftest import BUILD
from desktop import TITLE, wait_for

HELP_FILE = os.path.join(os.path.dirname(BUILD), "Help",
                         "Morvalenite Passer Rating Calculator Help.chm")
HELP_NAME = os.path.basename(HELP_FILE)


def viewer(desktop, program):
    """The help viewer's window and accessibility tree, once it shows."""
    window = wait_for(lambda: desktop.windows("^Help"), what="the help viewer")
    assert len(window) == 1
    pid = int(desktop.xdotool("getwindowpid", window[0]))
    return window[0], wait_for(lambda: program.application(pid), what="the viewer's tree")


def has(accessible, state):
    return accessible is not None and accessible.getState().contains(state)


def test_contents_and_index_share_one_viewer(desktop, start):
    program = start()
    program.calculator()
    desktop.key("F1")
    window, tree = viewer(desktop, program)
    wait_for(lambda: desktop.focused_title() == "Help - Welcome", what="the Welcome topic")
    assert has(program.find("tree", root=tree), pyatspi.STATE_SHOWING)  # the Contents tab
    assert has(program.find("table cell", "Welcome", root=tree), pyatspi.STATE_SELECTED)

    program.calculator(activate=True)
    desktop.key("alt+h", "i")
    wait_for(lambda: has(program.find("list", root=tree), pyatspi.STATE_SHOWING), what="the Index")
    assert desktop.windows("^Help") == [window]
    entries = [item.name for item in program.find("list", root=tree)]
    assert len(entries) > 20 and entries == sorted(entries, key=str.casefold)


def damaged(path):
    """The good help file with a few dozen bytes overwritten in its compressed part."""
    data = bytearray(open(HELP_FILE, "rb").read())
    for offset in range(len(data) // 2, len(data) // 2 + 48):
        data[offset] = 0xA5
    path.write_bytes(bytes(data))


def truncated(path):
    path.write_bytes(open(HELP_FILE, "rb").read()[: os.path.getsize(HELP_FILE) // 2])


BAD_HELP_FILES = {
    "missing": lambda path: None,
    "empty": lambda path: path.write_bytes(b""),
    "damaged": damaged,
    "truncated": truncated,
    "huge": lambda path: os.truncate(path.open("wb").name, 300 * 1024 * 1024),  # sparse
    "a folder": lambda path: path.mkdir(),
    "a pipe": lambda path: os.mkfifo(path),
    "a device": lambda path: os.symlink("/dev/zero", path),
}


def test_no_help_file_takes_the_calculator_down(desktop, start, program_copy):
    """The calculator starts the viewer and waits for nothing: whatever is in the help
    file's place, it keeps running and calculating."""
    program = start(program_copy / "passer-rating")
    program.calculator()
    place = program_copy / "Help" / HELP_NAME
    for kind, make in BAD_HELP_FILES.items():
        make(place)
        for keys in (["F1"], ["alt+h", "i"]):
            desktop.key(*keys)
            # The viewer reports the problem in its own window, or ends alone.
            wait_for(lambda: desktop.windows("^Help") or ended_alone(program_copy),
                     what=f"the viewer with {kind}")
            assert program.running(), kind
            program.calculator(activate=True)
        stop_viewer(program_copy)
        remove(place)

    desktop.key("alt+c")
    for total in ("1", "2", "10", "0"):
        desktop.type(total)
        desktop.key("Tab")
    desktop.key("Return")
    wait_for(lambda: program.text("Passer Rating") == "64.6", what="a rating after all that")


def viewer_running(folder):
    return subprocess.run(["pgrep", "-f", f"{folder}/passer-rating-help"],
                          stdout=subprocess.DEVNULL, check=False).returncode == 0


def ended_alone(folder):
    """No viewer runs, and none has come up for a second (one may still be starting)."""
    deadline = time.monotonic() + 1
    while time.monotonic() < deadline:
        if viewer_running(folder):
            return False
        time.sleep(0.1)
    return True


def stop_viewer(folder):
    def stopped():
        subprocess.run(["pkill", "-KILL", "-f", f"{folder}/passer-rating-help"], check=False)
        return ended_alone(folder)

    wait_for(stopped, what="the viewer to end")


def remove(place):
    if place.is_dir() and not place.is_symlink():
        shutil.rmtree(place)
    else:
        place.unlink(missing_ok=True)
