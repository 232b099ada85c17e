#pragma once

#include "ui/common/clock.h"

// A clock that tells whatever date the test sets.
class FixedClock final : public ui::Clock {
  public:
    explicit FixedClock(QDate date) : date(date) {}
    [[nodiscard]] QDate today() const override { return date; }

    QDate date;
};
