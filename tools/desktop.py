"""A real desktop for the end-to-end tests and the help benchmark: Xvfb on a free
display, a window manager, and the accessibility bus. Input goes through the X server
(XTest, by xdotool); what is read is what a user or a screen reader gets: window titles
and geometry, the clipboard, and the accessibility tree over AT-SPI."""

import contextlib
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

import pyatspi

TITLE = "Morvalenite Passer Rating Calculator"
HELP_TITLE = f"{TITLE} Help"  # the help viewer's, followed by what its pane shows

# Title-bar fonts set for both window managers, so a test can tell how wide a caption
# is drawn.
TITLE_FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
TITLE_FONT_POINTS = 10

OPENBOX_RC = f"""<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <theme>
    <font place="ActiveWindow"><name>DejaVu Sans</name><size>{TITLE_FONT_POINTS}</size><weight>bold</weight></font>
    <font place="InactiveWindow"><name>DejaVu Sans</name><size>{TITLE_FONT_POINTS}</size><weight>bold</weight></font>
  </theme>
</openbox_config>
"""

ICEWM_PREFERENCES = f"""TitleFontNameXft="DejaVu Sans:size={TITLE_FONT_POINTS}:bold"
ActiveTitleFontNameXft="DejaVu Sans:size={TITLE_FONT_POINTS}:bold"
ShowTaskBar=0
"""


# How long one X command may take before the suite calls the display hung.
COMMAND_LIMIT = 30


def wait_for(read, timeout=30.0, what="the condition", until=bool):
    """Reads until `until` holds for what `read` returns, and returns that. The limit is
    far beyond what a working program needs on a busy machine; reaching it reports what
    was waited for and the last value read."""
    deadline = time.monotonic() + timeout
    while True:
        value = read()
        if until(value):
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}; last read: {value!r}")
        time.sleep(0.05)


class Desktop:
    """Xvfb, a window manager and the accessibility bus, until stop()."""

    def __init__(self, window_manager):
        self.window_manager = window_manager
        self.folder = tempfile.mkdtemp(prefix="e2e-")
        self.processes = []
        read, write = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.processes.append(xvfb)
        self.env = dict(os.environ, DISPLAY=self.display, HOME=self.folder,
                        XDG_RUNTIME_DIR=self.folder, QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.processes.append(subprocess.Popen(
            self._window_manager_command(), env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(self._manager_ready, what=f"{window_manager} to manage the screen")
        self._wait_until_new_windows_get_the_focus()

    def _window_manager_command(self):
        if self.window_manager == "openbox":
            rc = os.path.join(self.folder, "rc.xml")
            with open(rc, "w", encoding="utf-8") as file:
                file.write(OPENBOX_RC)
            return ["openbox", "--config-file", rc]
        preferences = os.path.join(self.folder, ".icewm")
        os.makedirs(preferences)
        with open(os.path.join(preferences, "preferences"), "w", encoding="utf-8") as file:
            file.write(ICEWM_PREFERENCES)
        self.env["ICEWM_PRIVCFG"] = preferences
        return ["icewm"]

    def _manager_ready(self):
        # An EWMH window manager announces itself on the root window.
        return "window id" in self.property(None, "_NET_SUPPORTING_WM_CHECK")

    def _wait_until_new_windows_get_the_focus(self):
        """A window manager announces itself before it has finished starting, and a window
        mapped before then is managed as one it found, which gets no focus: the first
        program of the session would lose its splash. Probe windows show when it is ready
        for the programs: while none has the focus, another is mapped every second, and
        the first one focused ends the wait (a probe mapped too early never will be)."""
        probes = []
        deadline = time.monotonic() + 30
        try:
            while self.focused_title() != "e2e-probe":
                if time.monotonic() > deadline:
                    raise AssertionError(f"timed out after 30 s waiting for {self.window_manager} to give "
                                         f"a new window the focus; last focused: {self.focused_title()!r}")
                if not probes or time.monotonic() > probes[-1][1] + 1:
                    probes.append((subprocess.Popen(["xmessage", "-title", "e2e-probe", "ready"], env=self.env,
                                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL),
                                   time.monotonic()))
                time.sleep(0.05)
        finally:
            for probe, _ in probes:
                probe.kill()
                probe.wait()
        wait_for(lambda: self.windows("^e2e-probe$"), until=lambda found: not found, what="the probes to go")

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    # Input, through the X server.
    def xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, check=False, timeout=COMMAND_LIMIT)
        return result.stdout.strip()

    def key(self, *keys):
        for key in keys:
            self.xdotool("key", key)

    def type(self, text):
        self.xdotool("type", "--delay", "15", text)

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def drag(self, start, end):
        self.xdotool("mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1")
        self.xdotool("mousemove", "--sync", str(end[0]), str(end[1]), "mouseup", "1")

    # What a user sees.
    def windows(self, title):
        """The visible windows whose title matches the regular expression `title`."""
        found = self.xdotool("search", "--onlyvisible", "--name", title)
        return found.split() if found else []

    def property(self, window, name):
        """A property of the window, or of the root window if `window` is None."""
        where = ["-id", window] if window else ["-root"]
        return subprocess.run(["xprop", *where, name], env=self.env, capture_output=True,
                              text=True, check=False, timeout=COMMAND_LIMIT).stdout

    @contextlib.contextmanager
    def active_windows(self):
        """Follows the active window from now on: yields a function that waits for the
        first active window that holds the keyboard focus and for which `predicate` holds.
        The window manager's announcements (EWMH) catch a window the moment it is
        activated; whenever they pause, the active window is read directly, since xprop
        starts to listen only after it has printed what was active when it started."""
        spy = subprocess.Popen(["xprop", "-root", "-spy", "_NET_ACTIVE_WINDOW"], env=self.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

        def first(predicate, what, timeout=30.0):
            deadline = time.monotonic() + timeout
            active = None
            while time.monotonic() < deadline:
                announced = select.select([spy.stdout], [], [], 0.1)[0]
                line = spy.stdout.readline() if announced else ""
                if not line:
                    line = self.property(None, "_NET_ACTIVE_WINDOW")
                found = re.search(r"# (0x[0-9a-f]+)", line)
                active = str(int(found.group(1), 16)) if found else None
                # An id can name an ended program's window and then a new one of the next,
                # so only the focus tells that this window is the one a key reaches.
                if active and active == self.xdotool("getwindowfocus") and predicate(active):
                    return active
            focus = self.xdotool("getwindowfocus")
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what} to become "
                                 f"active; last active: {active} ({self.xdotool('getwindowname', active or '0')!r},"
                                 f" {self.property(active, '_NET_WM_WINDOW_TYPE').strip()}), focus: {focus}")

        try:
            yield first
        finally:
            spy.kill()
            spy.wait()

    def focused_title(self):
        return self.xdotool("getwindowfocus", "getwindowname")

    def geometry(self, window):
        """The window's client area: x, y, width, height."""
        values = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def set_clipboard(self, text):
        """Puts `text` on the clipboard, held by an xclip of its own until another program
        takes it; clipboard_requests() then counts the times a program asked it for the text."""
        self.clipboard_log = os.path.join(self.folder, f"clipboard-{len(self.processes)}.log")
        with open(self.clipboard_log, "wb") as log:
            owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-verbose", "-i"], env=self.env,
                                     stdin=subprocess.PIPE, stdout=log, stderr=subprocess.STDOUT)
        self.processes.append(owner)
        owner.stdin.write(text.encode())
        owner.stdin.close()
        wait_for(self.clipboard_requests, until=lambda count: count is not None, what="xclip to hold the clipboard")

    def clipboard_requests(self):
        with open(self.clipboard_log, encoding="utf-8") as log:
            said = log.read()
        if "Waiting for selection requests" not in said:
            return None
        return said.count("Waiting for selection request number") - 1

    def clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                capture_output=True, text=True, check=False, timeout=5)
        return result.stdout


# libfaketime: a program started with it sees its clocks run at a quarter of the real
# speed, sleeps and timers included, and is otherwise unchanged.
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


class Program:
    """A started program, its accessibility tree, and an end to it and to every process
    it started (the help viewer, started detached, included): each carries a mark in its
    environment, by which stop() finds their process ids. With `slow_clock`, the program's
    clock runs at a quarter of the real speed, so its timers (the splash's two seconds)
    last four times as long, however busy the machine."""

    def __init__(self, desktop, path, slow_clock=False):
        self.desktop = desktop
        self.path = path
        self.mark = f"PASSER_RATING_E2E_RUN={os.getpid()}-{time.monotonic_ns()}"
        env = dict(desktop.env, PASSER_RATING_E2E_RUN=self.mark.split("=", 1)[1])
        if slow_clock:
            env.update(LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME="+0 x0.25")
        self._errors = os.path.join(desktop.folder, f"stderr-{self.mark.split('=', 1)[1]}")
        with open(self._errors, "wb") as errors:
            self.process = subprocess.Popen([path], env=env, start_new_session=True,
                                            stdout=subprocess.DEVNULL, stderr=errors)

    def errors(self):
        """What the program has written to its standard error."""
        with open(self._errors, encoding="utf-8", errors="replace") as errors:
            return errors.read()

    def running(self):
        return self.process.poll() is None

    def ended(self, timeout=10.0):
        """Whether the program ends by itself within `timeout` seconds."""
        try:
            self.process.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def processes(self, name=None):
        """The ids of the running processes this program started (named `name`)."""
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    marked = self.mark.encode() in environ.read().split(b"\0")
                with open(f"/proc/{pid}/stat", encoding="utf-8", errors="replace") as stat:
                    alive = stat.read().rsplit(")", 1)[1].split()[0] != "Z"
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    program = os.path.basename(cmdline.read().split(b"\0")[0].decode(errors="replace"))
            except OSError:
                continue
            if marked and alive and (name is None or program.startswith(name)):
                found.append(int(pid))
        return found

    def kill(self, name=None):
        for pid in self.processes(name):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.kill()

    # The accessibility tree.
    def application(self, pid=None):
        pid = pid or self.process.pid
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == pid:
                return application
        return None

    def find(self, role, name=None, root=None):
        """The first accessible with `role` (and `name`), depth first."""
        root = root or wait_for(self.application, what="the program's accessibility tree")
        return pyatspi.findDescendant(
            root, lambda a: a.getRoleName() == role and (name is None or a.name == name))

    def field(self, name):
        return self.find("text", name)

    def text(self, name):
        field = self.field(name)
        return field.queryText().getText(0, -1) if field else None

    def centre(self, accessible):
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x + box.width // 2, box.y + box.height // 2

    def calculator(self, activate=False):
        """Waits for the splash window's hand-over and for the calculator to have the
        focus, asked for through the window manager when `activate`; returns its window."""
        window = wait_for(lambda: self.desktop.windows(f"^{TITLE}$"), what="the calculator")[0]

        def focused():
            # Asked again while another window (a viewer just mapped) takes the focus.
            if self.desktop.focused_title() == TITLE:
                return True
            if activate:
                self.desktop.xdotool("windowactivate", window)
            return False

        wait_for(focused, what="the calculator's focus")
        return window
