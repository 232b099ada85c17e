// passer-rating-cli: the calculator for scripts and spreadsheets, over the engine and the
// calculate flow, with no toolkit (ui/cli holds what it reads and writes).
#include "identity/product.h"
#include "platform/console.h"
#include "platform/user_numbers.h"
#include "ui/cli/command_line.h"
#include "ui/cli/line_calculation.h"
#include "ui/cli/table.h"
#include "ui/description/clock.h"
#include "ui/description/texts.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

enum ExitStatus { kRated = 0, kRefused = 1, kUsageError = 2 };

int fail(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", cli::kProgram, what.c_str(), cli::kProgram);
    return kUsageError;
}

int rateTable(const std::string& path, cli::LineCalculation& calculation)
{
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (in == nullptr) {
        std::fprintf(stderr, "%s: cannot read %s\n", cli::kProgram, path.c_str());
        return kUsageError;
    }
    const cli::TableResult result = cli::rateTable(in, stdout, calculation);
    if (in != stdin) {
        std::fclose(in);
    }
    if (!result.missingColumn.empty()) {
        std::fprintf(stderr, "%s: the header names no column for the %s\n", cli::kProgram,
                     result.missingColumn.c_str());
        return kUsageError;
    }
    return result.refused ? kRefused : kRated;
}

int run(int argc, char** argv)
{
    const auto invocation = cli::readArguments(platform::consoleArguments(argc, argv));
    if (!invocation) {
        return fail(invocation.error());
    }
    const cli::Invocation& asked = invocation.value();
    if (asked.mode == cli::Mode::Help) {
        std::fputs(cli::kUsage, stdout);
        return kRated;
    }
    if (asked.mode == cli::Mode::Version) {
        std::printf("%s (%s) %s\n%s\n", cli::kProgram, product::kTitle, product::kVersion,
                    description::copyrightNotice(description::SystemClock().currentYear()).c_str());
        return kRated;
    }
    // The POSIX locale's numbers unless the user's are asked for.
    cli::LineCalculation calculation(
        asked.formula, asked.userLocale ? platform::userNumbers() : engine::LocaleNumbers{.decimal = ".", .group = ""});
    if (asked.mode == cli::Mode::Table) {
        return rateTable(asked.table, calculation);
    }
    const auto& totals = asked.totals;
    const cli::LineResult line = calculation.rate({totals[0], totals[1], totals[2], totals[3], totals[4]});
    if (!line.message.empty()) {
        std::fprintf(stderr, "%s\n", line.message.c_str());
        return kRefused;
    }
    std::printf("%s\n", line.rating.c_str());
    return kRated;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& error) { // out of memory, or a stream that broke
        std::fprintf(stderr, "%s: %s\n", cli::kProgram, error.what());
        return kUsageError;
    }
}
