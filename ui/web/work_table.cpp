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

// A constant in a step's text, as the formulas are written: with ".".
std::string constant(double value)
{
    return std::string(engine::numberText(value, ".").view());
}

std::string professional(const engine::ProfessionalWork& work, Table& table)
{
    using namespace std::string_literals;
    namespace pro = engine::professional;
    table.line({"The professional formula: each rate rounded to two places, each component held within 0 and "s +
                constant(pro::kComponentCap) + " and rounded to three; the rating is their sum divided by " +
                constant(pro::kComponentCount) + ", times 100, rounded to one place"});
    table.line({"Step", "Rate", "Component"});
    const std::array<std::string, engine::kStepCount> steps{
        "Completions per 100 attempts, less " + constant(pro::kCompletionBase) + ", times " +
            constant(pro::kCompletionFactor),
        "Yards per attempt, less " + constant(pro::kYardsBase) + ", times " + constant(pro::kYardsFactor),
        "Touchdowns per 100 attempts, times " + constant(pro::kTouchdownFactor),
        constant(pro::kComponentCap) + " less interceptions per 100 attempts times " +
            constant(pro::kInterceptionFactor)};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        table.line({steps[i], table.number(work.rates[i]), table.number(work.components[i])});
    }
    table.line({"Sum of the components", "", table.number(work.sum)});
    table.line({"Rating", "", table.number(work.rating)});
    return table.text();
}

std::string college(const engine::CollegeWork& work, const engine::PasserStats& stats, Table& table)
{
    namespace ncaa = engine::college;
    const std::string yards = constant(ncaa::kYardPoints);
    const std::string touchdowns = std::to_string(ncaa::kTouchdownPoints);
    const std::string interceptions = std::to_string(ncaa::kInterceptionPoints);
    const std::string completions = std::to_string(ncaa::kCompletionPoints);
    table.line({"The college formula: (" + yards + " times yards + " + touchdowns + " times touchdowns - " +
                interceptions + " times interceptions + " + completions + " times completions) divided by attempts"});
    table.line({"Step", "Total", "Points"});
    const auto total = [](std::int32_t value) { return std::to_string(value); };
    table.line({"Yards times " + yards, total(stats.yards), table.number(work.yardPoints)});
    table.line({"Touchdowns times " + touchdowns, total(stats.touchdowns), table.number(work.touchdownPoints)});
    table.line({"Interceptions times " + interceptions + ", taken away", total(stats.interceptions),
                table.number(-work.interceptionPoints)});
    table.line({"Completions times " + completions, total(stats.completions), table.number(work.completionPoints)});
    table.line({"Rating: the sum divided by attempts", total(stats.attempts), table.number(work.rating)});
    return table.text();
}

} // namespace

std::string workTable(const engine::Calculation& calculation, std::string_view decimalSeparator)
{
    Table table(decimalSeparator);
    if (const auto* work = std::get_if<engine::ProfessionalWork>(&calculation.work)) {
        return professional(*work, table);
    }
    return college(std::get<engine::CollegeWork>(calculation.work), calculation.stats, table);
}

} // namespace web
