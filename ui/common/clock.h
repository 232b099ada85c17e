#pragma once

#include <QDate>

namespace ui {

// Today's local date; windows that show the year are given one, so tests can set it.
class Clock {
  public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    Clock(Clock&&) = delete;
    Clock& operator=(Clock&&) = delete;
    virtual ~Clock() = default;

    [[nodiscard]] virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
  public:
    [[nodiscard]] QDate today() const override { return QDate::currentDate(); }
};

} // namespace ui
