#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a data-driven test after the row's own `name`.
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};
