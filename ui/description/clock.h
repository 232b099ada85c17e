#pragma once

namespace description {

// The year of today's local date. The windows that show it are given a clock, so tests
// can set the year.
class Clock {
  public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    Clock(Clock&&) = delete;
    Clock& operator=(Clock&&) = delete;
    virtual ~Clock() = default;

    [[nodiscard]] virtual int currentYear() const = 0;
};

class SystemClock final : public Clock {
  public:
    [[nodiscard]] int currentYear() const override;
};

} // namespace description
