#include "ui/description/calculate_flow.h"

#include <array>

namespace description {

void calculate(CalculatorView& view)
{
    std::array<std::string, engine::kFieldCount> texts;
    engine::FieldTexts views;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = view.entryText(static_cast<engine::Field>(i));
        views[i] = texts[i];
    }
    const engine::Formula formula = view.chosenFormula();
    const engine::LocaleNumbers numbers = view.localeNumbers();
    const engine::Calculation result = engine::calculate(views, formula, numbers.format());

    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (result.readAsZero[i]) {
            view.setEntryText(static_cast<engine::Field>(i), "0");
        }
    }
    if (result.refusal) {
        view.showMessage(engine::messageText(*result.refusal));
        return;
    }
    view.setRatingText(result.rating.view());
    view.showWork(result, formula);
}

} // namespace description
