"""What a blind user hears: Orca, the screen reader, on the test display, its speech
written to its debug log instead of a voice."""

import contextlib
import os
import re
import signal
import subprocess
import threading
import tty

import pyatspi
import pytest

from desktop import TITLE, wait_for
from test_calculator import enter_totals


class ScreenReader:
    """Orca on the desktop. Its debug log goes to a terminal, the one place it writes each
    line as it goes, and is read from there as it comes."""

    def __init__(self, desktop):
        self._log = []
        terminal, self._terminal = os.openpty()
        tty.setraw(self._terminal)
        threading.Thread(target=self._read, args=(terminal,), daemon=True).start()
        # No voice: the speech server's start fails at once, and Orca still logs each
        # utterance.
        self.process = subprocess.Popen(["orca", "--debug-file", os.ttyname(self._terminal)],
                                        env=dict(desktop.env, SPEECHD_CMD="/bin/false"),
                                        start_new_session=True, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: "".join(self._log), until=lambda log: "ORCA: Startup complete" in log, timeout=120,
                 what="Orca to start")

    def _read(self, terminal):
        with contextlib.suppress(OSError):
            while chunk := os.read(terminal, 1 << 16):
                self._log.append(chunk.decode(errors="replace"))

    def spoken(self):
        """Everything Orca has said, an utterance an item."""
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|None|voice=)", "".join(self._log))

    def stop(self):
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()
        os.close(self._terminal)


@pytest.fixture
def screen_reader(desktop):
    reader = ScreenReader(desktop)
    yield reader
    reader.stop()


def said_in_turn(utterances):
    """A wait's condition: Orca has said these, one straight after the other."""
    return lambda said: any(said[i:i + len(utterances)] == utterances for i in range(len(said)))


def test_a_new_rating_and_a_message_are_spoken_while_the_focus_stays(desktop, start, screen_reader):
    program = start()
    program.calculator()
    wait_for(screen_reader.spoken, until=said_in_turn(["Pass Completions text."]),
             what="Orca to follow the focus into the first field")
    enter_totals(desktop, "21", "34", "285", "2", "1")
    desktop.key("Return")
    wait_for(screen_reader.spoken, until=said_in_turn(["notification Passer Rating.", "95.8."]),
             what="the rating spoken")
    assert program.field("Interceptions").getState().contains(pyatspi.STATE_FOCUSED)

    desktop.key("alt+p")
    desktop.type("20")
    desktop.key("Return")
    wait_for(screen_reader.spoken, until=said_in_turn([f"alert {TITLE}.", "Completions cannot exceed Attempts."]),
             what="the message spoken")
