#pragma once

// The tests' stand-ins for what the windows and the commands are given: the clock, the
// help and the browser. Each records what it was asked and shows nothing.

#include "platform/browser.h"
#include "platform/help.h"
#include "ui/description/clock.h"

#include <string>
#include <vector>

class FixedClock final : public description::Clock {
  public:
    explicit FixedClock(int today) : year(today) {}
    [[nodiscard]] int currentYear() const override { return year; }

    int year;
};

// Records each call as "contents FILE TOPIC" or "index FILE".
class RecordingHelp final : public platform::Help {
  public:
    void showContents(const std::string& helpFile, const std::string& topic) override
    {
        calls.push_back("contents " + helpFile + " " + topic);
    }
    void showIndex(const std::string& helpFile) override { calls.push_back("index " + helpFile); }

    std::vector<std::string> calls;
};

class RecordingBrowser final : public platform::Browser {
  public:
    void open(const std::string& address) override { addresses.push_back(address); }

    std::vector<std::string> addresses;
};
