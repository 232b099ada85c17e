import os
import shutil

import pytest

from desktop import Desktop, Program

BUILD = os.environ.get("PASSER_RATING", "build/ci/app/passer-rating")


@pytest.fixture(scope="session", autouse=True)
def private_runtime_folder(tmp_path_factory):
    """The runner's own runtime folder, private, holding pytest's temporary tree: the
    sockets and files of everything the suite starts are never in a folder that other
    suites on the machine share."""
    runtime = os.environ.get("XDG_RUNTIME_DIR", "")
    assert runtime and os.stat(runtime).st_mode & 0o777 == 0o700, f"no private runtime folder: {runtime!r}"
    assert str(tmp_path_factory.getbasetemp()).startswith(runtime + os.sep)


@pytest.fixture(scope="session", params=["openbox", "icewm"])
def desktop(request):
    started = Desktop(request.param)
    yield started
    started.stop()


@pytest.fixture
def start(desktop):
    """Starts the calculator, the built one or a copy in another folder; ends it after."""
    started = []

    def starter(path=BUILD, slow_clock=False):
        program = Program(desktop, os.path.abspath(path), slow_clock)
        started.append(program)
        return program

    yield starter
    for program in started:
        program.stop()


@pytest.fixture
def program_copy(tmp_path):
    """The calculator and its help viewer copied into a folder of their own, with an empty
    Help folder, so a test can put what it likes in the help file's place."""
    folder = tmp_path / "program"
    (folder / "Help").mkdir(parents=True)
    for name in ("passer-rating", "passer-rating-help"):
        shutil.copy2(os.path.join(os.path.dirname(BUILD), name), folder / name)
    return folder
