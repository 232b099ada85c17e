#include "ui/cli/command_line.h"

#include <vector>

namespace cli {
namespace {

// "-99" and "-.5" are totals, not options.
bool looksLikeOption(std::string_view argument)
{
    return argument.size() > 1 && argument.front() == '-' && !(argument[1] >= '0' && argument[1] <= '9') &&
           argument[1] != '.';
}

} // namespace

engine::Expected<Invocation, std::string> readArguments(std::span<const std::string> arguments)
{
    Invocation invocation;
    std::vector<std::string> rest;
    bool options = true;
    bool table = false;
    for (const std::string& argument : arguments) {
        if (!options || !looksLikeOption(argument)) {
            rest.push_back(argument);
        } else if (argument == "--") {
            options = false;
        } else if (argument == "--college") {
            invocation.formula = engine::Formula::College;
        } else if (argument == "--locale") {
            invocation.userLocale = true;
        } else if (argument == "--table") {
            table = true;
        } else if (argument == "--help") {
            invocation.mode = Mode::Help;
            return invocation;
        } else if (argument == "--version") {
            invocation.mode = Mode::Version;
            return invocation;
        } else {
            return engine::Unexpected{"unknown option " + argument};
        }
    }
    if (table) {
        if (rest.size() > 1) {
            return engine::Unexpected{std::string("--table takes one file at the most")};
        }
        invocation.mode = Mode::Table;
        if (!rest.empty()) {
            invocation.table = rest.front();
        }
        return invocation;
    }
    if (rest.size() != engine::kFieldCount) {
        return engine::Unexpected{"five totals wanted (attempts, completions, yards, touchdowns, interceptions), " +
                                  std::to_string(rest.size()) + " given"};
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        invocation.totals[i] = rest[i];
    }
    return invocation;
}

} // namespace cli
