#pragma once

// The help, as the calculator asks for it: the Contents at a topic, or the Index. On
// Windows the system's HTML Help viewer shows it; elsewhere the program's own viewer,
// passer-rating-help, a process of its own. Paths and topics are UTF-8.

#include <memory>
#include <string>

namespace platform {

class Help {
  public:
    Help() = default;
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;
    Help(Help&&) = delete;
    Help& operator=(Help&&) = delete;
    virtual ~Help() = default;

    // Neither waits: the viewer reports its own problems (no file, no topic) its own way.
    virtual void showContents(const std::string& helpFile, const std::string& topic) = 0;
    virtual void showIndex(const std::string& helpFile) = 0; // no keyword chosen
};

// The implementation for this operating system.
std::unique_ptr<Help> createHelp();

// The folder of the running program file, as the system reports it.
std::string programFolder();

// The help file: the program's folder, "Help" and the help file's name, built anew on
// every call; the current directory plays no part.
std::string helpFilePath();

} // namespace platform
