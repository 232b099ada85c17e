#pragma once

// What a console program asks of the system: its arguments as UTF-8, and standard input
// and output that pass bytes as they are (Windows would turn "\n" into "\r\n" and show
// UTF-8 in the console's own code page).

#include <string>
#include <vector>

namespace platform {

// The arguments after the program's name, as UTF-8; sets up the standard streams.
std::vector<std::string> consoleArguments(int argc, char** argv);

} // namespace platform
