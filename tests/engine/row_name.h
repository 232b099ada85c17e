#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

// The rows of the data-driven tests each carry a `name`: the row's test is named after
// it, and ctest shows it beside the name (a test file brings the printer in with
// `using rows::operator<<;`).
namespace rows {

template <typename Row>
concept Named = requires(const Row& row)
{
    std::string_view(row.name);
};

template <Named Row> std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.name;
}

} // namespace rows

struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};
