// Rates one calculation a line, for the differential check of the native and the
// WebAssembly engine (tests/web/differential.py): a line holds the formula (N or C), the
// decimal and group separators and the five field texts, tab-separated; the answer is the rating or
// the message, then the fields read as empty, as 0s and 1s.
#include "engine/rating.h"

#include <array>
#include <iostream>
#include <sstream>
#include <string>

int main()
{
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream fields(line);
        std::array<std::string, 3 + engine::kFieldCount> parts;
        for (std::string& part : parts) {
            std::getline(fields, part, '\t');
        }
        engine::FieldTexts texts;
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            texts[i] = parts[3 + i];
        }
        const auto formula = parts[0] == "N" ? engine::Formula::Professional : engine::Formula::College;
        const engine::Calculation result = engine::calculate(texts, formula, {.decimal = parts[1], .group = parts[2]});
        std::cout << (result.refusal ? engine::messageText(*result.refusal) : result.rating.view()) << '\t';
        for (const bool zero : result.readAsZero) {
            std::cout << (zero ? '1' : '0');
        }
        std::cout << '\n';
    }
}
