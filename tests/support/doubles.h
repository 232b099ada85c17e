#pragma once

// The tests' stand-ins for what the windows are given: a clock set to a year, and a
// browser that records the addresses it is asked to open and opens nothing.

#include "platform/browser.h"
#include "ui/description/clock.h"

#include <string>
#include <vector>

class FixedClock final : public description::Clock {
  public:
    explicit FixedClock(int today) : year(today) {}
    [[nodiscard]] int currentYear() const override { return year; }

    int year;
};

class RecordingBrowser final : public platform::Browser {
  public:
    void open(const std::string& address) override { addresses.push_back(address); }

    std::vector<std::string> addresses;
};
