#pragma once

#include "ui/common/clock.h"

// A clock that tells whatever date the test sets.
class FixedClock final : public ui::Clock {
  public:
    explicit FixedClock(QDate today) : date(today) {}
    [[nodiscard]] QDate today() const override { return date; }

    QDate date;
};
