#pragma once

// The page's address holds its last calculation, so a reload keeps it and a shared link
// shows it: a fragment of the five totals as the engine read them and the formula,
//   #attempts=502&completions=343&yards=4643&touchdowns=45&interceptions=6&formula=nfl
// (formula=ncaa for the college one). Opening such an address fills the fields with its
// values as a paste would, chooses the formula and calculates. A value longer than a paste
// may be is refused whole, as a paste is: the fields stay as they were and the message
// names the first such field.

#include "engine/rating.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace web {

struct AddressedCalculation {
    std::array<std::optional<std::string>, engine::kFieldCount> texts; // indexed by Field
    std::optional<engine::Formula> formula;
    std::optional<engine::Field> refused; // the first, in the order Calculate reads them
};

// Without the "#".
std::string calculationAddress(const engine::PasserStats& stats, engine::Formula formula);

// The fragment's values, percent-decoded, for the names above; other names are ignored.
// Nothing when it names no total.
std::optional<AddressedCalculation> readCalculationAddress(std::string_view fragment);

} // namespace web
