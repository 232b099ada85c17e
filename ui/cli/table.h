#pragma once

// A table of passers, rated as it streams by: CSV or TSV (a tab in the header line makes
// it TSV), quoted as RFC 4180 quotes, a UTF-8 byte-order mark and CRLF line ends taken and
// given back. The header names the five totals in any order and case (attempts or att;
// completions, cmp or comp; yards or yds; touchdowns or td; interceptions or int), as the
// statistics sites head their tables; the first column of a name counts. Every row is
// written back as it came with two columns added: the rating where the calculator rates
// it, the window's message where it refuses it. One row is held at a time.

#include "ui/cli/line_calculation.h"

#include <cstdio>
#include <string>

namespace cli {

struct TableResult {
    bool refused = false;      // a row was
    std::string missingColumn; // what the header lacks; then nothing was written
};

TableResult rateTable(std::FILE* in, std::FILE* out, LineCalculation& calculation);

} // namespace cli
