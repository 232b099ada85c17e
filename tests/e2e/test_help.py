"""Help, Contents (F1) and Help, Index: one viewer window of its own, which no other user
and no hung viewer can stand in for; nothing a help file holds can take the calculator
down, and a topic reads nothing outside its help file."""

import os
import pwd
import shutil
import subprocess
import sys
import time

import pyatspi
import pytest

from conftest import BUILD
from desktop import HELP_TITLE, wait_for

HELP_FILE = os.path.join(os.path.dirname(BUILD), "Help",
                         "Morvalenite Passer Rating Calculator Help.chm")
HELP_NAME = os.path.basename(HELP_FILE)


def viewer(desktop, program):
    """The help viewer's window and accessibility tree, once it shows."""
    window = wait_for(lambda: desktop.windows(f"^{HELP_TITLE}"), what="the help viewer")
    assert len(window) == 1
    pid = int(desktop.xdotool("getwindowpid", window[0]))
    return window[0], wait_for(lambda: program.application(pid), what="the viewer's tree")


def has(accessible, state):
    return accessible is not None and accessible.getState().contains(state)


def index_from_the_menu(desktop, program):
    """Help, Index chosen in the calculator; the viewer, once it shows the Index."""
    program.calculator(activate=True)
    desktop.key("alt+h", "i")
    window, tree = viewer(desktop, program)
    wait_for(lambda: has(program.find("list", root=tree), pyatspi.STATE_SHOWING), what="the Index")
    return window, tree


def test_contents_and_index_share_one_viewer_whose_index_finds_a_typed_keyword(desktop, start):
    program = start()
    program.calculator()
    desktop.key("F1")
    window, tree = viewer(desktop, program)
    wait_for(desktop.focused_title, until=lambda title: title == f"{HELP_TITLE} - Welcome", what="the Welcome topic")
    assert has(program.find("tree", root=tree), pyatspi.STATE_SHOWING)  # the Contents tab
    assert has(program.find("table cell", "Welcome", root=tree), pyatspi.STATE_SELECTED)

    assert index_from_the_menu(desktop, program)[0] == window  # the same, and only, viewer
    entries = [item.name for item in program.find("list", root=tree)]
    assert len(entries) > 20 and entries == sorted(entries, key=str.casefold)
    # A keyword typed picks its entry; Enter shows the entry's topic.
    wait_for(desktop.focused_title, until=lambda title: title.startswith(HELP_TITLE), what="the viewer in front")
    desktop.type("roun")
    desktop.key("Return")
    wait_for(desktop.focused_title, until=lambda title: title == f"{HELP_TITLE} - The professional formula",
             what="the topic of the keyword rounding")


# What a damaged file's content does to the viewer is the help readers' fuzzing's; these
# are the places a program could hang or fall on when it opens them.
BAD_HELP_FILES = {
    "missing": lambda path: None,
    "empty": lambda path: path.write_bytes(b""),
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
            wait_for(lambda: desktop.windows(f"^{HELP_TITLE} - Problem$") or ended_alone(program),
                     what=f"the viewer with {kind}")
            assert program.running(), kind
            program.calculator(activate=True)
        stop_viewer(program)
        shutil.rmtree(place.parent)  # the next kind in an empty Help folder
        place.parent.mkdir()

    desktop.key("alt+c")
    for total in ("1", "2", "10", "0"):
        desktop.type(total)
        desktop.key("Tab")
    desktop.key("Return")
    wait_for(lambda: program.text("Passer Rating"), until=lambda text: text == "64.6", what="a rating after all that")
    assert program.text("Interceptions") == "0"  # the empty field read


def ended_alone(program):
    """No viewer runs, and none has come up for a second (one may still be starting)."""
    deadline = time.monotonic() + 1
    while time.monotonic() < deadline:
        if program.processes("passer-rating-help"):
            return False
        time.sleep(0.1)
    return True


def stop_viewer(program):
    def stopped():
        program.kill("passer-rating-help")
        return ended_alone(program)

    wait_for(stopped, what="the viewer to end")


def hostile_help(folder, outside):
    """The help file with a Welcome topic whose style sheet and pictures name places
    outside it: other schemes, absolute and climbing paths, a pipe and a device."""
    stage = folder / "stage"
    shutil.copytree(os.path.join(os.path.dirname(BUILD), "..", "help", "stage"), stage)
    climb = "../" * 12 + str(outside).lstrip("/")
    names = [f"file://{outside}/secret.png", f"{outside}/absolute.png", f"{climb}/climbing.png",
             f"file://{outside}/pipe", "file:///dev/zero"]
    pictures = "".join(f'<img src="{name}">' for name in names)
    (stage / "Welcome.htm").write_text(
        f'<html><head><link rel="stylesheet" href="file://{outside}/style.css">'
        f"<title>Welcome</title></head><body><p>Welcome</p>{pictures}</body></html>")
    subprocess.run(["chmcmd", "--no-html-scan", "--verbosity", "0", "PasserRating.hhp"],
                   cwd=stage, check=True, stdout=subprocess.DEVNULL)
    return stage / HELP_NAME


def test_a_topic_reads_nothing_outside_the_help_file(desktop, start, program_copy, tmp_path):
    outside = tmp_path / "outside"
    outside.mkdir()
    for name in ("secret.png", "absolute.png", "climbing.png", "style.css"):
        (outside / name).write_bytes(b"outside the help file")
    os.mkfifo(outside / "pipe")
    shutil.copy(hostile_help(tmp_path, outside), program_copy / "Help" / HELP_NAME)
    # Every viewer runs under strace, which writes down each file it names.
    viewer_program = program_copy / "passer-rating-help"
    viewer_program.rename(program_copy / "passer-rating-help.real")
    viewer_program.write_text(f'#!/bin/sh\nexec strace -f -qq -e trace=%file -o "{tmp_path}/files.$$" '
                              f'"$0.real" "$@"\n')
    viewer_program.chmod(0o755)

    program = start(program_copy / "passer-rating")
    program.calculator()
    desktop.key("F1")
    wait_for(lambda: desktop.windows(f"^{HELP_TITLE} - Welcome$"), what="the hostile Welcome topic")
    index_from_the_menu(desktop, program)  # the viewer keeps answering
    program.calculator(activate=True)
    desktop.key("F1")
    wait_for(desktop.focused_title, until=lambda title: title == f"{HELP_TITLE} - Welcome", what="Welcome again")

    named = "".join(log.read_text() for log in tmp_path.glob("files.*"))
    assert HELP_NAME in named  # strace saw the viewer's files
    assert str(outside) not in named and "/dev/zero" not in named


# Another program on the viewer's socket: a listener that holds a name first and writes
# what it receives to its output, or a sender of one command that says whether it was
# answered.
PEER = """
import socket, sys, time
peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
if sys.argv[2] == "sends":
    peer.connect("\\0" + sys.argv[1])
    peer.settimeout(5)
    try:
        peer.sendall(b"".join(field.encode() + b"\\0" for field in sys.argv[3:]))
        print("answered" if peer.recv(16) else "hung up on")
    except OSError:  # hung up on before or after the command went
        print("hung up on")
    sys.exit()
peer.bind("\\0" + sys.argv[1])
peer.listen(8)
print("listening", flush=True)
while sys.argv[2] == "reads":
    connection, _ = peer.accept()
    connection.settimeout(5)
    try:
        received = connection.recv(65536)
    except OSError:
        continue
    if received:
        print(repr(received), flush=True)
time.sleep(600)
"""


@pytest.fixture
def other_user():
    """A user made for the test, removed after."""
    name = f"prhelp{os.getpid()}"
    subprocess.run(["useradd", "--system", "--no-create-home", name], check=True)
    yield pwd.getpwnam(name)
    subprocess.run(["userdel", name], check=True)


@pytest.mark.parametrize("who", ["another user", "this user"])
@pytest.mark.parametrize("what", ["reads", "never accepts"])
def test_a_name_held_by_a_listener_that_never_answers_does_not_keep_help_from_opening(
        desktop, start, other_user, who, what):
    """Another user's listener, or a hung viewer of this user, holds the name first; the
    viewer that opens instead takes no command from another user."""
    user = ["setpriv", f"--reuid={other_user.pw_uid}", f"--regid={other_user.pw_gid}",
            "--clear-groups"] if who == "another user" else []
    name = f"passer-rating-help-{os.getuid()}-{desktop.display}-"
    listener = subprocess.Popen([*user, sys.executable, "-c", PEER, name + "0", what],
                                stdout=subprocess.PIPE, text=True)
    try:
        assert listener.stdout.readline() == "listening\n"
        program = start()
        program.calculator()
        desktop.key("F1")
        wait_for(lambda: desktop.windows(f"^{HELP_TITLE} - Welcome$"), what="help despite the listener")
        index_from_the_menu(desktop, program)  # the viewer that opened takes the next command
        assert listener.poll() is None  # it held the name throughout
        command = [sys.executable, "-c", PEER, name + "1", "sends", "--contents", f"/nowhere/{HELP_NAME}", "x"]
        if who == "another user":
            assert subprocess.run([*user, *command], capture_output=True, text=True).stdout == "hung up on\n"
            assert desktop.windows(f"^{HELP_TITLE} - Welcome$")
        assert subprocess.run(command, capture_output=True, text=True).stdout == "answered\n"
        wait_for(lambda: desktop.windows(f"^{HELP_TITLE} - Problem$"), what="this user's command")
    finally:
        listener.kill()
    received = listener.communicate()[0]
    if who == "another user":
        assert received == "", received


