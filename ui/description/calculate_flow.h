#pragma once

// Calculate, between a window and the engine: read the five entry texts, rate them with
// the chosen formula, write "0" into each empty field that was read, then show the rating
// or the one message. Every front end runs it; each only reads and writes its controls.

#include "engine/rating.h"

#include <string>
#include <string_view>

namespace description {

class CalculatorView {
  public:
    CalculatorView() = default;
    CalculatorView(const CalculatorView&) = delete;
    CalculatorView& operator=(const CalculatorView&) = delete;
    CalculatorView(CalculatorView&&) = delete;
    CalculatorView& operator=(CalculatorView&&) = delete;
    virtual ~CalculatorView() = default;

    [[nodiscard]] virtual std::string entryText(engine::Field field) const = 0; // UTF-8
    virtual void setEntryText(engine::Field field, std::string_view text) = 0;
    virtual void setRatingText(std::string_view text) = 0;                 // shown from its start
    [[nodiscard]] virtual engine::Formula chosenFormula() const = 0;       // the chosen option's
    [[nodiscard]] virtual engine::LocaleNumbers localeNumbers() const = 0; // how the user writes numbers
    virtual void showMessage(std::string_view text) = 0;                   // returns once closed
    // After a rating is shown, what it was found from. The desktop windows stay as
    // designed and show nothing more; the web page shows the work and keeps the totals in
    // its address.
    virtual void showWork(const engine::Calculation& /*calculation*/, engine::Formula /*formula*/) {}
};

void calculate(CalculatorView& view);

} // namespace description
