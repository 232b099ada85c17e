#include "ui/cli/line_calculation.h"

#include <utility>

namespace cli {

LineCalculation::LineCalculation(engine::Formula formula, engine::LocaleNumbers numbers)
    : m_formula(formula), m_numbers(std::move(numbers))
{
}

LineResult LineCalculation::rate(const std::array<std::string_view, engine::kFieldCount>& texts)
{
    m_texts = texts;
    m_result = {};
    description::calculate(*this);
    return std::move(m_result);
}

std::string LineCalculation::entryText(engine::Field field) const
{
    return std::string(m_texts[static_cast<std::size_t>(field)]);
}

engine::Formula LineCalculation::chosenFormula() const
{
    return m_formula;
}

} // namespace cli
