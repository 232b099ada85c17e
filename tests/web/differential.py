"""The WebAssembly engine against the native one: the same calculations, generated with
a fixed seed (both formulas, English and German separators, texts a user could type or
paste, careers), must give
byte-identical ratings, messages and empty-field reports.
Usage: differential.py NATIVE_RATE_LINES WASM_RATE_LINES"""

import random
import subprocess
import sys
from pathlib import Path

WASI_RUN = Path(__file__).resolve().parents[2] / "tools/wasi-run.mjs"


def total(rng):
    """A count, an empty field, a text with a point or a comma, a grouped one, or an odd one."""
    return rng.choices([
        lambda: str(rng.choice([rng.randint(0, 40), rng.randint(0, 600), rng.randint(-120, 40000)])),
        lambda: "",
        lambda: f"{rng.randint(-99, 999)}{rng.choice('.,')}{rng.randint(0, 99)}",
        lambda: f"{rng.randint(1, 999)}{rng.choice('.,')}{rng.randint(0, 999):03d}",
        lambda: rng.choice(["-", ".", "1e3", " 7", "00", "12.5", "13.5", "x", "3-", "2147483648", "-2147483648",
                            "1.234.567", "4,64", "1.234,5"]),
    ], weights=[60, 15, 15, 5, 5])[0]()


def calculations(count=2000, seed=20261207):
    rng = random.Random(seed)
    for n in range(count):
        attempts = rng.randint(1, rng.choice([600, 15000]))
        completions = rng.randint(0, attempts)
        plausible = [attempts, completions, rng.randint(-99 * completions, 99 * completions),
                     rng.randint(0, completions), rng.randint(0, attempts - completions)]
        texts = [str(t) for t in plausible] if n % 2 else [total(rng) for _ in range(5)]
        yield "\t".join([rng.choice("NC"), *rng.choice([(".", ","), (",", "."), (".", "")]), *texts])


def main(native, wasm):
    lines = "\n".join(calculations()) + "\n"
    run = lambda command: subprocess.run(command, input=lines, capture_output=True, text=True,
                                         check=True).stdout
    expected, actual = run([native]), run(["node", str(WASI_RUN), wasm])
    for line, (want, got) in enumerate(zip(expected.splitlines(), actual.splitlines())):
        if want != got:
            sys.exit(f"calculation {line + 1} differs: native {want!r}, wasm {got!r}")
    if expected != actual:
        sys.exit("the two engines answered a different number of lines")
    ratings = sum(1 for answer in expected.splitlines() if answer[:1].isdigit() or answer[:1] == "-")
    print(f"differential: {len(expected.splitlines())} calculations, {ratings} ratings, identical")


if __name__ == "__main__":
    main(*sys.argv[1:])
