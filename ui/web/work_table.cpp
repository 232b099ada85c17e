#include "ui/web/work_table.h"

#include <array>
#include <initializer_list>
#include <string>

namespace web {
namespace {

class Table {
  public:
    explicit Table(std::string_view decimalSeparator) : m_separator(decimalSeparator) {}

    void line(std::initializer_list<std::string_view> cells)
    {
        std::string_view separator;
        for (const std::string_view cell : cells) {
            m_text.append(separator).append(cell);
            separator = "\t";
        }
        m_text.push_back('\n');
    }
    [[nodiscard]] std::string number(double value) const
    {
        return std::string(engine::numberText(value, m_separator).view());
    }
    [[nodiscard]] std::string text() const { return m_text; }

  private:
    std::string_view m_separator;
    std::string m_text;
};

std::string professional(const engine::PasserStats& stats, Table& table)
{
    const engine::ProfessionalWork work = engine::professionalWork(stats);
    table.line({"The professional formula: each rate rounded to two places, each component held within 0 and "
                "2.375 and rounded to three; the rating is their sum divided by 6, times 100, rounded to one place"});
    table.line({"Step", "Rate", "Component"});
    constexpr std::array<std::string_view, engine::kStepCount> kSteps{
        "Completions per 100 attempts, less 30, times 0.05", "Yards per attempt, less 3, times 0.25",
        "Touchdowns per 100 attempts, times 0.2", "2.375 less interceptions per 100 attempts times 0.25"};
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        table.line({kSteps[i], table.number(work.rates[i]), table.number(work.components[i])});
    }
    table.line({"Sum of the components", "", table.number(work.sum)});
    table.line({"Rating", "", table.number(work.rating)});
    return table.text();
}

std::string college(const engine::PasserStats& stats, Table& table)
{
    const engine::CollegeWork work = engine::collegeWork(stats);
    table.line({"The college formula: (8.4 times yards + 330 times touchdowns - 200 times interceptions + 100 "
                "times completions) divided by attempts"});
    table.line({"Step", "Total", "Points"});
    const auto total = [](std::int32_t value) { return std::to_string(value); };
    table.line({"Yards times 8.4", total(stats.yards), table.number(work.yardPoints)});
    table.line({"Touchdowns times 330", total(stats.touchdowns), table.number(work.touchdownPoints)});
    table.line(
        {"Interceptions times 200, taken away", total(stats.interceptions), table.number(-work.interceptionPoints)});
    table.line({"Completions times 100", total(stats.completions), table.number(work.completionPoints)});
    table.line({"Rating: the sum divided by attempts", total(stats.attempts), table.number(work.rating)});
    return table.text();
}

} // namespace

std::string workTable(const engine::PasserStats& stats, engine::Formula formula, std::string_view decimalSeparator)
{
    Table table(decimalSeparator);
    return formula == engine::Formula::Professional ? professional(stats, table) : college(stats, table);
}

} // namespace web
