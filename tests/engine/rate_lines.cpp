// Rates one calculation a line, for the differential check of the native and the
// WebAssembly engine (tests/web/differential.sh): a line holds the formula (N or C), the
// decimal separator and the five field texts, tab-separated; the answer is the rating or
// the message, then the fields read as empty, as 0s and 1s.
#include "engine/rating.h"

#include <iostream>
#include <string>
#include <vector>

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::vector<std::string> parts;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            parts.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) {
                break;
            }
            start = tab + 1;
        }
        if (parts.size() != 2 + engine::kFieldCount) {
            std::cout << "bad line\n";
            continue;
        }
        engine::FieldTexts texts;
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            texts[i] = parts[2 + i];
        }
        const auto formula = parts[0] == "N" ? engine::Formula::Professional : engine::Formula::College;
        const engine::Calculation result = engine::calculate(texts, formula, parts[1]);
        std::cout << (result.refusal ? engine::messageText(*result.refusal) : result.rating.view()) << '\t';
        for (const bool zero : result.readAsZero) {
            std::cout << (zero ? '1' : '0');
        }
        std::cout << '\n';
    }
}
