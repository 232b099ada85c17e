#!/usr/bin/python3
"""Takes the desktop program's pictures in docs/ (splash.png, calculator.png, about.png) on
a desktop of its own (Xvfb, openbox), each window with its frame, once it shows what the
picture is for: the splash as it opens, the calculator with a season's rating, About over
it. Run under dbus-run-session after tools/test.sh, which installs what it uses.
Usage: tools/screenshots.py [PATH/TO/passer-rating] (default build/ci/app/passer-rating)."""

import os
import re
import subprocess
import sys

from PIL import ImageGrab

from desktop import TITLE, Desktop, Program, wait_for

DOCS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docs")


def shoot(desktop, window, name):
    """The window with the frame the window manager draws around it."""
    info = subprocess.run(["xwininfo", "-id", window], env=desktop.env, capture_output=True, text=True,
                          check=True).stdout
    x, y, width, height = (int(re.search(rf"{label}:\s+(-?\d+)", info).group(1)) for label in
                           ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = re.findall(r"\d+", desktop.property(window, "_NET_FRAME_EXTENTS").split("=")[-1])
    left, right, top, bottom = (int(value) for value in extents) if len(extents) == 4 else (0, 0, 0, 0)
    box = (x - left, y - top, x + width + right, y + height + bottom)
    ImageGrab.grab(bbox=box, xdisplay=desktop.display).save(os.path.join(DOCS, name))


def main():
    path = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ci/app/passer-rating")
    desktop = Desktop("openbox")
    try:
        with desktop.active_windows() as activated:
            program = Program(desktop, path, slow_clock=True)  # the splash stays eight seconds
            splash = activated(lambda window: "_NET_WM_WINDOW_TYPE_SPLASH" in desktop.property(
                window, "_NET_WM_WINDOW_TYPE"), what="the splash window")
        wait_for(lambda: program.find("label", "Version 1.0"), what="the splash's labels")
        shoot(desktop, splash, "splash.png")

        calculator = program.calculator()
        for total in ("343", "502", "4643", "45"):
            desktop.type(total)
            desktop.key("Tab")
        desktop.type("6")
        desktop.key("Return")
        wait_for(lambda: program.text("Passer Rating"), until=lambda text: text == "122.5", what="the rating")
        shoot(desktop, calculator, "calculator.png")

        desktop.key("alt+h", "a")
        about = wait_for(lambda: desktop.windows(f"^About {TITLE}$"), what="the About window")[0]
        wait_for(lambda: desktop.focused_title() == f"About {TITLE}", what="About in front")
        shoot(desktop, about, "about.png")
        program.stop()
    finally:
        desktop.stop()


if __name__ == "__main__":
    main()
