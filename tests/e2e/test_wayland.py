"""The calculator on a Wayland desktop, drawn natively: weston's headless back end, with
no X server at all. It has no input seat, so the test acts as assistive technology does,
through the accessibility tree: the splash, its hand-over, a calculation and Help."""

import os
import shutil
import subprocess
import tempfile

import pytest

from conftest import BUILD
from desktop import HELP_TITLE, TITLE, Program, wait_for

SOCKET = "wayland-e2e"


class WaylandSession:
    """weston on a socket of its own in a runtime folder of its own, until stop()."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="wayland-")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.folder, HOME=self.folder, WAYLAND_DISPLAY=SOCKET,
                        XDG_SESSION_TYPE="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        for x11 in ("DISPLAY", "QT_QPA_PLATFORM"):
            self.env.pop(x11, None)
        self.compositor = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--idle-time=0"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(os.path.join(self.folder, SOCKET)), what="weston's socket")

    def stop(self):
        self.compositor.terminate()
        self.compositor.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


@pytest.fixture
def wayland():
    session = WaylandSession()
    yield session
    session.stop()


def press(program, role, name):
    action = program.find(role, name).queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def test_on_wayland_the_splash_hands_over_and_the_calculator_rates_and_opens_help(wayland):
    program = Program(wayland, os.path.abspath(BUILD))
    try:
        application = wait_for(program.application, what="the program's accessibility tree")
        splash = wait_for(lambda: application[0] if application.childCount else None, what="the splash window")
        assert splash.queryComponent().getSize() == (492, 308)  # as designed, with no frame of its own
        wait_for(lambda: program.find("frame", TITLE), what="the calculator")
        assert application.childCount == 1  # the splash has gone
        with open(f"/proc/{program.process.pid}/maps", encoding="utf-8") as maps:
            assert "libqwayland" in maps.read()  # drawn by Qt's Wayland plugin, not through X

        for name, total in zip(("Pass Completions", "Pass Attempts", "Passing Yards", "Touchdowns", "Interceptions"),
                               ("21", "34", "285", "2", "1")):
            program.field(name).queryEditableText().setTextContents(total)
        press(program, "push button", "Calculate")
        wait_for(lambda: program.text("Passer Rating"), until=lambda text: text == "95.8", what="the rating")

        press(program, "menu item", "Contents")
        viewer = wait_for(lambda: program.processes("passer-rating-help"), what="the help viewer")[0]
        viewer_tree = wait_for(lambda: program.application(viewer), what="the viewer's tree")
        wait_for(lambda: [window.name for window in viewer_tree],
                 until=lambda names: f"{HELP_TITLE} - Welcome" in names, what="the viewer's window on Welcome")
        assert program.errors() == ""  # no warning on a normal start
    finally:
        program.stop()
