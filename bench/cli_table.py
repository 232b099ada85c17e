"""passer-rating-cli rating a million-line table, beside its two floors measured in the
same run (bench/table_floors.cpp): the engine rating the same lines held in memory, and a
program that only parses the numbers and writes them back with an unrounded rating. The
table is rated in at most the sum of the two when nothing is lost between them; prints the
three times, the ratio and each program's peak memory (medians of RUNS). Run from the top
folder after building build/ci:
    python3 bench/cli_table.py [LINES] [RUNS]"""

import os
import random
import statistics
import subprocess
import sys
import tempfile

LINES = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
BUILD = "build/ci"


def timed(command):
    """Seconds and peak memory in KiB of one run, as GNU time measures the program alone."""
    result = subprocess.run(["/usr/bin/time", "-f", "%e %M", *command], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, check=False)
    seconds, kib = result.stderr.split()[-2:]
    return float(seconds), int(kib)


def main():
    rng = random.Random(20261209)
    with tempfile.TemporaryDirectory() as folder:
        table = os.path.join(folder, "table.csv")
        with open(table, "w", encoding="ascii") as out:
            out.write("att,cmp,yds,td,int\n")
            for _ in range(LINES):
                attempts = rng.randint(1, 700)
                completions = rng.randint(0, attempts)
                out.write(f"{attempts},{completions},{rng.randint(-2 * completions, 14 * completions)},"
                          f"{rng.randint(0, completions // 8)},{rng.randint(0, (attempts - completions) // 10)}\n")
        figures = {"engine": [], "parse": [], "cli": []}
        memory = {"engine": 0, "parse": 0, "cli": 0}
        for _ in range(RUNS):
            result = subprocess.run([f"{BUILD}/bench/table_floors", "engine", table], capture_output=True, text=True,
                                    check=True)
            figures["engine"].append(float(result.stdout.split()[0]))
            for name, command in (("parse", [f"{BUILD}/bench/table_floors", "parse", table]),
                                  ("cli", [f"{BUILD}/app/passer-rating-cli", "--table", table])):
                took, peak = timed(command)
                figures[name].append(took)
                memory[name] = max(memory[name], peak)
        engine, parse, cli = (statistics.median(figures[name]) for name in ("engine", "parse", "cli"))
        print(f"{LINES} lines, medians of {RUNS}: engine on lines in memory {engine:.3f} s "
              f"({engine / LINES * 1e6:.2f} µs a line), parse and write {parse:.3f} s, passer-rating-cli "
              f"{cli:.3f} s: {cli / (engine + parse):.2f} x the sum of the floors")
        print(f"peak memory: parse and write {memory['parse']} KiB, passer-rating-cli {memory['cli']} KiB")


main()
