#pragma once

// What passer-rating-cli is asked to do, read from its arguments.

#include "engine/expected.h"
#include "engine/rating.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace cli {

inline constexpr char kProgram[] = "passer-rating-cli";

inline constexpr char kUsage[] =
    "Usage: passer-rating-cli [--college] [--locale] ATTEMPTS COMPLETIONS YARDS TOUCHDOWNS INTERCEPTIONS\n"
    "       passer-rating-cli [--college] [--locale] --table [FILE|-]\n"
    "Rates a quarterback as the Morvalenite Passer Rating Calculator does: one line from\n"
    "the five totals, or a whole table (CSV or TSV, with a header naming the totals) from\n"
    "FILE or standard input, written back with rating and error columns added.\n"
    "\n"
    "  --college   the college (NCAA) formula; the professional (NFL) one otherwise\n"
    "  --locale    totals and the rating as your locale writes numbers; otherwise \".\"\n"
    "              is the decimal point and digits are not grouped\n"
    "  --table     rate the table in FILE, or standard input (-, the default)\n"
    "  --help      show this and end\n"
    "  --version   show the version and end\n"
    "  --          what follows are totals, even where they start with \"-\"\n"
    "\n"
    "An empty total reads as 0. Exit status: 0 rated; 1 the calculator refused the line\n"
    "(its message on standard error) or a row of the table (its message in the error\n"
    "column); 2 the arguments or the table's header are wrong.\n";

enum class Mode { Line, Table, Help, Version };

struct Invocation {
    Mode mode = Mode::Line;
    engine::Formula formula = engine::Formula::Professional;
    bool userLocale = false;
    std::array<std::string, engine::kFieldCount> totals; // a line's, in the order of engine::Field
    std::string table = "-";                             // a file, or "-" for standard input
};

// What the arguments (without the program's name) ask for, or what is wrong with them.
engine::Expected<Invocation, std::string> readArguments(std::span<const std::string> arguments);

} // namespace cli
