#pragma once

// The calculator without a window, for the command line: the calculate flow reads five
// texts, as the window reads its fields, and leaves the rating or the message here.
//
//   five texts --description::calculate--> rating text | the window's message

#include "ui/description/calculate_flow.h"

#include <array>
#include <string>
#include <string_view>

namespace cli {

struct LineResult {
    std::string rating;  // as the window shows it; empty when refused
    std::string message; // the window's message; empty when rated
};

class LineCalculation final : private description::CalculatorView {
  public:
    LineCalculation(engine::Formula formula, engine::LocaleNumbers numbers);

    // Attempts, completions, yards, touchdowns, interceptions; an empty text reads as an
    // empty field does.
    LineResult rate(const std::array<std::string_view, engine::kFieldCount>& texts);

  private:
    [[nodiscard]] std::string entryText(engine::Field field) const override;
    void setEntryText(engine::Field /*field*/, std::string_view /*text*/) override {} // no field to show "0" in
    void setRatingText(std::string_view text) override { m_result.rating = text; }
    [[nodiscard]] engine::Formula chosenFormula() const override;
    [[nodiscard]] engine::LocaleNumbers localeNumbers() const override { return m_numbers; }
    void showMessage(std::string_view text) override { m_result.message = text; }

    engine::Formula m_formula;
    engine::LocaleNumbers m_numbers;
    std::array<std::string_view, engine::kFieldCount> m_texts{};
    LineResult m_result;
};

} // namespace cli
