"""passer-rating-cli as scripts meet it: its arguments, its exit statuses and what it
writes, a table in and out whole, and a generated table's ratings against the engine's own
line rater (tests/engine/rate_lines.cpp). PR_CLI and PR_RATE_LINES name the programs."""

import os
import random
import subprocess

import pytest

CLI = os.environ["PR_CLI"]
RATE_LINES = os.environ["PR_RATE_LINES"]
USAGE = "Try 'passer-rating-cli --help'.\n"


def run(*args, stdin=b"", locale="C.UTF-8"):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, check=False,
                          env={**os.environ, "LC_ALL": locale})


# arguments, locale, exit status, standard output, standard error
LINES = [
    (["34", "21", "285", "1", "1"], "C.UTF-8", 0, "86\n", ""),
    (["--college", "502", "343", "4643", "45", "6"], "C.UTF-8", 0, "173.209561752988\n", ""),
    (["9380", "6125", "71940", "539", "251"], "C.UTF-8", 0, "96.5\n", ""),
    (["9380", "6125", "71940", "539", "251", "--college"], "C.UTF-8", 0, "143.333262260128\n", ""),
    (["20", "14", "-99", "2", "2"], "C.UTF-8", 0, "66.7\n", ""),
    (["10", "", "", "", ""], "C.UTF-8", 0, "39.6\n", ""),
    (["--", "20", "14", "-99", "2", "2"], "C.UTF-8", 0, "66.7\n", ""),
    (["20", "21", "210", "2", "2"], "C.UTF-8", 1, "", "Completions cannot exceed Attempts.\n"),
    (["", "1", "2", "3", "4"], "C.UTF-8", 1, "", "Passes Attempted cannot be 0.\n"),
    (["502", "343", "4.643", "45", "6"], "de_DE.UTF-8", 0, "96.4\n", ""),  # "." is the point without --locale
    (["--locale", "502", "343", "4.643", "45", "6"], "de_DE.UTF-8", 0, "122,5\n", ""),
    (["--locale", "502", "343", "4\u202f643", "45", "6"], "fr_FR.UTF-8", 0, "122,5\n", ""),
    (["--locale", "502", "343", "4.643", "45", "6"], "fr_FR.UTF-8", 1, "", "The Yards field contains an error.\n"),
    (["--locale", "3000000", "2000000", "20,00,000", "0", "0"], "en_IN.UTF-8", 0, "70.2\n", ""),  # twos after three
    (["--locale", "3000000", "2000000", "2,000,000", "0", "0"], "en_IN.UTF-8", 1, "", "The Yards field contains an error.\n"),
    (["34", "21", "285", "1"], "C.UTF-8", 2, "",
     "passer-rating-cli: five totals wanted (attempts, completions, yards, touchdowns, interceptions), 4 given\n" + USAGE),
    (["34", "21", "285", "1", "1", "1"], "C.UTF-8", 2, "",
     "passer-rating-cli: five totals wanted (attempts, completions, yards, touchdowns, interceptions), 6 given\n" + USAGE),
    (["--nfl", "34", "21", "285", "1", "1"], "C.UTF-8", 2, "", "passer-rating-cli: unknown option --nfl\n" + USAGE),
    (["--table", "a.csv", "b.csv"], "C.UTF-8", 2, "", "passer-rating-cli: --table takes one file at the most\n" + USAGE),
]


@pytest.mark.parametrize("args,locale,status,out,err", LINES, ids=[" ".join(row[0]) for row in LINES])
def test_a_line_from_the_arguments(args, locale, status, out, err):
    done = run(*args, locale=locale)
    assert (done.returncode, done.stdout.decode(), done.stderr.decode()) == (status, out, err)


def test_help_and_version_end_at_once():
    shown = run("--help", "34")
    assert shown.returncode == 0 and shown.stdout.decode().startswith("Usage: passer-rating-cli [--college]")
    version = run("--version").stdout.decode().splitlines()
    assert version[0] == "passer-rating-cli (Morvalenite Passer Rating Calculator) 1.0.0"
    assert version[1].startswith("Copyright \u00a9 2005 - ")


# A table with a byte-order mark and CRLF, its totals' columns named as a statistics site
# names them and in another order, other columns quoted with commas and quotes, a blank
# line, and a row for every message the calculator gives.
TABLE_IN = (
    "\ufeffPlayer,Yds,Att,Cmp,TD,Int,\"Note, if any\"\r\n"
    "\"Smith, J\",285,34,21,1,1,\"said \"\"fine\"\"\"\r\n"
    "Season,4643,502,343,45,6,\"two\r\nlines\"\r\n"
    "\r\n"
    "Zero,0,0,0,0,0,\r\n"
    "Letters,1,x,1,0,0,\r\n"
    "NoCompletions,1,1,y,0,0,\r\n"
    "Cmp>Att,210,20,21,2,2,\r\n"
    "TD>Cmp,210,20,14,15,2,\r\n"
    "Cmp+Int>Att,210,20,14,2,7,\r\n"
    "Yards>99x,1387,20,14,2,2,\r\n"
    "Yards<-99x,-1387,20,14,2,2,\r\n"
    "BadInt,210,20,14,2,z,\r\n"
    "Short,10"
)
TABLE_OUT = (
    "\ufeffPlayer,Yds,Att,Cmp,TD,Int,\"Note, if any\",rating,error\r\n"
    "\"Smith, J\",285,34,21,1,1,\"said \"\"fine\"\"\",86,\r\n"
    "Season,4643,502,343,45,6,\"two\r\nlines\",122.5,\r\n"
    "\r\n"
    "Zero,0,0,0,0,0,,,Passes Attempted cannot be 0.\r\n"
    "Letters,1,x,1,0,0,,,The Pass Attempts field contains an error.\r\n"
    "NoCompletions,1,1,y,0,0,,,The Pass Completions field contains an error.\r\n"
    "Cmp>Att,210,20,21,2,2,,,Completions cannot exceed Attempts.\r\n"
    "TD>Cmp,210,20,14,15,2,,,Touchdowns cannot exceed Completions.\r\n"
    "Cmp+Int>Att,210,20,14,2,7,,,Completions + Interceptions cannot exceed Attempts.\r\n"
    "Yards>99x,1387,20,14,2,2,,,Yards cannot exceed Completions times 99.\r\n"
    "Yards<-99x,-1387,20,14,2,2,,,Yards cannot be less than Completions times -99.\r\n"
    "BadInt,210,20,14,2,z,,,The Yards field contains an error.\r\n"
    "Short,10,,Passes Attempted cannot be 0.\r\n"
)


def test_a_table_comes_back_whole_with_its_ratings_and_messages():
    done = run("--table", stdin=TABLE_IN.encode())
    assert (done.returncode, done.stdout.decode(), done.stderr) == (1, TABLE_OUT, b"")


def test_a_tab_separated_file_and_the_college_formula(tmp_path):
    table = tmp_path / "season.tsv"
    table.write_text("ATTEMPTS\tcompletions\tyards\ttouchdowns\tinterceptions\n502\t343\t4643\t45\t6\n")
    done = run("--college", "--table", str(table))
    assert (done.returncode, done.stdout.decode()) == (
        0, "ATTEMPTS\tcompletions\tyards\ttouchdowns\tinterceptions\trating\terror\n502\t343\t4643\t45\t6\t173.209561752988\t\n")


def test_a_missing_column_is_named_and_nothing_is_written():
    done = run("--table", "-", stdin=b"att,cmp,yds,int\n34,21,285,1\n")
    assert (done.returncode, done.stdout, done.stderr.decode()) == (
        2, b"", "passer-rating-cli: the header names no column for the touchdowns\n")


def test_a_generated_table_rates_as_the_engine_does():
    rng = random.Random(20261209)
    rows = []
    for _ in range(3000):
        attempts = rng.randint(0, 20000)
        completions = rng.randint(0, attempts + 2)
        rows.append([str(attempts), str(completions), str(rng.randint(-99 * completions - 5, 99 * completions + 5)),
                     str(rng.randint(0, completions + 1)), str(rng.randint(0, max(0, attempts - completions + 1)))])
    for formula, flag in (("N", []), ("C", ["--college"])):
        table = "att,cmp,yds,td,int\n" + "".join(",".join(row) + "\n" for row in rows)
        out = run(*flag, "--table", stdin=table.encode()).stdout.decode().splitlines()[1:]
        lines = "".join("\t".join([formula, ".", "", *row]) + "\n" for row in rows)
        engine = subprocess.run([RATE_LINES], input=lines, capture_output=True, text=True, check=True).stdout
        expected = [line.split("\t")[0] for line in engine.splitlines()]
        got = [line.split(",")[5] or line.split(",")[6] for line in out]
        assert got == expected
